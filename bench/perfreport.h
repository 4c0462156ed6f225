// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

#include <cstdio>
#include <ctime>

// Prints "<event> <realtime ns>" for bench/measure.sh, which started the
// process and subtracts its own start time.
inline void report(const char* event) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("%s %lld\n", event, now.tv_sec * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
}

// Prints "mapped <realtime ns>" when the X server first tells that one of the
// program's windows is mapped (an xcb MapNotify, event code 19). Made after
// the application.
class MapReport : public QAbstractNativeEventFilter {
public:
    MapReport() { QCoreApplication::instance()->installNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (!m_done && type == "xcb_generic_event_t" &&
            (static_cast<const unsigned char*>(message)[0] & 0x7f) == 19) {
            m_done = true;
            report("mapped");
        }
        return false;
    }

private:
    bool m_done = false;
};

// Prints "stall <ms>" three seconds after it was made, then quits: the
// longest the event loop did not run meanwhile, which is the longest a key
// or a click would have waited for an answer.
class StallReport : public QObject {
public:
    StallReport() {
        m_clock.start();
        m_timer.callOnTimeout(this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
            if (now < 3000000000LL)
                return;
            std::printf("stall %.1f\n", m_longest / 1e6);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
        m_timer.start(1);
    }

private:
    QElapsedTimer m_clock;
    QTimer m_timer;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};
