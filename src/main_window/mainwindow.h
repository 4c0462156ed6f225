#pragma once

#include "app/form.h"

namespace app {
class Shell;
}

// The main calculator window: its description and its thirteen handlers.
namespace main_window {

const app::FormDescription& description();
app::FormDefinition definition(app::Shell& shell);

// Points the chart panes at the pages beside the executable and writes "0"
// into every input box and zakat label.
void Form_Load(app::Form& form);

// "&Clear All": "0" into every input box and zakat label; units, panes and
// the results window are left alone.
void ClearAll(app::Form& form);

} // namespace main_window
