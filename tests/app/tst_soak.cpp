// A seeded random walk through both windows, in the steps a user takes.
// After every step each input holds what was typed into it, or "0" where a
// handler resets an empty or zero text and after Clear All, and each zakat
// label is a number as NumberToText writes it.
//   ALTAVESH_SOAK_STEPS (default 400) and ALTAVESH_SOAK_SEED set the walk;
//   scripts/soak.sh runs long ones.
#include "driver.h"
#include "numeric/textrules.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void randomWalkKeepsEveryInput();
};

void TestSoak::randomWalkKeepsEveryInput() {
    const QStringList steps{u"Text%1=1000"_s,
                            u"Text%1=12.5"_s,
                            u"Text%1=-3"_s,
                            u"Text%1=1,234.5"_s,
                            u"Text%1=0"_s,
                            u"Text%1=0.00"_s,
                            u"Text%1="_s,
                            u"Text%1=abc"_s,
                            u"Text%1=1E200"_s,
                            u"Text%1=2147483647"_s,
                            u"Combo2=Gram"_s,
                            u"Combo3=Ounce"_s,
                            u"Combo2=Tolaas"_s,
                            u"Combo3=ounce"_s,
                            u"Tab"_s,
                            u"Shift+Tab"_s,
                            u"Alt+C"_s,
                            u"Alt+A"_s,
                            u"click Command1"_s,
                            u"click Command2"_s,
                            u"Form2.Combo1=Rs. India"_s,
                            u"Form2.Combo1=$. US Dollars"_s,
                            u"click Form2.Command1"_s,
                            u"close Form2; activate Form1"_s};
    const auto setting = [](const char* name, int otherwise) {
        return qEnvironmentVariableIsSet(name) ? qEnvironmentVariableIntValue(name) : otherwise;
    };
    QRandomGenerator rng(setting("ALTAVESH_SOAK_SEED", 20261207));
    Driver driver;
    QVERIFY(driver.start());
    QStringList typed(9, u"0"_s); // Text1 to Text8
    for (int i = 0, count = setting("ALTAVESH_SOAK_STEPS", 400); i < count; ++i) {
        const int box = 1 + rng.bounded(8);
        QString step = steps[rng.bounded(steps.size())].arg(box);
        if (step.contains(u"Form2.") && driver.actual(u"Form2"_s) != u"shown")
            continue;
        const bool clears = step == u"click Command1" ||
                            (step == u"Alt+C" && !driver.actual(u"focus"_s).startsWith(u"Form2."));
        const QString failed = driver.run(step);
        QVERIFY2(failed.isEmpty(), qPrintable(u"step %1: %2"_s.arg(i).arg(failed)));
        if (step.startsWith(u"Text"))
            typed[box] = step.section(u'=', 1);
        if (clears)
            typed.fill(u"0"_s);
        for (int b = 1; b <= 8; ++b) {
            const QString now = driver.actual(u"Text%1"_s.arg(b));
            bool zero = typed[b].isEmpty();
            try {
                zero = zero || numeric::TextToNumber(typed[b]) == 0.0;
            } catch (const numeric::Failure&) {
            }
            QVERIFY2(
                now == typed[b] || (now == u"0" && zero),
                qPrintable(u"step %1, %2: Text%3 holds \"%4\""_s.arg(i).arg(step).arg(b).arg(now)));
            typed[b] = now;
        }
        for (int label = 10; label <= 15; ++label) {
            const QString zakat = driver.actual(u"Label%1"_s.arg(label));
            QCOMPARE(numeric::NumberToText(numeric::TextToNumber(zakat)), zakat);
        }
    }
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
