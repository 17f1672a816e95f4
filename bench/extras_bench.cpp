// SPDX-License-Identifier: MIT
// The answers beyond one fee: the amounts behind a fee (two binary searches over the fen), the
// proportional split and the capitals.
#include <benchmark/benchmark.h>

#include "calc/amounts_for_fee.h"
#include "calc/fee_split.h"
#include "runtime/fee_capitals.h"

namespace {

void AmountsFor(benchmark::State& state, const char* type, const char* fee) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::FindAmountsForFee(type, fee));
    }
}
BENCHMARK_CAPTURE(AmountsFor, property_scale, "1、财产案件", "13800");
BENCHMARK_CAPTURE(AmountsFor, intellectual_property_two_ranges, "2、知识产权案件", "1000");
BENCHMARK_CAPTURE(AmountsFor, preservation_cap_unbounded, "1、申请诉讼保全措施案件", "5000");

void Split(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::SplitFee("333333.33", "1、财产案件", "1000000"));
    }
}
BENCHMARK(Split);

void Capitals(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(zq::FeeCapitals("107000.53"));
    }
}
BENCHMARK(Capitals);

}  // namespace
