// SPDX-License-Identifier: MIT
#include "calc/departures.h"

#include "calc/catalogue.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

constexpr std::string_view kForeignJudgment = "1、申请承认外国法院民事判决、裁定案件";
constexpr std::string_view kTaiwanRuling = "1、申请认可台湾地区法院民事判决、裁定、调解书案件";

}  // namespace

std::vector<Departure> DeparturesFromMeasures(std::string_view typeText,
                                              std::string_view amountText) {
    const NumberReading amount = ReadNumber(amountText);
    if (!amountText.empty() && !amount.numeric) {
        return {};
    }
    switch (catalogue::RuleOfType(typeText).rule) {
        case FeeRule::EnforcementScale:
            if (!amount.overflow && amount.value <= 0) {
                return {Departure::EnforcementWithoutAmount};
            }
            return {};
        case FeeRule::PaymentOrderThird:
            return {Departure::PublicSummonsAsPayment, Departure::ThirdRoundedHalfEven};
        case FeeRule::BankruptcyHalf:
            return {Departure::HalfRoundedHalfEven};
        case FeeRule::FlatFee:
            if (typeText == kForeignJudgment || typeText == kTaiwanRuling) {
                return {Departure::RecognitionAtHundred};
            }
            return {};
        default:
            return {};
    }
}

}  // namespace zq
