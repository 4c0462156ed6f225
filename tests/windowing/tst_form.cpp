#include "numeric/failures.h"
#include "recorders.h"
#include "windowing/form.h"
#include "windowing/handlerqueue.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using windowing::ControlKind;
using namespace Qt::StringLiterals;

namespace {

const windowing::FormDescription& testDescription() {
    static const windowing::FormDescription form = [] {
        windowing::FormDescription d;
        d.name = QStringLiteral("TestForm");
        d.caption = QStringLiteral("Test");
        d.clientWidth = 4500;
        d.clientHeight = 3000;
        d.clientTopLeft = QPoint(1500, 1500);
        d.controls = {
            {ControlKind::TextBox, QStringLiteral("A"), {}, 150, 150, 1500, 315, 0},
            {ControlKind::TextBox, QStringLiteral("B"), {}, 150, 600, 1500, 315, 1},
            {ControlKind::CommandButton, QStringLiteral("Go"), QStringLiteral("&Go"), 150, 1200,
             1500, 375, 2},
            {ControlKind::Label, QStringLiteral("L"), QStringLiteral("x & y"), 150, 1800, 1500, 255,
             3},
        };
        return d;
    }();
    return form;
}

} // namespace

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void lostFocusRunsOnceAfterTheFocusMoved_data();
    void lostFocusRunsOnceAfterTheFocusMoved();
    void modalBoxIsNoLostFocus();
    void anotherWindowIsNoLostFocus();
    void failureGoesToTheReportOnce();
    void noHandlerRunsOnAnUnloadedWindow();
    void handlersAreNotReentered();
    void formStatesAndLoadOnAccess();

private:
    void showForm();
    QString focusedName() const;

    std::unique_ptr<RecordingFailureReport> m_report;
    std::unique_ptr<windowing::HandlerQueue> m_queue;
    std::unique_ptr<windowing::Form> m_form;
    QStringList m_log;
    int m_loads = 0;
    std::function<void()> m_onLostFocusA;
};

void TestForm::init() {
    m_log.clear();
    m_loads = 0;
    m_onLostFocusA = {};
    m_report = std::make_unique<RecordingFailureReport>();
    m_queue = std::make_unique<windowing::HandlerQueue>(*m_report);
    windowing::FormDefinition definition;
    definition.description = &testDescription();
    definition.load = [this](windowing::Form& form) {
        ++m_loads;
        form.textBox(QStringLiteral("A")).setText(QStringLiteral("loaded"));
    };
    definition.wire = [this](windowing::Form& form) {
        form.onLostFocus(QStringLiteral("A"), [this] {
            m_log.append(QStringLiteral("A left for ") + focusedName());
            if (m_onLostFocusA)
                m_onLostFocusA();
        });
        form.onLostFocus(QStringLiteral("B"), [this] { m_log.append(QStringLiteral("B left")); });
        form.onClick(QStringLiteral("Go"), [this] { m_log.append(QStringLiteral("Go clicked")); });
    };
    m_form = std::make_unique<windowing::Form>(definition, *m_queue);
}

void TestForm::cleanup() {
    m_form.reset();
    m_queue.reset();
    m_report.reset();
}

void TestForm::showForm() {
    m_form->show();
    QVERIFY(QTest::qWaitForWindowActive(&m_form->window()));
    QCOMPARE(focusedName(), QStringLiteral("A"));
}

QString TestForm::focusedName() const {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void TestForm::lostFocusRunsOnceAfterTheFocusMoved_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("Tab") << "tab" << QStringList{u"A left for B"_s};
    QTest::newRow("Shift+Tab wraps to the last control")
        << "backtab" << QStringList{u"A left for Go"_s};
    QTest::newRow("click on another box") << "click" << QStringList{u"A left for B"_s};
    QTest::newRow("access key: LostFocus before Click")
        << "alt" << QStringList{u"A left for Go"_s, u"Go clicked"_s};
    QTest::newRow("mouse on a button: LostFocus before Click")
        << "button" << QStringList{u"A left for Go"_s, u"Go clicked"_s};
    QTest::newRow("click on a label moves nothing") << "label" << QStringList{};
}

void TestForm::lostFocusRunsOnceAfterTheFocusMoved() {
    QFETCH(QString, how);
    QFETCH(QStringList, expected);
    showForm();
    QWidget& window = m_form->window();
    if (how == u"tab")
        QTest::keyClick(&window, Qt::Key_Tab);
    else if (how == u"backtab")
        QTest::keyClick(&window, Qt::Key_Backtab, Qt::ShiftModifier);
    else if (how == u"click")
        QTest::mouseClick(&m_form->control(QStringLiteral("B")), Qt::LeftButton);
    else if (how == u"button")
        QTest::mouseClick(&m_form->control(u"Go"_s), Qt::LeftButton);
    else if (how == u"alt")
        QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    else
        QTest::mouseClick(&m_form->control(QStringLiteral("L")), Qt::LeftButton);

    QTRY_COMPARE(m_log, expected);
    QTest::qWait(200); // let an animated click finish: nothing may run twice
    QCOMPARE(m_log, expected);
}

void TestForm::modalBoxIsNoLostFocus() {
    showForm();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("modal"),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    QTimer::singleShot(100, &box, &QMessageBox::accept);
    box.exec();
    QTest::qWait(50);
    QCOMPARE(m_log, QStringList{});

    // The focus may or may not come back to A; leaving the window's current
    // control by a click is one LostFocus, not two.
    m_form->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_form->window()));
    QTest::mouseClick(&m_form->control(QStringLiteral("B")), Qt::LeftButton);
    QTRY_COMPARE(m_log, QStringList{u"A left for B"_s});
}

void TestForm::anotherWindowIsNoLostFocus() {
    showForm();
    QLineEdit other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTest::keyClicks(&other, QStringLiteral("elsewhere"));
    m_form->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_form->window()));
    QTest::qWait(50);
    QCOMPARE(m_log, QStringList{});

    QTest::mouseClick(&m_form->control(QStringLiteral("B")), Qt::LeftButton);
    QTRY_COMPARE(m_log, QStringList{u"A left for B"_s});
}

void TestForm::failureGoesToTheReportOnce() {
    m_onLostFocusA = [] {
        throw numeric::ConversionFailure(QStringLiteral("abc"));
    };
    showForm();
    QTest::keyClick(&m_form->window(), Qt::Key_Tab);
    QTRY_COMPARE(m_report->failures.size(), 1);
    QVERIFY(m_report->failures.front().contains(QStringLiteral("\"abc\" is not a number")));
    // The program goes on: the next focus move is handled as usual.
    QTest::keyClick(&m_form->window(), Qt::Key_Tab);
    QTRY_COMPARE(m_log.size(), 2);
    QCOMPARE(m_log.back(), QStringLiteral("B left"));
    QCOMPARE(m_report->failures.size(), 1);
}

void TestForm::noHandlerRunsOnAnUnloadedWindow() {
    showForm();
    QTest::keyClick(&m_form->window(), Qt::Key_Tab); // LostFocus of A is now pending
    m_form->unload();
    QTest::qWait(50);
    QCOMPARE(m_log, QStringList{});
    QCOMPARE(m_form->state(), windowing::Form::State::NotLoaded);
}

void TestForm::handlersAreNotReentered() {
    QStringList order;
    m_queue->runNow([&] {
        order.append(QStringLiteral("outer begins"));
        m_queue->post([&] { order.append(QStringLiteral("posted")); });
        m_queue->runNow([&] { order.append(QStringLiteral("nested click")); });
        QTest::qWait(20); // a modal box would spin the event loop like this
        order.append(QStringLiteral("outer ends"));
    });
    QTest::qWait(20);
    QCOMPARE(order,
             (QStringList{u"outer begins"_s, u"outer ends"_s, u"posted"_s, u"nested click"_s}));
}

void TestForm::formStatesAndLoadOnAccess() {
    QCOMPARE(m_form->state(), windowing::Form::State::NotLoaded);
    QCOMPARE(m_form->textBox(QStringLiteral("A")).text(), QStringLiteral("loaded"));
    QCOMPARE(m_form->state(), windowing::Form::State::LoadedHidden);
    QCOMPARE(m_loads, 1);

    m_form->show();
    QCOMPARE(m_form->state(), windowing::Form::State::Shown);
    QCOMPARE(m_form->label(QStringLiteral("L")).text(), QStringLiteral("x & y"));
    m_form->textBox(QStringLiteral("B")).setText(QStringLiteral("typed"));

    QVERIFY(m_form->window().close());
    QCOMPARE(m_form->state(), windowing::Form::State::NotLoaded);
    QCOMPARE(m_form->textBox(QStringLiteral("B")).text(), QString()); // loaded afresh
    QCOMPARE(m_loads, 2);
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
