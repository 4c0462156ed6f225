#include "app/chartpane.h"
#include "app/form.h"
#include "recorders.h"

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

    void windowFrame();
    void controlGeometry();
    void captionsAsWritten_data();
    void captionsAsWritten();
    void fontsAndColours_data();
    void fontsAndColours();
    void unitBoxes();
    void tabOrderForwardAndBack();
    void tabbingThroughZeroRowsPromptsAtEachDeparture();
    void accessKeysLeaveTheBoxFirst();
    void clearAllResetsInputsOnly();
    void panesShowThePagesBesideTheProgram();

private:
    app::Form& form1() { return m_t->program.form1(); }
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

void TestMainWindow::windowFrame() {
    QWidget& w = form1().window();
    QCOMPARE(w.windowTitle(), u"Al Tavesh Zakat Calculator"_s);
    QCOMPARE(w.geometry(), QRect(170, 140, 681, 528)); // the client area
    QCOMPARE(w.minimumSize(), QSize(681, 528));
    QCOMPARE(w.maximumSize(), QSize(681, 528));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    QCOMPARE(focusedControl(form1()), u"Text1"_s);

    // Rightmost and lowest edges: 8775 and 7695 twips.
    int right = 0;
    int bottom = 0;
    for (QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        right = std::max(right, child->geometry().x() + child->geometry().width());
        bottom = std::max(bottom, child->geometry().y() + child->geometry().height());
    }
    QCOMPARE(right, 585);
    QCOMPARE(bottom, 513);
}

// Every control where its description puts it, at 15 twips a pixel.
void TestMainWindow::controlGeometry() {
    const app::FormDescription& description = form1().description();
    QCOMPARE(form1().window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 34);
    QCOMPARE(description.controls.size(), 34u);
    for (const app::ControlDescription& c : description.controls) {
        const QRect expected(c.left / 15, c.top / 15, c.width / 15, c.height / 15);
        QCOMPARE(form1().control(c.name).geometry(), expected);
    }
    // Two spot checks against the layout as written: the gold pane and Text8.
    QCOMPARE(form1().control(u"WebBrowser2"_s).geometry(), QRect(176, 80, 177, 129));
    QCOMPARE(form1().control(u"Text8"_s).geometry(), QRect(352, 456, 73, 21));
}

void TestMainWindow::captionsAsWritten_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("banner, first half") << "Label20"
                                        << "Al";
    QTest::newRow("banner, second half") << "Label8"
                                         << "-Tavesh Islamic Center";
    QTest::newRow("hint") << "Label9"
                          << "Insert Amount only";
    QTest::newRow("misspelt heading kept") << "Label19"
                                           << "Assests";
    QTest::newRow("value heading") << "Label17"
                                   << "Value";
    QTest::newRow("trailing blank kept") << "Label16"
                                         << "% of Zakat ";
    QTest::newRow("ampersand shown, trailing blank kept") << "Label1"
                                                          << "Cash & minimum Balance in the Bank ";
    QTest::newRow("shares") << "Label2"
                            << "Total Value of shares, stocks, bonds";
    QTest::newRow("certificates") << "Label3"
                                  << "Total value of gold/silver certificates";
    QTest::newRow("merchandise") << "Label18"
                                 << "Total Value of Merchandise";
    QTest::newRow("gold weight") << "Label4"
                                 << "Total weight of gold in Jewelry";
    QTest::newRow("gold price") << "Label5"
                                << "Current price of gold";
    QTest::newRow("misspelt silver weight kept") << "Label6"
                                                 << "Total weight of silver in jewlery";
    QTest::newRow("silver price") << "Label7"
                                  << "Current price of silver";
    QTest::newRow("clear button with access key") << "Command1"
                                                  << "&Clear All";
    QTest::newRow("calculate button with access key") << "Command2"
                                                      << "C&alculate";
}

void TestMainWindow::captionsAsWritten() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QWidget& control = form1().control(name);
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        QCOMPARE(label->text(), shown);
        QCOMPARE(label->textFormat(), Qt::PlainText); // "&" is no access key here
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    } else {
        auto* button = qobject_cast<QPushButton*>(&control);
        QVERIFY(button);
        QCOMPARE(button->text(), shown);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
}

void TestMainWindow::fontsAndColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<QColor>("colour");

    const QColor green(0, 192, 0);
    const QColor orange(255, 128, 0);
    const QColor plain = QApplication::palette().color(QPalette::WindowText);
    QTest::newRow("F1, green") << "Label20"
                               << "Monotype Corsiva" << 36.0 << true << false << green;
    QTest::newRow("F2, green") << "Label8"
                               << "Arial" << 20.25 << true << true << green;
    QTest::newRow("F3, orange") << "Label9"
                                << "Verdana" << 11.25 << false << false << orange;
    QTest::newRow("F3, Assests") << "Label19"
                                 << "Verdana" << 11.25 << false << false << plain;
    QTest::newRow("F3, Value") << "Label17"
                               << "Verdana" << 11.25 << false << false << plain;
    QTest::newRow("F3, % of Zakat") << "Label16"
                                    << "Verdana" << 11.25 << false << false << plain;
}

void TestMainWindow::fontsAndColours() {
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(bool, italic);
    QFETCH(bool, underline);
    QFETCH(QColor, colour);
    QWidget& control = form1().control(name);
    const QFont font = control.font();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.weight(), QFont::Bold);
    QCOMPARE(font.italic(), italic);
    QCOMPARE(font.underline(), underline);
    QCOMPARE(control.palette().color(QPalette::WindowText), colour);
    // Controls without a font of their own share the window's.
    QCOMPARE(form1().control(u"Label1"_s).font(), form1().window().font());
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
    QTRY_COMPARE(m_t->program.form2().state(), app::Form::State::Shown);
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
    app::ChartPane& silver = form1().chartPane(u"WebBrowser1"_s);
    app::ChartPane& gold = form1().chartPane(u"WebBrowser2"_s);
    QCOMPARE(silver.location(), QUrl::fromLocalFile(folder + u"/silver.html"_s));
    QCOMPARE(gold.location(), QUrl::fromLocalFile(folder + u"/gold.html"_s));

    QTRY_VERIFY(silver.view() && gold.view());
    QTRY_COMPARE_WITH_TIMEOUT(silver.title(), u"Silver price"_s, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(gold.title(), u"Gold price"_s, 20000);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
