// The numeric rules as one table: (rule, region, operands -> result or failure).
#include "numeric/textrules.h"
#include "outcome.h"

#include <QTest>

using namespace numeric;

class TestTextRules : public QObject {
    Q_OBJECT

private slots:
    void rules_data();
    void rules();
};

void TestTextRules::rules_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("outcome");
    const auto rule = [](const char* name, const char* r, const char* region, const char* a,
                         const char* b, const char* outcome) {
        QTest::newRow(name) << QString::fromLatin1(r) << QString::fromLatin1(region)
                            << QString::fromUtf8(a) << QString::fromUtf8(b)
                            << QString::fromUtf8(outcome);
    };
    // clang-format off
    // TextToNumber a: the number (17 digits), or the failure.
    rule("a whole number", "read", "en", "1000", "", "1000");
    rule("blanks around are skipped", "read", "en", " 12.5 ", "", "12.5");
    rule("signs", "read", "en", "-3", "", "-3");
    rule("plus sign", "read", "en", "+7", "", "7");
    rule("fraction without integer part", "read", "en", ".5", "", "0.5");
    rule("separator without fraction", "read", "en", "5.", "", "5");
    rule("exponent", "read", "en", "1E3", "", "1000");
    rule("exponent with sign, lower case", "read", "en", "25e-1", "", "2.5");
    rule("group separators between digits", "read", "en", "1,234,567.25", "", "1234567.25");
    rule("underflow is zero, not a failure", "read", "en", "1E-400", "", "0");
    rule("largest double", "read", "en", "1.7976931348623157E308", "", "1.7976931348623157e+308");
    rule("long digit string", "read", "en", "0000000000000000000000000000012", "", "12");
    rule("comma decimal, dot groups", "read", "de", "1.234,5", "", "1234.5");
    rule("comma region: dot between digits groups", "read", "de", "1.5", "", "15");
    rule("narrow no-break space groups", "read", "fr", "1\u202F234,5", "", "1234.5");
    rule("empty", "read", "en", "", "", "ConversionFailure");
    rule("blanks only", "read", "en", "   ", "", "ConversionFailure");
    rule("trailing letters", "read", "en", "12abc", "", "ConversionFailure");
    rule("blank inside", "read", "en", "1 000", "", "ConversionFailure");
    rule("two decimal separators", "read", "en", "1.2.3", "", "ConversionFailure");
    rule("separator alone", "read", "en", ".", "", "ConversionFailure");
    rule("sign alone", "read", "en", "-", "", "ConversionFailure");
    rule("exponent without digits", "read", "en", "1E", "", "ConversionFailure");
    rule("exponent without mantissa", "read", "en", "E5", "", "ConversionFailure");
    rule("group separator at an end", "read", "en", "100,", "", "ConversionFailure");
    rule("group separator first", "read", "en", ",100", "", "ConversionFailure");
    rule("doubled group separator", "read", "en", "1,,000", "", "ConversionFailure");
    rule("group separator in the fraction", "read", "en", "1.000,5", "", "ConversionFailure");
    rule("infinity is no number", "read", "en", "inf", "", "ConversionFailure");
    rule("hexadecimal is no number", "read", "en", "0x10", "", "ConversionFailure");
    rule("non-Latin digits", "read", "en", "\u0661\u0662", "", "ConversionFailure");
    rule("comma region: dot decimal", "read", "de", ".5", "", "ConversionFailure");
    rule("beyond the largest double", "read", "en", "1E400", "", "OverflowFailure");
    rule("just beyond the largest double", "read", "en", "1.7976931348623159E308", "", "OverflowFailure");
    rule("enormous exponent", "read", "en", "-1E99999999999999999999", "", "OverflowFailure");
    // NumberToText of a, or of a / b, or of a * b.
    rule("zakat of 1000", "write", "en", "1000", "* 0.025", "25");
    rule("zakat of 123.45", "write", "en", "123.45", "* 0.025", "3.08625");
    rule("a third", "write", "en", "1", "/ 3", "0.333333333333333");
    rule("15 digits, rounded up", "write", "en", "2", "/ 3", "0.666666666666667");
    rule("binary noise hidden", "write", "en", "0.30000000000000004", "", "0.3");
    rule("15 digits stay plain", "write", "en", "123456789012345", "", "123456789012345");
    rule("rounding carries into the exponent", "write", "en", "999999999999999.6", "", "1E+15");
    rule("1E15 is scientific", "write", "en", "1E15", "", "1E+15");
    rule("smallest plain exponent", "write", "en", "0.0001", "", "0.0001");
    rule("below it is scientific", "write", "en", "0.00001", "", "1E-05");
    rule("three-digit exponent", "write", "en", "1.5E300", "", "1.5E+300");
    rule("negative", "write", "en", "-2.5", "", "-2.5");
    rule("negative zero", "write", "en", "-0", "", "0");
    rule("no group separators", "write", "en", "-1234567", "", "-1234567");
    rule("largest double rounds down, to read back", "write", "en", "1.7976931348623157E308", "", "1.79769313486231E+308");
    rule("comma decimal", "write", "de", "1234.5", "", "1234,5");
    rule("comma decimal in scientific", "write", "de", "1.5E-7", "", "1,5E-07");
    // TextToInt32 a.
    rule("half rounds to even below", "whole", "en", "12.5", "", "12");
    rule("half rounds to even above", "whole", "en", "13.5", "", "14");
    rule("negative half rounds to even", "whole", "en", "-2.5", "", "-2");
    rule("not quite a half", "whole", "en", "2.5000001", "", "3");
    rule("small rounds to zero", "whole", "en", "0.025", "", "0");
    rule("largest", "whole", "en", "2147483647", "", "2147483647");
    rule("smallest after rounding", "whole", "en", "-2147483648.5", "", "-2147483648");
    rule("half above the largest", "whole", "en", "2147483647.5", "", "OverflowFailure");
    rule("below the smallest", "whole", "en", "-2147483649", "", "OverflowFailure");
    rule("scientific beyond range", "whole", "en", "1E+15", "", "OverflowFailure");
    rule("no whole number in an empty text", "whole", "en", "", "", "ConversionFailure");
    // Two operands.
    rule("product: text, whole number 12, the rate", "a x 12 x rate", "en", "120", "", "36");
    rule("product: 10 x 12 x rate", "a x 12 x rate", "en", "10", "", "3");
    rule("product: rounded after each step", "a x b", "en", "0.1", "3", "0.30000000000000004");
    rule("product: a text that is no number", "a x b", "en", "10", "abc", "ConversionFailure");
    rule("product: a text beyond a double", "a x b", "en", "1E400", "abc", "OverflowFailure");
    rule("product beyond a double", "a x b", "en", "1E200", "1E200", "OverflowFailure");
    rule("product: zero absorbs a huge factor", "a x b", "en", "0", "1E300", "0");
    rule("sum: largest plus one", "a + b", "en", "2147483647", "1", "OverflowFailure");
    rule("sum: smallest minus one", "a + b", "en", "-2147483648", "-1", "OverflowFailure");
    rule("sum: negative and positive", "a + b", "en", "-5", "3", "-2");
    rule("sum: end to end", "a + b", "en", "-2147483648", "2147483647", "-1");
    rule("checked multiply overflows", "a * b", "en", "1E300", "1E300", "FloatingPointFailure");
    rule("checked multiply: underflow is fine", "a * b", "en", "1E-300", "1E-300", "0");
    rule("checked divide: the rate", "a / b", "en", "2.5", "100", "0.025000000000000001");
    rule("checked divide by zero", "a / b", "en", "1", "0", "FloatingPointFailure");
    rule("same text", "a == b", "en", "Gram", "Gram", "1");
    rule("case counts", "a == b", "en", "Gram", "gram", "0");
    rule("blanks count", "a == b", "en", "Ounce", " Ounce", "0");
    rule("empty texts are the same", "a == b", "en", "", "", "1");
    // clang-format on
}

void TestTextRules::rules() {
    QFETCH(QString, rule);
    QFETCH(QString, region);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, outcome);
    const Separators& sep = outcome::region(region);
    const Separators& en = outcome::region(QStringLiteral("en"));
    if (rule == u"write") { // b: "* x" or "/ x", a step of the handler's own
        const double x = a.toDouble(), y = b.mid(2).toDouble();
        QCOMPARE(NumberToText(b.isEmpty() ? x : b.startsWith(u'*') ? x * y : x / y, sep), outcome);
        return;
    }
    QCOMPARE(outcome::of([&]() -> double {
                 if (rule == u"read")
                     return TextToNumber(a, sep);
                 if (rule == u"whole")
                     return TextToInt32(a, sep);
                 if (rule == u"a x 12 x rate")
                     return MultiplyValues({a, std::int32_t(12), 2.5 / 100}, sep);
                 if (rule == u"a x b")
                     return MultiplyValues({a, b}, sep);
                 if (rule == u"a + b")
                     return AddInt32(TextToInt32(a, en), TextToInt32(b, en));
                 if (rule == u"a * b")
                     return CheckedMultiply(a.toDouble(), b.toDouble());
                 if (rule == u"a / b")
                     return CheckedDivide(a.toDouble(), b.toDouble());
                 return SameText(a, b);
             }),
             outcome);
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
