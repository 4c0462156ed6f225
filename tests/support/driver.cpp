// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "app/application.h"
#include "app/identity.h"
#include "app/modalfailurereport.h"
#include "app/modalmessagebox.h"
#include "app/program.h"
#include "numeric/separators.h"
#include "windowing/chartpane.h"
#include "windowing/form.h"

#include <QtTest>
#include <QtWidgets>
#include <qpa/qwindowsysteminterface.h>
#include <xcb/xtest.h>

#include <list>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using App = QApplication;

namespace {

// Before QTEST_MAIN makes the QApplication, as the program's main does.
const bool environmentPrepared = (app::prepareProcessEnvironment(), true);

// On X, the program's own connection to the server; XTest requests on it
// are done once a round trip on it has come back, and so is everything the
// program asked of the server before (a grab let go of).
xcb_connection_t* x11() {
    auto* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return App::platformName() == u"xcb" && x ? x->connection() : nullptr;
}

void roundTrip() {
    if (xcb_connection_t* c = x11())
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// The X server's pointer, moved or its first button pressed, as a hand does:
// the window manager sees the press, activates the window and hands it on.
void fake(std::uint8_t type, QPoint global = {}) {
    xcb_connection_t* c = x11();
    xcb_test_fake_input(c, type, type == XCB_MOTION_NOTIFY ? 0 : 1, XCB_CURRENT_TIME,
                        xcb_setup_roots_iterator(xcb_get_setup(c)).data->root,
                        std::int16_t(global.x()), std::int16_t(global.y()), 0);
    roundTrip();
}

// What Wayland's compositor tells Qt when it activates a window (the call
// was renamed in a later Qt).
template <typename System = QWindowSystemInterface> void activatedByCompositor(QWindow* window) {
    if constexpr (requires {
                      System::handleFocusWindowChanged(window, Qt::ActiveWindowFocusReason);
                  })
        System::handleFocusWindowChanged(window, Qt::ActiveWindowFocusReason);
    else
        System::handleWindowActivated(window, Qt::ActiveWindowFocusReason);
    System::flushWindowSystemEvents();
}

// Lets the program run until the condition holds, or a minute has passed,
// which no step of a passing row takes even on a loaded machine. Not
// QTest::qWaitFor: on Qt 6.4 it sleeps between its looks, and the browser
// engine, whose work comes through the event loop, then loads a page in
// seconds instead of a fraction of one.
template <typename Condition> bool waitFor(Condition&& holds, int ms = 60000) {
    for (const QDeadlineTimer deadline(ms); !holds();
         App::sendPostedEvents(nullptr, QEvent::DeferredDelete)) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// Keys that type `text`, as a keyboard layout gives them: a Persian
// layout's digit keys carry "۱", not "1".
void type(QWindow* window, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key(c.toUpper().unicode()), QString(c), {});
}

// The control that `widget` is or is in, "Form2." before one of the results
// window; a drop-down list counts as its box.
QString controlName(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* top = qobject_cast<windowing::FormWindow*>(w->parentWidget()))
            return (top->objectName() == u"Form2" ? u"Form2."_s : QString()) + w->objectName();
    }
    return {};
}

bool exposed(QWidget& w) {
    return w.windowHandle() && w.windowHandle()->isExposed();
}

bool boxUp() {
    return App::activeModalWidget();
}

// A window of the program, not a box, has the keyboard.
bool windowActive() {
    return App::activeWindow() && !qobject_cast<QMessageBox*>(App::activeWindow());
}

// Works the program as a user does; the steps and expectations are in driver.h.
class Driver final : public QObject, public windowing::MessageBox, public windowing::FailureReport {
public:
    // "Form2.Text1#price": the results window, "Text1" and "price"; "Form1":
    // the window alone.
    struct Ref {
        windowing::Form* form;
        QString name, field;
        QWidget& widget() const { return name.isEmpty() ? form->window() : form->control(name); }
    };

    explicit Driver(bool throughX)
        : m_throughX(throughX && x11() && xcb_get_extension_data(x11(), &xcb_test_id)->present) {
        qApp->installEventFilter(this); // the presses and releases the windows get
        m_other.setObjectName(u"other"_s);
        m_other.setGeometry(1000, 760, 200, 150); // away from the program's windows and boxes
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // As the window system hands them to the program's windows.
        const bool fromWindowSystem = event->spontaneous() && watched->isWindowType();
        m_presses += fromWindowSystem && event->type() == QEvent::MouseButtonPress;
        m_releases += fromWindowSystem && event->type() == QEvent::MouseButtonRelease;
        return false;
    }

    bool start() {
        app::applyIdentity();
        App::setQuitOnLastWindowClosed(false);
        m_program = std::make_unique<app::Program>(*this, *this, [this] { ++m_quits; });
        for (const QString& pane : {u"WebBrowser1"_s, u"WebBrowser2"_s})
            m_loads.emplace_back(&m_program->form1().chartPane(pane),
                                 &windowing::ChartPane::loadFinished);
        m_program->start();
        return activate(m_program->form1().window(), false);
    }

    Ref ref(const QString& text) {
        const QString local = text.startsWith(u"Form") ? text.mid(6) : text;
        return {text.startsWith(u"Form2") ? &m_program->form2() : &m_program->form1(),
                local.section(u'#', 0, 0), local.section(u'#', 1)};
    }

    // The program's boxes: recorded as asked for, then shown as the program shows them.

    void show(const QString& prompt) override {
        for (int i = 1; i <= 8; ++i)
            m_atPrompt[u"Text%1"_s.arg(i)] = m_program->form1().textBox(u"Text%1"_s.arg(i)).text();
        const QHash<QString, QString> metal{
            {u"Please enter the gold price from above charts"_s, u"gold"_s},
            {u"Please enter the Silver price from above charts"_s, u"silver"_s}};
        boxComing(m_prompts, metal.value(prompt, prompt));
        m_messageBox.show(prompt);
    }

    void report(const QString& whatFailed) override {
        boxComing(m_failures, whatFailed);
        m_failureReport.report(whatFailed);
    }

    void boxComing(QStringList& seen, const QString& text) {
        m_beneathBox = App::activeWindow();
        // Once it is on the screen, as a person sees it: a button still held
        // goes up over it, then OK is clicked, again if the box did not take it.
        QTimer::singleShot(0, this, [this, &seen, text] {
            auto* box = qobject_cast<QMessageBox*>(App::activeModalWidget());
            const bool asItShouldBe =
                box && box->windowTitle() == QString::fromUtf8(app::identity::title) &&
                box->standardButtons() == QMessageBox::Ok &&
                box->windowModality() == Qt::ApplicationModal &&
                box->icon() == (&seen == &m_failures ? QMessageBox::Warning : QMessageBox::NoIcon);
            seen.append(text + (asItShouldBe ? QString() : u" (in an odd box)"_s));
            if (!box)
                return;
            release();
            (void)waitFor([box] { return exposed(*box); }, 5000);
            for (int n = 0; n < 3 && box->isVisible(); ++n)
                click(*box->button(QMessageBox::Ok));
            // Nothing gives the window beneath back its activation where no
            // window manager runs. On X the window manager does; asked as well,
            // it may answer late and take it from a window the user went to since.
            if (!x11())
                (void)waitFor(
                    [this] {
                        if (!windowActive() && !boxUp() && m_beneathBox)
                            m_beneathBox->activateWindow();
                        return windowActive() || boxUp() || !m_beneathBox;
                    },
                    5000);
        });
    }

    QString run(const QString& steps) {
        for (const QString& s : steps.split(u"; "_s, Qt::SkipEmptyParts)) {
            const bool hadResults = actual(u"Form2"_s) == u"shown";
            if (const QString failed = step(s); !failed.isEmpty())
                return s + u": "_s + failed;
            if (!settle())
                return s + u": its handlers did not run"_s;
            // C&alculate shows the results window, or brings it to the front: the
            // user waits for it.
            if (actual(u"Form2"_s) == u"shown" &&
                (!hadResults || s == u"click Command2" || s == u"Alt+A"))
                (void)activate(m_program->form2().window(), false);
        }
        return {};
    }

    QString step(const QString& s) {
        if (s == u"wait panes") { // loaded, so that their fields take the keys
            const auto loaded = [](const QSignalSpy& l) {
                return !l.isEmpty() && l[0][0].toBool();
            };
            if (!waitFor([&] { return std::all_of(m_loads.begin(), m_loads.end(), loaded); }))
                return u"the pages did not load"_s;
            // What the page makes of the mouse button: down, and up again.
            for (const QString& pane : {u"WebBrowser1"_s, u"WebBrowser2"_s})
                (void)evaluate(
                    pane, u"window.held = 'no'; for (const [e, v] of [['mousedown', 'yes'], "
                          "['mouseup', 'no']]) addEventListener(e, () => held = v, true); ''"_s);
            return {};
        }
        if (s == u"activate other") { // a plain window stands in for another program's
            m_other.show();
            return activate(m_other, true) ? QString() : u"not on the screen"_s;
        }
        if (s == u"release outside") { // over another program: the calculator never sees it
            if (std::exchange(m_downInX, false)) {
                fake(XCB_MOTION_NOTIFY, {1275, 1020}); // a corner of the desktops' 1280x1024
                fake(XCB_BUTTON_RELEASE);
            }
            m_pressedIn = nullptr;
            return {};
        }
        if (!s.contains(u'=') && (!s.contains(u' ') || s.startsWith(u"type ")))
            return key(s);
        const QString verb = s.section(u' ', 0, 0);
        const Ref r = ref(s.contains(u'=') ? s.section(u'=', 0, 0) : s.section(u' ', 1, 1));
        if (verb == u"close")
            return r.form->window().close() ? QString() : u"refused"_s;
        if (verb == u"moved") { // by the program itself, as a browser engine may
            r.widget().setFocus(Qt::OtherFocusReason);
            return {};
        }
        if (r.form->state() != windowing::Form::State::Shown)
            return u"its window is not on the screen"_s;
        if (verb == u"activate")
            return activate(r.widget(), true) ? QString() : u"not on the screen"_s;
        if (verb == u"press")
            return press(r.widget()) ? QString() : u"the program never saw it"_s;
        if (verb == u"drag" || verb == u"open") { // "open": a click on a unit box's arrow
            QWidget& w = r.widget();
            const bool seen = verb == u"drag" ? click(w, {}, &ref(s.section(u' ', 3, 3)).widget())
                                              : click(w, QPoint(w.width() - 6, w.height() / 2));
            return seen ? QString() : u"the program never saw the press"_s;
        }
        return enter(r, verb == u"click" ? std::nullopt : std::optional(s.section(u'=', 1)));
    }

    // A click into a control, then, unless only a click, what is typed or picked.
    QString enter(const Ref& r, const std::optional<QString>& typed) {
        QWidget& control = r.widget();
        auto* combo = qobject_cast<QComboBox*>(&control);
        QWidget& clicked = combo ? *combo->lineEdit() : control;
        std::optional<QPoint> at; // a page's field: its centre in the pane
        if (!r.field.isEmpty()) {
            const QStringList xy = evaluate(r.name, u"(r => [r.x + r.width / 2, r.y + r.height / 2]"
                                                    ".join())(document.getElementById('%1')"
                                                    ".getBoundingClientRect())"_s.arg(r.field))
                                       .split(u',');
            if (xy.size() != 2)
                return u"the page has no such field"_s;
            at = QPointF(xy[0].toDouble(), xy[1].toDouble()).toPoint();
        }
        const QString what = r.field.isEmpty() ? controlName(&control) : r.name + u'#' + r.field;
        const auto reached = [&] {
            return r.field.isEmpty()
                       ? App::focusWidget() == &control
                       : controlName(App::focusWidget()) == r.name && field(r.name) == r.field;
        };
        // A window manager may still be activating another window of ours, as
        // the results window when it is shown again; the user clicks once more.
        for (int n = 0; n == 0 || (typed && !reached()); ++n) {
            if (n == 3 || (n > 0 && !activate(r.form->window(), true)))
                return u"the click did not give it the focus"_s;
            if (!click(clicked, at))
                return u"the program never saw the press"_s;
            settle(); // what leaving the last control started, before the next key
        }
        if (!typed)
            return {};
        QWindow* keys = QGuiApplication::focusWindow();
        const int item =
            combo ? combo->findText(*typed, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
        if (item >= 0) { // from the drop-down list, with the keyboard
            QTest::keyClick(keys, Qt::Key_Down, Qt::AltModifier);
            QAbstractItemView* list = combo->view();
            if (!waitFor([&] { return list->isVisible(); }))
                return u"the list did not open"_s;
            while (list->currentIndex().row() != item)
                QTest::keyClick(list,
                                list->currentIndex().row() < item ? Qt::Key_Down : Qt::Key_Up);
            QTest::keyClick(list, Qt::Key_Return);
            (void)waitFor([&] { return !list->isVisible(); });
            App::processEvents();
            if (!App::focusWidget()) { // offscreen, the closed list leaves no focus
                r.form->window().activateWindow();
                click(clicked);
            }
            // The window has the keyboard back once the list has gone.
            (void)waitFor([&] { return QGuiApplication::focusWindow() == keys; });
        } else {
            QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);
            if (typed->isEmpty())
                QTest::keyClick(keys, Qt::Key_Delete);
            type(keys, *typed);
        }
        // A page takes its keys in the browser engine.
        (void)waitFor([&] { return actual(what) == *typed; }, r.field.isEmpty() ? 0 : 60000);
        return actual(what) == *typed ? QString() : u"shows "_s + actual(what);
    }

    bool click(QWidget& on, std::optional<QPoint> at = {}, QWidget* releaseOn = nullptr) {
        if (!press(on, at))
            return false;
        if (releaseOn) {
            m_pressedAt = releaseOn->mapTo(releaseOn->window(), releaseOn->rect().center());
            if (m_downInX)
                fake(XCB_MOTION_NOTIFY, releaseOn->mapToGlobal(releaseOn->rect().center()));
            else if (m_pressedIn)
                QTest::mouseMove(m_pressedIn, m_pressedAt);
        }
        release();
        return true;
    }

    bool press(QWidget& on, std::optional<QPoint> at = {}) {
        // What the window system told the program so far (a list's grab let go
        // of, and the focus that comes back with it) is in before the hand moves.
        roundTrip();
        App::processEvents();
        QWidget& top = *on.window();
        const QPoint local = on.mapTo(&top, at.value_or(on.rect().center()));
        // A box is already active where a window system runs one; offscreen,
        // nothing would give the window beneath it back its activation.
        const bool activates = !qobject_cast<QMessageBox*>(&top) && !top.isActiveWindow();
        const int before = m_presses;
        if (m_throughX && !qobject_cast<QMessageBox*>(&top)) {
            uncover();
            fake(XCB_MOTION_NOTIFY, top.mapToGlobal(local));
            // A window manager now and then keeps a press for itself, or a
            // window that has just opened is not yet where it will be; the
            // person clicks again.
            for (int n = 0; !m_downInX && n < 3; ++n) {
                fake(XCB_BUTTON_PRESS);
                if (!(m_downInX = waitFor([&] { return m_presses > before || boxUp(); }, 1000)))
                    fake(XCB_BUTTON_RELEASE);
            }
            if (!m_downInX)
                return false;
        } else {
            m_pressedIn = top.windowHandle();
            m_pressedAt = local;
            QTest::mousePress(m_pressedIn, Qt::LeftButton, {}, local);
        }
        // Into a window not yet active, the hand stays down a person's moment:
        // a window manager does its part of such a click in its own time, made
        // for hands. Within the active window the release follows once the
        // program has the press.
        if (activates) {
            if (!m_downInX)
                (void)activate(top, true);
            (void)waitFor([] { return false; }, 120); // ms
        }
        App::sendPostedEvents();
        App::processEvents();
        return true;
    }

    void release() {
        const int before = m_releases;
        if (std::exchange(m_downInX, false)) {
            fake(XCB_BUTTON_RELEASE);
            // Unless a box blocks the window: the program then never sees it.
            (void)waitFor([&] { return m_releases > before || boxUp(); });
        } else if (QWindow* window = std::exchange(m_pressedIn, nullptr)) {
            QTest::mouseRelease(window, Qt::LeftButton, {}, m_pressedAt);
        }
    }

    void uncover() {
        // Where the two windows overlap, a person who works in both drags the
        // results window aside, below the main one (the desktops are 1280x1024).
        QWidget* main = m_program->form1().formWindow();
        QWidget* results = m_program->hasForm2() ? m_program->form2().formWindow() : nullptr;
        if (!main || !results || !main->isVisible() || !results->isVisible() ||
            !main->frameGeometry().intersects(results->frameGeometry()))
            return;
        const QPoint place = main->frameGeometry().bottomLeft() + QPoint(0, 10);
        results->move(place);
        (void)waitFor([&] { return results->frameGeometry().topLeft() == place; }, 5000);
    }

    bool activate(QWidget& w, bool asked) {
        // A window manager activates a window that opens; asked, one the user
        // presses into or switches to. On Wayland the compositor does, since a
        // program cannot; a headless weston has no seat to do it for, and is told.
        if (App::platformName() == u"wayland" && waitFor([&] { return exposed(w); }) &&
            !w.isActiveWindow())
            activatedByCompositor(w.windowHandle());
        else if (asked)
            w.activateWindow();
        // A window manager still starting takes a new window for one it found
        // and does not activate it; the user then clicks into it. A box that a
        // press brought comes first.
        const auto done = [&] {
            return (exposed(w) && w.isActiveWindow()) || boxUp();
        };
        if (!waitFor(done, 5000))
            w.activateWindow();
        return waitFor(done);
    }

    bool settle() {
        const bool settled = waitFor([this] {
            return !m_program->handlers().hasPending() && !m_program->departures().isWaiting() &&
                   !boxUp();
        });
        App::processEvents();
        // A person waits for the window beneath a box that has gone to have its
        // activation back before working on.
        if (std::exchange(m_beneathBox, nullptr))
            (void)waitFor(windowActive, 5000);
        return settled;
    }

    QString key(const QString& s) {
        if (!waitFor([] { return App::focusWidget() && QGuiApplication::focusWindow(); }))
            return u"no control has the focus"_s;
        // Keys go to the window that has the keyboard, as the window system sends them.
        QWindow* window = QGuiApplication::focusWindow();
        if (s.startsWith(u"type ")) {
            type(window, s.mid(5));
            return {};
        }
        const QKeyCombination k =
            QKeySequence::fromString(s == u"Shift+Tab" ? u"Shift+Backtab"_s : s)[0];
        const QString before = controlName(App::focusWidget()), fieldBefore = field(before);
        QTest::keyClick(window, k.key(), k.keyboardModifiers());
        if (s.startsWith(u"Alt+")) { // an access key clicks its button a moment later
            if (auto* button = qobject_cast<QPushButton*>(App::focusWidget()))
                (void)QSignalSpy(button, &QPushButton::clicked).wait(1000);
        } else if (s.endsWith(u"Tab")) {
            // A page handles its keys in the browser engine: wait until the focus
            // has moved to another control, or to another field (a page first
            // lets go of the field it leaves), and a page entered has the keys.
            (void)waitFor([&] {
                const QString now = controlName(App::focusWidget()), in = field(now);
                return !now.isEmpty() && (now != before || (!in.isEmpty() && in != fieldBefore)) &&
                       (!now.startsWith(u"WebBrowser") || !in.isEmpty());
            });
            m_visited.append(controlName(App::focusWidget()));
        }
        return {};
    }

    QString field(const QString& control) {
        return control.startsWith(u"WebBrowser")
                   ? evaluate(control, u"document.hasFocus() && document.activeElement !== "
                                       "document.body ? document.activeElement.id : ''"_s)
                   : QString();
    }

    QString evaluate(const QString& pane, const QString& script) {
        auto answer = std::make_shared<std::optional<QString>>();
        m_program->form1().chartPane(pane).evaluate(script,
                                                    [answer](const QString& r) { *answer = r; });
        (void)waitFor([&] { return answer->has_value(); });
        return answer->value_or(u"?"_s);
    }

    QString actual(const QString& what) {
        const QHash<QString, QString> recorded{
            {u"focus"_s, controlName(App::focusWidget())},
            {u"active"_s, App::activeWindow() ? App::activeWindow()->objectName() : QString()},
            {u"list"_s, controlName(App::activePopupWidget())},
            {u"buttons"_s, QGuiApplication::mouseButtons() == Qt::NoButton ? u"up"_s : u"down"_s},
            {u"visited"_s, m_visited.join(u',')},
            {u"prompts"_s, m_prompts.join(u',')},
            {u"failures"_s, QString::number(m_failures.size())},
            {u"report"_s, m_failures.value(m_failures.size() - 1)},
            {u"quit"_s, QString::number(m_quits)},
            {u"application"_s, // as the desktop shows it
             u"%1 %2, %3"_s.arg(App::applicationName(), App::applicationVersion(),
                                App::applicationDisplayName())}};
        if (recorded.contains(what))
            return recorded.value(what);
        if (what == u"Form2" && !m_program->hasForm2())
            return u"none"_s;
        if (what == u"Form1" || what == u"Form2")
            return QStringList{u"not loaded"_s, u"hidden"_s,
                               u"shown"_s}[int(ref(what).form->state())];
        // "rect.Form2.Label1": a property of a control; "Form2.Label1": its text.
        const QString property = what.section(u'.', 0, 0);
        const bool named = !property.isEmpty() && property.front().isLower(); // rect., items., ...
        const Ref r = ref(named ? what.section(u'.', 1) : what);
        if (property == u"atPrompt")
            return m_atPrompt.value(r.name);
        if (property == u"held")
            return evaluate(r.name, u"String(window.held)"_s);
        if (property == u"field")
            return field(r.name);
        if (!r.field.isEmpty()) // an element of a page
            return evaluate(r.name, u"(e => e ? ('value' in e ? e.value : e.textContent) : '?')"
                                    "(document.getElementById('%1'))"_s.arg(r.field));
        QWidget& w = r.widget();
        const QRect g =
            r.name.isEmpty() ? QRect(w.mapToGlobal(QPoint(0, 0)), w.size()) : w.geometry();
        if (property == u"rect")
            return QString::asprintf("%d,%d,%d,%d", g.x(), g.y(), g.width(), g.height());
        if (property == u"title")
            return qobject_cast<windowing::ChartPane*>(&w)->title();
        auto* combo = qobject_cast<QComboBox*>(&w);
        QStringList items;
        for (int i = 0; property == u"items" && i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return property == u"items" ? items.join(u',')
               : r.name.isEmpty()   ? w.windowTitle() // a window: its caption
               : combo              ? combo->currentText()
                                    : w.property("text").toString();
    }

    QString check(const QString& expectations) {
        // Prompts and failure reports are checked also when a row names none.
        QStringList all = expectations.split(u"; "_s, Qt::SkipEmptyParts);
        for (const QString& always : {u"prompts="_s, u"failures=0"_s, u"buttons=up"_s})
            if (!expectations.contains(always.section(u'=', 0, 0) + u'='))
                all.append(always);
        QStringList differ;
        // What the steps did is on the screen once their handlers have run; a
        // page answers within moments, also on a loaded machine.
        (void)waitFor(
            [&] {
                differ.clear();
                for (const QString& e : all)
                    if (const QString now = actual(e.section(u'=', 0, 0));
                        now != e.section(u'=', 1))
                        differ.append(u"%1 is \"%2\""_s.arg(e, now));
                return differ.isEmpty();
            },
            10000);
        return differ.join(u"; "_s);
    }

private:
    app::ModalMessageBox m_messageBox;
    app::ModalFailureReport m_failureReport;
    const bool m_throughX;
    bool m_downInX = false;        // the X server's button is down
    QPointer<QWindow> m_pressedIn; // a mouse button is down in it, at m_pressedAt
    QPoint m_pressedAt;
    int m_presses = 0, m_releases = 0; // as the program's windows got them
    QPointer<QWidget> m_beneathBox;    // active when the last box came
    QWidget m_other;                   // stands in for another program's window
    std::unique_ptr<app::Program> m_program;
    std::list<QSignalSpy> m_loads; // of the two chart panes
    QStringList m_prompts, m_failures, m_visited;
    QHash<QString, QString> m_atPrompt;
    int m_quits = 0;
};

} // namespace

// The test program of a file of tables: every row as "group: row", each
// from a fresh start of the program.
class Behaviour : public QObject {
    Q_OBJECT

private slots:
    void rows_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("throughX");
        // The kind of region of this session, whose groups alone it plays.
        const numeric::Separators& numbers = numeric::Separators::system();
        const QByteArray region = numbers.zero == QChar(0x0660)   ? "arabic region"
                                  : numbers.zero == QChar(0x06F0) ? "persian region"
                                  : numbers.decimal == u','       ? "comma region"
                                                                  : "";
        for (const auto& [group, name, steps, expected] : table) {
            const QByteArray g(group);
            const bool regional = g.contains(" region") && !g.startsWith("point region");
            if (region.isEmpty() ? !regional : g.startsWith(region))
                QTest::newRow(g + ": " + name)
                    << QString::fromUtf8(steps) << QString::fromUtf8(expected)
                    << !g.startsWith("quick user");
        }
    }
    void rows() {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFETCH(bool, throughX);
        if (App::platformName() == u"wayland" &&
            expected.contains(QRegularExpression(u"rect.Form.="_s)))
            QSKIP("On Wayland the compositor places the windows, not the program.");
        Driver driver(throughX);
        QVERIFY(driver.start());
        const QString failed = driver.run(steps);
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        const QString differences = driver.check(expected);
        QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
};

QTEST_MAIN(Behaviour)
#include "driver.moc"
