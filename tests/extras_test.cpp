// SPDX-License-Identifier: MIT
// What the core adds to a fee: halving (Articles 15, 16, 18), the proportional split (Article 29)
// and the amounts behind a fee.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "calc/amounts_for_fee.h"
#include "calc/catalogue.h"
#include "calc/fee_split.h"
#include "calc/halve.h"

namespace zq {
namespace {

using enum HalvingReason;

Fen Shown(const std::string& fee) { return Fen::FromShownFee(fee).value(); }

TEST(Halving, HalvesAnAcceptanceFeeOnceToTheFenRoundingUp) {
    const HalvedFee once = HalveFee({Mediation}, "1、财产案件", "10001");
    EXPECT_EQ(once.outcome.feeText, "50.03");
    EXPECT_EQ(once.halved, Shown("25.02"));
    EXPECT_EQ(once.articles, std::vector<std::string_view>{"第十五条"});
    const HalvedFee all =
        HalveFee({Mediation, Withdrawal, Summary, Counterclaim}, "1、财产案件", "10001");
    EXPECT_EQ(all.halved, Shown("25.02"));
    EXPECT_EQ(all.articles, (std::vector<std::string_view>{"第十五条", "第十六条", "第十八条"}));
    EXPECT_EQ(HalveFee({Counterclaim, Summary, Counterclaim}, "1、财产案件", "1").articles,
              (std::vector<std::string_view>{"第十八条", "第十六条"}));
    EXPECT_EQ(HalveFee({Withdrawal}, "1、离婚案件", "200002").halved, Shown("150.01"));
    EXPECT_EQ(HalveFee({Summary}, "6、劳动争议案件", "").halved, Shown("5.00"));
    EXPECT_EQ(HalveFee({Mediation}, "1、财产案件", "1e20").halved, Shown("250000000000021000.00"));
}

TEST(Halving, ReachesAcceptanceFeesOnly) {
    for (const auto& kind : catalogue::AllKinds()) {
        for (const auto& type : kind.types) {
            const bool acceptance = type.basis.kind == FeeKind::AcceptanceFee;
            EXPECT_EQ(CanBeHalved(type.text), acceptance) << type.text;
            const HalvedFee answer = HalveFee({Withdrawal}, type.text, "100000");
            EXPECT_EQ(answer.done(), acceptance) << type.text;
            EXPECT_EQ(answer.applicationFee, !acceptance) << type.text;
            EXPECT_FALSE(answer.outcome.feeText.empty()) << type.text;
        }
    }
    EXPECT_FALSE(CanBeHalved("无此类型"));
    const HalvedFee refused = HalveFee({Mediation}, "1、财产案件", "abc");
    EXPECT_FALSE(refused.done() || refused.applicationFee);
    EXPECT_TRUE(refused.outcome.refusal.has_value());
    const HalvedFee unknown = HalveFee({Mediation}, "无此类型", "100");
    EXPECT_FALSE(unknown.done() || unknown.applicationFee);
}

TEST(Halving, ReadsChineseWordsAndAliasesAndRefusesTheRest) {
    EXPECT_EQ(ParseHalvingReasons("调解,撤诉,简易程序,反诉")->size(), 4U);
    // The separators an English keyboard and a Chinese input method type.
    EXPECT_EQ(ParseHalvingReasons("调解、summary，反诉"),
              (std::vector{Mediation, Summary, Counterclaim}));
    // A stray separator is skipped, as typed in a hurry; a list without a word is none.
    EXPECT_EQ(ParseHalvingReasons(",调解，、"), (std::vector{Mediation}));
    for (const char* text : {"打折", "", "，", "mediation,x"}) {
        EXPECT_FALSE(ParseHalvingReasons(text).has_value()) << text;
    }
}

struct SplitCase {
    const char* awarded;
    const char* type;
    const char* amount;
    const char* plaintiff;
    const char* defendant;
};

class FeeSplitShares : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FeeSplitShares, ProportionalToTheFenAndAddingUp) {
    const SplitCase& row = GetParam();
    const FeeSplit split = SplitFee(row.awarded, row.type, row.amount);
    ASSERT_TRUE(split.done());
    EXPECT_EQ(split.plaintiffShare, Shown(row.plaintiff));
    EXPECT_EQ(split.defendantShare, Shown(row.defendant));
    EXPECT_EQ(split.plaintiffShare + split.defendantShare, Shown(split.outcome.feeText));
}

INSTANTIATE_TEST_SUITE_P(
    Shares, FeeSplitShares,
    ::testing::Values(
        SplitCase{"333333.33", "1、财产案件", "1000000", "9200.00", "4600.00"},
        // 50.03 x 1/2 = 25.015: the half fen goes to the defendant.
        SplitCase{"5000.5", "1、财产案件", "10001", "25.01", "25.02"},
        SplitCase{"10001", "1、财产案件", "10001", "0.00", "50.03"},
        SplitCase{"0", "1、财产案件", "10001", "50.03", "0.00"},
        SplitCase{"1", "1、财产案件", "1000", "49.95", "0.05"},
        // 13800 x 0.01 / 1000000 = 0.000138 yuan: below half a fen.
        SplitCase{"0.01", "1、财产案件", "1000000", "13800.00", "0.00"},
        SplitCase{"５００,０００", "1、财产案件", "１,０００,０００", "6900.00", "6900.00"},
        SplitCase{"1", "4、商标、专利、海事行政案件", "3", "66.67", "33.33"},
        SplitCase{"1e18", "1、财产案件", "3e18", "10000000000027866.67", "5000000000013933.33"}));

TEST(FeeSplit, SharesAddUpForEveryAcceptanceFeeType) {
    std::mt19937_64 random(29);
    std::uniform_int_distribution<std::uint64_t> claimFen(1, 5'000'000'000);
    for (const auto& kind : catalogue::AllKinds()) {
        for (const auto& type : kind.types) {
            for (int i = 0; i < 20 && BurdenOf(type.text, {}).rule == BurdenRule::Proportional;
                 ++i) {
                const std::uint64_t claimed = claimFen(random);
                const std::uint64_t awarded =
                    std::uniform_int_distribution<std::uint64_t>(0, claimed)(random);
                const FeeSplit split = SplitFee(Fen::FromCount(awarded).Text(), type.text,
                                                Fen::FromCount(claimed).Text());
                ASSERT_TRUE(split.done()) << type.text;
                EXPECT_EQ(split.plaintiffShare + split.defendantShare,
                          Shown(split.outcome.feeText));
                EXPECT_TRUE(split.defendantShare <= split.plaintiffShare + split.defendantShare);
            }
        }
    }
}

TEST(FeeSplit, RefusesWithItsReason) {
    using enum SplitRefusal;
    for (const auto& [awarded, type, amount, refusal] :
         {std::tuple{"5", "1、财产案件", "abc", Outcome},
          std::tuple{"1", "无此类型", "5", UnknownType},
          std::tuple{"1", "1、申请诉讼保全措施案件", "100", NotSplit},
          std::tuple{"1", "7、管辖异议不成立", "100", NotSplit},
          std::tuple{"x", "1、财产案件", "100", AwardedNotNumeric},
          std::tuple{"1e400", "1、财产案件", "100", Overflow},
          std::tuple{"1", "1、财产案件", "1e400", Outcome},
          std::tuple{"0", "1、财产案件", "0", ClaimNotPositive},
          std::tuple{"0", "1、财产案件", "", ClaimNotPositive},
          std::tuple{"101", "1、财产案件", "100", AwardedOutOfRange},
          std::tuple{"-1", "1、财产案件", "100", AwardedOutOfRange}}) {
        const FeeSplit split = SplitFee(awarded, type, amount);
        EXPECT_EQ(split.refusal, refusal) << awarded << " " << type << " " << amount;
        EXPECT_TRUE(split.plaintiffShare.IsZero() && split.defendantShare.IsZero());
    }
}

// Amounts in fen: band edges and their neighbours, then amounts spread over every magnitude.
std::vector<std::uint64_t> SeededAmounts() {
    std::vector<std::uint64_t> fen{0,        1,         99999,     100000,     100001,    1000000,
                                   20000001, 100000000, 500000000, 1000000000, 4000000000};
    std::mt19937_64 random(29);
    std::uniform_real_distribution<double> exponent(0.0, 11.0);
    for (int i = 0; i < 40; ++i) {
        fen.push_back(static_cast<std::uint64_t>(std::pow(10.0, exponent(random)) * 100));
    }
    return fen;
}

std::string FeeOf(std::string_view type, const Fen& amount) {
    return ComputeFee(type, amount.Text()).feeText;
}

class AmountsRoundTrip : public ::testing::TestWithParam<const char*> {};

// Whatever amount priced a fee lies in a range the search gives back for it; each range's ends
// give the fee, and one fen beyond either end does not.
TEST_P(AmountsRoundTrip, TheAmountLiesInARangeWithExactEnds) {
    const std::string_view type = GetParam();
    const Fen fen = Fen::FromCount(1);
    for (const std::uint64_t count : SeededAmounts()) {
        const Fen amount = Fen::FromCount(count);
        const std::string fee = FeeOf(type, amount);
        const AmountsForFee found = FindAmountsForFee(type, fee);
        ASSERT_TRUE(found.found()) << type << " " << fee;
        bool inside = false;
        for (const AmountRange& range : found.ranges) {
            inside = inside || (range.min <= amount && (!range.max || amount <= *range.max));
            EXPECT_EQ(FeeOf(type, range.min), fee);
            if (!range.min.IsZero()) {
                EXPECT_NE(FeeOf(type, range.min - fen), fee);
            }
            if (range.max) {
                EXPECT_EQ(FeeOf(type, *range.max), fee);
                EXPECT_NE(FeeOf(type, *range.max + fen), fee);
            }
        }
        EXPECT_TRUE(inside) << type << " " << amount.Text();
    }
}

INSTANTIATE_TEST_SUITE_P(GraduatedRules, AmountsRoundTrip,
                         ::testing::Values("1、财产案件", "2、破产案件", "1、支付令、公示催告案件",
                                           "2、知识产权案件", "1、离婚案件",
                                           "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件",
                                           "1、申请诉讼保全措施案件", "1、执行案件"));

AmountRange Range(const char* min, const char* max) {
    return {Shown(min), max == nullptr ? std::nullopt : std::optional(Shown(max))};
}

TEST(AmountsForFee, BandEdgesJumpsAndCaps) {
    // 13800 is the top of band 5 (1000000), reached from 999999.50 and left after 1000000.55.
    EXPECT_EQ(FindAmountsForFee("1、财产案件", "１３８００").ranges,
              std::vector{Range("999999.50", "1000000.55")});
    EXPECT_EQ(FindAmountsForFee("1、财产案件", "13800").fee, "13800.00");
    // Without an amount an IP case costs 1000; with one, 1000 is reached in band 2.
    EXPECT_EQ(FindAmountsForFee("2、知识产权案件", "1000").ranges,
              (std::vector{Range("0.00", "0.00"), Range("47999.80", "48000.19")}));
    // The lowest fee of the scale: from the first fen up to 10000.19.
    EXPECT_EQ(FindAmountsForFee("2、知识产权案件", "50").ranges,
              std::vector{Range("0.01", "10000.19")});
    for (const auto& [type, fee, min] :
         {std::tuple{"2、破产案件", "300000", "111639998.00"},  // 299999.995 to the even fen
          std::tuple{"1、申请诉讼保全措施案件", "5000", "895999.00"},
          std::tuple{"7、管辖异议不成立", "100", "0.00"}}) {
        EXPECT_EQ(FindAmountsForFee(type, fee).ranges, std::vector{Range(min, nullptr)}) << type;
    }
}

TEST(AmountsForFee, NoAmountGivesTheFeeButTheNearestAreNamed) {
    const auto check = [](const char* type, const char* fee, const char* below, const char* above) {
        const AmountsForFee found = FindAmountsForFee(type, fee);
        EXPECT_EQ(found.refusal, AmountsRefusal::None);
        EXPECT_TRUE(found.ranges.empty()) << type << " " << fee;
        EXPECT_EQ(found.nearestBelow, below ? std::optional(Shown(below)) : std::nullopt) << fee;
        EXPECT_EQ(found.nearestAbove, above ? std::optional(Shown(above)) : std::nullopt) << fee;
    };
    check("1、财产案件", "49", nullptr, "50.00");
    check("2、破产案件", "300000.01", "300000.00", nullptr);
    check("5、其他行政案件", "100", "50.00", nullptr);
    check("1、财产案件", "13800.005", "13800.00", "13800.01");
    check("2、知识产权案件", "49.99", nullptr, "50.00");
    check("1、财产案件", "-1", nullptr, "50.00");
    EXPECT_EQ(FindAmountsForFee("1、财产案件", "13800.005").fee, "13800.005");
    EXPECT_EQ(FindAmountsForFee("1、财产案件", "-1").fee, "-1.00");
    // Past the fees of every amount searched: said so on a rising scale, not under a cap; a fee
    // past 64 bits of fen does not wrap round to zero.
    EXPECT_TRUE(FindAmountsForFee("1、财产案件", "1e18").beyondSearch);
    EXPECT_FALSE(FindAmountsForFee("2、破产案件", "300000.01").beyondSearch);
    const AmountsForFee huge = FindAmountsForFee("1、财产案件", "1e30");
    EXPECT_TRUE(huge.ranges.empty() && huge.nearestBelow && !huge.nearestAbove);
}

TEST(AmountsForFee, RefusesWhatCannotBeSearched) {
    EXPECT_EQ(FindAmountsForFee("财产案件", "5000").refusal, AmountsRefusal::UnknownType);
    EXPECT_EQ(FindAmountsForFee("1、财产案件", "abc").refusal, AmountsRefusal::FeeNotNumeric);
    EXPECT_EQ(FindAmountsForFee("1、财产案件", "1e400").refusal, AmountsRefusal::Overflow);
}

}  // namespace
}  // namespace zq
