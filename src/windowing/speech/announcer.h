// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

namespace windowing {

// Tells a screen reader `message`, politely, as something `from` shows, once
// the handlers of this turn have run (a handler runs after the focus has
// moved), or, while a box has the keyboard, once the window of `from` has it
// back; messages of one turn are said together. A change away from the
// focus is spoken only as an announcement. Nothing is sent while no screen
// reader listens.
void announce(QWidget& from, const QString& message);

} // namespace windowing
