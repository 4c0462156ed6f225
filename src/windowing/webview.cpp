// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/webview.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QPluginLoader>

#ifdef ALTAVESH_LATE_SHARE_CONTEXT
// Exported by Qt GUI, declared only in its private headers; the build turns
// this on only for the Qt version it was tried with.
void qt_gl_set_global_share_context(QOpenGLContext* context);
#endif

namespace windowing {

WebViewBackend* webViewBackend() {
    static WebViewBackend* const backend = [] {
#ifdef ALTAVESH_LATE_SHARE_CONTEXT
        // Qt WebEngine needs the application-wide shared OpenGL context before
        // it starts, not before the first paint: made here, the way Qt makes
        // it at start-up, its cost comes after the window is on the screen.
        if (!QOpenGLContext::globalShareContext()) {
            auto* context = new QOpenGLContext(qApp);
            context->setFormat(QSurfaceFormat::defaultFormat());
            context->create();
            qt_gl_set_global_share_context(context);
        }
#endif
        QPluginLoader loader(QCoreApplication::applicationDirPath() +
                             QStringLiteral("/plugins/altavesh_webengine"));
        auto* found = qobject_cast<WebViewBackend*>(loader.instance());
        if (!found)
            qWarning("The price-chart panes stay empty: %s", qPrintable(loader.errorString()));
        return found;
    }();
    return backend;
}

} // namespace windowing
