// SPDX-License-Identifier: MIT
#include "calc/explain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calc/catalogue.h"
#include "calc/price.h"
#include "runtime/fen.h"

namespace zq {
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

Fen SumOfBands(const FeeBreakdown& ex) {
    Fen sum;
    for (const BandStep& band : ex.bands) {
        sum = sum + Fen::FromFeeText(band.amount).value();
    }
    return sum;
}

class BreakdownAddsUp : public ::testing::TestWithParam<const char*> {};

TEST_P(BreakdownAddsUp, BandsAddUpToTheFeeTheRuleArrivesAt) {
    const std::string_view type = GetParam();
    const RuleChoice rule = catalogue::RuleOfType(type);
    for (const std::string& amount : SeededAmounts()) {
        const FeeBreakdown ex = ExplainFee(type, amount);
        const std::string& fee = ex.outcome.feeText;
        ASSERT_EQ(fee, ComputeFee(type, amount).feeText) << amount;
        ASSERT_TRUE(ex.priced()) << amount;
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
        } else if (rule.rule == FeeRule::PreservationScale && fee == "5000.00") {
            EXPECT_FALSE(Fen::FromFeeText(ex.bandsTotal).value() <
                         Fen::FromFeeText("5000.00").value());
        } else {
            EXPECT_EQ(ex.bandsTotal, Money(fee)) << type << " " << amount;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(GraduatedRules, BreakdownAddsUp,
                         ::testing::Values("1、财产案件", "1、支付令、公示催告案件", "2、破产案件",
                                           "2、知识产权案件", "1、离婚案件",
                                           "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件",
                                           "1、申请诉讼保全措施案件", "1、执行案件"));

TEST(Breakdown, ListsTheBandsOfTheScaleWithTheirPartsAndRates) {
    const FeeBreakdown ex = ExplainFee("1、财产案件", "150000");
    ASSERT_EQ(ex.bands.size(), 3U);
    EXPECT_EQ(ex.bands[0].label, "不超过1万元的部分（每件）");
    EXPECT_EQ(ex.bands[0].amount, "50.00");
    EXPECT_EQ(ex.bands[1].label, "超过1万元至10万元的部分");
    EXPECT_EQ(ex.bands[1].part, "90000");
    EXPECT_EQ(ex.bands[1].rate, "2.5%");
    EXPECT_EQ(ex.bands[1].amount, "2250.00");
    EXPECT_EQ(ex.bands[2].label, "超过10万元至20万元的部分");
    EXPECT_EQ(ex.bands[2].amount, "1000.00");
    EXPECT_EQ(ex.bandsTotal, "3300.00");
    EXPECT_EQ(ex.outcome.feeText, "3300.00");
    EXPECT_EQ(ex.basis.article, "第十三条第（一）项");
    EXPECT_EQ(ExplainFee("1、执行案件", "20000000").bands.back().label, "超过1000万元的部分");
}

TEST(Breakdown, SaysWhereTheTopOfARangeIsCharged) {
    EXPECT_TRUE(ExplainFee("2、知识产权案件", "").chargedAtTopOfRange);
    EXPECT_FALSE(ExplainFee("2、知识产权案件", "20000").chargedAtTopOfRange);
    EXPECT_TRUE(ExplainFee("7、管辖异议不成立", "1").chargedAtTopOfRange);
    EXPECT_TRUE(ExplainFee("1.申请设立海事赔偿责任限制基金", "1").chargedAtTopOfRange);
    EXPECT_FALSE(ExplainFee("6、劳动争议案件", "1").chargedAtTopOfRange);
    EXPECT_TRUE(ExplainFee("1、离婚案件", "300000").chargedAtTopOfRange);
}

TEST(Breakdown, ShowsTheCapsAndTheRoundingOfTheDerivedRules) {
    const FeeBreakdown bankruptcy = ExplainFee("2、破产案件", "200000000");
    ASSERT_EQ(bankruptcy.adjustments.size(), 2U);
    EXPECT_EQ(bankruptcy.adjustments[1], "最高不超过30万元：300000.00");
    const FeeBreakdown third = ExplainFee("1、支付令、公示催告案件", "10001");
    ASSERT_EQ(third.adjustments.size(), 1U);
    EXPECT_NE(third.adjustments[0].find("50.025 ÷ 3 = 16.675"), std::string::npos)
        << third.adjustments[0];
    EXPECT_EQ(ExplainFee("1、申请诉讼保全措施案件", "2000000").adjustments.back(),
              "申请保全措施交纳的费用最多不超过5000元：5000.00");
}

TEST(Breakdown, HasNoStepsWithoutAFee) {
    for (const auto& [type, amount] :
         {std::pair{"1、财产案件", "abc"}, std::pair{"1、财产案件", "1e400"},
          std::pair{"无此类型", "100"}}) {
        const FeeBreakdown ex = ExplainFee(type, amount);
        EXPECT_FALSE(ex.priced()) << type << " " << amount;
        EXPECT_TRUE(ex.bands.empty() && ex.adjustments.empty());
        EXPECT_EQ(ex.outcome.feeText, "");
    }
}

}  // namespace
}  // namespace zq
