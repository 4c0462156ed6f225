// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modalmessagebox.h"

#include "app/identity.h"

#include <QApplication>
#include <QMessageBox>

namespace app {

void ModalMessageBox::show(const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(identity::title), prompt,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    // Screen readers announce the box by its caption and read its text.
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(prompt);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace app
