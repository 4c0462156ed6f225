// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/mainwindow.h"

#include "main_window/cashzakat.h"
#include "main_window/metalzakat.h"
#include "numeric/textrules.h"
#include "windowing/chartpane.h"
#include "windowing/shell.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace main_window {

// Description.

using windowing::ControlFont;
using windowing::ControlKind;
using windowing::Rgb;

namespace {

const ControlFont F1{QStringLiteral("Monotype Corsiva"), 36, true, true, false};
const ControlFont F2{QStringLiteral("Arial"), 20.25, true, true, true};
const ControlFont F3{QStringLiteral("Verdana"), 11.25, true, false, false};
const Rgb green{0, 192, 0};
const Rgb orange{255, 128, 0};

windowing::FormDescription makeDescription() {
    const auto s = [](const char* text) {
        return QString::fromUtf8(text);
    };
    const QStringList units{s("Tolaas"), s("Ounce"), s("Gram")};
    windowing::FormDescription form;
    form.name = s("Form1");
    form.caption = s("Al Tavesh Zakat Calculator");
    form.clientWidth = 10215;
    form.clientHeight = 7920;
    form.clientTopLeft = QPoint(2550, 2100);
    // In the order of the window's control list.
    // clang-format off
    form.controls = {
        {ControlKind::WebBrowser, s("WebBrowser1"), {}, 5400, 1200, 2655, 1935, 32},
        {ControlKind::TextBox, s("Text8"), {}, 5280, 6840, 1095, 315, 29},
        {ControlKind::ComboBox, s("Combo3"), s("Unit"), 6480, 6480, 855, 315, 18, {}, {}, units},
        {ControlKind::ComboBox, s("Combo2"), s("Unit"), 6480, 5760, 855, 315, 17, {}, {}, units},
        {ControlKind::CommandButton, s("Command2"), s("C&alculate"), 5280, 7320, 975, 375, 16},
        {ControlKind::CommandButton, s("Command1"), s("&Clear All"), 3960, 7320, 1095, 375, 15},
        {ControlKind::TextBox, s("Text7"), {}, 5280, 6480, 1095, 315, 13},
        {ControlKind::TextBox, s("Text6"), {}, 5280, 6120, 1095, 315, 12},
        {ControlKind::TextBox, s("Text5"), {}, 5280, 5760, 1095, 315, 11},
        {ControlKind::TextBox, s("Text4"), {}, 5280, 5400, 1095, 315, 10},
        {ControlKind::TextBox, s("Text3"), {}, 5280, 5040, 1095, 315, 9},
        {ControlKind::TextBox, s("Text2"), {}, 5280, 4680, 1095, 315, 8},
        {ControlKind::TextBox, s("Text1"), {}, 5280, 4320, 1095, 315, 7},
        {ControlKind::WebBrowser, s("WebBrowser2"), {}, 2640, 1200, 2655, 1935, 33},
        {ControlKind::Label, s("Label20"), s("Al"), 2640, 120, 735, 855, 31, F1, green},
        {ControlKind::Label, s("Label19"), s("Assests"), 2760, 3840, 1335, 255, 30, F3},
        {ControlKind::Label, s("Label18"), s("Total Value of Merchandise"), 2160, 5400, 2655, 255, 28},
        {ControlKind::Label, s("Label17"), s("Value"), 5400, 3840, 1335, 255, 27, F3},
        {ControlKind::Label, s("Label16"), s("% of Zakat "), 7200, 3840, 1575, 255, 26, F3},
        {ControlKind::Label, s("Label15"), {}, 7440, 6480, 1335, 255, 25},
        {ControlKind::Label, s("Label14"), {}, 7440, 5760, 1335, 255, 24},
        {ControlKind::Label, s("Label13"), {}, 7440, 5400, 1335, 255, 23},
        {ControlKind::Label, s("Label12"), {}, 7440, 5040, 1335, 255, 22},
        {ControlKind::Label, s("Label11"), {}, 7440, 4680, 1335, 255, 21},
        {ControlKind::Label, s("Label10"), {}, 7440, 4320, 1335, 255, 20},
        {ControlKind::Label, s("Label9"), s("Insert Amount only"), 4200, 3240, 2535, 255, 19, F3, orange},
        {ControlKind::Label, s("Label8"), s("-Tavesh Islamic Center"), 3360, 240, 4815, 735, 14, F2, green},
        {ControlKind::Label, s("Label7"), s("Current price of silver"), 2160, 6840, 2655, 255, 6},
        {ControlKind::Label, s("Label6"), s("Total weight of silver in jewlery"), 2160, 6480, 2655, 255, 5},
        {ControlKind::Label, s("Label5"), s("Current price of gold"), 2160, 6120, 2655, 255, 4},
        {ControlKind::Label, s("Label4"), s("Total weight of gold in Jewelry"), 2160, 5760, 2655, 255, 3},
        {ControlKind::Label, s("Label3"), s("Total value of gold/silver certificates"), 2160, 5040, 2655, 255, 2},
        {ControlKind::Label, s("Label2"), s("Total Value of shares, stocks, bonds"), 2160, 4680, 2655, 255, 1},
        {ControlKind::Label, s("Label1"), s("Cash & minimum Balance in the Bank "), 2160, 4320, 2655, 255, 0},
    };
    // clang-format on

    // A text box is read out with its row caption, blanks trimmed.
    const auto caption = [&form](const char* label) {
        return form.control(QString::fromLatin1(label))->caption.trimmed();
    };
    const auto zakatOn = [&](const char* label) {
        return s("Zakat on: ") + caption(label);
    };
    form.accessible = {
        {s("Text1"), caption("Label1"), {}},
        {s("Text2"), caption("Label2"), {}},
        {s("Text3"), caption("Label3"), {}},
        {s("Text4"), caption("Label18"), {}},
        {s("Text5"), caption("Label4"), s("In the unit chosen beside it")},
        {s("Text6"), caption("Label5"), s("Price of one ounce")},
        {s("Text7"), caption("Label6"), s("In the unit chosen beside it")},
        {s("Text8"), caption("Label7"), s("Price of one ounce")},
        // An editable combo box is read out by the unit it shows.
        {s("Combo2"), {}, s("Chooses the unit of the gold weight: Tolaas, Ounce or Gram")},
        {s("Combo3"), {}, s("Chooses the unit of the silver weight: Tolaas, Ounce or Gram")},
        {s("Label10"), {}, zakatOn("Label1")},
        {s("Label11"), {}, zakatOn("Label2")},
        {s("Label12"), {}, zakatOn("Label3")},
        {s("Label13"), {}, zakatOn("Label18")},
        {s("Label14"), {}, s("Zakat on the gold jewellery")},
        {s("Label15"), {}, s("Zakat on the silver jewellery")},
        {s("WebBrowser1"), s("Silver price chart"),
         s("Shows where to read the price of one ounce of silver")},
        {s("WebBrowser2"), s("Gold price chart"),
         s("Shows where to read the price of one ounce of gold")},
    };
    return form;
}

} // namespace

const windowing::FormDescription& description() {
    static const windowing::FormDescription form = makeDescription();
    return form;
}

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
        form.label(row.zakatLabel).setText(zero);
    for (const MetalRowNames& row : metalRows)
        form.label(row.zakat).setText(zero);
}

} // namespace

void Form_Load(windowing::Form& form) {
    const QString folder = QCoreApplication::applicationDirPath();
    form.chartPane("WebBrowser1").navigate(folder + QStringLiteral("/silver.html"));
    form.chartPane("WebBrowser2").navigate(folder + QStringLiteral("/gold.html"));
    resetInputsAndZakat(form);
}

void ClearAll(windowing::Form& form) {
    resetInputsAndZakat(form);
}

// Wiring.

windowing::FormDefinition definition(windowing::Shell& shell) {
    windowing::FormDefinition definition;
    definition.description = &description();
    definition.load = &Form_Load;
    definition.wire = [&shell](windowing::Form& form) {
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
    return definition;
}

} // namespace main_window
