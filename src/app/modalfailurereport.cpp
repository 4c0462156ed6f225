// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modalfailurereport.h"

#include "app/identity.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

void ModalFailureReport::report(const QString& whatFailed) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(identity::title),
                    QStringLiteral("This could not be calculated."), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setInformativeText(whatFailed + QStringLiteral("\n\nWhat you typed has been kept; "
                                                       "correct it and leave the box again."));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // Screen readers announce the box by its caption and read its text.
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(box.text() + QLatin1Char(' ') + box.informativeText());
    box.exec();
}

} // namespace app
