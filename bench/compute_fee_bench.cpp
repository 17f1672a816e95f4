// SPDX-License-Identifier: MIT
// Time per Calculate command, one benchmark for each kind of fee rule.
#include <benchmark/benchmark.h>

#include "calc/price.h"

namespace {

void Price(benchmark::State& state, const char* type, const char* amount) {
    for (auto _ : state) {
        zq::FeeOutcome outcome = zq::ComputeFee(type, amount);
        benchmark::DoNotOptimize(outcome);
    }
}

BENCHMARK_CAPTURE(Price, property_scale, "1、财产案件", "1234567.89");
BENCHMARK_CAPTURE(Price, payment_order_third, "1、支付令、公示催告案件", "1234567.89");
BENCHMARK_CAPTURE(Price, bankruptcy_half, "2、破产案件", "1234567.89");
BENCHMARK_CAPTURE(Price, intellectual_property, "2、知识产权案件", "0");
BENCHMARK_CAPTURE(Price, divorce, "1、离婚案件", "350000");
BENCHMARK_CAPTURE(Price, personality, "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件",
                  "150000");
BENCHMARK_CAPTURE(Price, preservation, "8、申请涉外仲裁财产保全的案件", "250000");
BENCHMARK_CAPTURE(Price, enforcement, "1、公正执行案件", "12000000");
BENCHMARK_CAPTURE(Price, flat_fee, "5.申请共同海损理算", "100");
BENCHMARK_CAPTURE(Price, rejected_amount, "1、财产案件", "1万");
BENCHMARK_CAPTURE(Price, unknown_type, "无此类型", "100");

}  // namespace
