// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowing/web_panes/websettings.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <QStringList>

#include <algorithm>

#include <unistd.h>

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
    // Chromium refuses to start as root with its sandbox; for anyone else it stays on.
    if (geteuid() == 0)
        setUnlessSet("QTWEBENGINE_DISABLE_SANDBOX", "1", {});

    // Two small local pages need neither a renderer each nor a GPU process.
    // Nor does a pane start a helper that runs unsandboxed, so the zygote
    // kept for such helpers (some 8 MiB) is not started either: Chromium's
    // switch, which Qt does not document; the renderer keeps its sandbox.
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const char* flag : {"--renderer-process-limit=1", "--in-process-gpu", "--disable-gpu",
                             "--no-unsandboxed-zygote"}) {
        if (!flags.contains(flag))
            flags += (flags.isEmpty() ? "" : " ") + QByteArray(flag);
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);

    // Qt WebEngine reports its GL set-up at every start; from the desktop
    // entry that lands in the user's journal. Only that report is silenced,
    // and a QT_LOGGING_RULES of the user's still overrides this rule.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));

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
    // Qt WebEngine 6.4, loaded after the application object is made, looks
    // for the application's shared OpenGL context: without one it warns on
    // the terminal, and its GL report, when the user turns it on, reads a
    // context that is not there and crashes. With the integrations above
    // off, the context that Qt makes for this attribute is never made real:
    // no driver is loaded.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace windowing
