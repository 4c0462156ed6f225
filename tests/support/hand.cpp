// SPDX-License-Identifier: GPL-3.0-or-later
#include "hand.h"

#include <QtDBus>
#include <QtTest>
#include <QtWidgets>
#include <qpa/qplatformnativeinterface.h>
#include <xcb/xtest.h>

#include <random>

using namespace Qt::StringLiterals;
using App = QApplication;

namespace {

// Over another program, in a corner of the desktops.
QPoint outside() {
    return QGuiApplication::primaryScreen()->geometry().bottomRight() - QPoint(4, 4);
}

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
    void release(std::optional<Spot> spot) override {
        QWindow* window = std::exchange(m_pressedIn, nullptr);
        if (!window || (spot && !spot->widget))
            return; // outside: the program never sees it
        const QPoint at =
            spot ? window->mapFromGlobal(spot->widget->mapToGlobal(spot->local)) : m_at;
        if (spot)
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
    void release(std::optional<Spot> spot) override {
        if (!std::exchange(m_down, false))
            return QtHand::release(spot);
        if (spot)
            fake(XCB_MOTION_NOTIFY,
                 spot->widget ? spot->widget->mapToGlobal(spot->local) : outside());
        fake(XCB_BUTTON_RELEASE);
        // Unless it went up outside the program, or a box blocks the window:
        // the program then never sees it.
        if (!spot || spot->widget)
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
    void uncover(QWidget& covering, QWidget& covered) override { moveBelow(covering, covered); }
    static void moveBelow(QWidget& covering, const QWidget& covered) {
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

// Input through GNOME's compositor, mutter, as a person's: keys and the
// pointer go in through its remote desktop, the interface GNOME's own remote
// desktop uses; mutter activates the window pressed into and hands the
// press on, sends keys to the window it gave the keyboard, and places every
// window. The hand waits for what mutter decides.
class MutterHand final : public QObject, public Hand {
public:
    MutterHand() {
        qApp->installEventFilter(this);
        (void)session(); // before the program's first window, which is to get the keys
    }

    bool press(QWidget& top, QPoint local) override {
        // The pointer goes there, and on a moment (a hand is never quite still):
        // mutter gives a window that has just opened the pointer only as it
        // moves. The press goes down once the window has the pointer. A box has
        // the press then; in a window, a box that the press brought may have
        // taken it. Now and then mutter keeps a press for an X window that has
        // just opened: the person clicks again.
        const QWindow* window = top.windowHandle();
        m_intoBox = qobject_cast<QMessageBox*>(&top);
        for (int n = 0; !m_down && n < 3; ++n) {
            // Where it stands, as now known (an X window learns where mutter put it).
            const std::optional<QPoint> place = placeOf(top);
            if (!place)
                return false;
            m_pointerIn = nullptr;
            moveTo(*place + local + QPoint(local.x() > 0 ? -1 : 1, 0));
            moveTo(*place + local);
            (void)waitFor([&] { return m_pointerIn == window && m_pointerAt == local; }, 1000);
            button(true);
            if (!(m_down = waitFor([&] { return App::mouseButtons() || (boxUp() && !m_intoBox); },
                                   1000)))
                button(false);
        }
        return m_down;
    }
    void release(std::optional<Spot> spot) override {
        if (spot && !spot->widget)
            moveTo(outside());
        else if (spot)
            moveTo(placeOf(*spot->widget->window()).value_or(QPoint()) +
                   spot->widget->mapTo(spot->widget->window(), spot->local));
        button(false);
        // Unless it went up outside the program, or a box blocks the window.
        if (std::exchange(m_down, false) && (!spot || spot->widget))
            (void)waitFor([&] { return !App::mouseButtons() || (boxUp() && !m_intoBox); });
    }
    bool key(QKeyCombination k) override {
        toTheKeyboard();
        const int seen = m_keys;
        QList<quint32> held;
        for (const auto& [modifier, keysym] : {std::pair{Qt::ShiftModifier, 0xffe1u},
                                               {Qt::ControlModifier, 0xffe3u},
                                               {Qt::AltModifier, 0xffe9u}})
            if (k.keyboardModifiers() & modifier)
                held.append(keysym);
        const QHash<Qt::Key, quint32> named{{Qt::Key_Tab, 0xff09},
                                            {Qt::Key_Backtab, 0xff09},
                                            {Qt::Key_Return, 0xff0d},
                                            {Qt::Key_Enter, 0xff8d},
                                            {Qt::Key_Delete, 0xffff}};
        if (k.key() == Qt::Key_Backtab && !held.contains(0xffe1u))
            held.append(0xffe1u);
        for (quint32 keysym : held)
            keyboard(keysym, true);
        tap(named.value(k.key(), QChar(char16_t(k.key())).toLower().unicode()));
        for (quint32 keysym : held)
            keyboard(keysym, false);
        return waitFor([&] { return m_keys > seen; }, 10000);
    }
    bool type(const QString& text) override {
        toTheKeyboard();
        const int seen = m_keys;
        // A keysym is Latin-1's code, or Unicode's above 0x1000000.
        for (const QChar c : text)
            tap(c.unicode() < 0x100 ? c.unicode() : 0x1000000u + c.unicode());
        return waitFor([&] { return m_keys >= seen + text.size(); }, 10000);
    }
    void uncover(QWidget& covering, QWidget& covered) override {
        if (!covering.isVisible() || !covered.isVisible())
            return;
        if (followsTheProgram()) // an X window may ask to be moved, as on X
            return XHand::moveBelow(covering, covered);
        const QMargins frame = covering.windowHandle()->frameMargins();
        const std::optional<QPoint> at = placeOf(covering), beneath = placeOf(covered);
        const QRect over = QRect(at.value_or(QPoint()), covering.size()) + frame;
        const QRect under = QRect(beneath.value_or(QPoint()), covered.size()) + frame;
        if (!at || !beneath || !over.intersects(under))
            return;
        // A person drags it by its title bar; mutter moves it.
        const QPoint title(over.center().x(), over.top() + frame.top() / 2);
        moveTo(title);
        button(true);
        moveTo(title + QPoint(0, under.bottom() + 10 - over.top()));
        button(false);
        m_origins.remove(covering.windowHandle()); // where mutter let it go
    }
    bool followsTheProgram() const override { return App::platformName() == u"xcb"; }

protected:
    void activate(QWidget& w, bool asked) override {
        // A window that opens is activated by mutter; one on the screen, on the
        // user's wish, by its switcher: Alt+Tab, to the window used before.
        for (int n = 0; asked && w.windowHandle()->isExposed() && !w.isActiveWindow() && n < 3;
             ++n) {
            QWindow* before = App::focusWindow();
            keyboard(0xffe9, true);
            tap(0xff09);
            keyboard(0xffe9, false);
            (void)waitFor([&] { return App::focusWindow() != before; }, 5000);
        }
    }

    // Whether mutter gave it the keyboard (Qt may call a window active before).
    // A box is only clicked: mutter may show it without the keyboard, when it
    // takes the user for busy elsewhere, and a click then gives it.
    bool hasKeyboard(const QWidget& window) override {
        if (qobject_cast<const QMessageBox*>(&window))
            return true;
        return window.isActiveWindow() && window.windowHandle() == App::focusWindow();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A key the program has seen: its press (its release may go to a box
        // it brought), not a modifier's, or the access key it makes. A screen
        // reader listening may hold a key back and hand it on later.
        if ((event->type() == QEvent::KeyPress && watched->isWindowType() &&
             static_cast<QKeyEvent*>(event)->key() < Qt::Key_Shift) ||
            event->type() == QEvent::Shortcut)
            ++m_keys;
        else if (event->type() == QEvent::Hide && watched->isWindowType())
            m_origins.remove(static_cast<QWindow*>(watched)); // placed anew when it comes back
        else if (event->type() == QEvent::MouseMove && watched->isWindowType() &&
                 event->spontaneous()) {
            m_pointerIn = static_cast<QWindow*>(watched);
            m_pointerAt = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (watched == m_target)
                m_hits.append(m_pointerAt);
        }
        return false;
    }

private:
    // The one session, made by the one connection that may send its input.
    struct Session {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"hand"_s);
        QString path;
        QPoint pointer;          // where it stands on the screen
        bool buttonDown = false; // as mutter was told
    };
    static Session& session() {
        static Session s = [] {
            Session made;
            made.path = call(made, u"/org/gnome/Mutter/RemoteDesktop"_s, u"CreateSession"_s, {})
                            .value<QDBusObjectPath>()
                            .path();
            call(made, made.path, u"Start"_s, {});
            // The first key of a new session is lost, for any window.
            for (bool down : {true, false})
                call(made, made.path, u"NotifyKeyboardKeysym"_s, {0xffe1u, down});
            // From the corner, where it stops, the pointer's place is known.
            call(made, made.path, u"NotifyPointerMotionRelative"_s, {-1e5, -1e5});
            return made;
        }();
        return s;
    }
    static QVariant call(Session& s, const QString& path, const QString& method,
                         const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            u"org.gnome.Mutter.RemoteDesktop"_s, path,
            path.contains(u"Session"_s) ? u"org.gnome.Mutter.RemoteDesktop.Session"_s
                                        : u"org.gnome.Mutter.RemoteDesktop"_s,
            method);
        message.setArguments(arguments);
        const QDBusMessage reply = s.bus.call(message);
        if (reply.type() != QDBusMessage::ReplyMessage)
            qFatal("mutter's remote desktop: %s", qPrintable(reply.errorMessage()));
        return reply.arguments().value(0);
    }
    static void send(const QString& method, const QVariantList& arguments) {
        call(session(), session().path, method, arguments);
    }

    // A person types once the window shows it has the keyboard.
    void toTheKeyboard() {
        (void)waitFor([this] { return App::activeWindow() && hasKeyboard(*App::activeWindow()); },
                      5000);
    }
    void keyboard(quint32 keysym, bool down) { send(u"NotifyKeyboardKeysym"_s, {keysym, down}); }
    void tap(quint32 keysym) {
        keyboard(keysym, true);
        keyboard(keysym, false);
    }
    // mutter ignores a press while it holds the button down, and a release while up.
    void button(bool down) {
        if (std::exchange(session().buttonDown, down) != down)
            send(u"NotifyPointerButton"_s, {0x110 /* BTN_LEFT */, down});
    }
    void moveTo(QPoint to) {
        QPoint& at = session().pointer;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        to = {std::clamp(to.x(), 0, screen.right()), std::clamp(to.y(), 0, screen.bottom())};
        send(u"NotifyPointerMotionRelative"_s, {double(to.x() - at.x()), double(to.y() - at.y())});
        at = to;
    }

    // Where the window `top` stands on the screen. An X window knows, and so
    // does a list: the program places it beside its box. A native Wayland
    // window does not, and learns it as a person sees where the pointer is:
    // the pointer goes through a fixed cloud of points over the screen, in
    // jittered rows 60 apart and then between them, and the window tells at
    // which of its own points each one that fell on it arrived. Only one place
    // agrees with six or more of them in their order (a covered point tells
    // nothing). The pointer then goes back by the last, and the window
    // reports it there: everything before has been told.
    std::optional<QPoint> placeOf(QWidget& top) { return placeOf(top.windowHandle()); }
    std::optional<QPoint> placeOf(QWindow* window) {
        if (followsTheProgram())
            return window->mapToGlobal(QPoint());
        if (const auto known = m_origins.find(window); known != m_origins.end())
            return *known;
        if (QWindow* box = window->transientParent(); box && window->type() == Qt::Popup) {
            const std::optional<QPoint> beside = placeOf(box);
            return beside ? std::optional(*beside + window->position() - box->position())
                          : std::nullopt;
        }
        // Where a window of its size stood last comes first: mutter puts a box
        // of the same size beside the same windows in the same place.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        static QHash<std::pair<int, int>, QPoint> lastOfItsSize;
        const std::pair size(window->width(), window->height());
        std::minstd_rand jitter(1);
        QList<QPoint> cloud;
        if (const auto last = lastOfItsSize.find(size); last != lastOfItsSize.end())
            for (int i = 0; i < 8; ++i)
                cloud.append(*last + QPoint(size.first * (2 * i + 1) / 16 + int(jitter() % 4),
                                            size.second * (i % 2 ? 1 : 3) / 4));
        for (int pass = 0; pass < 4; ++pass) // rows 60 apart, then between them
            for (int y = pass * 15; y < screen.height(); y += 60)
                for (int x = 0; x < screen.width(); x += 16)
                    cloud.append({x + int(jitter() % 16), y + int(jitter() % 8)});
        m_target = window;
        m_hits.clear();
        std::optional<QPoint> place;
        for (qsizetype sent = 0; !place && sent < cloud.size();) {
            for (const qsizetype end = std::min(sent + 40, cloud.size()); sent < end; ++sent)
                moveTo(cloud[sent]);
            QCoreApplication::processEvents();
            place = agreeing(cloud.first(sent), window->size());
        }
        if (!place)
            (void)waitFor([&] { return (place = agreeing(cloud, window->size())).has_value(); },
                          5000);
        if (place) {
            const QPoint last = *place + m_hits.back();
            moveTo(last + QPoint(last.x() - place->x() < window->width() / 2 ? 1 : -1, 0));
            if (!waitFor([&] { return m_hits.back() == session().pointer - *place; }, 10000))
                place.reset();
        }
        {
            QFile f(u"/tmp/hits.txt"_s);
            f.open(QIODevice::WriteOnly);
            QTextStream t(&f);
            for (auto h : m_hits)
                t << h.x() << " " << h.y() << "\n";
            QFile g(u"/tmp/cloud.txt"_s);
            g.open(QIODevice::WriteOnly);
            QTextStream u(&g);
            for (auto c : cloud)
                u << c.x() << " " << c.y() << "\n";
        }
        m_target = nullptr;
        if (place)
            m_origins[window] = lastOfItsSize[size] = *place;
        return place;
    }
    std::optional<QPoint> agreeing(const QList<QPoint>& cloud, QSize size) const {
        if (m_hits.size() < 6)
            return {};
        std::optional<QPoint> only;
        for (qsizetype first = 0; first < cloud.size(); ++first) {
            const QPoint place = cloud[first] - m_hits.front();
            qsizetype told = 0;
            for (qsizetype i = first; i < cloud.size() && told < m_hits.size(); ++i)
                told += QRect(place, size).contains(cloud[i]) && cloud[i] - place == m_hits[told];
            if (told < m_hits.size())
                continue;
            if (only && *only != place)
                return {}; // not yet one
            only = place;
        }
        return only;
    }

    QHash<const QWindow*, QPoint> m_origins; // of the windows on the screen, as learned
    const QWindow* m_target = nullptr;       // whose place is being learned
    QPointer<const QWindow> m_pointerIn;     // where the program last saw the pointer
    QPoint m_pointerAt;
    QList<QPoint> m_hits;   // where the pointer arrived in it
    int m_keys = 0;         // keys the program has seen go down
    bool m_down = false;    // the button is down
    bool m_intoBox = false; // in a box
};

} // namespace

std::unique_ptr<Hand> Hand::forThisDesktop() {
    // GNOME on Wayland, the program native or on Xwayland.
    if (qEnvironmentVariable("XDG_CURRENT_DESKTOP").contains(u"GNOME"_s) &&
        qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        return std::make_unique<MutterHand>();
    if (QGuiApplication::platformName() == u"xcb")
        return std::make_unique<XHand>();
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
