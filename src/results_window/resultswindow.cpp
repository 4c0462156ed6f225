// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_window/resultswindow.h"

#include "numeric/textrules.h"
#include "windowing/shell.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <optional>

namespace results_window {

using namespace numeric;

// Description.

using windowing::ControlKind;

namespace {

windowing::FormDescription makeDescription() {
    const auto s = [](const char* text) {
        return QString::fromUtf8(text);
    };
    const windowing::ControlFont F4{s("Verdana"), 14.25, true, false, false};
    const windowing::Rgb red{255, 0, 0};
    windowing::FormDescription form;
    form.name = s("Form2");
    form.caption = s("Zakat Results");
    form.clientWidth = 6390;
    form.clientHeight = 3630;
    // In the order of the window's control list.
    // clang-format off
    form.controls = {
        {ControlKind::ComboBox, s("Combo1"), s("Currency"), 3480, 960, 2055, 315, 1, {}, {},
         {s("$. US Dollars"), s("Rs. Pakistan"), s("Rs. India"), s("$. Canadian")}},
        {ControlKind::CommandButton, s("Command1"), s("Calculate"), 2760, 3120, 1335, 375, 0},
        {ControlKind::Label, s("Label1"), s("Zakat Calculations Results"), 1080, 240, 4335, 375, 10, F4, red},
        {ControlKind::Label, s("Label2"), {}, 2760, 1560, 1335, 255, 9},
        {ControlKind::Label, s("Label3"), {}, 2760, 2040, 1335, 255, 8},
        {ControlKind::Label, s("Label4"), {}, 2760, 2520, 1335, 255, 7},
        {ControlKind::Label, s("Label5"), {}, 4680, 2520, 1455, 255, 6},
        {ControlKind::Label, s("Label9"), s("Please Select The Currency"), 960, 960, 2535, 255, 5},
        {ControlKind::Label, s("Label6"), s("Total"), 960, 2520, 1095, 255, 4},
        {ControlKind::Label, s("Label7"), s("Silver Nisab"), 960, 2040, 1095, 255, 3},
        {ControlKind::Label, s("Label8"), s("Gold Nisab"), 960, 1440, 1095, 255, 2},
    };
    // clang-format on
    form.accessible = {
        {s("Combo1"), {}, s("Chooses the currency of the total")},
        {s("Label2"), {}, s("Gold weight and its unit")},
        {s("Label3"), {}, s("Silver weight and its unit")},
        {s("Label4"), {}, s("Total zakat in the chosen currency")},
        {s("Label5"), {}, s("The chosen currency")},
    };
    return form;
}

} // namespace

const windowing::FormDescription& description() {
    static const windowing::FormDescription form = makeDescription();
    return form;
}

// Handler.

namespace {

struct Currency {
    const char* text;
    std::optional<double> perUsDollar; // none: the total is in US dollars already
};

// Tested in this order, which is not the order of the currency list.
const Currency currencies[] = {
    {"Rs. Pakistan", 57.5297},
    {"Rs. India", 45.3498},
    {"$. US Dollars", std::nullopt},
    {"$. Canadian", 1.3132},
};

const char* const zakatLabels[] = {"Label10", "Label11", "Label12",
                                   "Label13", "Label14", "Label15"};

QString weightLine(windowing::Shell& shell, const char* weightBox, const char* unitBox) {
    const QString weight = shell.form1().textBox(weightBox).text();
    const QString unit = shell.form1().comboBox(unitBox).currentText();
    return weight + QStringLiteral("  ") + unit;
}

} // namespace

void Calculate(windowing::Shell& shell) {
    windowing::Form& results = shell.form2();

    std::array<std::int32_t, std::size(zakatLabels)> zakat{};
    for (std::size_t i = 0; i < zakat.size(); ++i)
        zakat[i] = TextToInt32(shell.form1().label(zakatLabels[i]).text());

    results.label("Label2").setText(weightLine(shell, "Text5", "Combo2"));
    results.label("Label3").setText(weightLine(shell, "Text7", "Combo3"));

    for (const Currency& currency : currencies) {
        const QString chosen = results.comboBox("Combo1").currentText();
        if (!SameText(chosen, QString::fromUtf8(currency.text)))
            continue;
        std::int32_t total = 0;
        for (std::int32_t value : zakat)
            total = AddInt32(total, value);
        const QString text =
            currency.perUsDollar
                ? NumberToText(CheckedMultiply(double(total), *currency.perUsDollar))
                : Int32ToText(total);
        results.label("Label4").setText(text);
        results.label("Label5").setText(chosen);
    }
}

// Wiring.

windowing::FormDefinition definition(windowing::Shell& shell) {
    windowing::FormDefinition definition;
    definition.description = &description();
    definition.wire = [&shell](windowing::Form& form) {
        form.onClick("Command1", [&shell] { Calculate(shell); });
    };
    return definition;
}

} // namespace results_window
