// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <string>

namespace numeric {

// Base of the failures raised by the numeric text rules. Handlers do not catch
// them; the failure report shows message() to the user.
class Failure : public std::exception {
public:
    explicit Failure(QString message);
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// A text that is not a number (the empty text included) where a number is needed.
class ConversionFailure : public Failure {
public:
    explicit ConversionFailure(const QString& text);
};

// A value that does not fit the type that must hold it.
class OverflowFailure : public Failure {
public:
    using Failure::Failure;
};

// A direct floating multiplication or division that is invalid, divides by
// zero or overflows.
class FloatingPointFailure : public Failure {
public:
    using Failure::Failure;
};

// Quotes a user's text for a message, shortened so that a pasted novel does not
// make the message box larger than the screen.
QString quotedForMessage(const QString& text);

} // namespace numeric
