// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/webview.h"

#include <QCoreApplication>
#include <QPluginLoader>
#include <QStringList>

#include <QOpenGLContext>
#include <algorithm>

// Exported by Qt GUI, declared only in its private headers.
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace windowing {

namespace {

// What Qt notes on the terminal because of the settings below: that it found
// no OpenGL to draw with. The program needs none, and from the desktop entry
// the notes would land in the user's journal.
QStringList expectedNotes;

void dropExpectedNotes(QtMsgType type, const QMessageLogContext& context, const QString& message);
const QtMessageHandler nextHandler = qInstallMessageHandler(&dropExpectedNotes);

void dropExpectedNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QString text = message.trimmed();
    if (std::none_of(expectedNotes.begin(), expectedNotes.end(),
                     [&](const QString& note) { return text.startsWith(note); }))
        nextHandler(type, context, message);
}

// Sets `variable` unless the user has, and then expects Qt's `notes`.
void setUnlessSet(const char* variable, const char* value, const QStringList& notes) {
    if (qEnvironmentVariableIsSet(variable))
        return;
    qputenv(variable, value);
    expectedNotes += notes;
}

} // namespace

void prepareWebViews() {
    // The panes draw in software: Chromium composites without a GPU
    // (--disable-gpu), and Qt Quick's software backend paints each view like
    // any widget. No OpenGL is made in the process, then: with that backend
    // Qt WebEngine turns Chromium's GL off, xcb makes no context on X, and
    // on Wayland no EGL client buffers are set up. Mesa's driver and LLVM,
    // some 50 MiB, are never loaded.
    setUnlessSet("QT_QUICK_BACKEND", "software", {});
    // Qt WebEngine 6.7 and later still try OpenGL once, to learn the GPU's
    // vendor.
    const QStringList noGl = {QStringLiteral("No suitable graphics backend found"),
                              QStringLiteral("QRhiGles2: Failed to create")};
    setUnlessSet("QT_XCB_GL_INTEGRATION", "none",
                 noGl + QStringList{QStringLiteral("QXcbIntegration: Cannot create platform")});
    setUnlessSet(
        "QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none",
        noGl + QStringList{QStringLiteral("Failed to load client buffer integration: \"none\""),
                           QStringLiteral("Available client buffer integrations:")});
    // They then try Vulkan, whose software driver (lavapipe) brings LLVM
    // in: the Vulkan loader is told to load no driver.
    setUnlessSet("VK_LOADER_DRIVERS_DISABLE", "*",
                 {QStringLiteral("Failed to create Vulkan instance"),
                  QStringLiteral("Failed to create platform Vulkan instance"),
                  QStringLiteral("Unable to detect GPU vendor.")});
}

WebViewBackend* webViewBackend() {
    static WebViewBackend* const backend = [] {
        // Qt WebEngine, loaded as a plugin, expects the application's shared
        // OpenGL context and says so on the terminal. Drawing in software it
        // never uses one: an empty context, never made, stands in for it.
        if (!QOpenGLContext::globalShareContext())
            qt_gl_set_global_share_context(new QOpenGLContext(qApp));
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
