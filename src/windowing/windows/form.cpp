// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/windows/form.h"

#include "windowing/dispatch/departures.h"
#include "windowing/dispatch/handlerqueue.h"
#include "windowing/web_panes/webpane.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

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

Form::Form(FormDefinition definition, Departures& departures, QObject* parent)
    : QObject(parent)
    , m_definition(std::move(definition))
    , m_departures(departures)
    , m_handlers(departures.handlers()) {}

Form::~Form() {
    // The window sends events as it goes; they must not lead back here.
    m_departures.forget(*this);
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
WebPane& Form::webPane(QAnyStringView name) {
    return as<WebPane>(control(name));
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
    m_departures.watch(*this);
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
    // The old window goes later; it must not call back into this form.
    m_departures.forget(*this);
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

QWidget* Form::controlFor(const QObject* object) const {
    for (QWidget* control : m_built.controls) {
        if (control == object)
            return control;
    }
    return nullptr;
}

std::function<void()> Form::lostFocusOf(QWidget* control) const {
    const auto handler = m_lostFocus.value(control);
    return handler ? guarded(handler) : std::function<void()>();
}

std::function<void()> Form::guarded(std::function<void()> handler) const {
    // A handler never runs on a window that has been unloaded since.
    return [this, loadCount = m_loadCount, handler = std::move(handler)] {
        if (m_window && m_loadCount == loadCount)
            handler();
    };
}

} // namespace windowing
