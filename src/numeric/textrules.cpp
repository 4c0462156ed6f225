// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric/textrules.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string_view>

namespace numeric {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The digits of one number: Latin, or the region's own, never both.
class Digits {
public:
    explicit Digits(const Separators& sep)
        : m_zero(sep.zero.unicode()) {}

    // 0 to 9, or -1 for no digit of either script.
    int value(QChar c) const {
        if (c >= u'0' && c <= u'9')
            return c.unicode() - u'0';
        if (m_zero != u'0' && c.unicode() >= m_zero && c.unicode() <= m_zero + 9)
            return c.unicode() - m_zero;
        return -1;
    }
    bool is(const QChar* c) const { return value(*c) >= 0; }
    // The digit as ASCII; a script other than the number's first digit's
    // ends the number there.
    bool take(QChar c, QVarLengthArray<char, 64>& ascii) {
        const int v = value(c);
        const int script = c.unicode() <= u'9' ? 1 : 2;
        if (v < 0 || (m_script && m_script != script))
            return false;
        m_script = script;
        ascii.append(char('0' + v));
        return true;
    }

private:
    char16_t m_zero;
    int m_script = 0; // none yet, Latin, the region's
};

[[noreturn]] void throwTooLarge(const QString& text) {
    throw OverflowFailure(
        QStringLiteral("%1 is larger than the largest number the calculator can hold.")
            .arg(quotedForMessage(text)));
}

// from_chars reports both overflow and underflow as out of range without a
// value; the C library's strtod, pinned to the "C" locale, tells them apart.
double parseOutOfRange(const char* ascii) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(ascii, nullptr, cLocale);
}

} // namespace

double TextToNumber(const QString& text, const Separators& sep) {
    const QChar* p = text.constData();
    const QChar* end = p + text.size();
    while (p < end && isBlank(*p))
        ++p;
    while (end > p && isBlank(end[-1]))
        --end;

    // The accepted form is rewritten as plain ASCII for the standard parser:
    // group separators dropped, the decimal separator turned into '.'.
    QVarLengthArray<char, 64> ascii;
    if (p < end && (*p == u'+' || *p == u'-')) {
        if (*p == u'-')
            ascii.append('-');
        ++p;
    }
    Digits digit(sep);
    const auto isGroup = [&sep](QChar c) {
        return c == sep.group || (!sep.otherGroup.isNull() && c == sep.otherGroup);
    };
    const auto isDecimal = [&sep](QChar c) {
        return c == sep.decimal || (!sep.otherDecimal.isNull() && c == sep.otherDecimal);
    };
    qsizetype digits = 0;
    for (; p < end; ++p) {
        if (digit.take(*p, ascii)) {
            ++digits;
        } else if (isGroup(*p) && digits > 0 && digit.is(p - 1) && p + 1 < end && digit.is(p + 1)) {
            continue;
        } else {
            break;
        }
    }
    if (p < end && isDecimal(*p)) {
        ++p;
        if (digits == 0)
            ascii.append('0');
        ascii.append('.');
        for (; p < end && digit.take(*p, ascii); ++p)
            ++digits;
    }
    if (digits == 0)
        throw ConversionFailure(text);
    if (p < end && (*p == u'E' || *p == u'e')) {
        ++p;
        ascii.append('e');
        if (p < end && (*p == u'+' || *p == u'-')) {
            ascii.append(char(p->unicode()));
            ++p;
        }
        qsizetype exponentDigits = 0;
        for (; p < end && digit.take(*p, ascii); ++p)
            ++exponentDigits;
        if (exponentDigits == 0)
            throw ConversionFailure(text);
    }
    if (p != end)
        throw ConversionFailure(text);

    double value = 0;
    const auto [rest, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range) {
        ascii.append('\0');
        value = parseOutOfRange(ascii.data());
    } else if (ec != std::errc{} || rest != ascii.data() + ascii.size()) {
        throw ConversionFailure(text); // cannot happen for the form checked above
    }
    if (std::isinf(value))
        throwTooLarge(text);
    return value;
}

QString NumberToText(double value, const Separators& sep) {
    if (value == 0)
        return QStringLiteral("0");
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");

    // "d.dddddddddddddde+XX": the magnitude correctly rounded to 15 digits.
    std::array<char, 32> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), std::fabs(value),
                                   std::chars_format::scientific, 14);
    const char* e = std::find(buf.data(), res.ptr, 'e');
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exponent);

    std::array<char, 15> mantissa{};
    mantissa[0] = buf[0];
    std::copy(static_cast<const char*>(buf.data() + 2), e, mantissa.begin() + 1);
    // The largest doubles round up past the largest double; written that way
    // they would not read back, so they are written rounded down instead.
    if (exponent == 308 && std::string_view(mantissa.data(), 15) == "179769313486232")
        mantissa[14] = '1';
    int used = 15;
    while (used > 1 && mantissa[used - 1] == '0')
        --used;

    QString out;
    out.reserve(24);
    if (value < 0)
        out += u'-';
    auto appendDigits = [&](int from, int to) {
        for (int i = from; i < to; ++i)
            out += QLatin1Char(i < used ? mantissa[i] : '0');
    };
    if (exponent >= -4 && exponent <= 14) {
        if (exponent >= 0) {
            appendDigits(0, exponent + 1);
            if (used > exponent + 1) {
                out += sep.decimal;
                appendDigits(exponent + 1, used);
            }
        } else {
            out += u'0';
            out += sep.decimal;
            out += QString(-exponent - 1, u'0');
            appendDigits(0, used);
        }
    } else {
        out += QLatin1Char(mantissa[0]);
        if (used > 1) {
            out += sep.decimal;
            appendDigits(1, used);
        }
        out += u'E';
        out += exponent < 0 ? u'-' : u'+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            out += u'0';
        out += QString::number(magnitude);
    }
    return out;
}

std::int32_t TextToInt32(const QString& text, const Separators& sep) {
    const double value = TextToNumber(text, sep);
    // Ties to even, whatever the floating-point rounding mode is.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0))
        rounded += 1;
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        throw OverflowFailure(
            QStringLiteral(
                "%1 lies outside the range of whole numbers (-2147483648 to 2147483647).")
                .arg(quotedForMessage(text)));
    return static_cast<std::int32_t>(rounded);
}

QString Int32ToText(std::int32_t value) {
    return QString::number(value);
}

double Operand::toNumber(const Separators& sep) const {
    if (const auto* text = std::get_if<QString>(&m_value))
        return TextToNumber(*text, sep);
    return std::get<double>(m_value);
}

double MultiplyValues(std::initializer_list<Operand> operands, const Separators& sep) {
    Q_ASSERT(operands.size() >= 2);
    auto it = operands.begin();
    double product = it->toNumber(sep);
    for (++it; it != operands.end(); ++it) {
        product *= it->toNumber(sep);
        if (!std::isfinite(product))
            throw OverflowFailure(QStringLiteral(
                "The product is larger than the largest number the calculator can hold."));
    }
    return product;
}

bool SameText(const QString& a, const QString& b) {
    return a == b;
}

std::int32_t AddInt32(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        throw OverflowFailure(QStringLiteral("The sum %1 + %2 lies outside the range of whole "
                                             "numbers (-2147483648 to 2147483647).")
                                  .arg(a)
                                  .arg(b));
    return sum;
}

double CheckedDivide(double dividend, double divisor) {
    if (divisor == 0)
        throw FloatingPointFailure(QStringLiteral("A calculation divided by zero."));
    const double q = dividend / divisor;
    if (!std::isfinite(q))
        throw FloatingPointFailure(QStringLiteral("A division gave no valid number."));
    return q;
}

double CheckedMultiply(double a, double b) {
    const double p = a * b;
    if (!std::isfinite(p))
        throw FloatingPointFailure(QStringLiteral("A multiplication gave no valid number."));
    return p;
}

} // namespace numeric
