#include "windowing/webview.h"

#include <QCoreApplication>
#include <QPluginLoader>

namespace windowing {

WebViewBackend* webViewBackend() {
    static WebViewBackend* const backend = [] {
        QPluginLoader loader(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/altavesh_webengine"));
        auto* found = qobject_cast<WebViewBackend*>(loader.instance());
        if (!found)
            qWarning("The price-chart panes stay empty: %s", qPrintable(loader.errorString()));
        return found;
    }();
    return backend;
}

} // namespace windowing
