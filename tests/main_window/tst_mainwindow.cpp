#include "recorders.h"
#include "windowing/chartpane.h"
#include "windowing/form.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowAsLaidOut();
    void unitBoxes();
    void tabOrderForwardAndBack();
    void tabbingThroughZeroRowsPromptsAtEachDeparture();
    void accessKeysLeaveTheBoxFirst();
    void clearAllResetsInputsOnly();
    void panesShowThePagesBesideTheProgram();

private:
    windowing::Form& form1() { return m_t->program.form1(); }
    std::unique_ptr<ProgramUnderTest> m_t;
};

void TestMainWindow::init() {
    m_t = std::make_unique<ProgramUnderTest>();
    m_t->program.start();
    QVERIFY(QTest::qWaitForWindowActive(&form1().window()));
}

void TestMainWindow::cleanup() {
    m_t.reset();
}

void TestMainWindow::windowAsLaidOut() {
    QWidget& w = form1().window();
    QCOMPARE(w.windowTitle(), u"Al Tavesh Zakat Calculator"_s);
    QCOMPARE(w.geometry(), QRect(170, 140, 681, 528)); // the client area
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(focusedControl(form1()), u"Text1"_s);

    // The rightmost and lowest edges at 8775 and 7695 twips.
    QCOMPARE(layoutMismatch(form1()), QString());
    int right = 0;
    int bottom = 0;
    for (QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        right = std::max(right, child->geometry().right() + 1);
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    }
    QCOMPARE(right, 585);
    QCOMPARE(bottom, 513);

    // Captions as written: "&" shown in a label, trailing blanks kept.
    QLabel& cash = form1().label(u"Label1"_s);
    QCOMPARE(cash.text(), u"Cash & minimum Balance in the Bank "_s);
    QCOMPARE(cash.textFormat(), Qt::PlainText);
    QCOMPARE(cash.focusPolicy(), Qt::NoFocus);
    QCOMPARE(form1().label(u"Label16"_s).text(), u"% of Zakat "_s);
    QVERIFY(!form1().button(u"Command1"_s).autoDefault());

    // The three fonts by their exact sizes, and the two colours.
    const QFont f1 = form1().label(u"Label20"_s).font();
    const QFont f2 = form1().label(u"Label8"_s).font();
    const QFont f3 = form1().label(u"Label9"_s).font();
    QCOMPARE((QList<double>{f1.pointSizeF(), f2.pointSizeF(), f3.pointSizeF()}),
             (QList<double>{36, 20.25, 11.25}));
    QVERIFY(f1.italic() && f1.bold() && !f1.underline());
    QVERIFY(f2.italic() && f2.bold() && f2.underline());
    QCOMPARE(f3.family(), u"Verdana"_s);
    QCOMPARE(form1().label(u"Label8"_s).palette().color(QPalette::WindowText), QColor(0, 192, 0));
    QCOMPARE(form1().label(u"Label9"_s).palette().color(QPalette::WindowText), QColor(255, 128, 0));
}

void TestMainWindow::unitBoxes() {
    for (const QString& name : {u"Combo2"_s, u"Combo3"_s}) {
        QComboBox& combo = form1().comboBox(name);
        QVERIFY(combo.isEditable());
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.currentText(), u"Unit"_s);
        QCOMPARE(combo.count(), 3);
        QCOMPARE((QStringList{combo.itemText(0), combo.itemText(1), combo.itemText(2)}),
                 (QStringList{u"Tolaas"_s, u"Ounce"_s, u"Gram"_s}));
    }
    // Typed text stays as typed: not completed to an item, not added to the list.
    QComboBox& combo = form1().comboBox(u"Combo2"_s);
    QTest::mouseClick(combo.lineEdit(), Qt::LeftButton);
    QTest::keyClick(combo.lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(combo.lineEdit(), u"g"_s);
    QCOMPARE(combo.currentText(), u"g"_s);
    QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
    QCOMPARE(combo.currentText(), u"g"_s);
    QCOMPARE(combo.count(), 3);
}

void TestMainWindow::tabOrderForwardAndBack() {
    const QStringList order{u"Text1"_s,       u"Text2"_s,       u"Text3"_s,  u"Text4"_s,
                            u"Text5"_s,       u"Text6"_s,       u"Text7"_s,  u"Command1"_s,
                            u"Command2"_s,    u"Combo2"_s,      u"Combo3"_s, u"Text8"_s,
                            u"WebBrowser1"_s, u"WebBrowser2"_s, u"Text1"_s};
    // The web panes take part once their views exist.
    QTRY_VERIFY(form1().chartPane(u"WebBrowser1"_s).view());
    QTRY_VERIFY(form1().chartPane(u"WebBrowser2"_s).view());

    QCOMPARE(focusedControl(form1()), order.front());
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_COMPARE(focusedControl(form1()), order[i]);
    }
    for (qsizetype i = order.size() - 2; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_COMPARE(focusedControl(form1()), order[i]);
    }
}

void TestMainWindow::tabbingThroughZeroRowsPromptsAtEachDeparture() {
    // Every departure from a gold or silver control whose row holds "0" and
    // "0" brings up that row's prompt, once.
    const QString gold = u"Please enter the gold price from above charts"_s;
    const QString silver = u"Please enter the Silver price from above charts"_s;
    const QStringList expected{gold, gold, silver, gold, silver, silver};
    for (int i = 0; i < 12; ++i) // Text1 ... Text8, back round to WebBrowser1
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(m_t->messageBox.prompts, expected);
    QTest::qWait(100);
    QCOMPARE(m_t->messageBox.prompts, expected);
    QCOMPARE(m_t->failures.failures, QStringList{});
}

void TestMainWindow::accessKeysLeaveTheBoxFirst() {
    QLineEdit& text1 = form1().textBox(u"Text1"_s);
    QTest::keyClick(&text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&text1, u"1000"_s);
    QTest::keyClick(&text1, Qt::Key_C, Qt::AltModifier); // "&Clear All"
    // Text1's LostFocus wrote 25 before the Click cleared it.
    QTRY_COMPARE(text1.text(), u"0"_s);
    QCOMPARE(form1().label(u"Label10"_s).text(), u"0"_s);
    QCOMPARE(focusedControl(form1()), u"Command1"_s);

    QLineEdit& text2 = form1().textBox(u"Text2"_s);
    QTest::mouseClick(&text2, Qt::LeftButton);
    QTest::keyClick(&text2, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&text2, u"2000"_s);
    QTest::keyClick(&text2, Qt::Key_A, Qt::AltModifier); // "C&alculate"
    QTRY_COMPARE(m_t->program.form2().state(), windowing::Form::State::Shown);
    QCOMPARE(form1().label(u"Label11"_s).text(), u"50"_s);
}

void TestMainWindow::clearAllResetsInputsOnly() {
    const QStringList inputs{u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s,
                             u"Text5"_s, u"Text6"_s, u"Text7"_s, u"Text8"_s};
    const QStringList zakat{u"Label10"_s, u"Label11"_s, u"Label12"_s,
                            u"Label13"_s, u"Label14"_s, u"Label15"_s};
    for (const QString& name : inputs)
        form1().textBox(name).setText(u"12"_s);
    for (const QString& name : zakat)
        form1().label(name).setText(u"0.3"_s);
    QComboBox& unit = form1().comboBox(u"Combo2"_s);
    unit.setCurrentIndex(2);
    const QUrl silverPage = form1().chartPane(u"WebBrowser1"_s).location();

    for (int press = 0; press < 2; ++press) {
        QTest::mouseClick(&form1().button(u"Command1"_s), Qt::LeftButton);
        for (const QString& name : inputs)
            QCOMPARE(form1().textBox(name).text(), u"0"_s);
        for (const QString& name : zakat)
            QCOMPARE(form1().label(name).text(), u"0"_s);
        QCOMPARE(unit.currentText(), u"Gram"_s);
        QCOMPARE(form1().comboBox(u"Combo3"_s).currentText(), u"Unit"_s);
        QCOMPARE(form1().chartPane(u"WebBrowser1"_s).location(), silverPage);
    }
    QVERIFY(!m_t->program.hasForm2());
}

void TestMainWindow::panesShowThePagesBesideTheProgram() {
    const QString folder = QCoreApplication::applicationDirPath();
    windowing::ChartPane& silver = form1().chartPane(u"WebBrowser1"_s);
    windowing::ChartPane& gold = form1().chartPane(u"WebBrowser2"_s);
    QCOMPARE(silver.location(), QUrl::fromLocalFile(folder + u"/silver.html"_s));
    QCOMPARE(gold.location(), QUrl::fromLocalFile(folder + u"/gold.html"_s));

    QTRY_VERIFY(silver.view() && gold.view());
    QTRY_COMPARE_WITH_TIMEOUT(silver.title(), u"Silver price"_s, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(gold.title(), u"Gold price"_s, 20000);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
