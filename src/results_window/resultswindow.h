#pragma once

#include "app/form.h"

namespace app {
class Shell;
}

// The results window: its description and the "Calculate" handler.
namespace results_window {

const app::FormDescription& description();
app::FormDefinition definition(app::Shell& shell);

// "Calculate": the gold and silver weight lines, then the six zakat labels of
// the main window summed as whole numbers and shown in the chosen currency.
// Every read of the main window goes through its global instance.
void Calculate(app::Shell& shell);

} // namespace results_window
