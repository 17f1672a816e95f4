// SPDX-License-Identifier: MIT
// Time per conversion: the steps every fee passes through, each on the kind of value it sees.
#include <benchmark/benchmark.h>

#include <string>

#include "runtime/fee_rounding.h"
#include "runtime/number_text.h"
#include "runtime/numeric_text.h"

namespace {

void ReadPlainAmount(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::ReadNumber("1234567.89"));
    }
}
BENCHMARK(ReadPlainAmount);

void ReadFifteenDigitFee(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::ReadNumber("5303.70370370370"));
    }
}
BENCHMARK(ReadFifteenDigitFee);

void ReadWithExponent(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::ReadNumber("1.23456789e6"));
    }
}
BENCHMARK(ReadWithExponent);

// 1234567.89 x 0.009 + 4800: a fee with more than 15 significant digits.
void WriteComputedFee(benchmark::State& state) {
    double fee = 1234567.89 * 0.009 + 4800;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fee);
        std::string text = zq::NumberToText(fee);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(WriteComputedFee);

void WriteShortFee(benchmark::State& state) {
    double fee = 50.025;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fee);
        std::string text = zq::NumberToText(fee);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(WriteShortFee);

void RoundThirdHalfEven(benchmark::State& state) {
    double third = 15911.1111 / 3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(third);
        benchmark::DoNotOptimize(zq::RoundHalfEven2(third));
    }
}
BENCHMARK(RoundThirdHalfEven);

void ShowFee(benchmark::State& state) {
    double fee = 15911.1111;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fee);
        std::string text = zq::ShownFee(fee);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(ShowFee);

}  // namespace
