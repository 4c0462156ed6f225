// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/handlerqueue.h"

#include "numeric/failures.h"
#include "windowing/failurereport.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace windowing {

HandlerQueue::HandlerQueue(FailureReport& report, QObject* parent)
    : QObject(parent)
    , m_report(report) {
    // The release of a mouse button lets what waited for it run.
    QCoreApplication::instance()->installEventFilter(this);
}

void HandlerQueue::post(std::function<void()> handler) {
    m_pending.push_back(std::move(handler));
    scheduleDrain();
}

void HandlerQueue::scheduleDrain() {
    if (m_drainScheduled)
        return;
    m_drainScheduled = true;
    // After the event being delivered: a release clicks its button first,
    // and the click runs what is pending before itself.
    QTimer::singleShot(0, this, [this] {
        m_drainScheduled = false;
        if (QGuiApplication::mouseButtons() != Qt::NoButton)
            return;
        // A box must not stand over a drop-down list that the same press
        // opened (the list would keep the keyboard once the box is gone).
        if (QWidget* list = QApplication::activePopupWidget(); list && !m_pending.empty())
            list->close();
        runPending();
    });
}

bool HandlerQueue::eventFilter(QObject* watched, QEvent* event) {
    // A release can be swallowed (a window blocked by a box, a pointer
    // grabbed elsewhere); a key or an activation then lets the queue go on.
    const QEvent::Type type = event->type();
    if (!m_pending.empty() && (type == QEvent::MouseButtonRelease || type == QEvent::KeyPress ||
                               type == QEvent::WindowActivate))
        scheduleDrain();
    return QObject::eventFilter(watched, event);
}

void HandlerQueue::runNow(std::function<void()> handler) {
    if (m_running) {
        m_pending.push_back(std::move(handler));
        return;
    }
    m_running = true;
    drain();
    invoke(handler);
    drain();
    m_running = false;
}

void HandlerQueue::runPending() {
    if (m_running)
        return; // the running handler drains the queue when it returns
    m_running = true;
    drain();
    m_running = false;
}

void HandlerQueue::drain() {
    while (!m_pending.empty()) {
        const std::function<void()> next = std::move(m_pending.front());
        m_pending.pop_front();
        invoke(next);
    }
}

void HandlerQueue::invoke(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const numeric::Failure& failure) {
        m_report.report(failure.message());
    } catch (const std::exception& e) {
        m_report.report(QString::fromUtf8(e.what()));
    } catch (...) {
        m_report.report(QStringLiteral("An unexpected error occurred."));
    }
}

} // namespace windowing
