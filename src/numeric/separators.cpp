// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/separators.h"

#include <QLocale>

namespace numeric {

Separators Separators::fromLocale(const QLocale& locale) {
    Separators s;
    // Qt returns strings; every region we know of uses a single character.
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (decimal.size() == 1)
        s.decimal = decimal.front();
    if (group.size() == 1 && group.front() != s.decimal)
        s.group = group.front();
    else if (s.decimal == u',')
        s.group = u'.';
    return s;
}

const Separators& Separators::system() {
    static const Separators s = fromLocale(QLocale::system());
    return s;
}

} // namespace numeric
