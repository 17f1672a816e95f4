// SPDX-License-Identifier: MIT
// The calculation step by step, as the rules recorded it: the bands add up to the scale's fee,
// and the adjustments are the ones the rule took.
#include "calc/explain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calc/catalogue.h"
#include "calc/scales.h"

namespace zq {
namespace {

std::vector<std::string> SeededAmounts() {
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> exponent(0.0, 10.0);
    std::vector<std::string> amounts{"0",        "10000",     "10001",   "100000",
                                     "500000",   "1000000",   "5000000", "10000000",
                                     "20000000", "111640000", "1e15"};
    for (int i = 0; i < 300; ++i) {
        amounts.push_back(std::to_string(std::round(std::pow(10.0, exponent(random)) * 100) / 100));
    }
    return amounts;
}

Fen Shown(const std::string& fee) { return Fen::FromShownFee(fee).value(); }

class BreakdownAddsUp : public ::testing::TestWithParam<const char*> {};

TEST_P(BreakdownAddsUp, BandsAddUpToTheScalesFeeAndEachIsItsPartTimesItsRate) {
    const std::string_view type = GetParam();
    for (const std::string& amount : SeededAmounts()) {
        const FeeBreakdown ex = ExplainFee(type, amount);
        ASSERT_TRUE(ex.priced()) << amount;
        ASSERT_EQ(ex.outcome.feeText, ComputeFee(type, amount).feeText) << amount;
        if (ex.bands.empty()) {  // a case without an amount costs its figure
            EXPECT_EQ(amount, "0");
            EXPECT_EQ(ex.adjustments.front().kind, AdjustmentKind::WithoutAmount);
            continue;
        }
        Fen sum;
        for (const BandStep& band : ex.bands) {
            sum = sum + band.amount;
            if (!band.base) {
                const double own =
                    std::stod(band.part.Text()) * static_cast<double>(band.perTenThousand) / 10000;
                EXPECT_NEAR(std::stod(band.amount.Text()), own, 0.0101) << amount;
            }
        }
        EXPECT_EQ(sum, ex.bandsTotal) << type << " " << amount;
        // The bands reach the fee shown, unless a later step divided or capped it.
        if (ex.adjustments.empty() || ex.adjustments.back().kind == AdjustmentKind::WithAmount) {
            EXPECT_EQ(ex.bandsTotal, Shown(ex.outcome.feeText)) << type << " " << amount;
        } else {
            EXPECT_EQ(ex.adjustments.back().result, Shown(ex.outcome.feeText));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(GraduatedRules, BreakdownAddsUp,
                         ::testing::Values("1、财产案件", "1、支付令、公示催告案件", "2、破产案件",
                                           "2、知识产权案件", "1、离婚案件",
                                           "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件",
                                           "1、申请诉讼保全措施案件", "1、执行案件"));

TEST(Breakdown, ListsTheBandsTheAmountReaches) {
    const FeeBreakdown ex = ExplainFee("1、财产案件", "150000");
    ASSERT_EQ(ex.bands.size(), 3U);
    EXPECT_TRUE(ex.bands[0].base);
    EXPECT_EQ(ex.bands[0].amount, Shown("50.00"));
    EXPECT_EQ(ex.bands[1].part, Shown("90000.00"));
    EXPECT_EQ(ex.bands[1].perTenThousand, 250);
    EXPECT_EQ(ex.bands[1].amount, Shown("2250.00"));
    EXPECT_EQ(ex.bands[2].lower, 100000);
    EXPECT_EQ(ex.bands[2].amount, Shown("1000.00"));
    EXPECT_EQ(ExplainFee("1、执行案件", "20000000").bands.back().upper, scales::kNoUpperEdge);
}

TEST(Breakdown, RecordsTheStepsTheRuleTook) {
    const FeeBreakdown third = ExplainFee("1、支付令、公示催告案件", "10001");
    ASSERT_EQ(third.adjustments.size(), 1U);
    EXPECT_EQ(third.adjustments[0].kind, AdjustmentKind::Third);
    EXPECT_EQ(third.adjustments[0].scaleFee, "50.025");
    EXPECT_EQ(third.adjustments[0].quotient, 50.025 / 3);
    EXPECT_EQ(third.adjustments[0].result, Shown("16.68"));
    const FeeBreakdown bankruptcy = ExplainFee("2、破产案件", "200000000");
    ASSERT_EQ(bankruptcy.adjustments.size(), 2U);
    EXPECT_EQ(bankruptcy.adjustments[0].kind, AdjustmentKind::Half);
    EXPECT_EQ(bankruptcy.adjustments[1].kind, AdjustmentKind::BankruptcyCap);
    EXPECT_EQ(bankruptcy.adjustments[1].yuan, 300000);
    EXPECT_EQ(ExplainFee("2、破产案件", "111000000").adjustments.size(), 1U);
    const FeeBreakdown preservation = ExplainFee("1、申请诉讼保全措施案件", "2000000");
    ASSERT_EQ(preservation.adjustments.size(), 1U);
    EXPECT_EQ(preservation.adjustments[0].kind, AdjustmentKind::PreservationCap);
    EXPECT_EQ(preservation.bandsTotal, Shown("10520.00"));  // before the cap
    EXPECT_TRUE(ExplainFee("1、申请诉讼保全措施案件", "895000").adjustments.empty());
    const FeeBreakdown withoutAmount = ExplainFee("2、知识产权案件", "");
    ASSERT_EQ(withoutAmount.adjustments.size(), 1U);
    EXPECT_EQ(withoutAmount.adjustments[0].kind, AdjustmentKind::WithoutAmount);
    EXPECT_EQ(withoutAmount.adjustments[0].yuan, 1000);
    EXPECT_EQ(ExplainFee("2、知识产权案件", "1").adjustments[0].kind, AdjustmentKind::WithAmount);
    const FeeBreakdown flat = ExplainFee("6、劳动争议案件", "1e400");
    ASSERT_TRUE(flat.priced());
    EXPECT_TRUE(flat.bands.empty());
    EXPECT_EQ(flat.adjustments[0].kind, AdjustmentKind::Flat);
    EXPECT_EQ(flat.adjustments[0].yuan, 10);
}

TEST(Breakdown, SaysWhereTheTopOfARangeIsCharged) {
    for (const auto& [type, amount, top] :
         {std::tuple{"2、知识产权案件", "", true}, std::tuple{"2、知识产权案件", "20000", false},
          std::tuple{"7、管辖异议不成立", "1", true}, std::tuple{"1、离婚案件", "300000", true},
          std::tuple{"1.申请设立海事赔偿责任限制基金", "1", true},
          std::tuple{"6、劳动争议案件", "1", false}, std::tuple{"1、执行案件", "", false}}) {
        EXPECT_EQ(ExplainFee(type, amount).chargedAtTopOfRange, top) << type << " " << amount;
    }
}

TEST(Breakdown, NamesWhereTheFigureIsAChoiceBesideTheMeasures) {
    using enum Departure;
    EXPECT_EQ(ExplainFee("1、执行案件", "").departures, std::vector{FigureBelowTop});
    EXPECT_TRUE(ExplainFee("1、执行案件", "5000").departures.empty());
    EXPECT_EQ(ExplainFee("1、行政执行案件", "5000").departures, std::vector{AgencyEnforcement});
    EXPECT_EQ(ExplainFee("1、支付令、公示催告案件", "1").departures,
              (std::vector{PublicSummonsAsPayment, ThirdRoundedHalfEven}));
    EXPECT_EQ(ExplainFee("2、破产案件", "1").departures, std::vector{HalfRoundedHalfEven});
    EXPECT_EQ(ExplainFee("1、申请认可台湾地区法院民事判决、裁定、调解书案件", "").departures,
              std::vector{FigureBelowTop});
    EXPECT_TRUE(ExplainFee("4、申请承认外国仲裁裁决的案件", "").departures.empty());
}

TEST(Breakdown, HasNoStepsWithoutAFee) {
    for (const auto& [type, amount] :
         {std::pair{"1、财产案件", "abc"}, std::pair{"1、执行案件", "1e400"},
          std::pair{"无此类型", "1"}}) {
        const FeeBreakdown ex = ExplainFee(type, amount);
        EXPECT_FALSE(ex.priced()) << type << " " << amount;
        EXPECT_TRUE(ex.bands.empty() && ex.adjustments.empty() && ex.departures.empty());
    }
}

}  // namespace
}  // namespace zq
