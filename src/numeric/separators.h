// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>

class QLocale;

namespace numeric {

// The decimal and group separators of a region. The rules take them as a value
// so that any region can be exercised without changing the process locale.
struct Separators {
    QChar decimal = u'.';
    QChar group = u',';

    static Separators fromLocale(const QLocale& locale);
    // The user's regional settings, read once.
    static const Separators& system();

    friend bool operator==(const Separators&, const Separators&) = default;
};

} // namespace numeric
