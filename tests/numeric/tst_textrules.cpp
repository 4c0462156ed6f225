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

constexpr double dmax = std::numeric_limits<double>::max();

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestTextRules : public QObject {
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
    void numberToText_data();
    void numberToText();
    void numberToTextReadsBack();
    void textToInt32_data();
    void textToInt32();
    void products_data();
    void products();
    void checkedIntegerAndFloatingSteps();
};

void TestTextRules::textToNumber_data() {
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<double>("value");

    const Outcome ok = Outcome::Ok, bad = Outcome::Conversion, big = Outcome::Overflow;
    // clang-format off
    QTest::newRow("blanks around are skipped") << false << " 12.5 " << ok << 12.5;
    QTest::newRow("signs") << false << "-3" << ok << -3.0;
    QTest::newRow("plus sign") << false << "+7" << ok << 7.0;
    QTest::newRow("fraction without integer part") << false << ".5" << ok << 0.5;
    QTest::newRow("separator without fraction") << false << "5." << ok << 5.0;
    QTest::newRow("exponent with sign") << false << "25e-1" << ok << 2.5;
    QTest::newRow("group separators between digits") << false << "1,234,567.25" << ok << 1234567.25;
    QTest::newRow("underflow is zero, not a failure") << false << "1E-400" << ok << 0.0;
    QTest::newRow("largest double") << false << "1.7976931348623157E308" << ok << dmax;
    QTest::newRow("long digit string") << false << QString(400, u'0') + QStringLiteral("12") << ok << 12.0;
    QTest::newRow("comma decimal, dot groups") << true << "1.234,5" << ok << 1234.5;
    QTest::newRow("comma region: dot between digits groups") << true << "1.5" << ok << 15.0;
    QTest::newRow("empty") << false << "" << bad << 0.0;
    QTest::newRow("blanks only") << false << "   " << bad << 0.0;
    QTest::newRow("trailing letters") << false << "12abc" << bad << 0.0;
    QTest::newRow("blank inside") << false << "1 000" << bad << 0.0;
    QTest::newRow("two decimal separators") << false << "1.2.3" << bad << 0.0;
    QTest::newRow("separator alone") << false << "." << bad << 0.0;
    QTest::newRow("exponent without digits") << false << "1E" << bad << 0.0;
    QTest::newRow("group separator at an end") << false << "100," << bad << 0.0;
    QTest::newRow("doubled group separator") << false << "1,,000" << bad << 0.0;
    QTest::newRow("group separator in the fraction") << false << "1.000,5" << bad << 0.0;
    QTest::newRow("infinity is no number") << false << "inf" << bad << 0.0;
    QTest::newRow("hexadecimal is not accepted") << false << "0x10" << bad << 0.0;
    QTest::newRow("non-Latin digits") << false << QString::fromUtf8("\u0661\u0662") << bad << 0.0;
    QTest::newRow("embedded NUL") << false << QStringView(u"1\0002", 3).toString() << bad << 0.0;
    QTest::newRow("comma region: dot decimal") << true << ".5" << bad << 0.0;
    QTest::newRow("beyond the largest double") << false << "1E400" << big << 0.0;
    QTest::newRow("just beyond the largest double") << false << "1.7976931348623159E308" << big << 0.0;
    QTest::newRow("enormous exponent") << false << "-1E99999999999999999999" << big << 0.0;
    // clang-format on
}

void TestTextRules::textToNumber() {
    QFETCH(bool, comma);
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(double, value);
    double read = 0;
    QCOMPARE(outcomeOf([&] { read = TextToNumber(text, comma ? german : english); }), outcome);
    QCOMPARE(read, value);
}

void TestTextRules::numberToText_data() {
    QTest::addColumn<bool>("comma");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("zakat of 1000") << false << 1000 * (2.5 / 100) << "25";
    QTest::newRow("zakat of 123.45") << false << 123.45 * 0.025 << "3.08625";
    QTest::newRow("15 digits, rounded") << false << 2.0 / 3 << "0.666666666666667";
    QTest::newRow("binary noise hidden") << false << 0.1 + 0.2 << "0.3";
    QTest::newRow("15 digits stay plain") << false << 123456789012345.0 << "123456789012345";
    QTest::newRow("rounding carries into the exponent") << false << 999999999999999.6 << "1E+15";
    QTest::newRow("smallest plain exponent") << false << 0.0001 << "0.0001";
    QTest::newRow("below it is scientific") << false << 0.00001 << "1E-05";
    QTest::newRow("three-digit exponent") << false << 1.5e300 << "1.5E+300";
    QTest::newRow("negative zero") << false << -0.0 << "0";
    QTest::newRow("no group separators") << false << -1234567.0 << "-1234567";
    QTest::newRow("largest double rounds down, to read back") << false << dmax << "1.79769313486231E+308";
    QTest::newRow("negative largest double too") << false << -dmax << "-1.79769313486231E+308";
    QTest::newRow("comma decimal") << true << 1234.5 << "1234,5";
    QTest::newRow("comma decimal in scientific") << true << 1.5e-7 << "1,5E-07";
    // clang-format on
}

void TestTextRules::numberToText() {
    QFETCH(bool, comma);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberToText(value, comma ? german : english), expected);
}

// Whatever NumberToText writes, TextToNumber reads back to the same 15
// digits, in either region, the top of the range included.
void TestTextRules::numberToTextReadsBack() {
    QRandomGenerator rng(20261206);
    for (const Separators& sep : {english, german}) {
        for (int i = 0; i < 20000; ++i) {
            const quint64 bits = rng.generate64();
            double value;
            std::memcpy(&value, &bits, sizeof value);
            if (i < 64)
                value = std::nextafter(dmax, 0.0) - i * 1e292;
            if (!std::isfinite(value))
                continue;
            const QString text = NumberToText(value, sep);
            if (NumberToText(TextToNumber(text, sep), sep) != text)
                QFAIL(qPrintable(QStringLiteral("%1 does not read back").arg(text)));
        }
    }
}

void TestTextRules::textToInt32_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("expected");

    // clang-format off
    QTest::newRow("half rounds to even below") << "12.5" << Outcome::Ok << 12;
    QTest::newRow("half rounds to even above") << "13.5" << Outcome::Ok << 14;
    QTest::newRow("negative half rounds to even") << "-2.5" << Outcome::Ok << -2;
    QTest::newRow("not quite a half") << "2.5000001" << Outcome::Ok << 3;
    QTest::newRow("largest") << "2147483647" << Outcome::Ok << 2147483647;
    QTest::newRow("smallest after rounding") << "-2147483648.5" << Outcome::Ok << int(-2147483648LL);
    QTest::newRow("half above the largest") << "2147483647.5" << Outcome::Overflow << 0;
    QTest::newRow("scientific beyond range") << "1E+15" << Outcome::Overflow << 0;
    QTest::newRow("empty") << "" << Outcome::Conversion << 0;
    // clang-format on
}

void TestTextRules::textToInt32() {
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(int, expected);
    std::int32_t value = 0;
    QCOMPARE(outcomeOf([&] { value = TextToInt32(text, english); }), outcome);
    QCOMPARE(value, expected);
}

// MultiplyValues(first, 12, 2.5 / 100, last).
void TestTextRules::products_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("expected");

    // clang-format off
    QTest::newRow("text, whole number, double") << "120" << "1" << Outcome::Ok << "36";
    QTest::newRow("text not a number") << "10" << "abc" << Outcome::Conversion << "";
    QTest::newRow("text beyond a double") << "1E400" << "1" << Outcome::Overflow << "";
    QTest::newRow("product beyond a double") << "1E200" << "1E200" << Outcome::Overflow << "";
    QTest::newRow("zero absorbs a huge factor") << "0" << "1E300" << Outcome::Ok << "0";
    // clang-format on
}

void TestTextRules::products() {
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

void TestTextRules::checkedIntegerAndFloatingSteps() {
    QCOMPARE(CheckedDivide(2.5, 100), 0.025);
    QVERIFY_THROWS_EXCEPTION(FloatingPointFailure, CheckedDivide(1, 0));
    QVERIFY_THROWS_EXCEPTION(FloatingPointFailure, CheckedMultiply(1e300, 1e300));
    QCOMPARE(CheckedMultiply(1e-300, 1e-300), 0.0); // underflow is no failure
    QCOMPARE(AddInt32(int(-2147483648LL), 2147483647), -1);
    QCOMPARE(outcomeOf([] { AddInt32(2147483647, 1); }), Outcome::Overflow);
    QCOMPARE(outcomeOf([] { AddInt32(int(-2147483648LL), -1); }), Outcome::Overflow);
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
