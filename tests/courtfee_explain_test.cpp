// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <random>
#include <string>

#include "calc/catalogue.h"
#include "calc/compute_fee.h"
#include "cli/batch.h"
#include "cli/explanation.h"
#include "runtime/fen.h"
#include "cli/halving.h"
#include "cli/json_output.h"

namespace zq::cli {
namespace {

std::vector<std::string> SeededAmounts() {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> exponent(0.0, 10.0);
    std::vector<std::string> amounts{"0",        "10000",     "10001",   "100000",
                                     "500000",   "1000000",   "5000000", "10000000",
                                     "20000000", "111640000", "1e15"};
    for (int i = 0; i < 400; ++i) {
        amounts.push_back(std::to_string(std::round(std::pow(10.0, exponent(random)) * 100) / 100));
    }
    return amounts;
}

// "30.5" and "30.50" are the same money.
std::string Money(const std::string& fee) { return Fen::FromFeeText(fee).value().Text(); }

Fen SumOfBands(const Explanation& ex) {
    Fen sum;
    for (const BandStep& band : ex.bands) {
        sum = sum + Fen::FromFeeText(band.amount).value();
    }
    return sum;
}

class ExplanationAddsUp : public ::testing::TestWithParam<const char*> {};

TEST_P(ExplanationAddsUp, BandsAddUpToTheFeeTheRuleArrivesAt) {
    const std::string_view type = GetParam();
    const RuleChoice rule = catalogue::RuleOfType(type);
    for (const std::string& amount : SeededAmounts()) {
        const Explanation ex = ExplainFee(type, amount);
        ASSERT_EQ(ex.fee, ComputeFee(type, amount).feeText) << amount;
        if (ex.bands.empty()) {
            EXPECT_TRUE(rule.rule == FeeRule::IntellectualProperty && amount == "0");
            continue;
        }
        EXPECT_EQ(SumOfBands(ex).Text(), ex.bandsTotal) << type << " " << amount;
        // Each band's fee is its part times its rate, to within the one fen of rounding.
        for (const BandStep& band : ex.bands) {
            if (band.part.empty()) {
                continue;
            }
            const double own = std::stod(band.part) * std::stod(band.rate) / 100;
            EXPECT_NEAR(std::stod(band.amount), own, 0.0101) << band.label << " at " << amount;
        }
        // The bands reach the fee shown, or the stage the adjustment starts from.
        if (rule.rule == FeeRule::PaymentOrderThird || rule.rule == FeeRule::BankruptcyHalf) {
            EXPECT_EQ(ex.bandsTotal, Money(ComputeFee("1、财产案件", amount).feeText)) << amount;
        } else if (rule.rule == FeeRule::PreservationScale && ex.fee == "5000.00") {
            EXPECT_FALSE(Fen::FromFeeText(ex.bandsTotal).value() <
                         Fen::FromFeeText("5000.00").value());
        } else {
            EXPECT_EQ(ex.bandsTotal, Money(ex.fee)) << type << " " << amount;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(GraduatedRules, ExplanationAddsUp,
                         ::testing::Values("1、财产案件", "1、支付令、公示催告案件", "2、破产案件",
                                           "2、知识产权案件", "1、离婚案件",
                                           "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件",
                                           "1、申请诉讼保全措施案件", "1、执行案件"));

TEST(Explanation, SaysWhereTheTopOfARangeIsCharged) {
    EXPECT_TRUE(ExplainFee("2、知识产权案件", "").chargedAtTopOfRange);
    EXPECT_FALSE(ExplainFee("2、知识产权案件", "20000").chargedAtTopOfRange);
    EXPECT_TRUE(ExplainFee("7、管辖异议不成立", "1").chargedAtTopOfRange);
    EXPECT_TRUE(ExplainFee("1.申请设立海事赔偿责任限制基金", "1").chargedAtTopOfRange);
    EXPECT_FALSE(ExplainFee("6、劳动争议案件", "1").chargedAtTopOfRange);
    const std::string text = RenderExplanation(ExplainFee("1、离婚案件", "300000"));
    EXPECT_NE(text.find("按最高限额计算"), std::string::npos);
    EXPECT_NE(text.find("第十三条第（二）项第1目"), std::string::npos);
    EXPECT_TRUE(text.ends_with("法院收费：800.00\n")) << text;
}

TEST(Explanation, ShowsTheCapsAndTheRoundingOfTheDerivedRules) {
    const Explanation bankruptcy = ExplainFee("2、破产案件", "200000000");
    ASSERT_EQ(bankruptcy.adjustments.size(), 2U);
    EXPECT_EQ(bankruptcy.adjustments[1], "最高不超过30万元：300000.00");
    const Explanation third = ExplainFee("1、支付令、公示催告案件", "10001");
    ASSERT_EQ(third.adjustments.size(), 1U);
    EXPECT_NE(third.adjustments[0].find("50.025 ÷ 3 = 16.675"), std::string::npos)
        << third.adjustments[0];
    EXPECT_EQ(ExplainFee("1、申请诉讼保全措施案件", "2000000").adjustments.back(),
              "申请保全措施交纳的费用最多不超过5000元：5000.00");
    EXPECT_EQ(ExplainFee("1、财产案件", "abc").note, "标的中请输入数字！");
}

TEST(Halving, HalvesAnAcceptanceFeeOnceToTheFenRoundingUp) {
    const auto all = ParseHalvingReasons("调解,撤诉,简易程序,反诉");
    const auto one = ParseHalvingReasons("mediation");
    ASSERT_TRUE(all && one);
    const HalvingAnswer once = HalveFee(*one, "1、财产案件", "10001");
    const HalvingAnswer combined = HalveFee(*all, "1、财产案件", "10001");
    EXPECT_EQ(once.fullFee, "50.03");
    EXPECT_EQ(once.halvedFee, "25.02");
    EXPECT_EQ(combined.halvedFee, "25.02");
    EXPECT_EQ(once.articles, "第十五条");
    EXPECT_EQ(combined.articles, "第十五条、第十六条、第十八条");
    EXPECT_EQ(HalveFee(*one, "1、离婚案件", "200002").halvedFee, "150.01");
    EXPECT_EQ(HalveFee(*one, "6、劳动争议案件", "").halvedFee, "5.00");
    EXPECT_EQ(HalveFee(*one, "1、财产案件", "1e20").halvedFee, "250000000000021000.00");
}

TEST(Halving, RefusesApplicationFeesAndUnknownReasons) {
    const auto reasons = ParseHalvingReasons("撤诉");
    for (const char* type :
         {"1、执行案件", "2、破产案件", "1、支付令、公示催告案件", "2.申请海事强制令"}) {
        const HalvingAnswer answer = HalveFee(*reasons, type, "100000");
        EXPECT_FALSE(answer.ok()) << type;
        EXPECT_EQ(answer.halvedFee, "");
        EXPECT_NE(answer.note.find("申请费"), std::string::npos);
    }
    EXPECT_FALSE(ParseHalvingReasons("打折").has_value());
    EXPECT_FALSE(ParseHalvingReasons("").has_value());
    EXPECT_FALSE(ParseHalvingReasons("调解,").has_value());
    EXPECT_TRUE(ParseHalvingReasons("调解、简易程序").has_value());
}

TEST(JsonOutput, ParsesAndAgreesWithThePlainAnswer) {
    for (const auto& kind : catalogue::AllKinds()) {
        for (const auto& type : kind.types) {
            for (const char* amount : {"", "12345.678", "abc", "1e400", "-5"}) {
                const CaseAnswer answer = AnswerCase(type.text, amount);
                const auto object = nlohmann::json::parse(CaseJson(type.text, answer));
                EXPECT_EQ(object["type"], type.text);
                EXPECT_EQ(object["amount"], answer.amountText);
                EXPECT_EQ(object["fee"], answer.feeText);
                if (answer.ok()) {
                    EXPECT_TRUE(object["message"].is_null());
                    EXPECT_EQ(object["fee_value"].get<double>(), std::stod(answer.feeText));
                } else {
                    EXPECT_EQ(object["message"], answer.note);
                    EXPECT_TRUE(object["fee_value"].is_null());
                }
                const auto explained =
                    nlohmann::json::parse(ExplanationJson(ExplainFee(type.text, amount)));
                EXPECT_EQ(explained["fee"], answer.feeText);
            }
        }
    }
    // Bytes that are not UTF-8 still give valid JSON.
    const auto odd = nlohmann::json::parse(CaseJson("\xFF\xFE", AnswerCase("\xFF\xFE", "1")));
    EXPECT_TRUE(odd["message"].is_string());
}

}  // namespace
}  // namespace zq::cli
