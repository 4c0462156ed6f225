// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/web_panes/webview.h"

#include <QCoreApplication>
#include <QPluginLoader>

namespace windowing {

WebViewBackend* webViewBackend() {
    static WebViewBackend* const backend = [] {
        QPluginLoader loader(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/plugins/webviews"));
        auto* found = qobject_cast<WebViewBackend*>(loader.instance());
        if (!found)
            qWarning("The web panes stay empty: %s", qPrintable(loader.errorString()));
        return found;
    }();
    return backend;
}

} // namespace windowing
