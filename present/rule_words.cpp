// SPDX-License-Identifier: MIT
#include "present/rule_words.h"

#include <cmath>

#include "calc/scales.h"
#include "present/yuan_words.h"
#include "runtime/number_text.h"

namespace zq::present {
namespace {

std::string Yuan(double yuan) { return YuanWords(yuan, " "); }

std::string Rate(const scales::MarginalBand& band) {
    return NumberToText(static_cast<double>(band.perTenThousand) / 100) + "%";
}

// "300 元；超过 20 万元的部分按 0.5%": the base fee, then each band with its rate.
template <std::size_t N>
std::string ScaleWords(const scales::MarginalScale<N>& scale) {
    std::string words = std::to_string(scale.baseFee) + " 元；";
    for (std::size_t i = 0; i < N; ++i) {
        const scales::MarginalBand& band = scale.bands[i];
        words += (i == 0 ? "超过 " : "，超过 ") + Yuan(band.lower);
        if (band.upper != scales::kNoUpperEdge) {
            words += "至 " + Yuan(band.upper);
        }
        words += "的部分按 " + Rate(band);
    }
    return words;
}

}  // namespace

std::string RuleInWords(const RuleChoice& choice) {
    switch (choice.rule) {
        case FeeRule::NoRule:
            return "无收费规则";
        case FeeRule::PropertyScale:
            return "财产案件分段累计";
        case FeeRule::PaymentOrderThird:
            return "财产案件分段累计的三分之一";
        case FeeRule::BankruptcyHalf:
            return "财产案件分段累计减半，最高 " + std::to_string(scales::kBankruptcyCap) + " 元";
        case FeeRule::IntellectualProperty:
            return "财产案件分段累计；无争议金额的 " + std::to_string(choice.figure) + " 元";
        case FeeRule::DivorceScale:
            return ScaleWords(scales::kDivorce);
        case FeeRule::PersonalityScale:
            return ScaleWords(scales::kPersonality);
        case FeeRule::PreservationScale:
            return ScaleWords(scales::kPreservation) + "，最高 " +
                   std::to_string(scales::kPreservationCap) + " 元";
        case FeeRule::EnforcementScale: {
            std::string words = "执行金额分段累计：" +
                                std::to_string(scales::kEnforcement.baseFee) + " 元；超过 " +
                                Yuan(scales::kEnforcement.baseUpper()) + "的部分按 ";
            for (const scales::MarginalBand& band : scales::kEnforcement.bands) {
                words += (&band == scales::kEnforcement.bands.data() ? "" : "、") + Rate(band);
            }
            return words;
        }
        case FeeRule::FlatFee:
            return "固定 " + std::to_string(choice.figure) + " 元";
    }
    return {};
}

}  // namespace zq::present
