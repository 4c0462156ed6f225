// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric rules as one table: (rule, region, operands -> result or failure).
#include "numeric/textrules.h"

#include <QLocale>
#include <QTest>

#include <array>

using namespace numeric;
using namespace Qt::StringLiterals;

namespace {

// A number with 17 digits, exact for a double.
QString exact(double value) {
    return QString::number(value, 'g', 17);
}

// clang-format off
// Regions by their names in Qt's number data: "en" (full stop, comma), "de"
// (comma, full stop), "fr" (comma, narrow no-break space), "ar_EG" (Arabic
// digits and separators), ... What the windows' own rows type in a region
// (tst_program's regional groups) is not repeated here.
const std::array<const char*, 6> table[] = {
    // TextToNumber a: the number (17 digits), or the failure.
    {"fraction without integer part", "read", "en", ".5", "", "0.5"},
    {"separator without fraction", "read", "en", "5.", "", "5"},
    {"exponent with sign, lower case", "read", "en", "25e-1", "", "2.5"},
    {"underflow is zero, not a failure", "read", "en", "1E-400", "", "0"},
    {"largest double", "read", "en", "1.7976931348623157E308", "", "1.7976931348623157e+308"},
    {"comma region: dot between digits groups", "read", "de", "1.5", "", "15"},
    {"narrow no-break space groups", "read", "fr", "1\u202F234,5", "", "1234.5"},
    {"blank inside", "read", "en", "1 000", "", "ConversionFailure"},
    {"two decimal separators", "read", "en", "1.2.3", "", "ConversionFailure"},
    {"separator alone", "read", "en", ".", "", "ConversionFailure"},
    {"exponent without digits", "read", "en", "1E", "", "ConversionFailure"},
    {"group separator at an end", "read", "en", "100,", "", "ConversionFailure"},
    {"doubled group separator", "read", "en", "1,,000", "", "ConversionFailure"},
    {"group separator in the fraction", "read", "en", "1.000,5", "", "ConversionFailure"},
    {"comma region: dot decimal", "read", "de", ".5", "", "ConversionFailure"},
    // Regions with digits of their own: Latin digits or the region's, never
    // both in one number; where the Arabic decimal separator is the region's,
    // the full stop too.
    {"ar_EG: Arabic digits and separators", "read", "ar_EG", "١٬٢٣٤٫٥", "", "1234.5"},
    {"ar_EG: the comma groups", "read", "ar_EG", "1,234.5", "", "1234.5"},
    {"ar_SA: what is written reads back", "read", "ar_SA", "3.075", "", "3.0750000000000002"},
    {"ar_EG: digits of two scripts", "read", "ar_EG", "1٢3", "", "ConversionFailure"},
    {"fa_IR: Persian fraction and Latin exponent", "read", "fa_IR", "۱۲٫۵E1", "", "ConversionFailure"},
    {"fa_IR: Arabic-Indic digits are not Persian", "read", "fa_IR", "١٢", "", "ConversionFailure"},
    {"ur_PK: Latin digits only", "read", "ur_PK", "۱۲", "", "ConversionFailure"},
    {"de_DE: Arabic digits refused", "read", "de_DE", "١٢", "", "ConversionFailure"},
    // The zakat of an amount as the program writes it: the rate, then NumberToText.
    {"ar_SA: a full stop, Latin digits", "zakat", "ar_SA", "123", "", "3.075"},
    {"bn_BD: Bengali digits, full stop", "zakat", "bn_BD", "১২.৫", "", "0.3125"},
    {"ar_MA: Latin digits, comma", "zakat", "ar_MA", "1234,5", "", "30,8625"},
    // NumberToText, and what it writes TextToNumber reads back to the same text.
    {"15 digits, rounded up", "back", "en", "0.66666666666666663", "", "0.666666666666667"},
    {"binary noise hidden", "back", "en", "0.30000000000000004", "", "0.3"},
    {"15 digits stay plain", "back", "en", "123456789012345", "", "123456789012345"},
    {"rounding carries into the exponent", "back", "en", "999999999999999.6", "", "1E+15"},
    {"smallest plain exponent", "back", "en", "0.0001", "", "0.0001"},
    {"below it is scientific", "back", "en", "0.00001", "", "1E-05"},
    {"back: below the plain exponent", "back", "en", "-0.000012345678901234567", "", "-1.23456789012346E-05"},
    {"back: beyond 15 digits", "back", "en", "123456789012345678", "", "1.23456789012346E+17"},
    {"back: the smallest double", "back", "en", "4.9E-324", "", "4.94065645841247E-324"},
    {"back: the largest double", "back", "en", "1.7976931348623157E308", "", "1.79769313486231E+308"},
    {"back: comma region, exponent", "back", "de", "1,5E-7", "", "1,5E-07"},
    {"back: narrow no-break space region", "back", "fr", "-1\u202F234,5", "", "-1234,5"},
    {"back: Arabic digits", "back", "ar_EG", "١٢٣٤٫٥", "", "1234.5"},
    // TextToInt32 a.
    {"negative half rounds to even", "whole", "en", "-2.5", "", "-2"},
    {"smallest after rounding", "whole", "en", "-2147483648.5", "", "-2147483648"},
    {"half above the largest", "whole", "en", "2147483647.5", "", "OverflowFailure"},
    {"below the smallest", "whole", "en", "-2147483649", "", "OverflowFailure"},
    // Two operands.
    {"product: rounded after each step", "a x b", "en", "0.1", "3", "0.30000000000000004"},
    {"product: a text that is no number", "a x b", "en", "10", "abc", "ConversionFailure"},
    {"product: a text beyond a double", "a x b", "en", "1E400", "abc", "OverflowFailure"},
    {"sum: smallest minus one", "a + b", "en", "-2147483648", "-1", "OverflowFailure"},
    {"checked divide by zero", "a / b", "en", "1", "0", "FloatingPointFailure"},
};
// clang-format on

// What a rule, as a row names it, gives for the operands a and b: its text,
// or the failure's name.
QString apply(const QString& rule, const Separators& sep, const QString& a, const QString& b) try {
    if (rule == u"back") { // written, and read back as Calculate reads the labels
        const QString written = NumberToText(TextToNumber(a, sep), sep);
        const QString again = NumberToText(TextToNumber(written, sep), sep);
        return again == written ? written : written + u" reads back as "_s + again;
    }
    if (rule == u"zakat")
        return NumberToText(MultiplyValues({a, 2.5 / 100}, sep), sep);
    if (rule == u"read")
        return exact(TextToNumber(a, sep));
    if (rule == u"whole")
        return exact(TextToInt32(a, sep));
    if (rule == u"a x b")
        return exact(MultiplyValues({a, b}, sep));
    if (rule == u"a + b")
        return exact(AddInt32(TextToInt32(a, sep), TextToInt32(b, sep)));
    if (rule == u"a / b")
        return exact(CheckedDivide(a.toDouble(), b.toDouble()));
    return u"no such rule: "_s + rule;
} catch (const ConversionFailure&) {
    return u"ConversionFailure"_s;
} catch (const OverflowFailure&) {
    return u"OverflowFailure"_s;
} catch (const FloatingPointFailure&) {
    return u"FloatingPointFailure"_s;
}

} // namespace

class TestTextRules : public QObject {
    Q_OBJECT

private slots:
    void rules_data() {
        for (const char* column : {"rule", "region", "a", "b", "expected"})
            QTest::addColumn<QString>(column);
        for (const auto& [name, rule, region, a, b, expected] : table)
            QTest::newRow(name) << QString::fromUtf8(rule) << QString::fromUtf8(region)
                                << QString::fromUtf8(a) << QString::fromUtf8(b)
                                << QString::fromUtf8(expected);
    }
    void rules() {
        QFETCH(QString, rule);
        QFETCH(QString, region);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, expected);
        QCOMPARE(apply(rule, Separators::fromLocale(QLocale(region)), a, b), expected);
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
