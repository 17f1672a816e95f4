// SPDX-License-Identifier: MIT
#include "calc/halve.h"

#include <gtest/gtest.h>

namespace zq {
namespace {

using enum HalvingReason;

TEST(Halving, HalvesAnAcceptanceFeeOnceToTheFenRoundingUp) {
    const HalvedFee once = HalveFee({Mediation}, "1、财产案件", "10001");
    const HalvedFee combined =
        HalveFee({Mediation, Withdrawal, Summary, Counterclaim}, "1、财产案件", "10001");
    EXPECT_EQ(once.outcome.feeText, "50.03");
    EXPECT_EQ(once.halvedFee, "25.02");
    EXPECT_EQ(combined.halvedFee, "25.02");
    EXPECT_EQ(once.articles, "第十五条");
    EXPECT_EQ(combined.articles, "第十五条、第十六条、第十八条");
    EXPECT_EQ(HalveFee({Counterclaim, Summary, Counterclaim}, "1、财产案件", "1").articles,
              "第十八条、第十六条");
    EXPECT_EQ(HalveFee({Withdrawal}, "1、离婚案件", "200002").halvedFee, "150.01");
    EXPECT_EQ(HalveFee({Summary}, "6、劳动争议案件", "").halvedFee, "5.00");
    EXPECT_EQ(HalveFee({Mediation}, "1、财产案件", "1e20").halvedFee, "250000000000021000.00");
}

TEST(Halving, RefusesApplicationFees) {
    for (const char* type :
         {"1、执行案件", "2、破产案件", "1、支付令、公示催告案件", "2.申请海事强制令"}) {
        const HalvedFee answer = HalveFee({Withdrawal}, type, "100000");
        EXPECT_FALSE(answer.halved()) << type;
        EXPECT_FALSE(answer.outcome.feeText.empty()) << type;
        EXPECT_NE(answer.refusal.find("申请费（第十四条）"), std::string::npos) << type;
    }
}

TEST(Halving, LeavesARefusedAmountOrAnUnknownTypeToTheOutcome) {
    const HalvedFee refused = HalveFee({Mediation}, "1、财产案件", "abc");
    EXPECT_FALSE(refused.halved());
    EXPECT_TRUE(refused.refusal.empty());
    EXPECT_TRUE(refused.outcome.message.has_value());
    const HalvedFee unknown = HalveFee({Mediation}, "无此类型", "100");
    EXPECT_FALSE(unknown.halved());
    EXPECT_TRUE(unknown.refusal.empty());
}

}  // namespace
}  // namespace zq
