// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowing/windows/formdescription.h"

namespace shell {

// The font of both windows, which their controls have unless they name one.
windowing::ControlFont windowFont();

// The windows name Windows faces (Arial, Verdana, Monotype Corsiva); Debian
// has metric or look-alike faces for them, which fontconfig alone would not
// pick. Set once, before a window is built.
void useFontSubstitutes();

} // namespace shell
