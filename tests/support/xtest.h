// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

// The pointer of the X server, moved and pressed through XTest as a
// person's hand does: the window manager sees the press, activates the
// window and hands the press on. Kept apart from Qt: Xlib's macros
// (KeyPress, FocusIn, ...) clash with Qt's names.
namespace xtest {

// On an X server that has the XTEST extension.
bool available();
void moveTo(QPoint global);
void button(bool down);
// On xcb, once the X server has done what the program asked of it so far.
void roundTrip();

} // namespace xtest
