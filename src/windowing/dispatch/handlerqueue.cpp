// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/dispatch/handlerqueue.h"

#include "windowing/dispatch/failurereport.h"

#include <QTimer>

#include <exception>

namespace windowing {

HandlerQueue::HandlerQueue(FailureReport& report, QObject* parent)
    : QObject(parent)
    , m_report(report) {}

void HandlerQueue::post(std::function<void()> handler) {
    m_pending.push_back(std::move(handler));
    if (m_drainScheduled)
        return;
    m_drainScheduled = true;
    // After the event being delivered: a release clicks its button first,
    // and the click runs what is pending before itself.
    QTimer::singleShot(0, this, [this] {
        m_drainScheduled = false;
        runPending();
    });
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
    } catch (const std::exception& e) { // a failure's what() is its message, in UTF-8
        m_report.report(QString::fromUtf8(e.what()));
    } catch (...) {
        m_report.report(QStringLiteral("An unexpected error occurred."));
    }
}

} // namespace windowing
