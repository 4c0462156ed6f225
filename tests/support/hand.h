// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtWidgets>

#include <memory>
#include <optional>

// Lets the program run until the condition holds, or `ms` have passed, which
// no step of a passing row takes even on a loaded machine. Not
// QTest::qWaitFor: on Qt 6.4 it sleeps between its looks, and the browser
// engine, whose work comes through the event loop, then loads a page in
// seconds instead of a fraction of one.
template <typename Condition> bool waitFor(Condition&& holds, int ms = 60000) {
    for (const QDeadlineTimer deadline(ms); !holds();
         QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete)) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// A box of the program is up.
inline bool boxUp() {
    return QApplication::activeModalWidget();
}

// Where the button goes up: over a widget, at its point (a drag), or, with no
// widget, over another program, where the calculator never sees it.
using Spot = std::pair<const QWidget*, QPoint>;

// What a person's hand does to the program: the mouse's first button, the
// keyboard, and a window brought forward as the window manager does on the
// user's wish. One kind of hand per kind of desktop; nothing outside the
// hands asks which desktop runs.
class Hand {
public:
    virtual ~Hand() = default;

    // The hand of this session's desktop.
    static std::unique_ptr<Hand> forThisDesktop();

    // The button goes down at `local` in the window `top`; false when the
    // program never saw it. Into a window not yet active, the window manager
    // (or the hand, where none runs) activates it for the press.
    virtual bool press(QWidget& top, QPoint local) = 0;
    // The button goes up where it was pressed, or `at`.
    virtual void release(std::optional<Spot> at = {}) = 0;
    // A key by its name in Qt (Tab, Shift+Backtab, Alt+C, Ctrl+A, Del,
    // Num+Enter), or after "type " text as a keyboard layout types it, to the
    // window that has the keyboard; false when the program never saw them.
    virtual bool keys(const QString& what) = 0;
    // The window activated once it is on the screen, as a window manager
    // does when it opens (a box too) or, `asked`, when the user switches to it.
    bool bringForward(QWidget& window, bool asked);
    // Where `covering` hides part of `covered`, it is dragged below it.
    virtual void uncover(QWidget& /*covering*/, QWidget& /*covered*/) {}
    // Whether a window opens where the program puts it, and comes forward when
    // the program asks (on Wayland the compositor decides both).
    virtual bool followsTheProgram() const { return true; }

protected:
    // On the user's wish (`asked`), the program asks the window system.
    virtual void activate(QWidget& window, bool asked) {
        if (asked)
            window.activateWindow();
    }
    // Whether `window` has the keyboard, as the window system says (a person
    // sees it by its frame) and the program knows.
    virtual bool hasKeyboard(const QWidget& window) { return window.isActiveWindow(); }
};
