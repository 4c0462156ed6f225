// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modalmessagebox.h"

#include "app/modalbox.h"

namespace app {

void ModalMessageBox::show(const QString& prompt) {
    showModalBox(QMessageBox::NoIcon, prompt);
}

} // namespace app
