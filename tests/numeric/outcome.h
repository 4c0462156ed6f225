#pragma once

#include "numeric/textrules.h"

#include <QLocale>
#include <QString>

// The words the numeric tables and the fuzz target share: a region by name,
// and what a rule gave as text.
namespace outcome {

// "en" (full stop and comma), "de" (comma and full stop), "fr" (comma and a
// narrow no-break space) or "ar" (Arabic separators).
inline const numeric::Separators& region(const QString& name) {
    static const numeric::Separators en =
        numeric::Separators::fromLocale(QLocale(QLocale::English));
    static const numeric::Separators de = numeric::Separators::fromLocale(QLocale(QLocale::German));
    static const numeric::Separators fr = numeric::Separators::fromLocale(QLocale(QLocale::French));
    static const numeric::Separators ar =
        numeric::Separators::fromLocale(QLocale(QLocale::Arabic, QLocale::Egypt));
    return name == u"de" ? de : name == u"fr" ? fr : name == u"ar" ? ar : en;
}

// The number with 17 significant digits (exact for a double), or the name of
// the failure raised.
template <typename Rule> QString of(Rule&& rule) {
    try {
        return QString::number(double(rule()), 'g', 17);
    } catch (const numeric::ConversionFailure&) {
        return QStringLiteral("ConversionFailure");
    } catch (const numeric::OverflowFailure&) {
        return QStringLiteral("OverflowFailure");
    } catch (const numeric::FloatingPointFailure&) {
        return QStringLiteral("FloatingPointFailure");
    }
}

} // namespace outcome
