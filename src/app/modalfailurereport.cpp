// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modalfailurereport.h"

#include "app/modalbox.h"

namespace app {

void ModalFailureReport::report(const QString& whatFailed) {
    showModalBox(QMessageBox::Warning, QStringLiteral("This could not be calculated."),
                 whatFailed + QStringLiteral("\n\nWhat you typed has been kept; "
                                             "correct it and leave the box again."));
}

} // namespace app
