// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

class Program;

// Settings that must be in place before QApplication exists: those of the
// web panes (windowing/web_panes/websettings.h), and the application's name.
void prepareProcessEnvironment();

// What follows once QApplication exists: the identity as the platform keeps
// it, the program's fonts, the rule that only the program decides when it
// ends (a prompt or failure report left on its own is no last window), and
// the main window loaded and shown. The tests start the program through it
// too, with a message box and failure report of their own.
void startProgram(Program& program);

// Starts the calculator and runs it until its last window closes.
int runApplication(int argc, char** argv);

} // namespace app
