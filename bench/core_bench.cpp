// How long the text rules and a Convert press take, each beside the C library's strtod and
// snprintf("%.15g") doing the same job in the same run.

#include "zorimex/actions.h"
#include "zorimex/fields.h"
#include "zorimex/number_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Amounts as travellers type them, and the exact amounts Convert writes.
const std::array<std::string, 8> kAmounts = {"1234.56", "12.5", "  80 ",    "1,000,000",
                                             "0.102",   "-3",   "135801.6", "4.1"};
const std::array<double, 8> kValues = {135801.6, 1000, 13.5,        61.49999999999999,
                                       0.051,    -240, 130000000.0, 1.0 / 3};

void ReadNumber(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(zorimex::ReadNumber(kAmounts[i++ % kAmounts.size()]));
}
BENCHMARK(ReadNumber);

void ReadNumber_StrtodBaseline(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        char* end = nullptr;
        benchmark::DoNotOptimize(std::strtod(kAmounts[i++ % kAmounts.size()].c_str(), &end));
        benchmark::DoNotOptimize(end);
    }
}
BENCHMARK(ReadNumber_StrtodBaseline);

void NumberText(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(zorimex::NumberText(kValues[i++ % kValues.size()]));
}
BENCHMARK(NumberText);

std::string SnprintfText(double value) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

void NumberText_SnprintfBaseline(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SnprintfText(kValues[i++ % kValues.size()]));
}
BENCHMARK(NumberText_SnprintfBaseline);

void ConvertPress(benchmark::State& state) {
    zorimex::Fields fields;
    fields[zorimex::Field::Text5] = "110";
    std::size_t i = 0;
    for (auto _ : state) {
        fields[zorimex::Field::Text1] = kAmounts[i++ % kAmounts.size()];
        zorimex::Convert(fields);
        benchmark::DoNotOptimize(fields);
    }
}
BENCHMARK(ConvertPress);

// The same twelve steps with strtod and snprintf("%.15g") standing in for the text rules (not
// the program's layout, only its cost): what a press would take with the C library's tools.
void ConvertPress_StrtodSnprintfBaseline(benchmark::State& state) {
    std::array<std::string, 12> f;
    f[5] = "110";
    const auto read = [](const std::string& s) { return std::strtod(s.c_str(), nullptr); };
    const auto right = [](const std::string& s, std::size_t n) {
        return s.size() <= n ? s : s.substr(s.size() - n);
    };
    std::size_t i = 0;
    for (auto _ : state) {
        f[1] = kAmounts[i++ % kAmounts.size()];
        f[11] = SnprintfText(read(f[1]) * read(f[5]));
        f[9] = SnprintfText(read(f[1]) * read(f[5]));
        double x = read(f[9]);
        x = std::trunc(x + (x > 0 ? 0.5 : x < 0 ? -0.5 : 0));
        f[10] = SnprintfText(x);
        f[3] = right(f[10], 3);
        const std::string s4 = right(f[10], 4);
        const std::string s = SnprintfText(read(s4) - read(right(f[10], 3)));
        f[7] = SnprintfText(read(s) * 0.001);
        f[10] = SnprintfText(read(f[10]) - read(right(f[10], 4)));
        f[8] = SnprintfText(read(f[10]) * 0.0001);
        if (read(f[9]) < 1000)
            f[7] = "0";
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(ConvertPress_StrtodSnprintfBaseline);

} // namespace

BENCHMARK_MAIN();
