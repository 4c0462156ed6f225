// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/webview.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QPluginLoader>

// The shared OpenGL context is made late, through Qt's private API, only on
// the Qt version this was tried with; elsewhere Qt makes it at start-up.
#define ALTAVESH_LATE_SHARE_CONTEXT (QT_VERSION == QT_VERSION_CHECK(6, 4, 2))

#if ALTAVESH_LATE_SHARE_CONTEXT
// Exported by Qt GUI, declared only in its private headers.
void qt_gl_set_global_share_context(QOpenGLContext* context);
#endif

namespace windowing {

void prepareWebViews() {
    // Qt WebEngine needs the shared OpenGL context before it starts (without
    // it the first view crashes). Where it cannot be made later, below, Qt
    // makes it here, with the application.
    if (!ALTAVESH_LATE_SHARE_CONTEXT)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

WebViewBackend* webViewBackend() {
    static WebViewBackend* const backend = [] {
#if ALTAVESH_LATE_SHARE_CONTEXT
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
