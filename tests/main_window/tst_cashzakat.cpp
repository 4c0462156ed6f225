#include "recorders.h"
#include "useractions.h"
#include "windowing/form.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const char* const amountBoxes[] = {"Text1", "Text2", "Text3", "Text4"};
const char* const zakatLabels[] = {"Label10", "Label11", "Label12", "Label13"};

QString str(const char* s) {
    return QString::fromLatin1(s);
}

} // namespace

class TestCashZakat : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void zakatShownWhenTheBoxIsLeft_data();
    void zakatShownWhenTheBoxIsLeft();
    void aRowChangesOnlyItsOwnLabel();

private:
    windowing::Form& form1() { return m_t->program.form1(); }
    QLineEdit& box(int row) { return form1().textBox(str(amountBoxes[row])); }
    QLabel& zakat(int row) { return form1().label(str(zakatLabels[row])); }

    std::unique_ptr<ProgramUnderTest> m_t;
};

void TestCashZakat::init() {
    m_t = std::make_unique<ProgramUnderTest>();
    m_t->program.start();
    QVERIFY(QTest::qWaitForWindowActive(&form1().window()));
    QCOMPARE(QApplication::focusWidget(), &box(0));
}

void TestCashZakat::cleanup() {
    m_t.reset();
}

void TestCashZakat::zakatShownWhenTheBoxIsLeft_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<QString>("boxAfter");
    QTest::addColumn<QString>("zakatAfter");
    QTest::addColumn<int>("failures");

    // clang-format off
    QTest::newRow("1000 gives 25") << 0 << "1000" << "tab" << "1000" << "25" << 0;
    QTest::newRow("123.45 gives 3.08625") << 1 << "123.45" << "backtab" << "123.45" << "3.08625" << 0;
    QTest::newRow("0.1 gives 0.0025") << 2 << "0.1" << "click" << "0.1" << "0.0025" << 0;
    QTest::newRow("negative amount, negative zakat") << 0 << "-400" << "tab" << "-400" << "-10" << 0;
    QTest::newRow("group separator stays in the box") << 1 << "1,000" << "tab" << "1,000" << "25" << 0;
    QTest::newRow("amount is never reformatted") << 2 << " 1234.50" << "tab" << " 1234.50" << "30.8625" << 0;
    QTest::newRow("empty is reset to 0") << 3 << "" << "tab" << "0" << "0" << 0;
    QTest::newRow("-0 is reset to 0") << 1 << "-0" << "tab" << "0" << "0" << 0;
    QTest::newRow("blanks around zero reset") << 2 << " 0 " << "tab" << "0" << "0" << 0;
    QTest::newRow("abc kept, failure reported") << 3 << "abc" << "tab" << "abc" << "previous" << 1;
    QTest::newRow("blank inside kept, failure reported") << 1 << "1 000" << "backtab" << "1 000" << "previous" << 1;
    // clang-format on
}

void TestCashZakat::zakatShownWhenTheBoxIsLeft() {
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, leave);
    QFETCH(QString, boxAfter);
    QFETCH(QString, zakatAfter);
    QFETCH(int, failures);

    zakat(row).setText(str("previous")); // so that every write can be seen
    QVERIFY(typeInto(box(row), typed));
    if (leave == u"tab")
        QTest::keyClick(&box(row), Qt::Key_Tab);
    else if (leave == u"backtab")
        QTest::keyClick(&box(row), Qt::Key_Backtab, Qt::ShiftModifier);
    else
        QTest::mouseClick(&box(row == 3 ? 0 : 3), Qt::LeftButton);

    QTRY_COMPARE(zakat(row).text(), zakatAfter);
    QTRY_COMPARE(m_t->failures.failures.size(), failures);
    QTRY_COMPARE(box(row).text(), boxAfter);
    QCOMPARE(m_t->messageBox.prompts, QStringList{});
    QCOMPARE(m_t->quitCount, 0);
    QCOMPARE(form1().state(), windowing::Form::State::Shown);
}

void TestCashZakat::aRowChangesOnlyItsOwnLabel() {
    for (int row = 0; row < 4; ++row) {
        QVERIFY(typeInto(box(row), QString::number(1000 * (row + 1))));
        QTest::keyClick(&box(row), Qt::Key_Tab);
        QTRY_COMPARE(zakat(row).text(), QString::number(25 * (row + 1)));
        for (int other = row + 1; other < 4; ++other)
            QCOMPARE(zakat(other).text(), str("0"));
    }
    for (int row = 0; row < 4; ++row)
        QCOMPARE(zakat(row).text(), QString::number(25 * (row + 1)));
}

QTEST_MAIN(TestCashZakat)
#include "tst_cashzakat.moc"
