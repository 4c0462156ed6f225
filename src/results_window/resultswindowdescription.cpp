#include "results_window/resultswindow.h"

namespace results_window {

using app::ControlKind;

namespace {

app::FormDescription makeDescription() {
    const auto s = [](const char* text) {
        return QString::fromUtf8(text);
    };
    const app::ControlFont F4{s("Verdana"), 14.25, true, false, false};
    const app::Rgb red{255, 0, 0};
    app::FormDescription form;
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

const app::FormDescription& description() {
    static const app::FormDescription form = makeDescription();
    return form;
}

} // namespace results_window
