// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "app/application.h"
#include "app/identity.h"
#include "windowing/chartpane.h"
#include "xtest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

using namespace Qt::StringLiterals;

namespace {

// Before QTEST_MAIN makes the QApplication, as the program's main does.
const bool environmentPrepared = [] {
    app::prepareProcessEnvironment();
    return true;
}();

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
    const QDeadlineTimer deadline(ms);
    while (!holds()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

constexpr int personsMoment = 120; // ms between a hand's press and release

// A key that types `c`, as a keyboard layout gives it: a Persian layout's
// digit keys carry "۱", not "1".
void typeKey(QWindow* window, QChar c) {
    if (c.unicode() < 0x80)
        QTest::keyClick(window, c.toLatin1());
    else
        QTest::sendKeyEvent(QTest::Click, window, Qt::Key(c.toUpper().unicode()), QString(c),
                            Qt::NoModifier);
}

QString text(const QRect& r) {
    return QString::asprintf("%d,%d,%d,%d", r.x(), r.y(), r.width(), r.height());
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

QString focusedControl() {
    return controlName(QApplication::focusWidget());
}

} // namespace

Driver::Driver(bool throughX)
    : m_throughX(throughX && QGuiApplication::platformName() == u"xcb" && xtest::available()) {
    qApp->installEventFilter(this); // every message box, as it appears on the screen
    m_other.setObjectName(u"other"_s);
    // Away from where the program's windows and boxes open.
    m_other.setGeometry(1000, 760, 200, 150);
}

bool Driver::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // As the window system hands them to the program's windows.
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
        event->spontaneous() && watched->isWindowType())
        ++(type == QEvent::MouseButtonPress ? m_presses : m_releases);
    // Shown by the program; a window manager that maps it again (mutter
    // attaching it to its window) sends another, spontaneous, Show.
    if (type == QEvent::Show && !event->spontaneous())
        if (auto* box = qobject_cast<QMessageBox*>(watched))
            boxShown(*box);
    return false;
}

bool Driver::start() {
    app::applyIdentity();
    QApplication::setQuitOnLastWindowClosed(false);
    m_program =
        std::make_unique<app::Program>(m_messageBox, m_failureReport, [this] { ++m_quits; });
    m_program->start();
    for (const char* pane : {"WebBrowser1", "WebBrowser2"})
        connect(&m_program->form1().chartPane(pane), &windowing::ChartPane::loadFinished, this,
                [this](bool ok) { m_pagesLoaded += ok; });
    return activate(m_program->form1().window(), true);
}

std::pair<windowing::Form*, QString> Driver::resolve(const QString& ref) {
    const bool results = ref.startsWith(u"Form2");
    return {results ? &m_program->form2() : &m_program->form1(),
            ref.startsWith(u"Form") ? ref.mid(6) : ref};
}

QString Driver::run(const QString& steps) {
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
            (void)activate(m_program->form2().window(), true);
    }
    return {};
}

QString Driver::step(const QString& s) {
    if (s == u"activate other") { // a plain window stands in for another program's
        m_other.show();
        return activate(m_other, false) ? QString() : u"not on the screen"_s;
    }
    if (s == u"release outside") { // over another program: the calculator never sees it
        if (m_downInX)
            xtest::moveTo(QGuiApplication::primaryScreen()->geometry().bottomRight() -
                          QPoint(2, 2));
        if (std::exchange(m_downInX, false))
            xtest::button(false);
        m_pressedIn = nullptr;
        return {};
    }
    // "Text1=...", "WebBrowser2#price=...", "click Form2.Command1", "drag Command1 to Label1"
    const QString target = s.contains(u'=') ? s.section(u'=', 0, 0) : s.section(u' ', 1, 1);
    const QString verb = s.section(u' ', 0, 0);
    const auto [f, name] = resolve(target.section(u'#', 0, 0));
    const QString pageId = target.section(u'#', 1);
    if (verb == u"close")
        return f->window().close() ? QString() : u"refused"_s;
    if (verb == u"moved") { // by the program itself, as a browser engine may
        f->control(name).setFocus(Qt::OtherFocusReason);
        return {};
    }
    if (s == u"wait panes") { // loaded, so that their fields take the keys
        if (!waitFor([this] { return m_pagesLoaded == 2; }))
            return u"the pages did not load"_s;
        // What the page makes of the mouse button: down, and up again.
        for (const char* pane : {"WebBrowser1", "WebBrowser2"})
            (void)pageEvaluate(
                QString::fromLatin1(pane),
                u"window.held = 'no'; for (const [e, v] of [['mousedown', 'yes'], "
                "['mouseup', 'no']]) addEventListener(e, () => held = v, true); ''"_s);
        return {};
    }
    if (f->state() != windowing::Form::State::Shown)
        return u"its window is not on the screen"_s;
    if (verb == u"activate")
        return activate(f->window(), false) ? QString() : u"not on the screen"_s;
    if (verb == u"drag") {
        const auto [to, toName] = resolve(s.section(u' ', 3, 3));
        click(f->control(name), {}, &to->control(toName));
        return {};
    }
    if (verb == u"press")
        return press(f->control(name)) ? QString() : u"the program never saw it"_s;
    if (verb == u"open") { // the arrow at the right end of a unit box
        QWidget& combo = f->control(name);
        click(combo, QPoint(combo.width() - 6, combo.height() / 2));
        return {};
    }
    const bool onlyClick = verb == u"click";
    if (!onlyClick && !s.contains(u'='))
        return key(s);

    const QString typed = s.section(u'=', 1);
    QWidget& control = f->control(name);
    auto* combo = qobject_cast<QComboBox*>(&control);
    QWidget& clicked = combo ? *combo->lineEdit() : control;
    std::optional<QPoint> at; // a page's field: its centre in the pane
    if (!pageId.isEmpty()) {
        const QStringList xy =
            pageEvaluate(name, u"(r => r ? Math.round(r.x + r.width / 2) + ',' + "
                               "Math.round(r.y + r.height / 2) : '')(document."
                               "getElementById('%1')?.getBoundingClientRect())"_s.arg(pageId))
                .split(u',');
        if (xy.size() != 2)
            return u"the page has no such field"_s;
        at = QPoint(xy[0].toInt(), xy[1].toInt());
    }
    const auto reached = [&] {
        return pageId.isEmpty() ? QApplication::focusWidget() == &control
                                : focusedControl() == name && pageField(name) == pageId;
    };
    // A window manager may still be activating another window of ours, as
    // the results window when it is shown again; the user clicks once more.
    for (int n = 0, pressed = 0; !pressed || (!onlyClick && !reached()); ++n) {
        if (n == 4 || (n > 0 && !activate(f->window(), false)))
            return u"the click did not give it the focus"_s;
        pressed = click(clicked, at);
        settle(); // what leaving the last control started, before the next key
    }
    if (onlyClick)
        return {};
    QWindow* keys = QGuiApplication::focusWindow();
    if (const int item =
            combo ? combo->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive) : -1;
        item >= 0) { // from the drop-down list, with the keyboard
        QTest::keyClick(keys, Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* list = combo->view();
        if (!waitFor([&] { return list->isVisible(); }))
            return u"the list did not open"_s;
        while (list->currentIndex().row() != item)
            QTest::keyClick(list, list->currentIndex().row() < item ? Qt::Key_Down : Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        (void)waitFor([&] { return !list->isVisible(); });
        QCoreApplication::processEvents();
        if (!QApplication::focusWidget()) { // offscreen, the closed list leaves no focus
            f->window().activateWindow();
            click(clicked);
        }
        // The window has the keyboard back once the list has gone, and the
        // window system's focus events for the list's grab have come in.
        (void)waitFor([&] { return QGuiApplication::focusWindow() == f->window().windowHandle(); });
        (void)waitFor([] { return false; }, 120);
    } else {
        QTest::keyClick(keys, Qt::Key_A, Qt::ControlModifier);
        if (typed.isEmpty())
            QTest::keyClick(keys, Qt::Key_Delete);
        for (const QChar c : typed)
            typeKey(keys, c);
    }
    // A page takes its keys in the browser engine, apart from the script
    // that reads the field back.
    if (!pageId.isEmpty())
        (void)waitFor([&] { return actual(target) == typed; });
    const QString shown = actual(target);
    return shown == typed ? QString() : u"shows "_s + shown;
}

bool Driver::click(QWidget& on, std::optional<QPoint> at, QWidget* releaseOn) {
    if (!press(on, at))
        return false;
    (void)waitFor([] { return false; }, personsMoment);
    if (releaseOn) {
        m_pressedAt = releaseOn->mapTo(releaseOn->window(), releaseOn->rect().center());
        if (m_downInX)
            xtest::moveTo(releaseOn->mapToGlobal(releaseOn->rect().center()));
        else if (m_pressedIn)
            QTest::mouseMove(m_pressedIn, m_pressedAt);
    }
    releaseMouse();
    return true;
}

bool Driver::press(QWidget& on, std::optional<QPoint> at) {
    QWidget& top = *on.window();
    const QPoint local = on.mapTo(&top, at.value_or(on.rect().center()));
    // A box is already active where a window system runs one; offscreen,
    // nothing would give the window beneath it back its activation.
    const bool activates = !qobject_cast<QMessageBox*>(&top) && !top.isActiveWindow();
    if (m_throughX && activates) {
        uncover();
        xtest::moveTo(top.mapToGlobal(local));
        const int before = m_presses;
        xtest::button(true);
        // Mutter now and then keeps a press for itself; the person clicks again.
        if (waitFor([&] { return m_presses > before || QApplication::activeModalWidget(); },
                    5000)) {
            m_downInX = true;
            return true;
        }
        xtest::button(false);
        return false;
    }
    m_pressedIn = top.windowHandle();
    m_pressedAt = local;
    QTest::mousePress(m_pressedIn, Qt::LeftButton, {}, local);
    // The window system activates the window pressed into: the compositor
    // does, here told, or the window manager, asked.
    if (activates && m_pressedIn)
        (void)activate(top, false);
    return true;
}

void Driver::releaseMouse() {
    if (std::exchange(m_downInX, false)) {
        const int before = m_releases;
        xtest::button(false);
        // Unless a box blocks the window: the program then never sees it.
        (void)waitFor([&] { return m_releases > before || QApplication::activeModalWidget(); });
    } else if (QWindow* window = m_pressedIn) {
        m_pressedIn = nullptr;
        QTest::mouseRelease(window, Qt::LeftButton, {}, m_pressedAt);
    }
}

void Driver::uncover() {
    // Where the two windows overlap, a person who works in both drags the
    // results window aside, to a corner of the screen clear of the main one.
    QWidget* main = m_program->form1().formWindow();
    QWidget* results = m_program->hasForm2() ? m_program->form2().formWindow() : nullptr;
    if (!main || !results || !main->isVisible() || !results->isVisible() ||
        !main->frameGeometry().intersects(results->frameGeometry()))
        return;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QRect place(QPoint(), results->frameGeometry().size());
    for (const QPoint corner : {screen.bottomLeft(), screen.bottomRight(), screen.topRight()}) {
        place.moveCenter(corner);
        place.moveTo(std::clamp(place.x(), 0, screen.width() - place.width()),
                     std::clamp(place.y(), 0, screen.height() - place.height()));
        if (!place.intersects(main->frameGeometry()))
            break;
    }
    results->move(place.topLeft());
    (void)waitFor([&] { return results->frameGeometry().topLeft() == place.topLeft(); }, 5000);
}

QString Driver::key(const QString& s) {
    if (!waitFor([] { return QApplication::focusWidget() && QGuiApplication::focusWindow(); }))
        return u"no control has the focus"_s;
    // Keys go to the window that has the keyboard, as the window system sends them.
    QWindow* window = QGuiApplication::focusWindow();
    if (s.startsWith(u"type ")) {
        for (const QChar c : s.mid(5))
            typeKey(window, c);
        return {};
    }
    const QKeyCombination k =
        QKeySequence::fromString(s == u"Shift+Tab" ? u"Shift+Backtab"_s : s)[0];
    const QString before = focusedControl(), fieldBefore = pageField(before);
    QTest::keyClick(window, k.key(), k.keyboardModifiers());
    if (s.startsWith(u"Alt+")) { // an access key clicks its button a moment later
        if (auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget()))
            (void)QSignalSpy(button, &QPushButton::clicked).wait(1000);
        return {};
    }
    if (!s.endsWith(u"Tab"))
        return {};
    // A page handles its keys in the browser engine: wait until the focus
    // has moved to another control, or to another field (a page first lets
    // go of the field it leaves).
    (void)waitFor([&] {
        restoreActivation();
        const QString now = focusedControl(), field = pageField(now);
        return !now.isEmpty() && (now != before || (!field.isEmpty() && field != fieldBefore));
    });
    settle(); // a prompt takes the focus for a moment, and gives it back
    // A page entered has the keys once its window is active again.
    (void)waitFor([this] {
        const QString now = focusedControl();
        return !now.isEmpty() && (!now.startsWith(u"WebBrowser") || !pageField(now).isEmpty());
    });
    m_visited.append(focusedControl());
    return {};
}

QString Driver::pageField(const QString& control) {
    if (!control.startsWith(u"WebBrowser"))
        return {};
    return pageEvaluate(control, u"document.hasFocus() && document.activeElement !== "
                                 "document.body ? document.activeElement.id : ''"_s);
}

QString Driver::pageEvaluate(const QString& control, const QString& script) {
    auto answer = std::make_shared<std::optional<QString>>();
    m_program->form1().chartPane(control).evaluate(script,
                                                   [answer](const QString& r) { *answer = r; });
    (void)waitFor([&] { return answer->has_value(); });
    return answer->value_or(u"?"_s);
}

bool Driver::activate(QWidget& w, bool opening) {
    // A window manager activates a window that opens; on Wayland the
    // compositor does, also when the user clicks into one, since a program
    // cannot. A headless weston has no seat to do it for, and is told.
    const auto exposed = [&] {
        return w.windowHandle() && w.windowHandle()->isExposed();
    };
    if (QGuiApplication::platformName() == u"wayland" && waitFor(exposed) && !w.isActiveWindow())
        activatedByCompositor(w.windowHandle());
    else if (!opening)
        w.activateWindow();
    const auto active = [&] {
        restoreActivation(); // a box may have come and gone meanwhile
        return exposed() && w.isActiveWindow();
    };
    // A window manager still starting takes a new window for one it found
    // and does not activate it; the user then clicks into it.
    if (!waitFor(active, 5000))
        w.activateWindow();
    return waitFor(active);
}

bool Driver::settle() {
    const bool settled = waitFor([this] {
        return !m_program->handlers().hasPending() && !m_program->departures().isWaiting() &&
               !QApplication::activeModalWidget();
    });
    QCoreApplication::processEvents();
    restoreActivation();
    // A person waits for the window manager to give a window back its
    // activation once a box has gone, before working on: asked later, it
    // would take the activation from the window the person went to since.
    if (m_activeBeforeBox)
        (void)waitFor(
            [] {
                QWidget* active = QApplication::activeWindow();
                return active && !qobject_cast<QMessageBox*>(active);
            },
            5000);
    m_activeBeforeBox = nullptr;
    return settled;
}

void Driver::restoreActivation() {
    // Without a window manager nothing gives the window back its activation
    // once a box has gone. On X the window manager does; asked as well, it
    // may answer late under load and take the activation from a window the
    // user has gone to since.
    if (m_activeBeforeBox && !QApplication::activeWindow() && !QApplication::activeModalWidget() &&
        QGuiApplication::platformName() != u"xcb")
        m_activeBeforeBox->activateWindow();
}

void Driver::boxShown(QMessageBox& box) {
    const bool failure = box.icon() == QMessageBox::Warning;
    const bool asItShouldBe = box.windowTitle() == QString::fromUtf8(app::identity::title) &&
                              box.standardButtons() == QMessageBox::Ok &&
                              box.windowModality() == Qt::ApplicationModal &&
                              (failure || box.icon() == QMessageBox::NoIcon);
    const QString seen = failure ? box.informativeText().section(u"\n\n"_s, 0, 0) : box.text();
    const QHash<QString, QString> prompt{
        {u"Please enter the gold price from above charts"_s, u"gold"_s},
        {u"Please enter the Silver price from above charts"_s, u"silver"_s}};
    (failure ? m_failures : m_prompts)
        .append(prompt.value(seen, seen) + (asItShouldBe ? QString() : u" (in an odd box)"_s));
    for (int i = 1; i <= 8 && !failure; ++i)
        m_atPrompt[u"Text%1"_s.arg(i)] = m_program->form1().textBox(u"Text%1"_s.arg(i)).text();
    if (QWidget* over = box.parentWidget())
        m_activeBeforeBox = over->window();
    // A button still held goes up now, over the box; then the box is
    // answered as a user does, once it is up.
    QTimer::singleShot(0, &box, [this, &box] {
        releaseMouse();
        click(*box.button(QMessageBox::Ok));
    });
}

QString Driver::actual(const QString& what) {
    const QHash<QString, QString> recorded{
        {u"focus"_s, focusedControl()},
        {u"visited"_s, m_visited.join(u',')},
        {u"prompts"_s, m_prompts.join(u',')},
        {u"failures"_s, QString::number(m_failures.size())},
        {u"report"_s, m_failures.value(m_failures.size() - 1)},
        {u"quit"_s, QString::number(m_quits)},
        {u"application"_s, // as the desktop shows it
         u"%1 %2, %3"_s.arg(QCoreApplication::applicationName(),
                            QCoreApplication::applicationVersion(),
                            QGuiApplication::applicationDisplayName())}};
    if (recorded.contains(what))
        return recorded.value(what);
    if (what.startsWith(u"atPrompt."))
        return m_atPrompt.value(what.mid(9));
    if (what == u"list")
        return controlName(QApplication::activePopupWidget());
    if (what == u"buttons")
        return QGuiApplication::mouseButtons() == Qt::NoButton ? u"up"_s : u"down"_s;
    if (what == u"active") // a form's window is named after it
        return QApplication::activeWindow() ? QApplication::activeWindow()->objectName()
                                            : QString();
    if (what.contains(u'#')) // an element of a page
        return pageEvaluate(what.section(u'#', 0, 0),
                            u"(e => e ? ('value' in e ? e.value : e.textContent) : '?')"
                            "(document.getElementById('%1'))"_s.arg(what.section(u'#', 1)));
    if (what.startsWith(u"held."))
        return pageEvaluate(what.mid(5), u"String(window.held)"_s);
    if (what == u"Form2" && !m_program->hasForm2())
        return u"none"_s;
    if (what == u"Form1" || what == u"Form2")
        return QStringList{u"not loaded"_s, u"hidden"_s,
                           u"shown"_s}[int(resolve(what).first->state())];

    const QString property = what.section(u'.', 0, 0);
    // "font.Form2.Label1": a property; "Form2.Label1", "Label1": a text.
    const QString ref =
        what.count(u'.') > what.startsWith(u"Form2.") ? what.section(u'.', 1) : what;
    if (ref == u"Form1" || ref == u"Form2") { // a window's caption, or its client area
        QWidget& w = resolve(ref).first->window();
        return property == u"rect" ? text(QRect(w.mapToGlobal(QPoint(0, 0)), w.size()))
                                   : w.windowTitle();
    }
    const auto [f, name] = resolve(ref);
    QWidget& control = f->control(name);
    auto* combo = qobject_cast<QComboBox*>(&control);
    if (property == u"rect")
        return text(control.geometry());
    if (property == u"color")
        return control.palette().color(QPalette::WindowText).name();
    if (property == u"title")
        return qobject_cast<windowing::ChartPane*>(&control)->title();
    if (property == u"field")
        return pageField(name);
    if (property == u"font") {
        const QFont font = control.font();
        return u"%1 %2%3%4%5"_s.arg(font.family())
            .arg(font.pointSizeF())
            .arg(font.bold() ? u" bold" : u"", font.italic() ? u" italic" : u"",
                 font.underline() ? u" underline" : u"");
    }
    if (property == u"items") {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        return items.join(u',');
    }
    return combo ? combo->currentText() : control.property("text").toString();
}

QString Driver::check(const QString& expectations) {
    // Prompts and failure reports are checked also when a row names none.
    QStringList all = expectations.split(u"; "_s, Qt::SkipEmptyParts);
    for (const QString& always : {u"prompts="_s, u"failures=0"_s, u"buttons=up"_s})
        if (!expectations.contains(always.section(u'=', 0, 0) + u'='))
            all.append(always);
    const auto differs = [this](const QString& e) {
        return actual(e.section(u'=', 0, 0)) != e.section(u'=', 1);
    };
    (void)waitFor([&] { return std::none_of(all.begin(), all.end(), differs); });
    QStringList differ;
    for (const QString& e : all) {
        if (differs(e))
            differ.append(u"%1 is \"%2\""_s.arg(e, actual(e.section(u'=', 0, 0))));
    }
    return differ.join(u"; "_s);
}
