#include "numeric/textrules.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <cstring>
#include <limits>

using namespace numeric;

namespace {

enum class Outcome { Ok, Conversion, Overflow };

const Separators english = Separators::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
const Separators german = Separators::fromLocale(QLocale(QLocale::German, QLocale::Germany));

Separators regionNamed(const QString& name) {
    return name == u"de" ? german : english;
}

// Runs fn and tells which failure, if any, it raised.
template <typename Fn> Outcome outcomeOf(Fn&& fn) {
    try {
        fn();
        return Outcome::Ok;
    } catch (const ConversionFailure&) {
        return Outcome::Conversion;
    } catch (const OverflowFailure&) {
        return Outcome::Overflow;
    }
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestTextRules : public QObject {
    Q_OBJECT

private slots:
    void separatorsFollowTheRegion();

    void textToNumber_data();
    void textToNumber();
    void textToNumberRejects_data();
    void textToNumberRejects();

    void numberToText_data();
    void numberToText();
    void numberToTextReadsBack();

    void textToInt32_data();
    void textToInt32();

    void multiplyValues_data();
    void multiplyValues();

    void sameText_data();
    void sameText();

    void addInt32_data();
    void addInt32();

    void checkedFloatingSteps();
};

void TestTextRules::separatorsFollowTheRegion() {
    QCOMPARE(english.decimal, QChar(u'.'));
    QCOMPARE(english.group, QChar(u','));
    QCOMPARE(german.decimal, QChar(u','));
    QCOMPARE(german.group, QChar(u'.'));
}

void TestTextRules::textToNumber_data() {
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // clang-format off
    QTest::newRow("plain integer") << "en" << "1000" << 1000.0;
    QTest::newRow("blanks around are skipped") << "en" << " 12.5 " << 12.5;
    QTest::newRow("tabs around are skipped") << "en" << "\t7\t" << 7.0;
    QTest::newRow("minus sign") << "en" << "-3" << -3.0;
    QTest::newRow("plus sign") << "en" << "+7" << 7.0;
    QTest::newRow("fraction without integer part") << "en" << ".5" << 0.5;
    QTest::newRow("integer part with bare separator") << "en" << "5." << 5.0;
    QTest::newRow("exponent") << "en" << "1E3" << 1000.0;
    QTest::newRow("lower-case exponent with sign") << "en" << "25e-1" << 2.5;
    QTest::newRow("exponent with plus") << "en" << "1.5E+2" << 150.0;
    QTest::newRow("group separator between digits") << "en" << "1,000" << 1000.0;
    QTest::newRow("several group separators") << "en" << "1,234,567.25" << 1234567.25;
    QTest::newRow("group separator anywhere between digits") << "en" << "1,5" << 15.0;
    QTest::newRow("leading zeros") << "en" << "007" << 7.0;
    QTest::newRow("zero forms: 0.0") << "en" << "0.0" << 0.0;
    QTest::newRow("zero forms: 0E5") << "en" << "0E5" << 0.0;
    QTest::newRow("nearest double of 0.1") << "en" << "0.1" << 0.1;
    QTest::newRow("largest double") << "en" << "1.7976931348623157E308" << std::numeric_limits<double>::max();
    QTest::newRow("underflow is zero, not a failure") << "en" << "1E-400" << 0.0;
    QTest::newRow("subnormal kept") << "en" << "5E-324" << std::numeric_limits<double>::denorm_min();
    QTest::newRow("huge zero exponent") << "en" << "0E999999999999" << 0.0;
    QTest::newRow("long digit string") << "en" << QString(400, u'0') + QStringLiteral("12") << 12.0;
    // clang-format on

    // clang-format off
    QTest::newRow("comma decimal") << "de" << "1234,5" << 1234.5;
    QTest::newRow("comma decimal with dot group") << "de" << "1.234,5" << 1234.5;
    QTest::newRow("comma decimal, fraction only") << "de" << ",25" << 0.25;
    QTest::newRow("comma decimal, dot is a group") << "de" << "1.000" << 1000.0;
    QTest::newRow("comma decimal, dot between digits is a group") << "de" << "1.5" << 15.0;
    // clang-format on
}

void TestTextRules::textToNumber() {
    QFETCH(QString, region);
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = TextToNumber(text, regionNamed(region));
    QCOMPARE(value, expected);
}

void TestTextRules::textToNumberRejects_data() {
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");

    // clang-format off
    QTest::newRow("empty") << "en" << "" << Outcome::Conversion;
    QTest::newRow("blanks only") << "en" << "   " << Outcome::Conversion;
    QTest::newRow("letters") << "en" << "abc" << Outcome::Conversion;
    QTest::newRow("trailing letters") << "en" << "12abc" << Outcome::Conversion;
    QTest::newRow("blank inside") << "en" << "1 000" << Outcome::Conversion;
    QTest::newRow("two decimal separators") << "en" << "1.2.3" << Outcome::Conversion;
    QTest::newRow("separator alone") << "en" << "." << Outcome::Conversion;
    QTest::newRow("sign alone") << "en" << "-" << Outcome::Conversion;
    QTest::newRow("two signs") << "en" << "--1" << Outcome::Conversion;
    QTest::newRow("exponent without digits") << "en" << "1E" << Outcome::Conversion;
    QTest::newRow("exponent without mantissa") << "en" << "E5" << Outcome::Conversion;
    QTest::newRow("group separator at the start") << "en" << ",100" << Outcome::Conversion;
    QTest::newRow("group separator at the end") << "en" << "100," << Outcome::Conversion;
    QTest::newRow("doubled group separator") << "en" << "1,,000" << Outcome::Conversion;
    QTest::newRow("group separator in the fraction") << "en" << "1.000,5" << Outcome::Conversion;
    QTest::newRow("infinity is no number") << "en" << "inf" << Outcome::Conversion;
    QTest::newRow("nan is no number") << "en" << "nan" << Outcome::Conversion;
    QTest::newRow("hexadecimal is not accepted") << "en" << "0x10" << Outcome::Conversion;
    QTest::newRow("non-Latin digits") << "en" << QString::fromUtf8("\u0661\u0662") << Outcome::Conversion;
    QTest::newRow("full-width digits") << "en" << QString::fromUtf8("\uff11") << Outcome::Conversion;
    QTest::newRow("embedded NUL") << "en" << QStringView(u"1\0002", 3).toString() << Outcome::Conversion;
    QTest::newRow("beyond the largest double") << "en" << "1E400" << Outcome::Overflow;
    QTest::newRow("just beyond the largest double") << "en" << "1.7976931348623159E308" << Outcome::Overflow;
    QTest::newRow("negative beyond the largest double") << "en" << "-1E309" << Outcome::Overflow;
    QTest::newRow("enormous exponent") << "en" << "1E99999999999999999999" << Outcome::Overflow;
    // clang-format on

    // clang-format off
    QTest::newRow("dot decimal in a comma region") << "de" << ".5" << Outcome::Conversion;
    QTest::newRow("two comma decimals") << "de" << "1,2,3" << Outcome::Conversion;
    // clang-format on
}

void TestTextRules::textToNumberRejects() {
    QFETCH(QString, region);
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QCOMPARE(outcomeOf([&] { TextToNumber(text, regionNamed(region)); }), outcome);
}

void TestTextRules::numberToText_data() {
    QTest::addColumn<QString>("region");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("zakat of 1000") << "en" << 1000 * (2.5 / 100) << "25";
    QTest::newRow("one decimal") << "en" << 12.5 << "12.5";
    QTest::newRow("the rate") << "en" << 0.025 << "0.025";
    QTest::newRow("one third, 15 digits") << "en" << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("two thirds rounds up") << "en" << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("binary noise hidden") << "en" << 0.1 + 0.2 << "0.3";
    QTest::newRow("15 digits stay plain") << "en" << 123456789012345.0 << "123456789012345";
    QTest::newRow("rounding carries into the exponent") << "en" << 999999999999999.6 << "1E+15";
    QTest::newRow("1E15 is scientific") << "en" << 1e15 << "1E+15";
    QTest::newRow("smallest plain exponent") << "en" << 0.0001 << "0.0001";
    QTest::newRow("below it is scientific") << "en" << 0.00001 << "1E-05";
    QTest::newRow("scientific with mantissa") << "en" << 1.5e300 << "1.5E+300";
    QTest::newRow("three-digit exponent") << "en" << 1e100 << "1E+100";
    QTest::newRow("negative value") << "en" << -2.5 << "-2.5";
    QTest::newRow("negative zero") << "en" << -0.0 << "0";
    QTest::newRow("no group separators") << "en" << 1234567.0 << "1234567";
    QTest::newRow("zakat of 123.45") << "en" << 123.45 * 0.025 << "3.08625";
    QTest::newRow("largest double rounds down, to read back") << "en" << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::newRow("negative largest double too") << "en" << -std::numeric_limits<double>::max() << "-1.79769313486231E+308";
    QTest::newRow("smallest subnormal") << "en" << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
    // clang-format on

    // clang-format off
    QTest::newRow("comma decimal") << "de" << 1234.5 << "1234,5";
    QTest::newRow("comma decimal in scientific") << "de" << 1.5e-7 << "1,5E-07";
    // clang-format on
}

void TestTextRules::numberToText() {
    QFETCH(QString, region);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberToText(value, regionNamed(region)), expected);
}

// Whatever NumberToText writes, TextToNumber reads back as the same value to
// 15 significant digits, in either region.
void TestTextRules::numberToTextReadsBack() {
    QRandomGenerator rng(20261206);
    for (const Separators& sep : {english, german}) {
        for (int i = 0; i < 20000; ++i) {
            const quint64 bits = rng.generate64();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            if (i < 64) // the top of the range, where rounding up would overflow
                value = std::nextafter(std::numeric_limits<double>::max(), 0.0) - i * 1e292;
            if (!std::isfinite(value))
                continue;
            const QString text = NumberToText(value, sep);
            const double back = TextToNumber(text, sep);
            if (NumberToText(back, sep) != text)
                QFAIL(qPrintable(QStringLiteral("%1 does not read back").arg(text)));
            if (value != 0 && std::fabs(back - value) > std::fabs(value) * 1e-14)
                QFAIL(qPrintable(
                    QStringLiteral("%1 is too far from %2").arg(text).arg(value, 0, 'g', 17)));
        }
    }
}

void TestTextRules::textToInt32_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("expected");

    // clang-format off
    QTest::newRow("whole") << "25" << Outcome::Ok << 25;
    QTest::newRow("half rounds to even below") << "12.5" << Outcome::Ok << 12;
    QTest::newRow("half rounds to even above") << "13.5" << Outcome::Ok << 14;
    QTest::newRow("negative half rounds to even") << "-2.5" << Outcome::Ok << -2;
    QTest::newRow("negative half rounds to even above") << "-3.5" << Outcome::Ok << -4;
    QTest::newRow("not a half rounds to nearest") << "2.5000001" << Outcome::Ok << 3;
    QTest::newRow("small fraction") << "0.025" << Outcome::Ok << 0;
    QTest::newRow("largest") << "2147483647" << Outcome::Ok << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << Outcome::Ok << int(-2147483648LL);
    QTest::newRow("smallest after rounding") << "-2147483648.5" << Outcome::Ok << int(-2147483648LL);
    QTest::newRow("half above the largest") << "2147483647.5" << Outcome::Overflow << 0;
    QTest::newRow("one above the largest") << "2147483648" << Outcome::Overflow << 0;
    QTest::newRow("one below the smallest") << "-2147483649" << Outcome::Overflow << 0;
    QTest::newRow("scientific beyond range") << "1E+15" << Outcome::Overflow << 0;
    QTest::newRow("empty") << "" << Outcome::Conversion << 0;
    QTest::newRow("not a number") << "12a" << Outcome::Conversion << 0;
    QTest::newRow("beyond the largest double") << "1E400" << Outcome::Overflow << 0;
    // clang-format on
}

void TestTextRules::textToInt32() {
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(int, expected);
    std::int32_t value = 0;
    QCOMPARE(outcomeOf([&] { value = TextToInt32(text, english); }), outcome);
    QCOMPARE(value, expected);
    if (outcome == Outcome::Ok)
        QCOMPARE(TextToNumber(Int32ToText(value), english), double(value));
}

void TestTextRules::multiplyValues_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("expected");

    // first x 12 x 2.5/100 x last
    // clang-format off
    QTest::newRow("text, whole, double") << "120" << "1" << Outcome::Ok << "36";
    QTest::newRow("small text") << "10" << "1" << Outcome::Ok << "3";
    QTest::newRow("negative") << "-10" << "1" << Outcome::Ok << "-3";
    QTest::newRow("text not a number") << "10" << "abc" << Outcome::Conversion << "";
    QTest::newRow("empty text") << "" << "1" << Outcome::Conversion << "";
    QTest::newRow("text beyond a double") << "1E400" << "1" << Outcome::Overflow << "";
    QTest::newRow("product beyond a double") << "1E200" << "1E200" << Outcome::Overflow << "";
    QTest::newRow("zero absorbs a huge factor") << "0" << "1E300" << Outcome::Ok << "0";
    // clang-format on
}

void TestTextRules::multiplyValues() {
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(Outcome, outcome);
    QFETCH(QString, expected);
    double product = 0;
    QCOMPARE(outcomeOf([&] {
                 product = MultiplyValues({first, std::int32_t(12), 2.5 / 100, last}, english);
             }),
             outcome);
    if (outcome == Outcome::Ok)
        QCOMPARE(NumberToText(product, english), expected);
}

void TestTextRules::sameText_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");

    // clang-format off
    QTest::newRow("equal") << "Gram" << "Gram" << true;
    QTest::newRow("case counts") << "Gram" << "gram" << false;
    QTest::newRow("both empty") << "" << "" << true;
    QTest::newRow("leading blank counts") << "Ounce" << " Ounce" << false;
    QTest::newRow("trailing blank counts") << "Gram" << "Gram " << false;
    QTest::newRow("no locale folding") << QString::fromUtf8("e\u0301") << QString::fromUtf8("\u00e9") << false;
    // clang-format on
}

void TestTextRules::sameText() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(SameText(a, b), same);
    QCOMPARE(SameText(b, a), same);
}

void TestTextRules::addInt32_data() {
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("expected");

    // clang-format off
    QTest::newRow("mixed signs") << -5 << 3 << Outcome::Ok << -2;
    QTest::newRow("up to the largest") << 2147483646 << 1 << Outcome::Ok << 2147483647;
    QTest::newRow("past the largest") << 2147483647 << 1 << Outcome::Overflow << 0;
    QTest::newRow("past the smallest") << int(-2147483648LL) << -1 << Outcome::Overflow << 0;
    QTest::newRow("extremes cancel") << int(-2147483648LL) << 2147483647 << Outcome::Ok << -1;
    // clang-format on
}

void TestTextRules::addInt32() {
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(Outcome, outcome);
    QFETCH(int, expected);
    std::int32_t sum = 0;
    QCOMPARE(outcomeOf([&] { sum = AddInt32(a, b); }), outcome);
    QCOMPARE(sum, expected);
}

void TestTextRules::checkedFloatingSteps() {
    QCOMPARE(CheckedDivide(2.5, 100), 0.025);
    QVERIFY_THROWS_EXCEPTION(FloatingPointFailure, CheckedDivide(1, 0));
    QVERIFY_THROWS_EXCEPTION(FloatingPointFailure, CheckedDivide(0, 0));
    QVERIFY_THROWS_EXCEPTION(FloatingPointFailure, CheckedMultiply(1e300, 1e300));
    QCOMPARE(CheckedMultiply(1e-300, 1e-300), 0.0); // underflow is no failure
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
