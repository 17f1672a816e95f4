// SPDX-License-Identifier: MIT
// libFuzzer target: arbitrary bytes as the amount text and as the case type text. Checks what must
// hold for any input a user can type or paste:
//  - the numeric test and text-to-number agree: numeric means a finite value or the overflow
//    failure, never anything else; not numeric means the warning and no fee;
//  - a fee, when there is one, has the shape the window shows: digits, ".", at most two decimals;
//  - the calculation never crashes, leaks or hangs (the sanitizers and libFuzzer watch for that).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calc/catalogue.h"
#include "calc/price.h"
#include "runtime/calc_failure.h"
#include "runtime/numeric_text.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool IsFeeShape(std::string_view fee) {
    const std::size_t point = fee.find('.');
    if (point == std::string_view::npos || fee.find('.', point + 1) != std::string_view::npos) {
        return false;
    }
    const std::size_t decimals = fee.size() - point - 1;
    if (decimals < 1 || decimals > 2) {
        return false;
    }
    for (std::size_t i = 0; i < fee.size(); ++i) {
        if (i != point && (fee[i] < '0' || fee[i] > '9')) {
            return false;
        }
    }
    return true;
}

void CheckAmount(std::string_view amount) {
    const zq::NumberReading reading = zq::ReadNumber(amount);
    try {
        const double value = zq::TextToNumber(amount);
        Require(reading.numeric && !reading.overflow && std::isfinite(value));
        Require(value == reading.value || (std::isnan(value) && std::isnan(reading.value)));
    } catch (const zq::CalcFailure& failure) {
        Require(reading.numeric ? failure.kind() == zq::FailureKind::Overflow && reading.overflow
                                : failure.kind() == zq::FailureKind::TypeMismatch);
    }
}

void CheckCalculation(std::string_view type, std::string_view amount) {
    const zq::FeeOutcome outcome = zq::ComputeFee(type, amount);
    const zq::NumberReading reading = zq::ReadNumber(amount);
    if (!amount.empty() && (!reading.numeric || reading.negative)) {
        Require(outcome.refusal.has_value() &&
                outcome.refusal->kind == (reading.numeric ? zq::RefusalKind::AmountNegative
                                                          : zq::RefusalKind::AmountNotNumeric));
        Require(outcome.feeText.empty() && outcome.amountText == amount);
        return;
    }
    if (outcome.refusal) {
        Require(outcome.refusal->kind == zq::RefusalKind::CalculationFailed &&
                outcome.feeText.empty());
        return;
    }
    const bool known = zq::catalogue::RuleOfType(type).rule != zq::FeeRule::NoRule;
    Require(known ? IsFeeShape(outcome.feeText) : outcome.feeText.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckAmount(input);
    // The amount against a rule of every shape, and the whole input as a type.
    for (const char* type :
         {"1、财产案件", "1、支付令、公示催告案件", "2、破产案件", "2、知识产权案件", "1、离婚案件",
          "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件", "1、申请诉讼保全措施案件",
          "1、执行案件", "6、劳动争议案件"}) {
        CheckCalculation(type, input);
    }
    // Split at the first TAB, as courtfee --batch does: a type and an amount.
    const std::size_t tab = input.find('\t');
    if (tab != std::string_view::npos) {
        CheckCalculation(input.substr(0, tab), input.substr(tab + 1));
    } else {
        CheckCalculation(input, "100");
    }
    return 0;
}
