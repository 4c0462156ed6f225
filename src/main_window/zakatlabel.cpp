// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/zakatlabel.h"

#include "numeric/textrules.h"
#include "windowing/speech/announcer.h"

#include <QLabel>

namespace main_window {

void showZakat(QLabel& label, const QString& zakat, std::initializer_list<QWidget*> boxes,
               bool announced) {
    const bool changed = !numeric::SameText(label.text(), zakat);
    label.setText(zakat);
    const QString said = QStringLiteral("Zakat ") + zakat;
    for (QWidget* box : boxes)
        box->setAccessibleDescription(said);
    if (changed && announced)
        windowing::announce(label, said);
}

} // namespace main_window
