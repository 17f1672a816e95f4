// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/amounts_for_fee.h"
#include "calc/catalogue.h"

namespace zq {
namespace {

constexpr const char* kProperty = "1、财产案件";
constexpr const char* kIntellectual = "2、知识产权案件";

// Amounts in fen: band edges and their neighbours, then amounts spread over every magnitude.
std::vector<std::uint64_t> SeededAmounts() {
    std::vector<std::uint64_t> fen{0,          1,         99999,     100000,    100001,
                                   1000000,    1000001,   5000000,   20000000,  20000001,
                                   50000000,   100000000, 200000000, 500000000, 1000000000,
                                   2000000000, 4000000000};
    std::mt19937_64 random(29);
    std::uniform_real_distribution<double> exponent(0.0, 11.0);
    for (int i = 0; i < 60; ++i) {
        fen.push_back(static_cast<std::uint64_t>(std::pow(10.0, exponent(random)) * 100));
    }
    return fen;
}

class AmountsRoundTrip : public ::testing::TestWithParam<const char*> {};

// Whatever amount priced a fee lies in a range the search gives back for it; each range's ends
// give the fee, and one fen beyond either end does not.
TEST_P(AmountsRoundTrip, SeededAmountLiesInARangeWithExactEnds) {
    const std::string_view type = GetParam();
    for (const std::uint64_t amount : SeededAmounts()) {
        const std::uint64_t fee = FeeFenOfAmount(type, amount);
        const std::optional<AmountsForFee> found = FindAmountsForFee(type, fee);
        ASSERT_TRUE(found.has_value());
        ASSERT_FALSE(found->ranges.empty()) << amount;
        bool inside = false;
        for (const AmountRange& range : found->ranges) {
            const std::uint64_t max = range.maxFen.value_or(kLargestAmountFen);
            inside = inside || (amount >= range.minFen && amount <= max);
            EXPECT_EQ(FeeFenOfAmount(type, range.minFen), fee) << amount;
            EXPECT_EQ(FeeFenOfAmount(type, max), fee) << amount;
            if (range.minFen > 0) {
                EXPECT_NE(FeeFenOfAmount(type, range.minFen - 1), fee) << amount;
            }
            if (range.maxFen) {
                EXPECT_NE(FeeFenOfAmount(type, *range.maxFen + 1), fee) << amount;
            }
        }
        EXPECT_TRUE(inside) << type << " " << amount;
    }
}

INSTANTIATE_TEST_SUITE_P(GraduatedRules, AmountsRoundTrip,
                         ::testing::Values(kProperty, "2、破产案件", "1、支付令、公示催告案件",
                                           kIntellectual, "1、离婚案件",
                                           "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件",
                                           "1、申请诉讼保全措施案件", "1、执行案件"));

TEST(AmountsForFee, BandEdgesAndJumps) {
    // 13800 is the top of band 5 (1000000) reached from 999999.50 and left after 1000000.55.
    auto found = FindAmountsForFee(kProperty, 1380000);
    ASSERT_TRUE(found);
    ASSERT_EQ(found->ranges.size(), 1U);
    EXPECT_EQ(found->ranges[0], (AmountRange{99999950, 100000055}));

    // Without an amount an IP case costs 1000; with one, 1000 is reached in band 2.
    found = FindAmountsForFee(kIntellectual, 100000);
    ASSERT_TRUE(found);
    ASSERT_EQ(found->ranges.size(), 2U);
    EXPECT_EQ(found->ranges[0], (AmountRange{0, 0}));
    EXPECT_EQ(found->ranges[1].minFen, 4799980U);  // 47999.80 x 2.5% - 200 = 999.995

    // The lowest fee of the scale: from the first fen up to 10000.19 (10000.20 gives 50.005,
    // shown 50.01).
    found = FindAmountsForFee(kIntellectual, 5000);
    ASSERT_TRUE(found);
    ASSERT_EQ(found->ranges.size(), 1U);
    EXPECT_EQ(found->ranges[0], (AmountRange{1, 1000019}));
}

TEST(AmountsForFee, CapsAndFlatFeesAreUnbounded) {
    for (const auto& [type, fee] : std::vector<std::pair<const char*, std::uint64_t>>{
             {"2、破产案件", 30000000},
             {"1、申请诉讼保全措施案件", 500000},
             {"7、管辖异议不成立", 10000},
             {"1.申请设立海事赔偿责任限制基金", 1000000}}) {
        const auto found = FindAmountsForFee(type, fee);
        ASSERT_TRUE(found);
        ASSERT_EQ(found->ranges.size(), 1U) << type;
        EXPECT_FALSE(found->ranges[0].maxFen.has_value()) << type;
    }
    EXPECT_EQ(FindAmountsForFee("7、管辖异议不成立", 10000)->ranges[0].minFen, 0U);
}

TEST(AmountsForFeeRefused, NoAmountGivesTheFee) {
    // Below the lowest fee: only a fee above is near.
    auto found = FindAmountsForFee(kProperty, 4900);
    ASSERT_TRUE(found);
    EXPECT_TRUE(found->ranges.empty());
    EXPECT_FALSE(found->nearestBelowFen);
    EXPECT_EQ(found->nearestAboveFen, 5000U);

    // Above a cap: only a fee below.
    found = FindAmountsForFee("2、破产案件", 30000001);
    EXPECT_TRUE(found->ranges.empty());
    EXPECT_EQ(found->nearestBelowFen, 30000000U);
    EXPECT_FALSE(found->nearestAboveFen);

    // A flat fee asked for another figure, and a fee with a digit below the fen.
    found = FindAmountsForFee("5、其他行政案件", 10000);
    EXPECT_TRUE(found->ranges.empty());
    EXPECT_EQ(found->nearestBelowFen, 5000U);
    found = FindAmountsForFee(kProperty, 1380000, false);
    EXPECT_TRUE(found->ranges.empty());
    EXPECT_EQ(found->nearestBelowFen, 1380000U);
    EXPECT_EQ(found->nearestAboveFen, 1380001U);

    // Between 50 and the IP case's flat 1000, both sides are near.
    found = FindAmountsForFee(kIntellectual, 4999);
    EXPECT_EQ(found->nearestAboveFen, 5000U);
    EXPECT_FALSE(found->nearestBelowFen);

    // Past the fees of every amount searched: said so on a rising scale, not under a cap.
    EXPECT_TRUE(FindAmountsForFee(kProperty, 100'000'000'000'000'000)->beyondSearch);
    EXPECT_FALSE(FindAmountsForFee("2、破产案件", 30000001)->beyondSearch);
    EXPECT_FALSE(FindAmountsForFee(kProperty, 4900)->beyondSearch);
    // A fee past 64 bits of fen ("1e30" read like an amount) does not wrap round to zero.
    found = FindAmountsForFee(kProperty, std::numeric_limits<std::uint64_t>::max(), false);
    EXPECT_TRUE(found->ranges.empty() && found->nearestBelowFen && !found->nearestAboveFen);

    EXPECT_FALSE(FindAmountsForFee("财产案件", 5000).has_value());
}

}  // namespace
}  // namespace zq
