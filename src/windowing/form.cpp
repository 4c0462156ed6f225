// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/form.h"

#include "windowing/chartpane.h"
#include "windowing/handlerqueue.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace windowing {

FormWindow::FormWindow() {
    setAttribute(Qt::WA_DeleteOnClose, false); // the Form decides when to delete
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closeRequested();
}

bool FormWindow::focusNextPrevChild(bool next) {
    // Qt's focus chain would put a browser view's inner widgets where they
    // were created, at its end; Tab follows the window's own order instead.
    QWidget* current = QApplication::focusWidget();
    while (current && current->parentWidget() != this)
        current = current->parentWidget();
    const qsizetype count = m_tabOrder.size();
    const qsizetype at = m_tabOrder.indexOf(current); // -1: none has the focus
    for (qsizetype step = 1; step <= count; ++step) {
        const qsizetype from = at < 0 ? (next ? -1 : 0) : at;
        QWidget* candidate = m_tabOrder[((from + (next ? step : -step)) % count + count) % count];
        if (candidate->isEnabled() && candidate->isVisible()) {
            candidate->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

Form::Form(FormDefinition definition, HandlerQueue& handlers, QObject* parent)
    : QObject(parent)
    , m_definition(std::move(definition))
    , m_handlers(handlers) {
    Q_ASSERT(m_definition.description);
}

Form::~Form() {
    // The window sends events as it goes; this form must not look at them.
    qApp->removeEventFilter(this);
    delete m_window;
}

Form::State Form::state() const {
    if (!m_window)
        return State::NotLoaded;
    return m_window->isVisible() ? State::Shown : State::LoadedHidden;
}

QWidget& Form::window() {
    if (!m_window)
        load();
    return *m_window;
}

QWidget& Form::control(QAnyStringView name) {
    window();
    QWidget* widget = m_built.controls.value(name.toString());
    Q_ASSERT_X(widget, "Form::control", qPrintable(name.toString()));
    return *widget;
}

template <typename T> static T& as(QWidget& widget) {
    T* typed = qobject_cast<T*>(&widget);
    Q_ASSERT_X(typed, "Form", qPrintable(widget.objectName()));
    return *typed;
}

QLineEdit& Form::textBox(QAnyStringView name) {
    return as<QLineEdit>(control(name));
}
QLabel& Form::label(QAnyStringView name) {
    return as<QLabel>(control(name));
}
QComboBox& Form::comboBox(QAnyStringView name) {
    return as<QComboBox>(control(name));
}
QPushButton& Form::button(QAnyStringView name) {
    return as<QPushButton>(control(name));
}
ChartPane& Form::chartPane(QAnyStringView name) {
    return as<ChartPane>(control(name));
}

void Form::load() {
    ++m_loadCount;
    m_shownSinceLoad = false;
    m_window = new FormWindow;
    m_built = buildForm(description(), *m_window);
    m_window->setTabOrder(m_built.tabOrder);
    m_controlWidgets = QSet<QWidget*>(m_built.controls.cbegin(), m_built.controls.cend());
    connect(m_window, &FormWindow::closeRequested, this, [this] {
        unload();
        emit closedByUser();
    });
    // Every focus change, with its reason, also into browser views that are
    // made later; and the access keys of the buttons.
    qApp->installEventFilter(this);
    if (m_definition.wire)
        m_definition.wire(*this);
    // Form_Load runs inside a handler that needed this form (the results
    // window reading the main window), so that a failure ends that handler.
    if (m_definition.load && m_handlers.isRunning())
        m_definition.load(*this);
    else if (m_definition.load)
        m_handlers.runNow(guarded([this] { m_definition.load(*this); }));
}

void Form::show(const QWidget* centreOver) {
    QWidget& w = window();
    if (!m_shownSinceLoad) {
        m_shownSinceLoad = true;
        if (!description().clientTopLeft) {
            const QRect area = centreOver && centreOver->isVisible()
                                   ? centreOver->geometry()
                                   : QGuiApplication::primaryScreen()->availableGeometry();
            QRect client(QPoint(), w.size());
            client.moveCenter(area.center());
            w.setGeometry(client);
        }
        if (!m_built.tabOrder.isEmpty()) {
            QWidget* first = m_built.tabOrder.front();
            first->setFocus(Qt::OtherFocusReason);
            // Typing at once replaces what the first box holds, as after a Tab.
            if (auto* edit = qobject_cast<QLineEdit*>(first))
                edit->selectAll();
        }
    }
    if (w.isVisible())
        w.raise(); // a second "show" brings it to the front
    w.show();
    w.activateWindow();
}

void Form::unload() {
    if (!m_window)
        return;
    ++m_loadCount; // anything still posted for the old controls is dropped
    FormWindow* old = m_window;
    m_window = nullptr;
    m_built = {};
    m_controlWidgets.clear();
    m_lostFocus.clear();
    m_focused = nullptr;
    m_clicked = nullptr;
    m_leftForOtherWindow = false;
    // The old window goes later; it must not call back into this form.
    qApp->removeEventFilter(this);
    old->disconnect(this);
    old->hide();
    old->deleteLater();
}

void Form::onLostFocus(QAnyStringView controlName, std::function<void()> handler) {
    m_lostFocus.insert(&control(controlName), std::move(handler));
}

void Form::onClick(QAnyStringView controlName, std::function<void()> handler) {
    connect(&button(controlName), &QPushButton::clicked, m_window,
            [this, run = guarded(std::move(handler))] { m_handlers.runNow(run); });
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
    leftForOtherWindow(watched, event->type());
    // An access key presses the button without moving the focus; move it
    // first, so that the input being left gets its LostFocus before the Click.
    if (event->type() == QEvent::Shortcut) {
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && m_controlWidgets.contains(button))
            button->setFocus(Qt::ShortcutFocusReason);
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
        // The widget is found through the application: the object an event
        // goes to may be one being made or destroyed, not a widget yet or any more.
        QWidget* widget = event->type() == QEvent::FocusIn
                              ? QApplication::focusWidget()
                              : QApplication::widgetAt(
                                    static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        if (!m_window || !widget || widget != watched || widget->window() != m_window)
            return false;
        if (event->type() == QEvent::FocusIn)
            focusEntered(widget, static_cast<QFocusEvent*>(event)->reason());
        else
            m_clicked = controlContaining(widget);
    }
    return false;
}

QWidget* Form::controlContaining(QWidget* widget) const {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == m_window)
            return nullptr;
        if (m_controlWidgets.contains(w))
            return w;
        // A combo box's drop-down list is a popup window of its own that
        // still belongs to the combo box; any other window is not ours.
        if (w->isWindow() && !(w->windowType() == Qt::Popup))
            return nullptr;
    }
    return nullptr;
}

void Form::leftForOtherWindow(QObject* watched, QEvent::Type type) {
    // The user went from a box here to the program's other window. Window
    // systems tell it in different orders (this window deactivated, perhaps
    // no window active, the other activated; or the press into the other
    // window first), so it counts at the other window's activation or at its
    // first press or key, whichever comes first. A box of ours, a list or
    // another program in between is no departure.
    if ((type != QEvent::WindowActivate && type != QEvent::MouseButtonPress &&
         type != QEvent::KeyPress) ||
        !m_window || !m_focused)
        return;
    auto* widget = qobject_cast<QWidget*>(watched);
    auto* other = widget ? qobject_cast<FormWindow*>(widget->window()) : nullptr;
    if (other == m_window && m_leftForOtherWindow) {
        // Back here, a key or a press into that same box works in it again,
        // so leaving it next is a departure; the focus coming back to it (a
        // box closing, the window manager) is not.
        if (type == QEvent::KeyPress ||
            (type == QEvent::MouseButtonPress && controlContaining(widget) == m_focused))
            m_leftForOtherWindow = false;
        return;
    }
    if (!other || other == m_window || m_leftForOtherWindow)
        return;
    m_leftForOtherWindow = true;
    if (const auto handler = m_lostFocus.value(m_focused))
        m_handlers.post(guarded(handler));
}

void Form::focusEntered(QWidget* widget, Qt::FocusReason reason) {
    QWidget* control = controlContaining(widget);
    if (!m_focused) { // the window's first focus, as it opens
        m_focused = control;
        return;
    }
    if (control == m_focused)
        return; // back from a box, a drop-down list or another window
    // Only the user leaves a control: by Tab, Shift+Tab, a click or an access
    // key. Any other move (the browser engine starting or loading a page, or
    // anything else inside the program) is undone once it has finished, and
    // runs nothing.
    // A click into a window that is not active yet moves the focus there only
    // once the window is activated.
    const bool byUser = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                        reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
                        (reason == Qt::ActiveWindowFocusReason && control && control == m_clicked);
    if (!byUser || !control) {
        // Unless the user has moved on meanwhile.
        QTimer::singleShot(0, m_window, [back = m_focused, stray = QPointer<QWidget>(widget)] {
            if (back && stray && QApplication::focusWidget() == stray && back->isVisible() &&
                back->isEnabled())
                back->setFocus(Qt::OtherFocusReason);
        });
        return;
    }
    if (const auto handler = m_lostFocus.value(m_focused); handler && !m_leftForOtherWindow)
        m_handlers.post(guarded(handler));
    m_leftForOtherWindow = false;
    m_focused = control;
}

std::function<void()> Form::guarded(std::function<void()> handler) const {
    // A handler never runs on a window that has been unloaded since.
    return [this, loadCount = m_loadCount, handler = std::move(handler)] {
        if (m_window && m_loadCount == loadCount)
            handler();
    };
}

} // namespace windowing
