#pragma once

#include "app/program.h"
#include "windowing/failurereport.h"
#include "windowing/messagebox.h"

#include <QStringList>

#include <functional>

// Stands in for the message box: records every prompt and answers OK at once,
// after running `whileShown` (for tests that act while a prompt is open).
class RecordingMessageBox : public windowing::MessageBox {
public:
    void show(const QString& prompt) override;

    QStringList prompts;
    std::function<void()> whileShown;
};

class RecordingFailureReport : public windowing::FailureReport {
public:
    void report(const QString& whatFailed) override { failures.append(whatFailed); }

    QStringList failures;
};

// A whole program with its prompt and failure report recorded and its quit
// counted instead of ending the test.
struct ProgramUnderTest {
    RecordingMessageBox messageBox;
    RecordingFailureReport failures;
    int quitCount = 0;
    app::Program program{messageBox, failures, [this] {
                             ++quitCount;
                         }};
};

namespace windowing {
class Form;
}

// The name of the control of `form` that holds the keyboard focus (a web
// pane's inner widgets count as the pane), or an empty text.
QString focusedControl(windowing::Form& form);

// Empty when every control of `form` stands where its description puts it
// (15 twips a pixel); otherwise the first control that does not.
QString layoutMismatch(windowing::Form& form);
