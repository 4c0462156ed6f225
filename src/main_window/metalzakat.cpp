// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/metalzakat.h"

#include "main_window/zakatlabel.h"
#include "main_window/zakatrate.h"
#include "numeric/textrules.h"
#include "shell/messagebox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace main_window {

using namespace numeric;

namespace {

constexpr std::int32_t gramsPerTola = 12;
constexpr double ouncesPerGram = 0.0352;

// Weight and price both empty, or both numbers equal to zero. Both are
// converted (weight first) unless both are empty, so one empty box beside a
// filled one is a conversion failure.
bool needsPrice(const QString& weight, const QString& price) {
    if (SameText(weight, QString()) && SameText(price, QString()))
        return true;
    const double weightValue = TextToNumber(weight);
    const double priceValue = TextToNumber(price);
    return weightValue == 0.0 && priceValue == 0.0;
}

} // namespace

void UpdateMetalZakat(const MetalRow& row, shell::MessageBox& messageBox) {
    if (needsPrice(row.weight.text(), row.price.text())) {
        messageBox.show(row.pricePrompt);
        row.weight.setText(Int32ToText(0));
        row.price.setText(Int32ToText(0));
        showZakat(row.zakat, Int32ToText(0), {&row.weight, &row.price});
    }

    const QString weight = row.weight.text();
    const QString price = row.price.text();
    // Three separate tests, each reading the unit afresh; at most one matches.
    if (SameText(row.unit.currentText(), QStringLiteral("Ounce"))) {
        const double rate = zakatRate();
        showZakat(row.zakat, NumberToText(MultiplyValues({weight, price, rate})),
                  {&row.weight, &row.price});
    }
    if (SameText(row.unit.currentText(), QStringLiteral("Tolaas"))) {
        const double rate = zakatRate();
        showZakat(row.zakat,
                  NumberToText(MultiplyValues({weight, gramsPerTola, ouncesPerGram, price, rate})),
                  {&row.weight, &row.price});
    }
    if (SameText(row.unit.currentText(), QStringLiteral("Gram"))) {
        const double rate = zakatRate();
        showZakat(row.zakat, NumberToText(MultiplyValues({weight, ouncesPerGram, price, rate})),
                  {&row.weight, &row.price});
    }
}

} // namespace main_window
