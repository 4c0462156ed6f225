#include "recorders.h"

#include "app/application.h"

void RecordingMessageBox::show(const QString& prompt)
{
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
