// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace windowing {

// Every setting made for Qt WebEngine and for OpenGL, before the application
// object exists: Chromium's sandbox and processes, Qt's report of its GL
// set-up, and drawing in software with no OpenGL in the process. A setting
// of the user's, in the environment, is kept.
void prepareWebViews();

} // namespace windowing
