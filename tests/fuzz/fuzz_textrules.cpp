// libFuzzer target for the numeric text rules. The first byte picks the
// region, the rest is the text (UTF-8). Besides crashes and sanitizer reports
// it checks the rules against each other:
//  - whatever NumberToText writes, TextToNumber reads back equal to 15 digits;
//  - TextToInt32 is TextToNumber rounded half to even, or overflows exactly
//    when that lies outside 32 bits;
//  - MultiplyValues of two texts is the product of their numbers, or
//    overflows exactly when that product is not finite.
#include "numeric/textrules.h"

#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

using namespace numeric;

namespace {

const Separators& region(std::uint8_t selector) {
    static const Separators regions[] = {
        Separators::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)),
        Separators::fromLocale(QLocale(QLocale::German, QLocale::Germany)),
        Separators::fromLocale(
            QLocale(QLocale::French, QLocale::France)), // narrow no-break space groups
        Separators::fromLocale(QLocale(QLocale::Arabic, QLocale::Egypt)),
    };
    return regions[selector % std::size(regions)];
}

[[noreturn]] void fail(const char* what, const QString& text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, qPrintable(text));
    std::abort();
}

// TextToNumber's answer: a value, or which failure it raised.
struct Reading {
    std::optional<double> value;
    bool overflow = false;
};

Reading read(const QString& text, const Separators& sep) {
    try {
        return {TextToNumber(text, sep)};
    } catch (const OverflowFailure&) {
        return {std::nullopt, true};
    } catch (const ConversionFailure&) {
        return {};
    }
}

std::optional<double> number(const QString& text, const Separators& sep) {
    return read(text, sep).value;
}

void checkReadsBack(double value, const Separators& sep) {
    if (!std::isfinite(value))
        return;
    const QString text = NumberToText(value, sep);
    const std::optional<double> back = number(text, sep);
    if (!back)
        fail("NumberToText wrote a text TextToNumber rejects", text);
    if (NumberToText(*back, sep) != text)
        fail("does not read back to the same 15 digits", text);
}

void checkInt32(const QString& text, const Separators& sep, const Reading& reading) {
    const std::optional<double>& value = reading.value;
    std::optional<std::int32_t> whole;
    bool overflow = false;
    try {
        whole = TextToInt32(text, sep);
    } catch (const OverflowFailure&) {
        overflow = true;
    } catch (const ConversionFailure&) {
    }
    // Both read the same forms; beyond the largest double both overflow.
    if ((value || reading.overflow) != (whole || overflow) || (reading.overflow && !overflow))
        fail("TextToInt32 and TextToNumber disagree on the form", text);
    if (!value)
        return;
    const double rounded = std::nearbyint(*value); // the default mode: ties to even
    const bool fits = rounded >= -2147483648.0 && rounded <= 2147483647.0;
    if (fits != whole.has_value() || (whole && double(*whole) != rounded))
        fail("TextToInt32 is not TextToNumber rounded half to even", text);
}

void checkProduct(const QString& a, const QString& b, const Separators& sep) {
    const std::optional<double> x = number(a, sep);
    const std::optional<double> y = number(b, sep);
    try {
        const double product = MultiplyValues({a, b}, sep);
        if (!x || !y || product != *x * *y)
            fail("MultiplyValues differs from the product", a + QLatin1Char('|') + b);
    } catch (const OverflowFailure&) {
        if (x && y && std::isfinite(*x * *y))
            fail("MultiplyValues overflowed on a finite product", a + QLatin1Char('|') + b);
    } catch (const ConversionFailure&) {
        if (x && y)
            fail("MultiplyValues rejected two numbers", a + QLatin1Char('|') + b);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const Separators& sep = region(data[0]);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const Reading reading = read(text, sep);
    if (reading.value) {
        if (!std::isfinite(*reading.value))
            fail("TextToNumber gave a value that is not finite", text);
        checkReadsBack(*reading.value, sep);
    }
    checkInt32(text, sep, reading);
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar >= 0)
        checkProduct(text.left(bar), text.mid(bar + 1), sep);

    // The raw bytes as a double: any bit pattern must be written readably.
    if (size >= 1 + sizeof(double)) {
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        checkReadsBack(raw, sep);
    }
    return 0;
}
