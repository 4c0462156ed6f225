// SPDX-License-Identifier: GPL-3.0-or-later
// The chart panes' browser: Qt WebEngine views, loaded by the program at run
// time (see windowing/webview.h).
#include "windowing/webview.h"

#include <QWebEngineView>

namespace windowing {

class WebEnginePlugin : public QObject, public WebViewBackend {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID AlTaveshWebViewBackend_iid)
    Q_INTERFACES(windowing::WebViewBackend)

public:
    QWidget* createView(QWidget* parent) override { return new QWebEngineView(parent); }

    void load(QWidget* view, const QUrl& url) override { webView(view)->load(url); }

    QString title(QWidget* view) const override { return webView(view)->title(); }

    void onLoadFinished(QWidget* view, QObject* context,
                        std::function<void(bool ok)> handler) override {
        connect(webView(view), &QWebEngineView::loadFinished, context, std::move(handler));
    }

private:
    static QWebEngineView* webView(QWidget* view) {
        auto* web = qobject_cast<QWebEngineView*>(view);
        Q_ASSERT(web);
        return web;
    }
};

} // namespace windowing

#include "webengineplugin.moc"
