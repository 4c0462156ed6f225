// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace main_window {

// Writes a row's zakat into its label. For a screen reader, each of the
// row's boxes describes it ("Zakat 25"), so that returning to the row tells
// it, and a zakat that changes is announced, unless `announced` is false
// (the start-up values, "&Clear All").
void showZakat(QLabel& label, const QString& zakat, std::initializer_list<QWidget*> boxes,
               bool announced = true);

} // namespace main_window
