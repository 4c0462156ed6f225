// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;

namespace shell {
class MessageBox;
}

namespace main_window {

// The four controls of the gold or the silver row, and its price prompt.
struct MetalRow {
    QLineEdit& weight;
    QComboBox& unit;
    QLineEdit& price;
    QLabel& zakat;
    QString pricePrompt;
};

// Recomputes a metal row when its weight, unit or price box loses the focus.
// Weight and price both empty, or both zero, bring up the price prompt and
// reset the row to "0". The weight is brought to ounces by its unit and
// multiplied by the price per ounce and the rate; a unit that is none of
// "Ounce", "Tolaas", "Gram" (exactly) leaves the zakat label as it is.
void UpdateMetalZakat(const MetalRow& row, shell::MessageBox& messageBox);

} // namespace main_window
