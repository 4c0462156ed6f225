// SPDX-License-Identifier: GPL-3.0-or-later
#include "hand.h"

#include <QtTest>
#include <QtWidgets>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>
#include <xcb/xtest.h>

using namespace Qt::StringLiterals;
using App = QApplication;

namespace {

// Input at Qt's platform level, to the program's windows directly. No
// window manager runs, so the hand does its part: it activates the window
// pressed into, and the window beneath a box that has gone.
class QtHand : public Hand {
public:
    bool press(QWidget& top, QPoint local) override {
        m_pressedIn = top.windowHandle();
        m_at = local;
        QTest::mousePress(m_pressedIn, Qt::LeftButton, {}, local);
        if (!top.isActiveWindow() && !qobject_cast<QMessageBox*>(&top))
            (void)bringForward(top, true);
        return true;
    }
    void release(std::optional<QPoint> global) override {
        QWindow* window = std::exchange(m_pressedIn, nullptr);
        const QPoint at = global && window ? window->mapFromGlobal(*global) : m_at;
        if (!window || !QRect(QPoint(), window->size()).contains(at))
            return; // outside: the program never sees it
        if (global)
            QTest::mouseMove(window, at);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    }
    bool key(QKeyCombination k) override {
        QTest::keyClick(QGuiApplication::focusWindow(), k.key(), k.keyboardModifiers());
        return true;
    }
    bool type(const QString& text) override {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, QGuiApplication::focusWindow(),
                                Qt::Key(c.toUpper().unicode()), QString(c), {});
        return true;
    }
    void afterBox(QWidget* beneath) override {
        const QPointer<QWidget> window(beneath);
        // Activated until it has the keyboard back (unless it went, or another box came).
        (void)waitFor(
            [&] {
                return windowActive() || boxUp() || !window || (activate(*window, true), false);
            },
            5000);
    }

protected:
    void activate(QWidget& window, bool asked) override {
        if (asked)
            window.activateWindow();
    }

private:
    QPointer<QWindow> m_pressedIn; // the button is down in it, at m_at
    QPoint m_at;
};

// A headless weston has no seat: input goes in at Qt's level, and the hand
// tells Qt what the compositor does for a person, that a window is active
// (a program cannot activate its own windows on Wayland).
class WestonHand final : public QtHand {
public:
    bool placesWindows() const override { return false; }

protected:
    void activate(QWidget& w, bool) override {
        if (waitFor([&] { return w.windowHandle() && w.windowHandle()->isExposed(); }) &&
            !w.isActiveWindow())
            activatedByCompositor(w.windowHandle());
    }

private:
    // The call was renamed in a later Qt.
    template <typename System = QWindowSystemInterface>
    static void activatedByCompositor(QWindow* window) {
        if constexpr (requires {
                          System::handleFocusWindowChanged(window, Qt::ActiveWindowFocusReason);
                      })
            System::handleFocusWindowChanged(window, Qt::ActiveWindowFocusReason);
        else
            System::handleWindowActivated(window, Qt::ActiveWindowFocusReason);
        System::flushWindowSystemEvents();
    }
};

// Input through the X server (XTest), as a person's: the window manager sees
// a press, activates the window and hands the press on; keys go to the
// window that has the X focus, as the keyboard's layout types them
// (xdotool); and the program's requests to the window manager carry the time
// of the user's last key or click. A click on a box's OK stays at Qt's level.
class XHand final : public QtHand {
public:
    bool press(QWidget& top, QPoint local) override {
        // What the server told the program so far (a list's grab let go of,
        // and the focus that comes back with it) is in before the hand moves.
        allIn();
        if (qobject_cast<QMessageBox*>(&top))
            return QtHand::press(top, local);
        fake(XCB_MOTION_NOTIFY, top.mapToGlobal(local));
        // A window manager now and then keeps a press for itself, or a window
        // that has just opened is not yet where it will be: the person clicks
        // again, a second later.
        for (int n = 0; !m_down && n < 3; ++n) {
            fake(XCB_BUTTON_PRESS);
            if (!(m_down = waitFor([] { return App::mouseButtons() || boxUp(); }, 1000)))
                fake(XCB_BUTTON_RELEASE);
        }
        return m_down;
    }
    void release(std::optional<QPoint> global) override {
        if (!std::exchange(m_down, false))
            return QtHand::release(global);
        if (global)
            fake(XCB_MOTION_NOTIFY, *global);
        fake(XCB_BUTTON_RELEASE);
        // Unless it went up outside the program, or a box blocks the window:
        // the program then never sees it.
        if (!global || QApplication::widgetAt(*global))
            (void)waitFor([] { return !App::mouseButtons() || boxUp(); });
    }
    bool key(QKeyCombination k) override {
        // As xdotool names it: "Alt+c", "Ctrl+a", "Shift+Tab", "KP_Enter", "Delete".
        QString name = QKeySequence(k).toString().replace(u"Backtab"_s, u"Tab"_s);
        name.replace(u"Num+"_s, QString()).replace(u"Enter"_s, u"KP_Enter"_s);
        name.replace(u"Del"_s, u"Delete"_s);
        name.back() = name.back().toLower();
        return xdotool({u"key"_s, name});
    }
    bool type(const QString& text) override { return xdotool({u"type"_s, u"--"_s, text}); }
    void afterBox(QWidget*) override {} // the window manager gives the window beneath it back
    void uncover(QWidget& covering, const QWidget& covered) override {
        if (!covering.isVisible() || !covered.isVisible() ||
            !covered.frameGeometry().intersects(covering.frameGeometry()))
            return;
        const QPoint place = covered.frameGeometry().bottomLeft() + QPoint(0, 10);
        covering.move(place);
        (void)waitFor([&] { return covering.frameGeometry().topLeft() == place; }, 5000);
    }

protected:
    bool hasKeyboard(const QWidget& window) override {
        return window.isActiveWindow() && window.windowHandle() &&
               window.windowHandle()->winId() == xFocus();
    }

private:
    xcb_window_t xFocus() {
        auto* focus = xcb_get_input_focus_reply(m_x, xcb_get_input_focus(m_x), nullptr);
        const xcb_window_t window = focus ? focus->focus : XCB_NONE;
        std::free(focus);
        return window;
    }

    void fake(std::uint8_t type, QPoint global = {}) {
        // Over the screen the pointer is on (the root window "none").
        xcb_test_fake_input(m_x, type, type == XCB_MOTION_NOTIFY ? 0 : 1, XCB_CURRENT_TIME,
                            XCB_NONE, std::int16_t(global.x()), std::int16_t(global.y()), 0);
        allIn();
    }

    // Everything the X server sent the program until now has been processed:
    // Qt's own round trip for a server time (a property changed, and its
    // notice waited for) comes back behind it.
    static void allIn() {
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("gettimestamp");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1000); // until none is left
    }

    // Keys as a keyboard types them, to the window with the X focus.
    bool xdotool(const QStringList& arguments) {
        // A person types once the window shows it has the keyboard: the
        // window manager gives it the X focus some moments after a box.
        (void)waitFor([this] { return App::activeWindow() && hasKeyboard(*App::activeWindow()); },
                      5000);
        // It reads its text in the C library's locale, which may be missing.
        const bool typed =
            QProcess::execute(u"env"_s,
                              QStringList{u"LC_ALL=C.UTF-8"_s, u"xdotool"_s} + arguments) == 0;
        allIn();
        return typed;
    }

    xcb_connection_t* const m_x =
        qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    bool m_down = false; // the X server's button is down
};

} // namespace

std::unique_ptr<Hand> Hand::forThisPlatform() {
    if (QGuiApplication::platformName() == u"xcb")
        return std::make_unique<XHand>();
    if (QGuiApplication::platformName() == u"wayland")
        return std::make_unique<WestonHand>();
    return std::make_unique<QtHand>(); // offscreen
}

bool Hand::bringForward(QWidget& w, bool asked) {
    activate(w, asked);
    // A window manager still starting takes a new window for one it found
    // and does not activate it; the user then clicks into it. A box that a
    // press brought comes first.
    const auto done = [&] {
        return (w.windowHandle() && w.windowHandle()->isExposed() && hasKeyboard(w)) ||
               (boxUp() && QApplication::activeModalWidget() != &w);
    };
    if (!waitFor(done, 5000))
        w.activateWindow();
    return waitFor(done);
}
