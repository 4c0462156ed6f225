// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program.h"

#include "main_window/mainwindow.h"
#include "results_window/resultswindow.h"
#include "windowing/windows/form.h"

#include <QCoreApplication>

namespace app {

Program::Program(shell::MessageBox& messageBox, windowing::FailureReport& failureReport,
                 std::function<void()> quit, QObject* parent)
    : QObject(parent)
    , m_messageBox(messageBox)
    , m_handlers(failureReport)
    , m_quit(quit ? std::move(quit) : [] { QCoreApplication::quit(); }) {}

Program::~Program() = default;

void Program::start() {
    form1().show();
}

windowing::Form& Program::form1() {
    if (!m_form1) {
        m_form1 = std::make_unique<windowing::Form>(main_window::definition(*this), m_departures);
        connect(m_form1.get(), &windowing::Form::closedByUser, this, &Program::windowClosed);
    }
    return *m_form1;
}

windowing::Form& Program::form2() {
    if (!m_form2) {
        m_form2 =
            std::make_unique<windowing::Form>(results_window::definition(*this), m_departures);
        connect(m_form2.get(), &windowing::Form::closedByUser, this, &Program::windowClosed);
    }
    return *m_form2;
}

void Program::windowClosed() {
    for (const auto* form : {m_form1.get(), m_form2.get()}) {
        if (form && form->state() == windowing::Form::State::Shown)
            return;
    }
    // No window left on screen: a main window that the results window loaded
    // only to read it must not keep the program running invisibly.
    for (windowing::Form* form : {m_form1.get(), m_form2.get()}) {
        if (form)
            form->unload();
    }
    m_quit();
}

} // namespace app
