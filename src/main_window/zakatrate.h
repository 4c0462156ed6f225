// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numeric/textrules.h"

namespace main_window {

// 2.5 per cent, computed where it is used as a checked floating step.
inline double zakatRate() {
    return numeric::CheckedDivide(2.5, 100);
}

} // namespace main_window
