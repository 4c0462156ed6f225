#include "results_window/resultswindow.h"

#include "app/shell.h"
#include "numeric/textrules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <optional>

namespace results_window {

using namespace numeric;

namespace {

QString name(const char* text) {
    return QString::fromLatin1(text);
}

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

QString weightLine(app::Shell& shell, const char* weightBox, const char* unitBox) {
    const QString weight = shell.form1().textBox(name(weightBox)).text();
    const QString unit = shell.form1().comboBox(name(unitBox)).currentText();
    return weight + QStringLiteral("  ") + unit;
}

} // namespace

void Calculate(app::Shell& shell) {
    app::Form& results = shell.form2();

    std::array<std::int32_t, std::size(zakatLabels)> zakat{};
    for (std::size_t i = 0; i < zakat.size(); ++i)
        zakat[i] = TextToInt32(shell.form1().label(name(zakatLabels[i])).text());

    results.label(name("Label2")).setText(weightLine(shell, "Text5", "Combo2"));
    results.label(name("Label3")).setText(weightLine(shell, "Text7", "Combo3"));

    for (const Currency& currency : currencies) {
        const QString chosen = results.comboBox(name("Combo1")).currentText();
        if (!SameText(chosen, QString::fromUtf8(currency.text)))
            continue;
        std::int32_t total = 0;
        for (std::int32_t value : zakat)
            total = AddInt32(total, value);
        const QString text =
            currency.perUsDollar
                ? NumberToText(CheckedMultiply(double(total), *currency.perUsDollar))
                : Int32ToText(total);
        results.label(name("Label4")).setText(text);
        results.label(name("Label5")).setText(chosen);
    }
}

app::FormDefinition definition(app::Shell& shell) {
    app::FormDefinition definition;
    definition.description = &description();
    definition.wire = [&shell](app::Form& form) {
        form.onClick(name("Command1"), [&shell] { Calculate(shell); });
    };
    return definition;
}

} // namespace results_window
