// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/messagebox.h"

namespace app {

// The message box the user sees: a QMessageBox with the application title.
class ModalMessageBox final : public shell::MessageBox {
public:
    void show(const QString& prompt) override;
};

} // namespace app
