// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/identity.h"
#include "app/modalfailurereport.h"
#include "app/modalmessagebox.h"
#include "app/program.h"
#include "shell/fonts.h"
#include "windowing/web_panes/websettings.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace app {

namespace {

// Version, organisation and icon as the platform keeps them. The display name
// stays unset: on X11 it would be appended to every window caption.
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

} // namespace

void prepareProcessEnvironment() {
    windowing::prepareWebViews();
    // Named before the application exists, so that nothing it creates on the
    // way takes the name of the link it was started through.
    QCoreApplication::setApplicationName(QString::fromUtf8(identity::executableName));
}

void startProgram(Program& program) {
    applyIdentity();
    shell::useFontSubstitutes();
    QApplication::setQuitOnLastWindowClosed(false);
    program.start();
}

int runApplication(int argc, char** argv) {
    prepareProcessEnvironment();
    QApplication application(argc, argv);
    ModalMessageBox messageBox;
    ModalFailureReport failureReport;
    Program program(messageBox, failureReport);
    startProgram(program);
    return QApplication::exec();
}

} // namespace app
