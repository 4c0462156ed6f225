// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "numeric/failures.h"
#include "numeric/separators.h"

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <variant>

// The conversions between control text and numbers that every handler uses.
// They are pure: they hold no state and touch no control.
namespace numeric {

// Reads a decimal number: optional sign, digits with group separators only
// between digits, optional decimal separator and fraction, optional exponent.
// The digits are Latin or the region's own, all of one script.
// Raises ConversionFailure for anything else and OverflowFailure beyond the
// largest finite double.
double TextToNumber(const QString& text, const Separators& sep = Separators::system());

// General format with 15 significant digits: plain notation for decimal
// exponents -4 to 14, otherwise "1.5E+300" style. Zero of either sign is "0".
// Latin digits, whatever the region's own are.
QString NumberToText(double value, const Separators& sep = Separators::system());

// TextToNumber rounded to the nearest integer, ties to even; OverflowFailure
// outside the 32-bit range.
std::int32_t TextToInt32(const QString& text, const Separators& sep = Separators::system());

QString Int32ToText(std::int32_t value);

// One factor of MultiplyValues: a text is read by TextToNumber, a whole number
// or a double is used as the equal double.
class Operand {
public:
    Operand(const QString& text)
        : m_value(text) {}
    Operand(std::int32_t whole)
        : m_value(static_cast<double>(whole)) {}
    Operand(double number)
        : m_value(number) {}

    double toNumber(const Separators& sep) const;

private:
    std::variant<QString, double> m_value;
};

// The product of the operands taken left to right, rounding after each step.
// Raises the conversion failures of a text operand, and OverflowFailure as soon
// as a partial product leaves the finite doubles.
double MultiplyValues(std::initializer_list<Operand> operands,
                      const Separators& sep = Separators::system());

// Exact comparison: case and blanks count, no locale rules.
bool SameText(const QString& a, const QString& b);

// Checked 32-bit addition; OverflowFailure outside the range.
std::int32_t AddInt32(std::int32_t a, std::int32_t b);

// The floating steps a handler performs itself (rate = 2.5 / 100, value x
// rate). They raise FloatingPointFailure on an invalid operation, a division
// by zero or an overflow; inexact results and underflow are fine.
double CheckedDivide(double dividend, double divisor);
double CheckedMultiply(double a, double b);

} // namespace numeric
