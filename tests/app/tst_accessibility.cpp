#include "app/failurereport.h"
#include "app/form.h"
#include "app/messagebox.h"
#include "recorders.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QString accessibleText(QWidget& widget, QAccessible::Text which) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&widget);
    return iface ? iface->text(which) : u"<no interface>"_s;
}

// Reads the name and description of the modal box that `show` opens, then
// dismisses it.
QStringList readModalBox(const std::function<void()>& show) {
    QStringList read;
    QTimer::singleShot(50, qApp, [&read] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            read = {accessibleText(*box, QAccessible::Name),
                    accessibleText(*box, QAccessible::Description)};
            box->accept();
        }
    });
    show();
    return read;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void controlsAreNamed_data();
    void controlsAreNamed();
    void messageBoxesAreRead();

private:
    std::unique_ptr<ProgramUnderTest> m_t;
};

void TestAccessibility::initTestCase() {
    m_t = std::make_unique<ProgramUnderTest>();
    m_t->program.start();
    QVERIFY(QTest::qWaitForWindowActive(&m_t->program.form1().window()));
    m_t->program.form2().show();
}

void TestAccessibility::cleanupTestCase() {
    m_t.reset();
}

void TestAccessibility::controlsAreNamed_data() {
    QTest::addColumn<bool>("inMain");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    // clang-format off
    QTest::newRow("cash box, blank trimmed") << true << "Text1" << "Cash & minimum Balance in the Bank" << "";
    QTest::newRow("shares box") << true << "Text2" << "Total Value of shares, stocks, bonds" << "";
    QTest::newRow("certificates box") << true << "Text3" << "Total value of gold/silver certificates" << "";
    QTest::newRow("merchandise box") << true << "Text4" << "Total Value of Merchandise" << "";
    QTest::newRow("gold weight box") << true << "Text5" << "Total weight of gold in Jewelry" << "In the unit chosen beside it";
    QTest::newRow("gold price box") << true << "Text6" << "Current price of gold" << "Price of one ounce";
    QTest::newRow("silver weight box") << true << "Text7" << "Total weight of silver in jewlery" << "In the unit chosen beside it";
    QTest::newRow("silver price box") << true << "Text8" << "Current price of silver" << "Price of one ounce";
    QTest::newRow("gold unit, named by what it shows") << true << "Combo2" << "Unit" << "Chooses the unit of the gold weight: Tolaas, Ounce or Gram";
    QTest::newRow("silver unit") << true << "Combo3" << "Unit" << "Chooses the unit of the silver weight: Tolaas, Ounce or Gram";
    QTest::newRow("cash zakat keeps its text") << true << "Label10" << "0" << "Zakat on: Cash & minimum Balance in the Bank";
    QTest::newRow("merchandise zakat") << true << "Label13" << "0" << "Zakat on: Total Value of Merchandise";
    QTest::newRow("gold zakat") << true << "Label14" << "0" << "Zakat on the gold jewellery";
    QTest::newRow("silver zakat") << true << "Label15" << "0" << "Zakat on the silver jewellery";
    QTest::newRow("row caption as shown") << true << "Label1" << "Cash & minimum Balance in the Bank " << "";
    QTest::newRow("clear button") << true << "Command1" << "Clear All" << "";
    QTest::newRow("calculate button") << true << "Command2" << "Calculate" << "";
    QTest::newRow("gold pane") << true << "WebBrowser2" << "Gold price chart" << "Shows where to read the price of one ounce of gold";
    QTest::newRow("silver pane") << true << "WebBrowser1" << "Silver price chart" << "Shows where to read the price of one ounce of silver";
    QTest::newRow("currency box, named by what it shows") << false << "Combo1" << "Currency" << "Chooses the currency of the total";
    QTest::newRow("results button") << false << "Command1" << "Calculate" << "";
    QTest::newRow("gold line") << false << "Label2" << "" << "Gold weight and its unit";
    QTest::newRow("silver line") << false << "Label3" << "" << "Silver weight and its unit";
    QTest::newRow("total") << false << "Label4" << "" << "Total zakat in the chosen currency";
    QTest::newRow("currency") << false << "Label5" << "" << "The chosen currency";
    // clang-format on
}

void TestAccessibility::controlsAreNamed() {
    QFETCH(bool, inMain);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    app::Form& form = inMain ? m_t->program.form1() : m_t->program.form2();
    QWidget& widget = form.control(control);
    QCOMPARE(accessibleText(widget, QAccessible::Name), name);
    QCOMPARE(accessibleText(widget, QAccessible::Description), description);
}

void TestAccessibility::messageBoxesAreRead() {
    app::ModalMessageBox prompt;
    QCOMPARE(readModalBox([&] { prompt.show(u"Please enter the gold price from above charts"_s); }),
             (QStringList{u"Al-Tavesh Zakat Calculator"_s,
                          u"Please enter the gold price from above charts"_s}));

    app::ModalFailureReport report;
    const QStringList read = readModalBox([&] { report.report(u"\"abc\" is not a number."_s); });
    QCOMPARE(read.value(0), u"Al-Tavesh Zakat Calculator"_s);
    QVERIFY2(read.value(1).contains(u"\"abc\" is not a number."_s), qPrintable(read.value(1)));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
