#include "app/modalfailurereport.h"
#include "app/modalmessagebox.h"
#include "recorders.h"
#include "windowing/form.h"

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
    QTest::newRow("gold price box") << true << "Text6" << "Current price of gold" << "Price of one ounce";
    QTest::newRow("gold unit, named by what it shows") << true << "Combo2" << "Unit" << "Chooses the unit of the gold weight: Tolaas, Ounce or Gram";
    QTest::newRow("cash zakat keeps its text") << true << "Label10" << "0" << "Zakat on: Cash & minimum Balance in the Bank";
    QTest::newRow("gold pane") << true << "WebBrowser2" << "Gold price chart" << "Shows where to read the price of one ounce of gold";
    QTest::newRow("currency box, named by what it shows") << false << "Combo1" << "Currency" << "Chooses the currency of the total";
    QTest::newRow("total") << false << "Label4" << "" << "Total zakat in the chosen currency";
    // clang-format on
}

void TestAccessibility::controlsAreNamed() {
    QFETCH(bool, inMain);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    windowing::Form& form = inMain ? m_t->program.form1() : m_t->program.form2();
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
