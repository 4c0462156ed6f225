// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/cashzakat.h"

#include "main_window/zakatlabel.h"
#include "main_window/zakatrate.h"
#include "numeric/textrules.h"

#include <QLabel>
#include <QLineEdit>

namespace main_window {

using namespace numeric;

void UpdateCashZakat(QLineEdit& amountBox, QLabel& zakatLabel) {
    const QString amount = amountBox.text();
    if (SameText(amount, QString()) || TextToNumber(amount) == 0.0) {
        amountBox.setText(Int32ToText(0));
        showZakat(zakatLabel, Int32ToText(0), {&amountBox});
    }
    const double value = TextToNumber(amountBox.text());
    const double zakat = CheckedMultiply(value, zakatRate());
    showZakat(zakatLabel, NumberToText(zakat), {&amountBox});
}

} // namespace main_window
