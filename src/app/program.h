// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/shell.h"
#include "windowing/dispatch/departures.h"
#include "windowing/dispatch/handlerqueue.h"

#include <QObject>

#include <functional>
#include <memory>

namespace app {

// The running program: the two global window instances, the handler queue,
// and the rule that the program ends when its last visible window closes.
class Program : public QObject, public shell::Shell {
    Q_OBJECT

public:
    Program(shell::MessageBox& messageBox, windowing::FailureReport& failureReport,
            std::function<void()> quit = {}, QObject* parent = nullptr);
    ~Program() override;

    // Loads the main window (running its Form_Load while hidden), then shows it.
    void start();

    windowing::Form& form1() override;
    windowing::Form& form2() override;
    shell::MessageBox& messageBox() override { return m_messageBox; }
    windowing::HandlerQueue& handlers() { return m_handlers; }
    windowing::Departures& departures() { return m_departures; }

    bool hasForm2() const { return m_form2 != nullptr; }

private:
    void windowClosed();

    shell::MessageBox& m_messageBox;
    windowing::HandlerQueue m_handlers;
    windowing::Departures m_departures{m_handlers};
    std::function<void()> m_quit;
    std::unique_ptr<windowing::Form> m_form1;
    std::unique_ptr<windowing::Form> m_form2;
};

} // namespace app
