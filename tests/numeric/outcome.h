// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numeric/textrules.h"

#include <QLocale>

// The words the numeric table and the fuzz target share.
namespace outcome {

// A region by its name in Qt's number data: "en" (full stop, comma), "de"
// (comma, full stop), "fr" (comma, narrow no-break space), "ar_EG" (Arabic
// digits and separators), ...
inline numeric::Separators region(const QString& name) {
    return numeric::Separators::fromLocale(QLocale(name));
}

// What a rule gave: the number with 17 digits, exact for a double, or the
// failure's name.
template <typename Rule> QString of(Rule&& rule) {
    try {
        return QString::number(double(rule()), 'g', 17);
    } catch (const numeric::Failure& failure) {
        return QString::fromLatin1(
            dynamic_cast<const numeric::ConversionFailure*>(&failure) ? "ConversionFailure"
            : dynamic_cast<const numeric::OverflowFailure*>(&failure) ? "OverflowFailure"
                                                                      : "FloatingPointFailure");
    }
}

} // namespace outcome
