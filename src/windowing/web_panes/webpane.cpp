// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/web_panes/webpane.h"

#include "windowing/web_panes/webview.h"

#include <QPaintEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace windowing {

WebPane::WebPane(QString pageScript, QWidget* parent)
    : QWidget(parent)
    , m_pageScript(std::move(pageScript)) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void WebPane::navigate(const QString& path) {
    m_location = QUrl::fromLocalFile(path);
    if (m_view)
        webViewBackend()->load(m_view, m_location);
}

QString WebPane::title() const {
    return m_view ? webViewBackend()->title(m_view) : QString();
}

void WebPane::evaluate(const QString& script, std::function<void(const QString&)> done) {
    if (m_view)
        webViewBackend()->evaluate(m_view, script, std::move(done));
}

void WebPane::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_view || m_viewScheduled)
        return;
    m_viewScheduled = true;
    // Starting the browser blocks for a moment: wait until the window can
    // take input, so that the focus is in its first box before that.
    if (window()->isActiveWindow()) {
        QTimer::singleShot(0, this, &WebPane::createView);
    } else {
        window()->installEventFilter(this);
        QTimer::singleShot(1000, this, &WebPane::createView); // never activated
    }
}

bool WebPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::WindowActivate) {
        window()->removeEventFilter(this);
        QTimer::singleShot(0, this, &WebPane::createView);
    }
    return QWidget::eventFilter(watched, event);
}

void WebPane::createView() {
    WebViewBackend* backend = m_view ? nullptr : webViewBackend();
    if (!backend)
        return;
    const bool hadFocus = hasFocus();
    m_view = backend->createView(this);
    if (!m_pageScript.isEmpty())
        backend->addStartScript(m_view, m_pageScript);
    m_view->setObjectName(objectName() + QStringLiteral("View"));
    m_view->setAccessibleName(accessibleName());
    backend->onLoadFinished(m_view, this, [this](bool ok) { emit loadFinished(ok); });
    layout()->addWidget(m_view);
    setFocusProxy(m_view);
    if (hadFocus)
        m_view->setFocus(Qt::OtherFocusReason);
    if (!m_location.isEmpty())
        backend->load(m_view, m_location);
}

} // namespace windowing
