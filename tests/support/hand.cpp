// SPDX-License-Identifier: GPL-3.0-or-later
#include "hand.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;
using App = QApplication;

namespace {

// Input at Qt's platform level, to the program's windows directly. No
// window manager runs, so the hand does its part: it activates the window
// pressed into, and the window beneath a box it has answered.
class QtHand final : public Hand {
public:
    bool press(QWidget& top, QPoint local) override {
        m_pressed = &top;
        m_at = local;
        QTest::mousePress(top.windowHandle(), Qt::LeftButton, {}, local);
        if (!top.isActiveWindow() && !qobject_cast<QMessageBox*>(&top))
            (void)bringForward(top, true);
        return true;
    }
    void release(std::optional<Spot> spot) override {
        const QPointer<QWidget> top = std::exchange(m_pressed, nullptr);
        if (!top || (spot && !spot->first))
            return; // outside: the program never sees it
        QWindow* window = top->windowHandle();
        const QPoint at =
            spot ? window->mapFromGlobal(spot->first->mapToGlobal(spot->second)) : m_at;
        if (spot)
            QTest::mouseMove(window, at);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        // A box answered: the window beneath it is activated until it has the
        // keyboard back (unless another box came).
        if (auto* box = qobject_cast<QMessageBox*>(top.data()); box && box->parentWidget())
            (void)bringForward(*box->parentWidget(), true);
    }
    bool keys(const QString& what) override {
        QWindow* to = QGuiApplication::focusWindow();
        if (!what.startsWith(u"type "))
            return QTest::keySequence(to, QKeySequence::fromString(what)), true;
        for (const QChar c : what.mid(5))
            QTest::sendKeyEvent(QTest::Click, to, Qt::Key(c.toUpper().unicode()), QString(c), {});
        return true;
    }

private:
    QPointer<QWidget> m_pressed; // the window the button went down in, at m_at
    QPoint m_at;
};

// Input through the window system, as a person's: on X through the X server
// (openbox, or mutter's Xwayland), on GNOME on Wayland through mutter, both
// by hand.py. The window manager sees a press, activates the window and hands
// the press on; keys go to the window that it gave the keyboard, as the
// keyboard's layout types them; and it places every window that the program
// does not. The hand waits for what the window system decides, and for the
// program to have seen each thing it did.
class DesktopHand final : public QObject, public Hand {
public:
    DesktopHand() {
        qApp->installEventFilter(this);
        (void)ask(u"button up"_s); // started before the program's first window gets the keys
    }

    bool press(QWidget& top, QPoint local) override {
        const QWindow* window = top.windowHandle();
        m_intoBox = qobject_cast<QMessageBox*>(&top);
        for (int n = 0; !m_down && n < 3; ++n) {
            // The pointer goes there, by a point beside it (a hand is never
            // quite still): mutter gives a window that has just opened the
            // pointer only as it moves. It goes down once the window has it.
            const std::optional<QPoint> place = placeOf(*window);
            if (!place)
                return false;
            for (const QPoint at : {local + QPoint(local.x() > 0 ? -1 : 1, 0), local}) {
                moveTo(*place + at);
                (void)waitFor([&] { return m_pointerIn == window && m_pointerAt == at; }, 1000);
            }
            // A box has the press; in a window, a box that the press brought
            // may have taken it. A window manager now and then keeps a press
            // for itself: the person clicks again, a second later.
            (void)ask(u"button down"_s);
            if (!(m_down = waitFor([&] { return App::mouseButtons() || (boxUp() && !m_intoBox); },
                                   1000)))
                (void)ask(u"button up"_s);
        }
        return m_down;
    }
    void release(std::optional<Spot> spot) override {
        if (spot && spot->first)
            moveTo(placeOf(*spot->first->window()->windowHandle()).value_or(QPoint()) +
                   spot->first->mapTo(spot->first->window(), spot->second));
        else if (spot)
            (void)ask(u"move outside"_s);
        (void)ask(u"button up"_s);
        // Unless it went up over another program, or a box blocks the window.
        if (std::exchange(m_down, false) && (!spot || spot->first))
            (void)waitFor([&] { return !App::mouseButtons() || (boxUp() && !m_intoBox); });
    }
    // A person types once the window shows it has the keyboard.
    bool keys(const QString& what) override {
        (void)waitFor([this] { return App::activeWindow() && hasKeyboard(*App::activeWindow()); },
                      5000);
        const int seen = m_keys;
        const bool typed = what.startsWith(u"type ");
        return ask(typed ? what : u"key "_s + what) == "ok" &&
               waitFor([&] { return m_keys >= seen + (typed ? what.size() - 5 : 1); }, 10000);
    }
    void uncover(QWidget& covering, QWidget& covered) override {
        // An X window may ask to be moved, as a person drags it. On Wayland
        // mutter opens the results window beside the main one, where there is
        // room, and the hand does not move it.
        if (!followsTheProgram() || !covering.isVisible() || !covered.isVisible() ||
            !covered.frameGeometry().intersects(covering.frameGeometry()))
            return;
        const QPoint place = covered.frameGeometry().bottomLeft() + QPoint(0, 10);
        covering.move(place);
        (void)waitFor([&] { return covering.frameGeometry().topLeft() == place; }, 5000);
    }
    bool followsTheProgram() const override { return App::platformName() == u"xcb"; }

protected:
    void activate(QWidget& w, bool asked) override {
        // On X the program asks the window manager, with the time of the
        // user's last key or click. On Wayland a program cannot: the user
        // switches with mutter's Alt+Tab, to the window used before.
        if (asked && followsTheProgram())
            return w.activateWindow();
        if (asked && w.windowHandle()->isExposed() && !w.isActiveWindow())
            (void)ask(u"key Alt+Tab"_s);
    }
    // Whether the window system gave it the keyboard (Qt may call a window
    // active before). A box is only clicked: mutter may show it without the
    // keyboard, when it takes the user for busy elsewhere, and a click gives it.
    bool hasKeyboard(const QWidget& window) override {
        return qobject_cast<const QMessageBox*>(&window) ||
               (window.isActiveWindow() && window.windowHandle() == App::focusWindow());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A key the program has seen: its press (its release may go to a box
        // it brought), not a modifier's, or the access key it makes. A screen
        // reader listening may hold a key back and hand it on later.
        // Nothing is asked of `watched` itself: the browser engine's own objects
        // are built without type information, and the sanitizers refuse a call.
        const auto windows = App::allWindows();
        const auto found = std::find(windows.cbegin(), windows.cend(), watched);
        QWindow* const window = found == windows.cend() ? nullptr : *found;
        if (event->type() == QEvent::Shortcut ||
            (window && event->type() == QEvent::KeyPress &&
             static_cast<QKeyEvent*>(event)->key() < Qt::Key_Shift))
            ++m_keys;
        else if (window && event->type() == QEvent::Hide)
            m_places.remove(window); // placed anew when it comes back
        else if (window && event->type() == QEvent::MouseMove && event->spontaneous()) {
            m_pointerIn = window;
            m_pointerAt = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (window == m_learning)
                m_arrivals += u" %1,%2"_s.arg(m_pointerAt.x()).arg(m_pointerAt.y());
        }
        return false;
    }

private:
    // What the window system answered once it had taken `command`.
    static QByteArray ask(const QString& command) {
        static QProcess* const hand = [] {
            auto* p = new QProcess; // it ends with the process, as its input closes
            p->start(u"/usr/bin/python3"_s, {QFINDTESTDATA("hand.py")});
            return p;
        }();
        hand->write(command.toUtf8() + '\n');
        while (!hand->canReadLine())
            if (!hand->waitForReadyRead(20000))
                qFatal("The hand gave no answer: %s", hand->readAllStandardError().constData());
        return hand->readLine().trimmed();
    }
    static void moveTo(QPoint at) { (void)ask(u"move %1 %2"_s.arg(at.x()).arg(at.y())); }

    // Where a window stands on the screen. An X window knows, and so does a
    // list: the program places it beside its box. A native Wayland window
    // does not, and learns it as a person sees where the pointer is: it tells
    // hand.py where the pointer arrived in it while that draws the pointer
    // over the screen (see there), until one place agrees; then it must see
    // the pointer where that says, so that everything before has been told.
    std::optional<QPoint> placeOf(const QWindow& window) {
        if (followsTheProgram())
            return window.mapToGlobal(QPoint());
        if (const auto known = m_places.find(&window); known != m_places.end())
            return *known;
        if (const QWindow* box = window.transientParent(); box && window.type() == Qt::Popup) {
            const std::optional<QPoint> beside = placeOf(*box);
            return beside ? std::optional(*beside + window.position() - box->position())
                          : std::nullopt;
        }
        m_learning = &window;
        m_arrivals.clear();
        QByteArray said = ask(u"learn %1 %2"_s.arg(window.width()).arg(window.height()));
        for (; said == "sweeping"; said = ask(u"arrived"_s + m_arrivals))
            QCoreApplication::processEvents();
        m_learning = nullptr;
        const QList<QByteArray> at = said.split(' '); // "at X Y", and where in it the pointer is
        const QPoint there(at.value(3).toInt(), at.value(4).toInt());
        if (at.size() != 5 || !waitFor([&] { return m_pointerAt == there; }, 10000))
            return std::nullopt;
        return m_places[&window] = {at[1].toInt(), at[2].toInt()};
    }

    QHash<const QWindow*, QPoint> m_places; // of the windows on the screen, as learned
    const QWindow* m_learning = nullptr;    // whose place is being learned
    QString m_arrivals;                     // where the pointer arrived in it: " x,y" each
    QPointer<const QWindow> m_pointerIn;    // where the program last saw the pointer
    QPoint m_pointerAt;
    int m_keys = 0;                         // keys the program has seen go down
    bool m_down = false, m_intoBox = false; // the button is down; it went down in a box
};

} // namespace

std::unique_ptr<Hand> Hand::forThisDesktop() {
    if (QGuiApplication::platformName() == u"offscreen")
        return std::make_unique<QtHand>();
    return std::make_unique<DesktopHand>();
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
