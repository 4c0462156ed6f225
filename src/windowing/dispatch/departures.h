// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace windowing {

class Form;
class HandlerQueue;

// Decides when the user has left a control, and when its LostFocus runs.
//
// A departure is the user moving the focus from a control to another one of
// the same window (Tab, Shift+Tab, a click, an access key), or to the
// program's other window. The program moving the focus, a box, a drop-down
// list or another program's window is none.
//
// A departure by a key runs at once, after the focus change. One caused by a
// press runs at that press's release, so that a box it shows cannot swallow
// the release and with it the press's click; if the release never comes, it
// runs when the pressed window is deactivated or hidden, or the program
// stops being active. A window activated with no press (the window
// manager's keyboard switch) is left once `pressBound` has passed: on X the
// window manager activates a window on a press and only then lets the
// press through. Anything still waiting runs before the next key or press.
class Departures : public QObject {
    Q_OBJECT

public:
    // How long after an activation a press still counts as its cause.
    static constexpr int pressBound = 50; // ms

    explicit Departures(HandlerQueue& handlers, QObject* parent = nullptr);
    ~Departures() override;

    HandlerQueue& handlers() { return m_handlers; }

    // A form's window as it is loaded and unloaded.
    void watch(Form& form);
    void forget(Form& form);

    // A switch between the windows waits to see whether a press caused it.
    bool isWaiting() const { return m_switchBound.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Watched {
        Form* form;
        QPointer<QWidget> focused; // the control that has, or last had, the focus
        QPointer<QWidget> pressed; // the control last pressed
        // `focused` was left for the other window and its LostFocus taken;
        // coming back is no departure, until the user works in it again.
        bool leftForOtherWindow = false;
    };

    Watched* watchedShowing(const QWidget* widget);
    void pressed(QWidget* widget);
    void released();
    void keyPressed(const QObject* window);
    void activated(const QObject* window);
    void leaveForOtherWindow(Watched& from, std::vector<std::function<void()>>& handlers);
    void focusEntered(QWidget* widget, Qt::FocusReason reason);
    // What waits for a press or a switch runs now, before a key or a press.
    void runWaiting();

    HandlerQueue& m_handlers;
    std::vector<Watched> m_forms;
    // The LostFocus handlers of the press that is down, for its release.
    std::vector<std::function<void()>> m_held;
    bool m_pressDown = false;
    QPointer<QWidget> m_pressedWindow;
    // Those of a switch to the other window, until a press claims them.
    std::vector<std::function<void()>> m_switched;
    QTimer m_switchBound;
};

} // namespace windowing
