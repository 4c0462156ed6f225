// libFuzzer target for the numeric text rules, in the words of their tables
// (numeric/outcome.h). The first byte picks the region, the rest is the text
// (UTF-8); a "|" in it splits it into two operands. It checks the rules
// against each other:
//  - what NumberToText writes, TextToNumber reads back to the same 15 digits;
//  - TextToInt32 is TextToNumber rounded half to even, fails as it does, or
//    overflows outside 32 bits;
//  - MultiplyValues of two texts fails as the first failing text does, or is
//    the product of their numbers, or overflows beyond the finite doubles.
// Built without libFuzzer, it replays the files of the folders it is given.
#include "../numeric/outcome.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace numeric;

namespace {

[[noreturn]] void fail(const char* what, const QString& text) {
    std::fprintf(stderr, "%s: \"%s\"\n", what, qPrintable(text));
    std::abort();
}

bool isNumber(const QString& outcome) {
    return !outcome.endsWith(u"Failure");
}

void checkReadsBack(double value, const Separators& sep) {
    const QString text = NumberToText(value, sep);
    if (std::isfinite(value) &&
        outcome::of([&] { return NumberToText(TextToNumber(text, sep), sep) == text; }) != u"1")
        fail("NumberToText does not read back", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static const QString regions[] = {QStringLiteral("en"), QStringLiteral("de"),
                                      QStringLiteral("fr"), QStringLiteral("ar")};
    const Separators& sep = outcome::region(regions[data[0] % 4]);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const auto read = [&](const QString& t) {
        return outcome::of([&] { return TextToNumber(t, sep); });
    };

    const QString number = read(text);
    QString whole = number;
    if (isNumber(number)) {
        checkReadsBack(number.toDouble(), sep);
        const double rounded = std::nearbyint(number.toDouble()) + 0.0; // ties to even, no -0
        whole = rounded >= -2147483648.0 && rounded <= 2147483647.0
                    ? QString::number(rounded, 'g', 17)
                    : QStringLiteral("OverflowFailure");
    }
    if (outcome::of([&] { return TextToInt32(text, sep); }) != whole)
        fail("TextToInt32 is not TextToNumber rounded half to even", text);

    if (const qsizetype bar = text.indexOf(u'|'); bar >= 0) {
        const QString a = read(text.left(bar)), b = read(text.mid(bar + 1));
        const double product = a.toDouble() * b.toDouble();
        const QString expected = !isNumber(a)             ? a
                                 : !isNumber(b)           ? b
                                 : std::isfinite(product) ? QString::number(product, 'g', 17)
                                                          : QStringLiteral("OverflowFailure");
        if (outcome::of([&] {
                return MultiplyValues({text.left(bar), text.mid(bar + 1)}, sep);
            }) != expected)
            fail("MultiplyValues is not the product of the two numbers", text);
    }

    if (size >= 1 + sizeof(double)) { // any bit pattern must be written readably
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        checkReadsBack(raw, sep);
    }
    return 0;
}

#ifdef ALTAVESH_REPLAY
#include <QDirIterator>
#include <QFile>

int main(int argc, char** argv) {
    int replayed = 0;
    for (QDirIterator it(QString::fromLocal8Bit(argc > 1 ? argv[1] : "."), QDir::Files);
         it.hasNext(); ++replayed) {
        QFile file(it.next());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("replayed %d inputs\n", replayed);
    return replayed > 0 ? 0 : 1;
}
#endif
