// SPDX-License-Identifier: GPL-3.0-or-later
#include "results_window/resultswindow.h"

#include "numeric/textrules.h"
#include "shell/fonts.h"
#include "shell/shell.h"
#include "windowing/speech/announcer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <optional>

namespace results_window {

using namespace numeric;

// Description.

namespace {

using namespace Qt::StringLiterals;
using enum windowing::ControlKind;

windowing::FormDescription layout() {
    const windowing::ControlFont F4{u"Verdana"_s, 14.25, true, false, false};
    const windowing::Rgb red{255, 0, 0};
    return {
        .name = u"Form2"_s,
        .caption = u"Zakat Results"_s,
        .clientWidth = 6390,
        .clientHeight = 3630,
        .font = shell::windowFont(),
        // In the order of the window's control list.
        // clang-format off
        .controls = {
            {.kind = ComboBox, .name = u"Combo1"_s, .caption = u"Currency"_s,
             .items = {u"$. US Dollars"_s, u"Rs. Pakistan"_s, u"Rs. India"_s, u"$. Canadian"_s},
             .left = 3480, .top = 960, .width = 2055, .height = 315, .tabIndex = 1},
            {.kind = CommandButton, .name = u"Command1"_s, .caption = u"Calculate"_s,
             .left = 2760, .top = 3120, .width = 1335, .height = 375, .tabIndex = 0},
            {.kind = Label, .name = u"Label1"_s, .caption = u"Zakat Calculations Results"_s, .font = F4, .foreColor = red,
             .left = 1080, .top = 240, .width = 4335, .height = 375, .tabIndex = 10},
            {.kind = Label, .name = u"Label2"_s,
             .left = 2760, .top = 1560, .width = 1335, .height = 255, .tabIndex = 9},
            {.kind = Label, .name = u"Label3"_s,
             .left = 2760, .top = 2040, .width = 1335, .height = 255, .tabIndex = 8},
            {.kind = Label, .name = u"Label4"_s,
             .left = 2760, .top = 2520, .width = 1335, .height = 255, .tabIndex = 7},
            {.kind = Label, .name = u"Label5"_s,
             .left = 4680, .top = 2520, .width = 1455, .height = 255, .tabIndex = 6},
            {.kind = Label, .name = u"Label9"_s, .caption = u"Please Select The Currency"_s,
             .left = 960, .top = 960, .width = 2535, .height = 255, .tabIndex = 5},
            {.kind = Label, .name = u"Label6"_s, .caption = u"Total"_s,
             .left = 960, .top = 2520, .width = 1095, .height = 255, .tabIndex = 4},
            {.kind = Label, .name = u"Label7"_s, .caption = u"Silver Nisab"_s,
             .left = 960, .top = 2040, .width = 1095, .height = 255, .tabIndex = 3},
            {.kind = Label, .name = u"Label8"_s, .caption = u"Gold Nisab"_s,
             .left = 960, .top = 1440, .width = 1095, .height = 255, .tabIndex = 2},
        },
        // clang-format on
        .accessible =
            {
                {u"Combo1"_s, {}, u"Chooses the currency of the total"_s},
                {u"Label2"_s, {}, u"Gold weight and its unit"_s},
                {u"Label3"_s, {}, u"Silver weight and its unit"_s},
                {u"Label4"_s, {}, u"Total zakat in the chosen currency"_s},
                {u"Label5"_s, {}, u"The chosen currency"_s},
            },
    };
}

} // namespace

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

QString weightLine(shell::Shell& shell, const char* weightBox, const char* unitBox) {
    const QString weight = shell.form1().textBox(weightBox).text();
    const QString unit = shell.form1().comboBox(unitBox).currentText();
    return weight + QStringLiteral("  ") + unit;
}

} // namespace

void Calculate(shell::Shell& shell) {
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
        windowing::announce(results.label("Label4"), u"Total zakat "_s + text + u' ' + chosen);
    }
}

// Wiring.

windowing::FormDefinition definition(shell::Shell& shell) {
    return {.description = layout(), .wire = [&shell](windowing::Form& form) {
                form.onClick("Command1", [&shell] { Calculate(shell); });
            }};
}

} // namespace results_window
