#include "main_window/mainwindow.h"

#include "app/chartpane.h"
#include "app/shell.h"
#include "main_window/cashzakat.h"
#include "main_window/metalzakat.h"
#include "numeric/textrules.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace main_window {

namespace {

QString name(const char* text) {
    return QString::fromLatin1(text);
}

const char* const inputBoxes[] = {"Text1", "Text2", "Text3", "Text4",
                                  "Text5", "Text6", "Text7", "Text8"};
const char* const zakatLabels[] = {"Label10", "Label11", "Label12",
                                   "Label13", "Label14", "Label15"};

struct CashRow {
    const char* amountBox;
    const char* zakatLabel;
};
const CashRow cashRows[] = {
    {"Text1", "Label10"}, {"Text2", "Label11"}, {"Text3", "Label12"}, {"Text4", "Label13"}};

struct MetalRowNames {
    const char* weight;
    const char* unit;
    const char* price;
    const char* zakat;
    const char* prompt;
};
const MetalRowNames metalRows[] = {
    {"Text5", "Combo2", "Text6", "Label14", "Please enter the gold price from above charts"},
    {"Text7", "Combo3", "Text8", "Label15", "Please enter the Silver price from above charts"}};

void resetInputsAndZakat(app::Form& form) {
    const QString zero = numeric::Int32ToText(0);
    for (const char* box : inputBoxes)
        form.textBox(name(box)).setText(zero);
    for (const char* label : zakatLabels)
        form.label(name(label)).setText(zero);
}

} // namespace

void Form_Load(app::Form& form) {
    const QString folder = QCoreApplication::applicationDirPath();
    form.chartPane(name("WebBrowser1")).navigate(folder + name("/silver.html"));
    form.chartPane(name("WebBrowser2")).navigate(folder + name("/gold.html"));
    resetInputsAndZakat(form);
}

void ClearAll(app::Form& form) {
    resetInputsAndZakat(form);
}

app::FormDefinition definition(app::Shell& shell) {
    app::FormDefinition definition;
    definition.description = &description();
    definition.load = &Form_Load;
    definition.wire = [&shell](app::Form& form) {
        for (const CashRow& row : cashRows) {
            form.onLostFocus(name(row.amountBox), [&form, row] {
                UpdateCashZakat(form.textBox(name(row.amountBox)),
                                form.label(name(row.zakatLabel)));
            });
        }
        for (const MetalRowNames& row : metalRows) {
            const auto update = [&form, &shell, row] {
                UpdateMetalZakat({form.textBox(name(row.weight)), form.comboBox(name(row.unit)),
                                  form.textBox(name(row.price)), form.label(name(row.zakat)),
                                  QString::fromUtf8(row.prompt)},
                                 shell.messageBox());
            };
            for (const char* control : {row.weight, row.unit, row.price})
                form.onLostFocus(name(control), update);
        }
        form.onClick(name("Command1"), [&form] { ClearAll(form); });
        form.onClick(name("Command2"), [&form, &shell] { shell.form2().show(&form.window()); });
    };
    return definition;
}

} // namespace main_window
