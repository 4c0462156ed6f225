// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>

namespace app {

// The program's boxes: the application title as caption, a single OK, over
// the active window, modal for the whole application; returns once the user
// has dismissed it. `details` goes below `text`, when given.
void showModalBox(QMessageBox::Icon icon, const QString& text, const QString& details = {});

} // namespace app
