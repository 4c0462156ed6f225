// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/separators.h"

#include <QLocale>

#include <utility>

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
    if (s.decimal == QChar(0x066B)) {
        s.otherDecimal = std::exchange(s.decimal, u'.');
        s.otherGroup = std::exchange(s.group, u',');
    }
    // A zero outside the Basic Multilingual Plane leaves the Latin digits alone.
    if (const QString zero = locale.zeroDigit(); zero.size() == 1)
        s.zero = zero.front();
    return s;
}

const Separators& Separators::system() {
    static const Separators s = fromLocale(QLocale::system());
    return s;
}

} // namespace numeric
