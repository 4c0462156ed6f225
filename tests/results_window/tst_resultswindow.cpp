#include "recorders.h"
#include "useractions.h"
#include "windowing/form.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestResultsWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensAsLaidOut();

    void totalInTheChosenCurrency_data();
    void totalInTheChosenCurrency();
    void failuresKeepTheLaterLabels_data();
    void failuresKeepTheLaterLabels();
    void resultsFollowOnlyCalculate();

private:
    windowing::Form& form1() { return m_t->program.form1(); }
    windowing::Form& form2() { return m_t->program.form2(); }
    void typeAndLeave(const QString& box, const QString& text);
    void openResults();
    void calculateIn(const QString& currency);
    QStringList results();

    std::unique_ptr<ProgramUnderTest> m_t;
};

void TestResultsWindow::init() {
    m_t = std::make_unique<ProgramUnderTest>();
    m_t->program.start();
    QVERIFY(QTest::qWaitForWindowActive(&form1().window()));
}

void TestResultsWindow::cleanup() {
    m_t.reset();
}

void TestResultsWindow::typeAndLeave(const QString& box, const QString& text) {
    QLineEdit& edit = form1().textBox(box);
    QVERIFY(typeInto(edit, text));
    QTest::keyClick(&edit, Qt::Key_Tab);
    QTest::qWait(10);
}

void TestResultsWindow::openResults() {
    QTest::mouseClick(&form1().button(u"Command2"_s), Qt::LeftButton);
    QTRY_COMPARE(form2().state(), windowing::Form::State::Shown);
    QVERIFY(QTest::qWaitForWindowActive(&form2().window()));
}

void TestResultsWindow::calculateIn(const QString& currency) {
    QComboBox& combo = form2().comboBox(u"Combo1"_s);
    QVERIFY(chooseItem(combo, currency));
    QTest::mouseClick(&form2().button(u"Command1"_s), Qt::LeftButton);
}

QStringList TestResultsWindow::results() {
    QStringList texts;
    for (const QString& name : {u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s})
        texts.append(form2().label(name).text());
    return texts;
}

void TestResultsWindow::opensAsLaidOut() {
    openResults();
    QWidget& window = form2().window();
    QCOMPARE(window.windowTitle(), u"Zakat Results"_s);
    QCOMPARE(window.size(), QSize(426, 242));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.parentWidget(), nullptr); // no owner
    QCOMPARE(layoutMismatch(form2()), QString());
    // The gold line stands 120 twips below its caption; Label5 ends at 6135.
    QCOMPARE(form2().label(u"Label2"_s).y() - form2().label(u"Label8"_s).y(), 8);
    QCOMPARE(form2().label(u"Label5"_s).geometry().right() + 1, 409);
    for (const QString& name : {u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s})
        QCOMPARE(form2().label(name).text(), QString());

    const QFont heading = form2().label(u"Label1"_s).font();
    QCOMPARE(heading.pointSizeF(), 14.25);
    QCOMPARE(heading.weight(), QFont::Bold);
    QCOMPARE(form2().label(u"Label1"_s).palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QComboBox& combo = form2().comboBox(u"Combo1"_s);
    QCOMPARE(combo.currentText(), u"Currency"_s);
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(
        (QStringList{combo.itemText(0), combo.itemText(1), combo.itemText(2), combo.itemText(3)}),
        (QStringList{u"$. US Dollars"_s, u"Rs. Pakistan"_s, u"Rs. India"_s, u"$. Canadian"_s}));

    // Centred over the main window, the focus on "Calculate", then Combo1.
    QCOMPARE(form2().window().geometry().center(), form1().window().geometry().center());
    QCOMPARE(focusedControl(form2()), u"Command1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(focusedControl(form2()), u"Combo1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(focusedControl(form2()), u"Command1"_s);
    // The main window stays usable beside it.
    QCOMPARE(form1().window().isEnabled(), true);
    QVERIFY(!form2().window().isModal());
}

void TestResultsWindow::totalInTheChosenCurrency_data() {
    QTest::addColumn<QStringList>("cash");  // Text1 to Text4
    QTest::addColumn<QStringList>("metal"); // weight, unit, price of gold, then of silver
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QStringList>("expected"); // Label2 to Label5

    const QStringList total100{u"4000"_s};
    const QStringList noMetal;
    // clang-format off
    QTest::newRow("100 in Pakistani rupees") << total100 << noMetal << "Rs. Pakistan" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"5752.97"_s, u"Rs. Pakistan"_s};
    QTest::newRow("100 in Indian rupees") << total100 << noMetal << "Rs. India" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"4534.98"_s, u"Rs. India"_s};
    QTest::newRow("100 in US dollars, no factor") << total100 << noMetal << "$. US Dollars" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"100"_s, u"$. US Dollars"_s};
    QTest::newRow("100 in Canadian dollars") << total100 << noMetal << "$. Canadian" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"131.32"_s, u"$. Canadian"_s};
    QTest::newRow("-100 in Pakistani rupees") << QStringList{u"-4000"_s} << noMetal << "Rs. Pakistan" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"-5752.97"_s, u"Rs. Pakistan"_s};
    QTest::newRow("halves round to even: 12.5 + 13.5 is 26") << QStringList{u"500"_s, u"540"_s} << noMetal << "$. US Dollars" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"26"_s, u"$. US Dollars"_s};
    QTest::newRow("each rounded first: 12.5 + 12.5 is 24") << QStringList{u"500"_s, u"500"_s} << noMetal << "$. US Dollars" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"24"_s, u"$. US Dollars"_s};
    QTest::newRow("certificates count too") << QStringList{u"0"_s, u"0"_s, u"1600"_s} << noMetal << "$. US Dollars" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"40"_s, u"$. US Dollars"_s};
    QTest::newRow("all six rows") << QStringList{u"1000"_s, u"2000"_s, u"3000"_s, u"4000"_s} << QStringList{u"10"_s, u"Gram"_s, u"1000"_s, u"10"_s, u"Ounce"_s, u"20"_s} << "$. US Dollars" << QStringList{u"10  Gram"_s, u"10  Ounce"_s, u"264"_s, u"$. US Dollars"_s};
    QTest::newRow("weight line keeps the unit as typed") << noMetal << QStringList{u"2.5"_s, u"ounce "_s, u"1"_s, u"0"_s, u"Tolaas"_s, u"0"_s} << "$. Canadian" << QStringList{u"2.5  ounce "_s, u"0  Tolaas"_s, u"0"_s, u"$. Canadian"_s};
    QTest::newRow("initial currency text writes no total") << total100 << noMetal << "Currency" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u""_s, u""_s};
    QTest::newRow("currency in lower case writes no total") << total100 << noMetal << "rs. pakistan" << QStringList{u"0  Unit"_s, u"0  Unit"_s, u""_s, u""_s};
    QTest::newRow("currency with a trailing blank writes no total") << total100 << noMetal << "Rs. Pakistan " << QStringList{u"0  Unit"_s, u"0  Unit"_s, u""_s, u""_s};
    // clang-format on
}

void TestResultsWindow::totalInTheChosenCurrency() {
    QFETCH(QStringList, cash);
    QFETCH(QStringList, metal);
    QFETCH(QString, currency);
    QFETCH(QStringList, expected);

    for (qsizetype i = 0; i < cash.size(); ++i)
        typeAndLeave(u"Text%1"_s.arg(i + 1), cash[i]);
    if (!metal.isEmpty()) {
        const QStringList weights{u"Text5"_s, u"Text7"_s};
        const QStringList units{u"Combo2"_s, u"Combo3"_s};
        const QStringList prices{u"Text6"_s, u"Text8"_s};
        for (int row = 0; row < 2; ++row) {
            QComboBox& unit = form1().comboBox(units[row]);
            QTest::mouseClick(unit.lineEdit(), Qt::LeftButton);
            QTest::keyClick(unit.lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(unit.lineEdit(), metal[row * 3 + 1]);
            typeAndLeave(prices[row], metal[row * 3 + 2]);
            typeAndLeave(weights[row], metal[row * 3]);
        }
    }
    openResults();
    calculateIn(currency);
    QTRY_COMPARE(results(), expected);
    QCOMPARE(m_t->failures.failures, QStringList{});
}

void TestResultsWindow::failuresKeepTheLaterLabels_data() {
    QTest::addColumn<QStringList>("zakat"); // captions of Label10 to Label15
    QTest::addColumn<QString>("currency");
    QTest::addColumn<int>("failures");
    QTest::addColumn<QStringList>("expected");

    const QStringList before{u"old2"_s, u"old3"_s, u"old4"_s, u"old5"_s};
    const QStringList firstSumOverflows{u"2147483647"_s, u"1"_s, u"-2"_s, u"0"_s, u"0"_s, u"0"_s};
    // clang-format off
    QTest::newRow("overflow at the first partial sum") << firstSumOverflows << "$. US Dollars" << 1 << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"old4"_s, u"old5"_s};
    QTest::newRow("no sum, no overflow, for an unknown currency") << firstSumOverflows << "Currency" << 0 << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"old4"_s, u"old5"_s};
    QTest::newRow("caption beyond 32 bits writes nothing") << QStringList{u"0"_s, u"3000000000"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s} << "Rs. India" << 1 << before;
    QTest::newRow("empty caption writes nothing") << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u""_s} << "Rs. India" << 1 << before;
    QTest::newRow("largest sum fits") << QStringList{u"2147483646"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s} << "$. US Dollars" << 0 << QStringList{u"0  Unit"_s, u"0  Unit"_s, u"2147483647"_s, u"$. US Dollars"_s};
    // clang-format on
}

void TestResultsWindow::failuresKeepTheLaterLabels() {
    QFETCH(QStringList, zakat);
    QFETCH(QString, currency);
    QFETCH(int, failures);
    QFETCH(QStringList, expected);

    openResults(); // Text1 has its LostFocus now, before the captions are set
    for (qsizetype i = 0; i < zakat.size(); ++i)
        form1().label(u"Label%1"_s.arg(10 + i)).setText(zakat[i]);
    for (int i = 0; i < 4; ++i)
        form2().label(u"Label%1"_s.arg(2 + i)).setText(u"old%1"_s.arg(2 + i));
    calculateIn(currency);
    QTRY_COMPARE(m_t->failures.failures.size(), failures);
    QCOMPARE(results(), expected);
}

void TestResultsWindow::resultsFollowOnlyCalculate() {
    typeAndLeave(u"Text1"_s, u"4000"_s);
    openResults();
    calculateIn(u"$. US Dollars"_s);
    QTRY_COMPARE(form2().label(u"Label4"_s).text(), u"100"_s);

    // Typing on in the main window, "C&alculate" again and "&Clear All"
    // leave the results as they are.
    form1().window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form1().window()));
    typeAndLeave(u"Text2"_s, u"4000"_s);
    QTest::mouseClick(&form1().button(u"Command2"_s), Qt::LeftButton);
    QTest::mouseClick(&form1().button(u"Command1"_s), Qt::LeftButton);
    QCOMPARE(form2().label(u"Label4"_s).text(), u"100"_s);
    QCOMPARE(form2().comboBox(u"Combo1"_s).currentText(), u"$. US Dollars"_s);
}

QTEST_MAIN(TestResultsWindow)
#include "tst_resultswindow.moc"
