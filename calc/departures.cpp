// SPDX-License-Identifier: MIT
#include "calc/departures.h"

#include "calc/catalogue.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

constexpr std::string_view kForeignJudgment = "1、申请承认外国法院民事判决、裁定案件";
constexpr std::string_view kTaiwanRuling = "1、申请认可台湾地区法院民事判决、裁定、调解书案件";

constexpr std::string_view kRecognitionNote =
    "第十四条第（一）项第1目对没有执行金额或者价额的申请规定每件交纳50元至500元，本程序按100元"
    "计收。";

}  // namespace

std::vector<std::string> DeparturesFromMeasures(std::string_view typeText,
                                                std::string_view amountText) {
    const NumberReading amount = ReadNumber(amountText);
    if (!amountText.empty() && !amount.numeric) {
        return {};
    }
    std::vector<std::string> notes;
    switch (catalogue::RuleOfType(typeText).rule) {
        case FeeRule::EnforcementScale:
            if (!amount.overflow && amount.value <= 0) {
                notes.emplace_back(
                    "没有执行金额或者价额的，第十四条第（一）项第1目规定每件交纳50元至500元，"
                    "本程序按50元计收。");
            }
            break;
        case FeeRule::PaymentOrderThird:
            notes.emplace_back(
                "申请公示催告的，第十四条第（四）项规定每件交纳100元；本类型一律比照支付令，按财产"
                "案件受理费标准的1/3计算。");
            notes.emplace_back(
                "1/3保留到分时，恰为半分的按四舍六入五成双处理（16.675元计为16.68元），《办法》"
                "未规定舍入方法。");
            break;
        case FeeRule::BankruptcyHalf:
            notes.emplace_back(
                "减半保留到分时，恰为半分的按四舍六入五成双处理（25.005元计为25.00元），《办法》"
                "未规定舍入方法。");
            break;
        case FeeRule::FlatFee:
            if (typeText == kForeignJudgment || typeText == kTaiwanRuling) {
                notes.emplace_back(kRecognitionNote);
            }
            break;
        default:
            break;
    }
    return notes;
}

}  // namespace zq
