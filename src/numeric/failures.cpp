// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/failures.h"

namespace numeric {

Failure::Failure(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toStdString()) {}

ConversionFailure::ConversionFailure(const QString& text)
    : Failure(text.isEmpty() ? QStringLiteral("An empty box was found where a number is needed.")
                             : QStringLiteral("%1 is not a number.").arg(quotedForMessage(text))) {}

QString quotedForMessage(const QString& text) {
    constexpr qsizetype maxShown = 60;
    QString shown = text.size() > maxShown ? text.left(maxShown) + QChar(0x2026) : text;
    return QChar(u'"') + shown + QChar(u'"');
}

} // namespace numeric
