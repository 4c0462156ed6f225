// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowing/windows/form.h"

namespace shell {
class Shell;
}

// The main calculator window: its description and its thirteen handlers.
namespace main_window {

windowing::FormDefinition definition(shell::Shell& shell);

// Points the chart panes at the pages beside the executable and writes "0"
// into every input box and zakat label.
void Form_Load(windowing::Form& form);

// "&Clear All": "0" into every input box and zakat label; units, panes and
// the results window are left alone.
void ClearAll(windowing::Form& form);

} // namespace main_window
