// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the numeric text rules, in the words of their tables
// (numeric/outcome.h). The first byte picks the region, the rest is the text
// (UTF-8). It checks the rules against each other:
//  - what NumberToText writes, TextToNumber reads back to the same 15 digits;
//  - TextToInt32 is TextToNumber rounded half to even, fails as it does, or
//    overflows outside 32 bits;
// Built without libFuzzer, it replays the files of the folders it is given.
#include "../numeric/outcome.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace numeric;

namespace {

void check(bool holds, const char* what, const QString& text) {
    if (!holds) {
        std::fprintf(stderr, "%s: \"%s\"\n", what, qPrintable(text));
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* const regions[] = {"en", "de", "fr", "ar"};
    const Separators sep = outcome::region(QString::fromLatin1(regions[size ? data[0] % 4 : 0]));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data) + (size > 0),
                                           qsizetype(size) - (size > 0));
    const auto read = [&](const QString& t) {
        return outcome::of([&] { return TextToNumber(t, sep); });
    };

    const QString number = read(text);
    QString whole = number;
    if (!number.endsWith(u"Failure")) {
        const QString written = NumberToText(number.toDouble(), sep);
        check(!read(written).endsWith(u"Failure") &&
                  NumberToText(read(written).toDouble(), sep) == written,
              "NumberToText does not read back", written);
        const double rounded = std::nearbyint(number.toDouble()) + 0.0; // ties to even, no -0
        whole = rounded >= -2147483648.0 && rounded <= 2147483647.0
                    ? QString::number(rounded, 'g', 17)
                    : QStringLiteral("OverflowFailure");
    }
    check(outcome::of([&] { return TextToInt32(text, sep); }) == whole,
          "TextToInt32 is not TextToNumber rounded half to even", text);

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
