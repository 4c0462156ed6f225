// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QLineEdit;

namespace main_window {

// Recomputes one cash row when its amount box loses the focus: an empty or
// zero amount is first reset to "0"; the zakat label then shows amount x rate.
// A text that is not a number raises before anything is written.
void UpdateCashZakat(QLineEdit& amountBox, QLabel& zakatLabel);

} // namespace main_window
