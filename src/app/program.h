#pragma once

#include "app/handlerqueue.h"
#include "app/shell.h"

#include <QObject>

#include <functional>
#include <memory>

namespace app {

class FailureReport;

// The running program: the two global window instances, the handler queue,
// and the rule that the program ends when its last visible window closes.
class Program : public QObject, public Shell {
    Q_OBJECT

public:
    Program(MessageBox& messageBox, FailureReport& failureReport, std::function<void()> quit = {},
            QObject* parent = nullptr);
    ~Program() override;

    // Loads the main window (running its Form_Load while hidden), then shows it.
    void start();

    Form& form1() override;
    Form& form2() override;
    MessageBox& messageBox() override { return m_messageBox; }
    HandlerQueue& handlers() { return m_handlers; }

    bool hasForm1() const { return m_form1 != nullptr; }
    bool hasForm2() const { return m_form2 != nullptr; }

private:
    void windowClosed();

    MessageBox& m_messageBox;
    HandlerQueue m_handlers;
    std::function<void()> m_quit;
    std::unique_ptr<Form> m_form1;
    std::unique_ptr<Form> m_form2;
};

} // namespace app
