// The whole main-window flow with a comma as decimal separator. ctest runs
// this with LC_ALL=de_DE.UTF-8, as a German user's session would have it.
#include "numeric/separators.h"
#include "recorders.h"
#include "useractions.h"
#include "windowing/form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRegional : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void separatorsComeFromTheSession();
    void cashRows_data();
    void cashRows();
    void goldRowAndResults();

private:
    windowing::Form& form1() { return m_t->program.form1(); }
    std::unique_ptr<ProgramUnderTest> m_t;
};

void TestRegional::init() {
    m_t = std::make_unique<ProgramUnderTest>();
    m_t->program.start();
    QVERIFY(QTest::qWaitForWindowActive(&form1().window()));
}

void TestRegional::cleanup() {
    m_t.reset();
}

void TestRegional::separatorsComeFromTheSession() {
    QCOMPARE(numeric::Separators::system().decimal, QChar(u','));
    QCOMPARE(numeric::Separators::system().group, QChar(u'.'));
}

void TestRegional::cashRows_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("zakat");

    QTest::newRow("decimal comma") << "1234,5"
                                   << "30,8625";
    QTest::newRow("dot groups thousands") << "1.234,5"
                                          << "30,8625";
    QTest::newRow("dot between digits is a group") << "1234.5"
                                                   << "308,625";
    QTest::newRow("small amounts keep the comma") << "0,1"
                                                  << "0,0025";
}

void TestRegional::cashRows() {
    QFETCH(QString, typed);
    QFETCH(QString, zakat);
    QLineEdit& box = form1().textBox(u"Text2"_s);
    QVERIFY(typeInto(box, typed));
    QTest::keyClick(&box, Qt::Key_Tab);
    QTRY_COMPARE(form1().label(u"Label11"_s).text(), zakat);
    QCOMPARE(box.text(), typed);
    QCOMPARE(m_t->failures.failures, QStringList{});
}

void TestRegional::goldRowAndResults() {
    QVERIFY(chooseItem(form1().comboBox(u"Combo2"_s), u"Ounce"_s));
    QVERIFY(typeInto(form1().textBox(u"Text6"_s), u"1234,5"_s));
    QVERIFY(typeInto(form1().textBox(u"Text5"_s), u"2,5"_s));
    QTest::keyClick(&form1().textBox(u"Text5"_s), Qt::Key_Tab);
    QTRY_COMPARE(form1().label(u"Label14"_s).text(), u"77,15625"_s);

    QVERIFY(typeInto(form1().textBox(u"Text1"_s), u"1.234,5"_s));
    QTest::keyClick(&form1().textBox(u"Text1"_s), Qt::Key_Tab);
    QTRY_COMPARE(form1().label(u"Label10"_s).text(), u"30,8625"_s);

    QTest::mouseClick(&form1().button(u"Command2"_s), Qt::LeftButton);
    windowing::Form& results = m_t->program.form2();
    QTRY_COMPARE(results.state(), windowing::Form::State::Shown);
    QVERIFY(chooseItem(results.comboBox(u"Combo1"_s), u"Rs. Pakistan"_s));
    QTest::mouseClick(&results.button(u"Command1"_s), Qt::LeftButton);
    // 31 + 77 = 108 dollars, times 57.5297.
    QCOMPARE(results.label(u"Label4"_s).text(), u"6213,2076"_s);
    QCOMPARE(results.label(u"Label2"_s).text(), u"2,5  Ounce"_s);
    QCOMPARE(m_t->failures.failures, QStringList{});
}

QTEST_MAIN(TestRegional)
#include "tst_regional.moc"
