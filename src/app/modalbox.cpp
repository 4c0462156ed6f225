// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modalbox.h"

#include "app/identity.h"

#include <QApplication>

namespace app {

void showModalBox(QMessageBox::Icon icon, const QString& text, const QString& details) {
    QMessageBox box(icon, QString::fromUtf8(identity::title), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty())
        box.setInformativeText(details);
    box.setWindowModality(Qt::ApplicationModal);
    // Screen readers announce the box by its caption and read its text.
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(details.isEmpty() ? text : text + QLatin1Char(' ') + details);
    box.exec();
}

} // namespace app
