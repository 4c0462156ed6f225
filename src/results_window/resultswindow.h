// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowing/windows/form.h"

namespace shell {
class Shell;
}

// The results window: its description and the "Calculate" handler.
namespace results_window {

windowing::FormDefinition definition(shell::Shell& shell);

// "Calculate": the six zakat labels of the main window are read as whole
// numbers first, then the gold and silver weight lines are written, then the
// sum is shown in the chosen currency; a label that is no number therefore
// fails before anything is written. Every read of the main window goes
// through its global instance.
void Calculate(shell::Shell& shell);

} // namespace results_window
