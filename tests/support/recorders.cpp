#include "recorders.h"

#include "app/application.h"

void RecordingMessageBox::show(const QString& prompt) {
    prompts.append(prompt);
    if (whileShown)
        whileShown();
}

namespace {
// Runs before QTEST_MAIN makes the QApplication, as the program's main does.
const bool environmentPrepared = [] {
    app::prepareProcessEnvironment();
    return true;
}();
} // namespace

#include "windowing/form.h"

#include <QApplication>

QString focusedControl(windowing::Form& form) {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
        if (w->parentWidget() == &form.window() && form.description().control(w->objectName()))
            return w->objectName();
    }
    return QString();
}

QString layoutMismatch(windowing::Form& form) {
    for (const windowing::ControlDescription& c : form.description().controls) {
        const QRect expected(c.left / 15, c.top / 15, c.width / 15, c.height / 15);
        if (form.control(c.name).geometry() != expected)
            return c.name;
    }
    return QString();
}
