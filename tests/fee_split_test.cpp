// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/basis.h"
#include "calc/catalogue.h"
#include "calc/departures.h"
#include "calc/explain.h"
#include "calc/fee_split.h"
#include "runtime/fen_text.h"

namespace zq {
namespace {

std::uint64_t Fen(const std::string& shown) { return FenOfShownFee(shown).value(); }

// Acceptance fees split so that the shares add up; application fees (Article 14) are refused.
TEST(FeeSplit, SharesAddUpToTheFeeForEveryAcceptanceFeeType) {
    std::mt19937_64 random(29);
    std::uniform_int_distribution<std::uint64_t> claimFen(1, 5'000'000'000);
    for (const catalogue::CaseKind& kind : catalogue::AllKinds()) {
        for (const catalogue::CaseType& type : kind.types) {
            if (LegalBasisOf(type.text).kind != FeeKind::AcceptanceFee) {
                const FeeSplit refused = SplitFee("1", type.text, "100");
                EXPECT_EQ(refused.note, "“" + std::string(type.text) +
                                            "”收取的是申请费（第十四条）；按判决支持比例分担只适用"
                                            "于案件受理费");
                EXPECT_EQ(refused.fee + refused.plaintiffShare + refused.defendantShare, "");
                continue;
            }
            for (int i = 0; i < 40; ++i) {
                const std::uint64_t claimed = claimFen(random);
                const std::uint64_t awarded =
                    std::uniform_int_distribution<std::uint64_t>(0, claimed)(random);
                const FeeSplit split = SplitFee(FenText(awarded), type.text, FenText(claimed));
                ASSERT_TRUE(split.ok()) << split.note;
                EXPECT_EQ(Fen(split.plaintiffShare) + Fen(split.defendantShare), Fen(split.fee))
                    << type.text << " " << claimed << " " << awarded;
            }
        }
    }
}

struct SplitCase {
    const char* name;
    const char* awarded;
    const char* type;
    const char* amount;
    const char* fee;
    const char* plaintiff;
    const char* defendant;
};

class FeeSplitShares : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FeeSplitShares, ProportionalToTheFen) {
    const SplitCase& row = GetParam();
    const FeeSplit split = SplitFee(row.awarded, row.type, row.amount);
    EXPECT_EQ(split.note, "");
    EXPECT_EQ(split.fee, row.fee);
    EXPECT_EQ(split.plaintiffShare, row.plaintiff);
    EXPECT_EQ(split.defendantShare, row.defendant);
}

INSTANTIATE_TEST_SUITE_P(
    Shares, FeeSplitShares,
    ::testing::Values(
        SplitCase{"one_third", "333333.33", "1、财产案件", "1000000", "13800.00", "9200.00",
                  "4600.00"},
        // 50.03 x 1/2 = 25.015: the half fen goes to the defendant.
        SplitCase{"half_fen_away_from_zero", "5000.5", "1、财产案件", "10001", "50.03", "25.01",
                  "25.02"},
        SplitCase{"all_awarded", "10001", "1、财产案件", "10001", "50.03", "0.00", "50.03"},
        SplitCase{"nothing_awarded", "0", "1、财产案件", "10001", "50.03", "50.03", "0.00"},
        SplitCase{"share_under_one_yuan", "100", "1、财产案件", "10000", "50.00", "49.5", "0.5"},
        SplitCase{"share_in_fen", "1", "1、财产案件", "1000", "50.00", "49.95", "0.05"},
        // 13800 x 0.01 / 1000000 = 0.000138 yuan: below half a fen.
        SplitCase{"tiny_award", "0.01", "1、财产案件", "1000000", "13800.00", "13800.00", "0.00"},
        SplitCase{"grouped_fullwidth", "５００,０００", "1、财产案件", "１,０００,０００",
                  "13800.00", "6900.00", "6900.00"},
        SplitCase{"flat_fee", "1", "4、商标、专利、海事行政案件", "3", "100.00", "66.67", "33.33"},
        SplitCase{"huge_claim", "1e18", "1、财产案件", "3e18", "15000000000041800.00",
                  "10000000000027866.67", "5000000000013933.33"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FeeSplitRefused, SaysWhy) {
    EXPECT_EQ(SplitFee("5", "1、财产案件", "abc").note, "标的中请输入数字！");
    EXPECT_EQ(SplitFee("x", "1、财产案件", "100").note, "判决支持的金额中请输入数字！");
    EXPECT_EQ(SplitFee("0", "1、财产案件", "0").note, "按比例分担需要大于0的标的金额");
    EXPECT_EQ(SplitFee("0", "1、财产案件", "").note, "按比例分担需要大于0的标的金额");
    EXPECT_EQ(SplitFee("101", "1、财产案件", "100").note,
              "判决支持的金额应在0至标的金额（100）之间");
    EXPECT_EQ(SplitFee("-1", "1、财产案件", "100").note,
              "判决支持的金额应在0至标的金额（100）之间");
    EXPECT_EQ(SplitFee("1", "1、财产案件", "1e400").note, "计算错误：溢出");
    EXPECT_NE(SplitFee("1", "财产案件", "100").note, "");
    const FeeSplit refused = SplitFee("200", "1、财产案件", "100");
    EXPECT_EQ(refused.fee + refused.plaintiffShare + refused.defendantShare, "");
}

TEST(Departures, NamedWhereTheFigureIsAChoice) {
    EXPECT_EQ(DeparturesFromMeasures("1、执行案件", "").size(), 1U);
    EXPECT_EQ(DeparturesFromMeasures("1、执行案件", "0").size(), 1U);
    EXPECT_TRUE(DeparturesFromMeasures("1、执行案件", "5000").empty());
    EXPECT_EQ(DeparturesFromMeasures("1、支付令、公示催告案件", "10000").size(), 2U);
    EXPECT_EQ(DeparturesFromMeasures("2、破产案件", "10000").size(), 1U);
    EXPECT_EQ(DeparturesFromMeasures("1、申请承认外国法院民事判决、裁定案件", "").size(), 1U);
    EXPECT_EQ(
        DeparturesFromMeasures("1、申请认可台湾地区法院民事判决、裁定、调解书案件", "").size(), 1U);
    EXPECT_TRUE(DeparturesFromMeasures("1、财产案件", "10000").empty());
    EXPECT_TRUE(DeparturesFromMeasures("4、申请承认外国仲裁裁决的案件", "").empty());
    EXPECT_TRUE(DeparturesFromMeasures("1、执行案件", "abc").empty());
    // The breakdown carries them, and only with a fee.
    EXPECT_EQ(ExplainFee("1、执行案件", "").notes, DeparturesFromMeasures("1、执行案件", ""));
    EXPECT_TRUE(ExplainFee("1、执行案件", "1e400").notes.empty());
}

}  // namespace
}  // namespace zq
