// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace app {

// Settings that must be in place before QApplication exists: Qt WebEngine's
// sandbox (off only when running as root, where Chromium refuses to start
// with it), one shared renderer process for both chart panes, and the
// application's name.
void prepareProcessEnvironment();

// Version, organisation and icon as the platform keeps them. The display name
// stays unset: on X11 it would be appended to every window caption.
void applyIdentity();

// Starts the calculator and runs it until its last window closes.
int runApplication(int argc, char** argv);

} // namespace app
