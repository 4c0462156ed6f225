// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace shell {

// The application's message box: a prompt with one OK button, no icon, the
// application title as caption, modal for the whole application. Handlers wait
// until it is dismissed. The program supplies the real one; tests record.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString& prompt) = 0;
};

} // namespace shell
