// SPDX-License-Identifier: GPL-3.0-or-later
// The web panes' browser: Qt WebEngine views, loaded at run time (see
// webview.h).
#include "windowing/web_panes/webview.h"

#include <QQuickWindow>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace windowing {

class WebEnginePlugin : public QObject, public WebViewBackend {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID WindowingWebViewBackend_iid)
    Q_INTERFACES(windowing::WebViewBackend)

public:
    QWidget* createView(QWidget* parent) override {
        // Qt Quick drawing through OpenGL would make each view a texture of
        // its window, and Qt would then destroy and create the window already
        // on the screen anew, to give it an OpenGL surface. Drawn in software,
        // the view paints like any widget; Chromium composites in software
        // anyway (--disable-gpu).
        static const bool software = [] {
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
            return true;
        }();
        Q_UNUSED(software);
        auto* view = new QWebEngineView(parent);
        // Loading a page must not take the keyboard from the box being typed in.
        view->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        return view;
    }

    void addStartScript(QWidget* view, const QString& source) override {
        QWebEngineScript script;
        script.setSourceCode(source);
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::MainWorld); // the page's own scripts read it
        script.setRunsOnSubFrames(false);
        webView(view)->page()->scripts().insert(script);
    }

    void load(QWidget* view, const QUrl& url) override { webView(view)->load(url); }

    QString title(QWidget* view) const override { return webView(view)->title(); }

    void onLoadFinished(QWidget* view, QObject* context,
                        std::function<void(bool ok)> handler) override {
        connect(webView(view), &QWebEngineView::loadFinished, context, std::move(handler));
    }

    void evaluate(QWidget* view, const QString& script,
                  std::function<void(const QString& result)> done) override {
        webView(view)->page()->runJavaScript(
            script, [done = std::move(done)](const QVariant& result) { done(result.toString()); });
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
