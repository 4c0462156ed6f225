// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/dispatch/departures.h"

#include "windowing/dispatch/handlerqueue.h"
#include "windowing/windows/form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace windowing {

namespace {

// The widget under a press, found from the native window that got it: on a
// desktop the windows may overlap, and the press went to this one.
QWidget* widgetPressed(const QObject* window, const QPointF& position) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == window) {
            QWidget* child = top->childAt(position.toPoint());
            return child ? child : top;
        }
    }
    return nullptr;
}

} // namespace

Departures::Departures(HandlerQueue& handlers, QObject* parent)
    : QObject(parent)
    , m_handlers(handlers) {
    m_switchBound.setSingleShot(true);
    m_switchBound.setInterval(pressBound);
    connect(&m_switchBound, &QTimer::timeout, this, [this] {
        for (auto& handler : std::exchange(m_switched, {}))
            m_handlers.post(std::move(handler));
    });
    qApp->installEventFilter(this);
}

Departures::~Departures() {
    qApp->removeEventFilter(this);
}

void Departures::watch(Form& form) {
    forget(form);
    m_forms.push_back({&form, {}, {}, false});
}

void Departures::forget(Form& form) {
    std::erase_if(m_forms, [&form](const Watched& w) { return w.form == &form; });
}

bool Departures::eventFilter(QObject* watched, QEvent* event) {
    // The type first: the object may be one being made or destroyed, and is
    // only compared with live widgets, never cast.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (event->spontaneous() && watched->isWindowType()) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            pressed(widgetPressed(watched, mouse->position()));
        }
        break;
    case QEvent::MouseButtonRelease:
        if (event->spontaneous() && watched->isWindowType())
            released();
        break;
    case QEvent::KeyPress:
        if (event->spontaneous() && watched->isWindowType())
            keyPressed(watched);
        break;
    case QEvent::Shortcut:
        // An access key presses its button without moving the focus; it is
        // moved first, so that the box being left gets its LostFocus before
        // the Click.
        runWaiting();
        for (Watched& f : m_forms) {
            if (auto* button = qobject_cast<QPushButton*>(f.form->controlFor(watched)))
                button->setFocus(Qt::ShortcutFocusReason);
        }
        break;
    case QEvent::FocusIn:
        if (QWidget* widget = QApplication::focusWidget(); widget && widget == watched)
            focusEntered(widget, static_cast<QFocusEvent*>(event)->reason());
        break;
    case QEvent::WindowActivate:
        activated(watched);
        break;
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        // A release that will never come: the pressed window went away.
        if (m_pressDown && m_pressedWindow && watched == m_pressedWindow.data())
            released();
        break;
    case QEvent::ApplicationStateChange:
        if (QGuiApplication::applicationState() != Qt::ApplicationActive && m_pressDown)
            released();
        break;
    default:
        break;
    }
    return false;
}

Departures::Watched* Departures::watchedShowing(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->isWindow())
            continue;
        for (Watched& f : m_forms) {
            if (w == f.form->formWindow())
                return &f;
        }
        // A combo box's list is a window of its own that belongs to the box.
        if (w->windowType() != Qt::Popup)
            return nullptr;
    }
    return nullptr;
}

void Departures::pressed(QWidget* widget) {
    // A switch just before belongs to this press (the window manager
    // activated the window for it); a press whose release never came runs
    // what it held first.
    std::vector<std::function<void()>> claimed = std::exchange(m_switched, {});
    m_switchBound.stop();
    runWaiting();
    m_held = std::move(claimed);
    m_pressDown = true;
    m_pressedWindow = widget ? widget->window() : nullptr;
    Watched* into = widget ? watchedShowing(widget) : nullptr;
    if (!into)
        return; // a box, or nothing of ours
    into->pressed = into->form->controlContaining(widget);
    // Back from the other window, a press on the box left works in it again.
    if (into->pressed && into->pressed == into->focused)
        into->leftForOtherWindow = false;
    for (Watched& other : m_forms) {
        if (&other != into)
            leaveForOtherWindow(other, m_held);
    }
}

void Departures::released() {
    m_pressDown = false;
    m_pressedWindow = nullptr;
    // Posted before the release reaches its button: the click runs what is
    // pending before itself.
    for (auto& handler : std::exchange(m_held, {}))
        m_handlers.post(std::move(handler));
}

void Departures::keyPressed(const QObject* window) {
    runWaiting();
    // Back from the other window, a key works in the box left again.
    for (Watched& f : m_forms) {
        if (f.form->formWindow() && f.form->formWindow()->windowHandle() == window)
            f.leftForOtherWindow = false;
    }
}

void Departures::activated(const QObject* window) {
    const auto into = std::find_if(m_forms.begin(), m_forms.end(), [window](const Watched& f) {
        return f.form->formWindow() && f.form->formWindow() == window;
    });
    if (into == m_forms.end())
        return; // a box, a list or another program's window is no departure
    for (Watched& other : m_forms) {
        if (&other != &*into)
            leaveForOtherWindow(other, m_pressDown ? m_held : m_switched);
    }
    if (!m_switched.empty() && !m_switchBound.isActive())
        m_switchBound.start();
}

void Departures::leaveForOtherWindow(Watched& from, std::vector<std::function<void()>>& handlers) {
    if (!from.focused || from.leftForOtherWindow)
        return;
    from.leftForOtherWindow = true;
    if (auto handler = from.form->lostFocusOf(from.focused))
        handlers.push_back(std::move(handler));
}

void Departures::focusEntered(QWidget* widget, Qt::FocusReason reason) {
    Watched* in = watchedShowing(widget);
    if (!in)
        return;
    QWidget* control = in->form->controlContaining(widget);
    if (!in->focused) { // the window's first focus, as it opens
        in->focused = control;
        return;
    }
    if (control == in->focused)
        return; // back from a box, a drop-down list or another window
    // Only the user leaves a control: by Tab, Shift+Tab, a click or an access
    // key. A press into a window that is not active yet moves the focus
    // there only once the window is activated. Any other move (the browser
    // engine starting or loading a page, or anything else inside the
    // program) is undone once it has finished, and runs nothing.
    const bool byUser =
        reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
        (reason == Qt::ActiveWindowFocusReason && control && control == in->pressed);
    if (!byUser || !control) {
        // Unless the user has moved on meanwhile.
        QTimer::singleShot(0, widget, [back = in->focused, stray = QPointer<QWidget>(widget)] {
            if (back && stray && QApplication::focusWidget() == stray && back->isVisible() &&
                back->isEnabled())
                back->setFocus(Qt::OtherFocusReason);
        });
        return;
    }
    if (auto handler = in->form->lostFocusOf(in->focused); handler && !in->leftForOtherWindow) {
        if (m_pressDown)
            m_held.push_back(std::move(handler));
        else
            m_handlers.post(std::move(handler));
    }
    in->leftForOtherWindow = false;
    in->focused = control;
}

void Departures::runWaiting() {
    m_switchBound.stop();
    for (auto& handler : std::exchange(m_switched, {}))
        m_handlers.post(std::move(handler));
    if (!m_held.empty())
        released();
    m_handlers.runPending();
}

} // namespace windowing
