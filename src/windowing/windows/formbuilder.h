// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowing/windows/formdescription.h"

#include <QHash>
#include <QList>

class QWidget;

namespace windowing {

struct BuiltForm {
    QHash<QString, QWidget*> controls;
    // The controls that take the focus, by TabIndex; FormWindow follows it.
    QList<QWidget*> tabOrder;
};

// Turns a window description into widgets on `window`: caption, fixed client
// area, placement, and every control with its geometry, font, colour, items
// and tab position.
BuiltForm buildForm(const FormDescription& description, QWidget& window);

} // namespace windowing
