// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace shell {

// A script for the chart pages, run before their own: it tells them how the
// program reads and writes numbers (window.calculatorNumbers), so that what
// they work out can be typed into the program as it is shown.
QString pageNumbersScript();

} // namespace shell
