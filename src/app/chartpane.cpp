#include "app/chartpane.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QWindow>

namespace app {

ChartPane::ChartPane(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void ChartPane::navigate(const QString& path) {
    m_location = QUrl::fromLocalFile(path);
    if (m_view)
        m_view->load(m_location);
}

void ChartPane::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!m_view && !m_viewScheduled) {
        m_viewScheduled = true;
        QTimer::singleShot(0, this, &ChartPane::createView);
    }
}

void ChartPane::createView() {
    keepWindowActive();
    const bool hadFocus = hasFocus();
    m_view = new QWebEngineView(this);
    m_view->setObjectName(objectName() + QStringLiteral("View"));
    m_view->setAccessibleName(accessibleName());
    connect(m_view, &QWebEngineView::loadFinished, this, &ChartPane::loadFinished);
    layout()->addWidget(m_view);
    setFocusProxy(m_view);
    if (hadFocus)
        m_view->setFocus(Qt::OtherFocusReason);
    if (!m_location.isEmpty())
        m_view->load(m_location);
    emit viewCreated();
}

} // namespace app

namespace app {

void ChartPane::keepWindowActive() {
    // Starting Qt WebEngine takes the keyboard focus from the window a moment
    // later (seen on X11 without a window manager). Give it back once, unless
    // the user has gone to another window of ours meanwhile.
    QWidget* top = window();
    if (QApplication::activeWindow() != top)
        return;
    auto* watch = new QObject(this);
    connect(qApp, &QApplication::focusChanged, watch, [top, watch](QWidget* old, QWidget* now) {
        if (!now && old && old->window() == top) {
            QTimer::singleShot(0, old, [top, old] {
                if (top->isVisible() && !QApplication::activeWindow()) {
                    top->activateWindow();
                    old->setFocus(Qt::ActiveWindowFocusReason);
                }
            });
        }
        watch->deleteLater();
    });
    QTimer::singleShot(3000, watch, [watch] { watch->deleteLater(); });
}

} // namespace app
