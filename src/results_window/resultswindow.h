// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowing/form.h"

namespace windowing {
class Shell;
}

// The results window: its description and the "Calculate" handler.
namespace results_window {

const windowing::FormDescription& description();
windowing::FormDefinition definition(windowing::Shell& shell);

// "Calculate": the gold and silver weight lines, then the six zakat labels of
// the main window summed as whole numbers and shown in the chosen currency.
// Every read of the main window goes through its global instance.
void Calculate(windowing::Shell& shell);

} // namespace results_window
