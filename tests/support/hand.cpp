// SPDX-License-Identifier: GPL-3.0-or-later
#include "hand.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>
#include <xcb/xtest.h>

#include <optional>

namespace {

bool exposed(const QWidget& w) {
    return w.windowHandle() && w.windowHandle()->isExposed();
}

bool boxUp() {
    return QApplication::activeModalWidget();
}

// A window of the program, not a box, has the keyboard.
bool windowActive() {
    return QApplication::activeWindow() &&
           !qobject_cast<QMessageBox*>(QApplication::activeWindow());
}

// Input at Qt's platform level, to the program's windows directly. Where no
// window manager runs, the hand does its part: it activates the window
// pressed into, and the window beneath a box that has gone.
class QtHand : public Hand {
public:
    explicit QtHand(bool windowManager)
        : m_windowManager(windowManager) {}

    bool press(QWidget& top, QPoint local) override {
        m_pressedIn = top.windowHandle();
        m_at = local;
        QTest::mousePress(m_pressedIn, Qt::LeftButton, {}, local);
        if (!top.isActiveWindow() && !qobject_cast<QMessageBox*>(&top))
            (void)bringForward(top, true);
        return true;
    }
    void moveTo(QWidget&, QPoint local) override {
        m_at = local;
        if (m_pressedIn)
            QTest::mouseMove(m_pressedIn, local);
    }
    void release() override {
        if (QWindow* window = std::exchange(m_pressedIn, nullptr))
            QTest::mouseRelease(window, Qt::LeftButton, {}, m_at);
    }
    void releaseOutside() override { m_pressedIn = nullptr; }
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
        // Nothing else gives the window beneath its activation back.
        if (m_windowManager)
            return;
        const QPointer<QWidget> window(beneath);
        (void)waitFor(
            [&] {
                if (!windowActive() && !boxUp() && window)
                    activate(*window, true);
                return windowActive() || boxUp() || !window;
            },
            5000);
    }

protected:
    void activate(QWidget& window, bool asked) override {
        if (asked)
            window.activateWindow();
    }

private:
    const bool m_windowManager;
    QPointer<QWindow> m_pressedIn; // the button is down in it, at m_at
    QPoint m_at;
};

// A headless weston has no seat: input goes in at Qt's level, and the hand
// tells Qt what the compositor does for a person, that a window is active
// (a program cannot activate its own windows on Wayland).
class WestonHand final : public QtHand {
public:
    WestonHand()
        : QtHand(false) {}
    bool placesWindows() const override { return false; }

protected:
    void activate(QWidget& w, bool) override {
        if (waitFor([&] { return exposed(w); }) && !w.isActiveWindow())
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

// Input through the X server (XTest), on the program's own connection, as a
// person's: the window manager sees a press, activates the window and hands
// the press on; keys go to the window that has the X focus; and the
// program's requests to the window manager carry the time of the user's last
// key or click. A click on a box's OK stays at Qt's level.
class XHand final : public QObject, public QtHand, public QAbstractNativeEventFilter {
public:
    explicit XHand(xcb_connection_t* connection)
        : QtHand(true)
        , m_x(connection) {
        qApp->installEventFilter(this);
        qApp->installNativeEventFilter(this);
    }
    ~XHand() override { qApp->removeNativeEventFilter(this); }

    // Presses and releases as the window system hands them to the program's
    // windows; keys as the program gets them, also those a box then blocks.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->spontaneous() && watched->isWindowType()) {
            m_presses += event->type() == QEvent::MouseButtonPress;
            m_releases += event->type() == QEvent::MouseButtonRelease;
        }
        return false;
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        m_keyReleases +=
            type == "xcb_generic_event_t" &&
            (static_cast<xcb_generic_event_t*>(message)->response_type & 0x7f) == XCB_KEY_RELEASE;
        return false;
    }

    bool press(QWidget& top, QPoint local) override {
        // What the server told the program so far (a list's grab let go of,
        // and the focus that comes back with it) is in before the hand moves.
        roundTrip();
        QCoreApplication::processEvents();
        if (qobject_cast<QMessageBox*>(&top))
            return QtHand::press(top, local);
        const int before = m_presses;
        fake(XCB_MOTION_NOTIFY, 0, top.mapToGlobal(local));
        // A window manager now and then keeps a press for itself, or a window
        // that has just opened is not yet where it will be: the person clicks
        // again, a second later.
        for (int n = 0; !m_down && n < 3; ++n) {
            fake(XCB_BUTTON_PRESS, 1);
            if (!(m_down = waitFor([&] { return m_presses > before || boxUp(); }, 1000)))
                fake(XCB_BUTTON_RELEASE, 1);
        }
        return m_down;
    }
    void moveTo(QWidget& top, QPoint local) override {
        if (m_down)
            fake(XCB_MOTION_NOTIFY, 0, top.mapToGlobal(local));
        else
            QtHand::moveTo(top, local);
    }
    void release() override {
        if (!std::exchange(m_down, false))
            return QtHand::release();
        const int before = m_releases;
        fake(XCB_BUTTON_RELEASE, 1);
        // Unless a box blocks the window: the program then never sees it.
        (void)waitFor([&] { return m_releases > before || boxUp(); });
    }
    void releaseOutside() override {
        if (std::exchange(m_down, false)) {
            fake(XCB_MOTION_NOTIFY, 0, {1275, 1020}); // a corner of the desktops' 1280x1024
            fake(XCB_BUTTON_RELEASE, 1);
        }
    }
    bool key(QKeyCombination k) override {
        const auto keysym = [&]() -> xcb_keysym_t {
            switch (k.key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                return 0xff09;
            case Qt::Key_Return:
                return 0xff0d;
            case Qt::Key_Enter:
                return 0xff8d; // the keypad's
            case Qt::Key_Delete:
                return 0xffff;
            case Qt::Key_Down:
                return 0xff54;
            case Qt::Key_Up:
                return 0xff52;
            default:
                return k.key() - Qt::Key_A + 'a'; // letters
            }
        }();
        QList<xcb_keysym_t> held;
        if (k.key() == Qt::Key_Backtab || (k.keyboardModifiers() & Qt::ShiftModifier))
            held.append(0xffe1);
        if (k.keyboardModifiers() & Qt::ControlModifier)
            held.append(0xffe3);
        if (k.keyboardModifiers() & Qt::AltModifier)
            held.append(0xffe9);
        return keys(held, {keysym});
    }
    bool type(const QString& text) override {
        QList<xcb_keysym_t> keysyms;
        for (const QChar c : text) // Latin-1 keysyms are their code points
            keysyms.append(c.unicode() < 0x100 ? c.unicode() : 0x01000000 | c.unicode());
        return keys({}, keysyms);
    }
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
    bool keyboardHere() {
        const QWindowList windows = QGuiApplication::allWindows();
        return std::any_of(windows.begin(), windows.end(),
                           [&](QWindow* w) { return w->handle() && w->winId() == xFocus(); });
    }

    void roundTrip() {
        std::free(xcb_get_input_focus_reply(m_x, xcb_get_input_focus(m_x), nullptr));
    }

    void fake(std::uint8_t type, std::uint8_t detail, QPoint global = {}) {
        xcb_test_fake_input(m_x, type, detail, XCB_CURRENT_TIME,
                            xcb_setup_roots_iterator(xcb_get_setup(m_x)).data->root,
                            std::int16_t(global.x()), std::int16_t(global.y()), 0);
        roundTrip();
    }

    // Presses the keys `held` down, taps each of `tapped` in turn, lets go of
    // `held`, and waits until the program has them all. A key the layout
    // lacks is put on a spare key first, as a layout that has it would.
    bool keys(const QList<xcb_keysym_t>& held, const QList<xcb_keysym_t>& tapped) {
        // A person types once the window shows it has the keyboard: the
        // window manager gives it the X focus some moments after a box.
        (void)waitFor([this] { return keyboardHere(); }, 5000);
        const int before = m_keyReleases;
        int released = 0;
        const auto tap = [&](xcb_keysym_t keysym, bool down, bool up) {
            const auto [code, shifted] = place(keysym);
            const xcb_keycode_t shift = shifted ? place(0xffe1).code : 0; // a capital
            if (down && shift)
                fake(XCB_KEY_PRESS, shift);
            if (down)
                fake(XCB_KEY_PRESS, code);
            if (up)
                fake(XCB_KEY_RELEASE, code);
            if (up && shift)
                fake(XCB_KEY_RELEASE, shift);
            released += up ? 1 + bool(shift) : 0;
        };
        for (xcb_keysym_t k : held)
            tap(k, true, false);
        for (xcb_keysym_t k : tapped)
            tap(k, true, true);
        for (auto k = held.rbegin(); k != held.rend(); ++k)
            tap(*k, false, true);
        return waitFor([&] { return m_keyReleases >= before + released; }, 5000);
    }

    struct Place {
        xcb_keycode_t code;
        bool shifted;
    };
    Place place(xcb_keysym_t keysym) {
        const xcb_setup_t* setup = xcb_get_setup(m_x);
        const int first = setup->min_keycode, count = setup->max_keycode - first + 1;
        auto* map = xcb_get_keyboard_mapping_reply(
            m_x, xcb_get_keyboard_mapping(m_x, xcb_keycode_t(first), std::uint8_t(count)), nullptr);
        const int per = map->keysyms_per_keycode;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map);
        std::optional<Place> found, spare;
        for (int i = 0; i < count && !found; ++i) {
            for (int level = 0; level < std::min(per, 2) && !found; ++level)
                if (syms[i * per + level] == keysym)
                    found = Place{xcb_keycode_t(first + i), level == 1};
            if (std::all_of(syms + i * per, syms + (i + 1) * per, [](auto s) { return !s; }))
                spare = Place{xcb_keycode_t(first + i), false};
        }
        if (!found) {
            found = spare.value_or(Place{xcb_keycode_t(first + count - 1), false});
            QList<xcb_keysym_t> both(per, 0);
            both[0] = both[1] = keysym;
            xcb_change_keyboard_mapping(m_x, 1, found->code, std::uint8_t(per), both.constData());
        }
        std::free(map);
        return *found;
    }

    xcb_connection_t* const m_x;
    bool m_down = false; // the X server's button is down
    int m_presses = 0, m_releases = 0, m_keyReleases = 0;
};

} // namespace

std::unique_ptr<Hand> Hand::forThisPlatform(bool atQtLevel) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() == u"wayland")
        return std::make_unique<WestonHand>();
    if (QGuiApplication::platformName() != u"xcb" || !x11)
        return std::make_unique<QtHand>(false); // offscreen: no window manager
    if (atQtLevel || !xcb_get_extension_data(x11->connection(), &xcb_test_id)->present)
        return std::make_unique<QtHand>(true);
    return std::make_unique<XHand>(x11->connection());
}

bool Hand::bringForward(QWidget& w, bool asked) {
    activate(w, asked);
    // A window manager still starting takes a new window for one it found
    // and does not activate it; the user then clicks into it. A box that a
    // press brought comes first.
    const auto done = [&] {
        return (exposed(w) && hasKeyboard(w)) ||
               (boxUp() && QApplication::activeModalWidget() != &w);
    };
    if (!waitFor(done, 5000))
        w.activateWindow();
    return waitFor(done);
}
