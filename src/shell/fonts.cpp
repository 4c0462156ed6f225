// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fonts.h"

#include <QFont>

namespace shell {

windowing::ControlFont windowFont() {
    // The captions were laid out for an 8 pt bitmap face.
    return {.family = QStringLiteral("Arial"), .pointSize = 7.5};
}

void useFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Monotype Corsiva"),
        {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"), QStringLiteral("DejaVu Serif")});
}

} // namespace shell
