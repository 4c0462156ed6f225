// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/chartpane.h"

#include "numeric/separators.h"
#include "windowing/webview.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPaintEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace windowing {

namespace {

// The pages work out numbers for the user to type into the program, so they
// read and write them as the program does: with the separators and digits of
// the number format, which need not be the language's (the browser's own
// choice).
QString separatorsScript() {
    const numeric::Separators& s = numeric::Separators::system();
    const auto text = [](QChar c) {
        return c.isNull() ? QString() : QString(c);
    };
    const QJsonObject numbers{{QStringLiteral("decimal"), text(s.decimal)},
                              {QStringLiteral("group"), text(s.group)},
                              {QStringLiteral("otherDecimal"), text(s.otherDecimal)},
                              {QStringLiteral("zero"), text(s.zero)}};
    return QStringLiteral("window.calculatorNumbers = Object.freeze(%1);")
        .arg(QString::fromUtf8(QJsonDocument(numbers).toJson(QJsonDocument::Compact)));
}

} // namespace

ChartPane::ChartPane(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void ChartPane::navigate(const QString& path) {
    m_location = QUrl::fromLocalFile(path);
    if (m_view)
        webViewBackend()->load(m_view, m_location);
}

QString ChartPane::title() const {
    return m_view ? webViewBackend()->title(m_view) : QString();
}

void ChartPane::evaluate(const QString& script, std::function<void(const QString&)> done) {
    if (m_view)
        webViewBackend()->evaluate(m_view, script, std::move(done));
}

void ChartPane::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (m_view || m_viewScheduled)
        return;
    m_viewScheduled = true;
    // Starting the browser blocks for a moment: wait until the window can
    // take input, so that the focus is in its first box before that.
    if (window()->isActiveWindow()) {
        QTimer::singleShot(0, this, &ChartPane::createView);
    } else {
        window()->installEventFilter(this);
        QTimer::singleShot(1000, this, &ChartPane::createView); // never activated
    }
}

bool ChartPane::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && event->type() == QEvent::WindowActivate) {
        window()->removeEventFilter(this);
        QTimer::singleShot(0, this, &ChartPane::createView);
    }
    return QWidget::eventFilter(watched, event);
}

void ChartPane::createView() {
    WebViewBackend* backend = m_view ? nullptr : webViewBackend();
    if (!backend)
        return;
    const bool hadFocus = hasFocus();
    m_view = backend->createView(this);
    backend->addStartScript(m_view, separatorsScript());
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
