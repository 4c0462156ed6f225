// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric text rules against the standard library's conversions on the
// same inputs, run side by side; prints how many times slower ours are.
#include "numeric/textrules.h"

#include <benchmark/benchmark.h>

#include <QLocale>

#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// What users type and what the handlers write: amounts, weights, prices, zakat.
const std::vector<std::string> typed = {
    "1000",     "123.45",  "1,234,567.89", " 12.5 ", "-400",     "0.0025",  "1E+15",
    "77.15625", "3.08625", "2500",         "10",     "1234.5",   "0.1",     "250",
    "8.8",      "10.56",   "5752.97",      "0",      "99999.99", "1.5E-07",
};

const numeric::Separators english =
    numeric::Separators::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));

std::vector<QString> typedAsText() {
    std::vector<QString> out;
    for (const auto& s : typed)
        out.push_back(QString::fromStdString(s));
    return out;
}

// The same inputs in the only form from_chars reads: no blanks, no groups.
std::vector<std::string> typedForFromChars() {
    std::vector<std::string> out;
    for (std::string s : typed) {
        std::erase(s, ' ');
        std::erase(s, ',');
        out.push_back(s);
    }
    return out;
}

std::vector<double> values() {
    std::vector<double> out;
    for (const auto& s : typedForFromChars()) {
        double v = 0;
        std::from_chars(s.data(), s.data() + s.size(), v);
        out.push_back(v * 0.025); // zakat amounts have long fractions
    }
    return out;
}

void TextToNumber(benchmark::State& state) {
    const auto inputs = typedAsText();
    for (auto _ : state)
        for (const QString& text : inputs)
            benchmark::DoNotOptimize(numeric::TextToNumber(text, english));
    state.SetItemsProcessed(state.iterations() * inputs.size());
}

void FromChars(benchmark::State& state) {
    const auto inputs = typedForFromChars();
    for (auto _ : state)
        for (const std::string& s : inputs) {
            double v = 0;
            std::from_chars(s.data(), s.data() + s.size(), v);
            benchmark::DoNotOptimize(v);
        }
    state.SetItemsProcessed(state.iterations() * inputs.size());
}

void NumberToText(benchmark::State& state) {
    const auto inputs = values();
    for (auto _ : state)
        for (double v : inputs)
            benchmark::DoNotOptimize(numeric::NumberToText(v, english));
    state.SetItemsProcessed(state.iterations() * inputs.size());
}

void ToChars(benchmark::State& state) {
    const auto inputs = values();
    std::array<char, 32> buf{};
    for (auto _ : state)
        for (double v : inputs) {
            auto r = std::to_chars(buf.data(), buf.data() + buf.size(), v,
                                   std::chars_format::general, 15);
            benchmark::DoNotOptimize(r.ptr);
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * inputs.size());
}

BENCHMARK(TextToNumber);
BENCHMARK(FromChars);
BENCHMARK(NumberToText);
BENCHMARK(ToChars);

// Keeps the per-run CPU times so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                cpu[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> cpu;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto ratio = [&](const char* ours, const char* theirs) {
        if (reporter.cpu.count(ours) && reporter.cpu.count(theirs))
            std::printf("%-13s / %-12s = %.2fx\n", ours, theirs,
                        reporter.cpu[ours] / reporter.cpu[theirs]);
    };
    ratio("TextToNumber", "FromChars");
    ratio("NumberToText", "ToChars");
    benchmark::Shutdown();
}
