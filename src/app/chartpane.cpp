#include "app/chartpane.h"

#include <QPaintEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace app {

ChartPane::ChartPane(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void ChartPane::navigate(const QString& path)
{
    m_location = QUrl::fromLocalFile(path);
    if (m_view)
        m_view->load(m_location);
}

void ChartPane::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!m_view && !m_viewScheduled) {
        m_viewScheduled = true;
        QTimer::singleShot(0, this, &ChartPane::createView);
    }
}

void ChartPane::createView()
{
    const bool hadFocus = hasFocus();
    m_view = new QWebEngineView(this);
    m_view->setObjectName(objectName() + QStringLiteral("View"));
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
