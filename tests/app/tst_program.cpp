#include "app/application.h"
#include "recorders.h"
#include "windowing/form.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using State = windowing::Form::State;

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void identity();
    void startsWithTheMainWindowOnly();
    void secondCalculateKeepsOneWindowAndItsTexts();
    void reopenedResultsShowTheirInitialContents();
    void calculateReloadsAClosedMainWindowHidden();
    void lastVisibleWindowEndsTheProgram_data();
    void lastVisibleWindowEndsTheProgram();

private:
    windowing::Form& form1() { return m_t->program.form1(); }
    windowing::Form& form2() { return m_t->program.form2(); }
    void pressCalculateOnMain() {
        QTest::mouseClick(&form1().button(u"Command2"_s), Qt::LeftButton);
    }
    void calculateIn(const QString& currency);
    int windowsNamed(const QString& name) const;

    std::unique_ptr<ProgramUnderTest> m_t;
};

void TestProgram::init() {
    m_t = std::make_unique<ProgramUnderTest>();
    m_t->program.start();
    QVERIFY(QTest::qWaitForWindowActive(&form1().window()));
}

void TestProgram::cleanup() {
    m_t.reset();
}

void TestProgram::calculateIn(const QString& currency) {
    QComboBox& combo = form2().comboBox(u"Combo1"_s);
    combo.setCurrentIndex(combo.findText(currency));
    QTest::mouseClick(&form2().button(u"Command1"_s), Qt::LeftButton);
}

int TestProgram::windowsNamed(const QString& name) const {
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == name && w->isVisible();
    return count;
}

void TestProgram::identity() {
    app::applyIdentity();
    QCOMPARE(QCoreApplication::applicationName(), u"Al-Tavesh"_s);
    QCOMPARE(QCoreApplication::applicationVersion(), u"1.00"_s);
    // A display name would be appended to every caption on X11.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
    for (int size : {16, 32, 48, 256})
        QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    QCOMPARE(form1().window().windowIcon().availableSizes(), sizes);
    QCOMPARE(form1().window().windowTitle(), u"Al Tavesh Zakat Calculator"_s);
}

void TestProgram::startsWithTheMainWindowOnly() {
    QVERIFY(!m_t->program.hasForm2());
    QCOMPARE(form1().state(), State::Shown);
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(form1().textBox(u"Text%1"_s.arg(i)).text(), u"0"_s);
    for (int i = 10; i <= 15; ++i)
        QCOMPARE(form1().label(u"Label%1"_s.arg(i)).text(), u"0"_s);
    QCOMPARE(windowsNamed(u"Form1"_s), 1);
}

void TestProgram::secondCalculateKeepsOneWindowAndItsTexts() {
    pressCalculateOnMain();
    QTRY_COMPARE(form2().state(), State::Shown);
    calculateIn(u"Rs. India"_s);
    QCOMPARE(form2().label(u"Label4"_s).text(), u"0"_s);

    pressCalculateOnMain();
    QCOMPARE(windowsNamed(u"Form2"_s), 1);
    QCOMPARE(form2().label(u"Label4"_s).text(), u"0"_s);
    QCOMPARE(form2().label(u"Label5"_s).text(), u"Rs. India"_s);
    QCOMPARE(m_t->quitCount, 0);
}

void TestProgram::reopenedResultsShowTheirInitialContents() {
    pressCalculateOnMain();
    QTRY_COMPARE(form2().state(), State::Shown);
    calculateIn(u"$. Canadian"_s);
    QCOMPARE(form2().label(u"Label5"_s).text(), u"$. Canadian"_s);

    QVERIFY(form2().window().close());
    QCOMPARE(form2().state(), State::NotLoaded);
    QCOMPARE(m_t->quitCount, 0); // the main window is still open

    pressCalculateOnMain();
    QTRY_COMPARE(form2().state(), State::Shown);
    QCOMPARE(form2().comboBox(u"Combo1"_s).currentText(), u"Currency"_s);
    for (int i = 2; i <= 5; ++i)
        QCOMPARE(form2().label(u"Label%1"_s.arg(i)).text(), QString());
}

void TestProgram::calculateReloadsAClosedMainWindowHidden() {
    form1().textBox(u"Text5"_s).setText(u"10"_s);
    form1().comboBox(u"Combo2"_s).setEditText(u"Gram"_s);
    form1().label(u"Label10"_s).setText(u"25"_s);
    pressCalculateOnMain();
    QTRY_COMPARE(form2().state(), State::Shown);

    QVERIFY(form1().window().close());
    QCOMPARE(form1().state(), State::NotLoaded);
    QCOMPARE(m_t->quitCount, 0);

    calculateIn(u"$. US Dollars"_s);
    QCOMPARE(form1().state(), State::LoadedHidden); // loaded afresh by Form_Load
    QCOMPARE(form2().label(u"Label2"_s).text(), u"0  Unit"_s);
    QCOMPARE(form2().label(u"Label3"_s).text(), u"0  Unit"_s);
    QCOMPARE(form2().label(u"Label4"_s).text(), u"0"_s);
    QCOMPARE(m_t->failures.failures, QStringList{});

    // The hidden main window must not keep the program alive.
    QVERIFY(form2().window().close());
    QCOMPARE(m_t->quitCount, 1);
    QCOMPARE(form1().state(), State::NotLoaded);
}

void TestProgram::lastVisibleWindowEndsTheProgram_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("quitsAfterEachStep");

    QTest::newRow("main window alone") << QStringList{u"close main"_s} << QList<int>{1};
    QTest::newRow("main, then results")
        << QStringList{u"open results"_s, u"close main"_s, u"close results"_s}
        << QList<int>{0, 0, 1};
    QTest::newRow("results, then main")
        << QStringList{u"open results"_s, u"close results"_s, u"close main"_s}
        << QList<int>{0, 0, 1};
}

void TestProgram::lastVisibleWindowEndsTheProgram() {
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, quitsAfterEachStep);
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if (steps[i] == u"open results")
            pressCalculateOnMain();
        else if (steps[i] == u"close main")
            QVERIFY(form1().window().close());
        else
            QVERIFY(form2().window().close());
        QCOMPARE(m_t->quitCount, quitsAfterEachStep[i]);
    }
    QCOMPARE(windowsNamed(u"Form1"_s) + windowsNamed(u"Form2"_s), 0);
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
