// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pagenumbers.h"

#include "numeric/separators.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace shell {

QString pageNumbersScript() {
    // The separators and digits of the number format, which need not be the
    // language's (the browser's own choice).
    const numeric::Separators& s = numeric::Separators::system();
    const auto text = [](QChar c) {
        return c.isNull() ? QString() : QString(c);
    };
    const QJsonObject numbers{{QStringLiteral("decimal"), text(s.decimal)},
                              {QStringLiteral("group"), text(s.group)},
                              {QStringLiteral("otherDecimal"), text(s.otherDecimal)},
                              {QStringLiteral("zero"), text(s.zero)}};
    return QStringLiteral("window.calculatorNumbers = Object.freeze(%1);")
        .arg(QString::fromUtf8(QJsonDocument(numbers).toJson(QJsonDocument::Compact)));
}

} // namespace shell
