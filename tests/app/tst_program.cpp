// The program's two windows over their lives, and its identity.
#include "app/application.h"
#include "driver.h"

#include <QApplication>
#include <QIcon>
#include <QTest>

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void lifeCycle_data();
    void lifeCycle() { playRow(); }
    void identity();
};

void TestProgram::lifeCycle_data() {
    addBehaviourColumns();
    // clang-format off
    row("a second C&alculate keeps the results", "click Command2; Form2.Combo1=Rs. India; click Form2.Command1; click Command2", "Form2.Label5=Rs. India; Form2.Label4=0; Form2=shown; quit=0");
    row("the main window stays usable beside the results", "click Command2; Text1=4000; Tab", "Label10=100; Form2=shown");
    row("closed results reopen as new", "click Command2; Form2.Combo1=$. Canadian; click Form2.Command1; close Form2; click Command2", "Form2.Combo1=Currency; Form2.Label4=; Form2.Label5=; quit=0");
    row("results closed, the main window goes on", "click Command2; close Form2", "Form2=not loaded; Form1=shown; quit=0");
    row("Calculate loads a closed main window, hidden", "Text5=10; Combo2=Gram; click Command2; close Form1; Form2.Combo1=$. US Dollars; click Form2.Command1", "Form1=hidden; Form2.Label2=0  Unit; Form2.Label4=0; quit=0");
    row("that hidden window does not keep the program", "click Command2; close Form1; click Form2.Command1; close Form2", "quit=1; Form1=not loaded; Form2=not loaded");
    row("the main window alone ends it", "close Form1", "quit=1; Form1=not loaded; Form2=none");
    row("main, then results", "click Command2; close Form1", "quit=0; Form2=shown");
    row("main, then results, both closed", "click Command2; close Form1; close Form2", "quit=1");
    row("results, then main", "click Command2; close Form2; close Form1", "quit=1");
    // clang-format on
}

void TestProgram::identity() {
    Driver driver;
    QVERIFY(driver.start());
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Al-Tavesh"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    // A display name would be appended to every caption on X11.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QCOMPARE(driver.program().form1().window().windowTitle(),
             QStringLiteral("Al Tavesh Zakat Calculator"));
    QCOMPARE(QApplication::windowIcon().availableSizes().size(), 6);
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
