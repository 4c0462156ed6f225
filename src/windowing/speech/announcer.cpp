// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/speech/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace windowing {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Before Qt 6.8 there are no announcements. What a screen reader speaks away
// from the focus then is an object of the notification role being shown:
// this one, in the window, out of sight and out of the tab order.
class Notification final : public QWidget {
public:
    explicit Notification(QWidget& window)
        : QWidget(&window) {
        setObjectName(name());
        static const bool role = (QAccessible::installFactory(&accessible), true);
        Q_UNUSED(role);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1); // it paints nothing
    }

    static QString name() { return QStringLiteral("announcement"); }

    void say(const QString& message) {
        hide();
        // Named before it is shown: shown first, it may be read out blank.
        setAccessibleName(message);
        show();
    }

private:
    static QAccessibleInterface* accessible(const QString&, QObject* object) {
        auto* widget = qobject_cast<QWidget*>(object);
        return widget && widget->objectName() == name()
                   ? new QAccessibleWidget(widget, QAccessible::Notification)
                   : nullptr;
    }
};
#endif

void say(QWidget& from, const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(&from, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // Each message a notification of its own: a screen reader that comes to
    // one late would read a renamed one by its later name. The few last stay.
    QWidget* window = from.window();
    const QList<QWidget*> said =
        window->findChildren<QWidget*>(Notification::name(), Qt::FindDirectChildrenOnly);
    if (said.size() >= 4)
        delete said.front(); // the oldest
    (new Notification(*window))->say(message);
#endif
}

// What waits to be said, and beside what.
struct Pending {
    QPointer<QWidget> from;
    QStringList messages;
};
Pending pending;

void sayPending() {
    static QPointer<QObject> waiting;
    QWidget* from = pending.from;
    if (!from)
        return pending.messages.clear();
    // Said beside the focus once a window of the program has it back: not
    // while a box has the keyboard, nor before the window beneath it has
    // been given it again. After a departure into the other window, it is
    // said there, where the user now is.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->isActiveWindow() && !QApplication::activeModalWidget())
        return say(focus->window() == from->window() ? *from : *focus,
                   std::exchange(pending.messages, {}).join(u". "));
    if (waiting)
        return;
    waiting = new QObject(qApp);
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, waiting, [] {
        waiting->deleteLater();
        waiting = nullptr;
        // After the focus that comes back with the window.
        QTimer::singleShot(0, qApp, &sayPending);
    });
}

} // namespace

void announce(QWidget& from, const QString& message) {
    if (!QAccessible::isActive())
        return;
    // Said once the handlers of this turn have run, together: a screen
    // reader reads a notification's name when it comes to it, and would read
    // the last of several twice.
    if (pending.messages.isEmpty())
        QTimer::singleShot(0, qApp, &sayPending);
    pending.from = &from;
    pending.messages.append(message);
}

} // namespace windowing
