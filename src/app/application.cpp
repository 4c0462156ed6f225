// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/identity.h"
#include "app/modalfailurereport.h"
#include "app/modalmessagebox.h"
#include "app/program.h"
#include "windowing/webview.h"

#include <QApplication>
#include <QByteArray>
#include <QIcon>
#include <QImageReader>
#include <QLoggingCategory>
#include <QPixmap>

#include <unistd.h>

namespace app {

void prepareProcessEnvironment() {
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    // Two small local pages need neither a renderer each nor a GPU process.
    // Nor does the program start a helper that runs unsandboxed, so the zygote
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

    windowing::prepareWebViews();

    // Named before the application exists, so that nothing it creates on the
    // way takes the name of the link it was started through.
    QCoreApplication::setApplicationName(QString::fromUtf8(identity::executableName));
}

void applyIdentity() {
    QCoreApplication::setApplicationVersion(QString::fromUtf8(identity::versionText));
    QCoreApplication::setOrganizationName(QString::fromUtf8(identity::companyName));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.altavesh.ZakatCalculator"));

    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        // Read as PNG outright: left to guess, Qt would first load every
        // image-format plugin installed, on the way to the first paint.
        QImageReader reader(QStringLiteral(":/icons/al-tavesh-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    QApplication::setWindowIcon(icon); // both windows and their boxes
}

int runApplication(int argc, char** argv) {
    prepareProcessEnvironment();
    QApplication application(argc, argv);
    applyIdentity();
    // The program decides itself when it ends: a failure report or prompt
    // shown on its own must not count as the last window.
    QApplication::setQuitOnLastWindowClosed(false);

    ModalMessageBox messageBox;
    ModalFailureReport failureReport;
    Program program(messageBox, failureReport);
    program.start();
    return QApplication::exec();
}

} // namespace app
