// SPDX-License-Identifier: MIT
#include "calc/rule_words.h"

namespace zq {

std::string RuleInWords(const RuleChoice& choice) {
    switch (choice.rule) {
        case FeeRule::NoRule:
            return "无收费规则";
        case FeeRule::PropertyScale:
            return "财产案件分段累计";
        case FeeRule::PaymentOrderThird:
            return "财产案件分段累计的三分之一";
        case FeeRule::BankruptcyHalf:
            return "财产案件分段累计减半，最高 300000 元";
        case FeeRule::IntellectualProperty:
            return "财产案件分段累计；无争议金额的 1000 元";
        case FeeRule::DivorceScale:
            return "300 元；超过 20 万元的部分按 0.5%";
        case FeeRule::PersonalityScale:
            return "500 元；超过 5 万元至 10 万元的部分按 1%，超过 10 万元的部分按 0.5%";
        case FeeRule::PreservationScale:
            return "30 元；超过 1000 元至 10 万元的部分按 1%，超过 10 万元的部分按 0.5%，最高 5000 "
                   "元";
        case FeeRule::EnforcementScale:
            return "执行金额分段累计：50 元；超过 1 万元的部分按 1.5%、1%、0.5%、0.1%";
        case FeeRule::FlatFee:
            return "固定 " + std::to_string(choice.flatFee) + " 元";
    }
    return {};
}

}  // namespace zq
