// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

class QLocale;

namespace numeric {

// The decimal and group separators and the digits of a region. The rules
// take them as a value so that any region can be exercised without changing
// the process locale.
//
// Where the region's own decimal separator is the Arabic one (U+066B), its
// keyboards and its C library give a full stop: the program writes a full
// stop there and reads both, and reads the comma and U+066C as groups.
struct Separators {
    QChar decimal = u'.'; // written and read
    QChar group = u',';   // read between digits, never written
    QChar otherDecimal;   // also read as the decimal separator, if not null
    QChar otherGroup;     // also read as a group separator, if not null
    QChar zero = u'0';    // the region's own digits: zero and the nine after it

    static Separators fromLocale(const QLocale& locale);
    // The user's regional settings, read once.
    static const Separators& system();
};

} // namespace numeric
