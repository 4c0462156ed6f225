// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <deque>
#include <functional>

namespace windowing {

class FailureReport;

// Runs event handlers one at a time, each to completion, and sends whatever
// they throw to the failure report.
//
// Focus handlers are posted: they run once Qt has finished the focus change,
// never inside its focus event (Departures decides when they are posted). A
// click first runs whatever is still pending, so an input always gets its
// LostFocus before a button's Click. A handler that waits in a modal box is
// not entered again; work posted meanwhile runs after it.
class HandlerQueue : public QObject {
    Q_OBJECT

public:
    explicit HandlerQueue(FailureReport& report, QObject* parent = nullptr);

    void post(std::function<void()> handler);
    void runNow(std::function<void()> handler);
    void runPending();

    bool isRunning() const { return m_running; }
    bool hasPending() const { return !m_pending.empty(); }

private:
    void invoke(const std::function<void()>& handler);
    void drain();

    FailureReport& m_report;
    std::deque<std::function<void()>> m_pending;
    bool m_running = false;
    bool m_drainScheduled = false;
};

} // namespace windowing
