// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/mainwindow.h"

#include "main_window/cashzakat.h"
#include "main_window/metalzakat.h"
#include "main_window/zakatlabel.h"
#include "numeric/textrules.h"
#include "shell/fonts.h"
#include "shell/pagenumbers.h"
#include "shell/shell.h"
#include "windowing/speech/announcer.h"
#include "windowing/web_panes/webpane.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace main_window {

// Description.

namespace {

using namespace Qt::StringLiterals;
using enum windowing::ControlKind;

windowing::FormDescription layout() {
    const windowing::ControlFont F1{u"Monotype Corsiva"_s, 36, true, true, false};
    const windowing::ControlFont F2{u"Arial"_s, 20.25, true, true, true};
    const windowing::ControlFont F3{u"Verdana"_s, 11.25, true, false, false};
    const windowing::Rgb green{0, 192, 0};
    const windowing::Rgb orange{255, 128, 0};
    const QStringList units{u"Tolaas"_s, u"Ounce"_s, u"Gram"_s};
    windowing::FormDescription form{
        .name = u"Form1"_s,
        .caption = u"Al Tavesh Zakat Calculator"_s,
        .clientWidth = 10215,
        .clientHeight = 7920,
        .clientTopLeft = QPoint(2550, 2100),
        .font = shell::windowFont(),
        // In the order of the window's control list.
        // clang-format off
        .controls = {
            {.kind = WebBrowser, .name = u"WebBrowser1"_s, .pageScript = shell::pageNumbersScript(),
             .left = 5400, .top = 1200, .width = 2655, .height = 1935, .tabIndex = 32},
            {.kind = TextBox, .name = u"Text8"_s,
             .left = 5280, .top = 6840, .width = 1095, .height = 315, .tabIndex = 29},
            {.kind = ComboBox, .name = u"Combo3"_s, .caption = u"Unit"_s, .items = units,
             .left = 6480, .top = 6480, .width = 855, .height = 315, .tabIndex = 18},
            {.kind = ComboBox, .name = u"Combo2"_s, .caption = u"Unit"_s, .items = units,
             .left = 6480, .top = 5760, .width = 855, .height = 315, .tabIndex = 17},
            {.kind = CommandButton, .name = u"Command2"_s, .caption = u"C&alculate"_s,
             .left = 5280, .top = 7320, .width = 975, .height = 375, .tabIndex = 16},
            {.kind = CommandButton, .name = u"Command1"_s, .caption = u"&Clear All"_s,
             .left = 3960, .top = 7320, .width = 1095, .height = 375, .tabIndex = 15},
            {.kind = TextBox, .name = u"Text7"_s,
             .left = 5280, .top = 6480, .width = 1095, .height = 315, .tabIndex = 13},
            {.kind = TextBox, .name = u"Text6"_s,
             .left = 5280, .top = 6120, .width = 1095, .height = 315, .tabIndex = 12},
            {.kind = TextBox, .name = u"Text5"_s,
             .left = 5280, .top = 5760, .width = 1095, .height = 315, .tabIndex = 11},
            {.kind = TextBox, .name = u"Text4"_s,
             .left = 5280, .top = 5400, .width = 1095, .height = 315, .tabIndex = 10},
            {.kind = TextBox, .name = u"Text3"_s,
             .left = 5280, .top = 5040, .width = 1095, .height = 315, .tabIndex = 9},
            {.kind = TextBox, .name = u"Text2"_s,
             .left = 5280, .top = 4680, .width = 1095, .height = 315, .tabIndex = 8},
            {.kind = TextBox, .name = u"Text1"_s,
             .left = 5280, .top = 4320, .width = 1095, .height = 315, .tabIndex = 7},
            {.kind = WebBrowser, .name = u"WebBrowser2"_s, .pageScript = shell::pageNumbersScript(),
             .left = 2640, .top = 1200, .width = 2655, .height = 1935, .tabIndex = 33},
            {.kind = Label, .name = u"Label20"_s, .caption = u"Al"_s, .font = F1, .foreColor = green,
             .left = 2640, .top = 120, .width = 735, .height = 855, .tabIndex = 31},
            {.kind = Label, .name = u"Label19"_s, .caption = u"Assests"_s, .font = F3,
             .left = 2760, .top = 3840, .width = 1335, .height = 255, .tabIndex = 30},
            {.kind = Label, .name = u"Label18"_s, .caption = u"Total Value of Merchandise"_s,
             .left = 2160, .top = 5400, .width = 2655, .height = 255, .tabIndex = 28},
            {.kind = Label, .name = u"Label17"_s, .caption = u"Value"_s, .font = F3,
             .left = 5400, .top = 3840, .width = 1335, .height = 255, .tabIndex = 27},
            {.kind = Label, .name = u"Label16"_s, .caption = u"% of Zakat "_s, .font = F3,
             .left = 7200, .top = 3840, .width = 1575, .height = 255, .tabIndex = 26},
            {.kind = Label, .name = u"Label15"_s,
             .left = 7440, .top = 6480, .width = 1335, .height = 255, .tabIndex = 25},
            {.kind = Label, .name = u"Label14"_s,
             .left = 7440, .top = 5760, .width = 1335, .height = 255, .tabIndex = 24},
            {.kind = Label, .name = u"Label13"_s,
             .left = 7440, .top = 5400, .width = 1335, .height = 255, .tabIndex = 23},
            {.kind = Label, .name = u"Label12"_s,
             .left = 7440, .top = 5040, .width = 1335, .height = 255, .tabIndex = 22},
            {.kind = Label, .name = u"Label11"_s,
             .left = 7440, .top = 4680, .width = 1335, .height = 255, .tabIndex = 21},
            {.kind = Label, .name = u"Label10"_s,
             .left = 7440, .top = 4320, .width = 1335, .height = 255, .tabIndex = 20},
            {.kind = Label, .name = u"Label9"_s, .caption = u"Insert Amount only"_s, .font = F3, .foreColor = orange,
             .left = 4200, .top = 3240, .width = 2535, .height = 255, .tabIndex = 19},
            {.kind = Label, .name = u"Label8"_s, .caption = u"-Tavesh Islamic Center"_s, .font = F2, .foreColor = green,
             .left = 3360, .top = 240, .width = 4815, .height = 735, .tabIndex = 14},
            {.kind = Label, .name = u"Label7"_s, .caption = u"Current price of silver"_s,
             .left = 2160, .top = 6840, .width = 2655, .height = 255, .tabIndex = 6},
            {.kind = Label, .name = u"Label6"_s, .caption = u"Total weight of silver in jewlery"_s,
             .left = 2160, .top = 6480, .width = 2655, .height = 255, .tabIndex = 5},
            {.kind = Label, .name = u"Label5"_s, .caption = u"Current price of gold"_s,
             .left = 2160, .top = 6120, .width = 2655, .height = 255, .tabIndex = 4},
            {.kind = Label, .name = u"Label4"_s, .caption = u"Total weight of gold in Jewelry"_s,
             .left = 2160, .top = 5760, .width = 2655, .height = 255, .tabIndex = 3},
            {.kind = Label, .name = u"Label3"_s, .caption = u"Total value of gold/silver certificates"_s,
             .left = 2160, .top = 5040, .width = 2655, .height = 255, .tabIndex = 2},
            {.kind = Label, .name = u"Label2"_s, .caption = u"Total Value of shares, stocks, bonds"_s,
             .left = 2160, .top = 4680, .width = 2655, .height = 255, .tabIndex = 1},
            {.kind = Label, .name = u"Label1"_s, .caption = u"Cash & minimum Balance in the Bank "_s,
             .left = 2160, .top = 4320, .width = 2655, .height = 255, .tabIndex = 0},
        },
        // clang-format on
    };

    // A text box is read out with its row caption, blanks trimmed.
    const auto caption = [&form](const char* label) {
        return form.control(QString::fromLatin1(label))->caption.trimmed();
    };
    const auto zakatOn = [&](const char* label) {
        return u"Zakat on: "_s + caption(label);
    };
    form.accessible = {
        {u"Text1"_s, caption("Label1"), {}},
        {u"Text2"_s, caption("Label2"), {}},
        {u"Text3"_s, caption("Label3"), {}},
        {u"Text4"_s, caption("Label18"), {}},
        // The boxes' descriptions tell their row's zakat (showZakat).
        {u"Text5"_s, caption("Label4") + u", in the unit beside it"_s, {}},
        {u"Text6"_s, caption("Label5") + u", per ounce"_s, {}},
        {u"Text7"_s, caption("Label6") + u", in the unit beside it"_s, {}},
        {u"Text8"_s, caption("Label7") + u", per ounce"_s, {}},
        // An editable combo box is read out by the unit it shows.
        {u"Combo2"_s, {}, u"Chooses the unit of the gold weight: Tolaas, Ounce or Gram"_s},
        {u"Combo3"_s, {}, u"Chooses the unit of the silver weight: Tolaas, Ounce or Gram"_s},
        {u"Label10"_s, {}, zakatOn("Label1")},
        {u"Label11"_s, {}, zakatOn("Label2")},
        {u"Label12"_s, {}, zakatOn("Label3")},
        {u"Label13"_s, {}, zakatOn("Label18")},
        {u"Label14"_s, {}, u"Zakat on the gold jewellery"_s},
        {u"Label15"_s, {}, u"Zakat on the silver jewellery"_s},
        {u"WebBrowser1"_s, u"Silver price chart"_s,
         u"Shows where to read the price of one ounce of silver"_s},
        {u"WebBrowser2"_s, u"Gold price chart"_s,
         u"Shows where to read the price of one ounce of gold"_s},
    };
    return form;
}

} // namespace

// Handlers.

namespace {

// The asset rows by the names of their controls.
struct CashRow {
    const char* amountBox;
    const char* zakatLabel;
};
constexpr CashRow cashRows[] = {
    {"Text1", "Label10"}, {"Text2", "Label11"}, {"Text3", "Label12"}, {"Text4", "Label13"}};

struct MetalRowNames {
    const char* weight;
    const char* unit;
    const char* price;
    const char* zakat;
    const char* prompt;
};
constexpr MetalRowNames metalRows[] = {
    {"Text5", "Combo2", "Text6", "Label14", "Please enter the gold price from above charts"},
    {"Text7", "Combo3", "Text8", "Label15", "Please enter the Silver price from above charts"}};

// "0" into Text1 to Text8, then into Label10 to Label15, in that order.
void resetInputsAndZakat(windowing::Form& form) {
    const QString zero = numeric::Int32ToText(0);
    for (const CashRow& row : cashRows)
        form.textBox(row.amountBox).setText(zero);
    for (const MetalRowNames& row : metalRows) {
        form.textBox(row.weight).setText(zero);
        form.textBox(row.price).setText(zero);
    }
    for (const CashRow& row : cashRows)
        showZakat(form.label(row.zakatLabel), zero, {&form.textBox(row.amountBox)}, false);
    for (const MetalRowNames& row : metalRows)
        showZakat(form.label(row.zakat), zero,
                  {&form.textBox(row.weight), &form.textBox(row.price)}, false);
}

} // namespace

void Form_Load(windowing::Form& form) {
    const QString folder = QCoreApplication::applicationDirPath();
    form.webPane("WebBrowser1").navigate(folder + QStringLiteral("/silver.html"));
    form.webPane("WebBrowser2").navigate(folder + QStringLiteral("/gold.html"));
    resetInputsAndZakat(form);
}

void ClearAll(windowing::Form& form) {
    resetInputsAndZakat(form);
    windowing::announce(form.button("Command1"),
                        QStringLiteral("Cleared: every amount and zakat is 0"));
}

// Wiring.

windowing::FormDefinition definition(shell::Shell& shell) {
    const auto wire = [&shell](windowing::Form& form) {
        for (const CashRow& row : cashRows) {
            form.onLostFocus(row.amountBox, [&form, row] {
                UpdateCashZakat(form.textBox(row.amountBox), form.label(row.zakatLabel));
            });
        }
        for (const MetalRowNames& row : metalRows) {
            const auto update = [&form, &shell, row] {
                UpdateMetalZakat({form.textBox(row.weight), form.comboBox(row.unit),
                                  form.textBox(row.price), form.label(row.zakat),
                                  QString::fromUtf8(row.prompt)},
                                 shell.messageBox());
            };
            for (const char* control : {row.weight, row.unit, row.price})
                form.onLostFocus(control, update);
        }
        form.onClick("Command1", [&form] { ClearAll(form); });
        form.onClick("Command2", [&form, &shell] { shell.form2().show(&form.window()); });
    };
    return {.description = layout(), .wire = wire, .load = &Form_Load};
}

} // namespace main_window
