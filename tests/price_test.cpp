// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "calc/catalogue.h"
#include "calc/price.h"

namespace zq {
namespace {

constexpr const char* kProperty = "1、财产案件";
constexpr const char* kBankruptcy = "2、破产案件";
constexpr const char* kPaymentOrder = "1、支付令、公示催告案件";
constexpr const char* kIntellectual = "2、知识产权案件";
constexpr const char* kDivorce = "1、离婚案件";
constexpr const char* kPersonality = "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件";
constexpr const char* kPreservation = "1、申请诉讼保全措施案件";
constexpr const char* kArbitralPreservation = "8、申请涉外仲裁财产保全的案件";
constexpr const char* kEnforcement = "1、执行案件";

struct FeeCase {
    const char* name;
    const char* type;
    const char* amount;
    const char* fee;
};

class ComputeFeeShows : public ::testing::TestWithParam<FeeCase> {};

TEST_P(ComputeFeeShows, TheFeeAsTheWindowShowsIt) {
    const FeeCase& row = GetParam();
    const FeeOutcome outcome = ComputeFee(row.type, row.amount);
    EXPECT_EQ(outcome.feeText, row.fee);
    EXPECT_FALSE(outcome.message.has_value()) << outcome.message->prompt;
}

// Amounts at the ends of the double range, and one yuan past the first band edge, stand with the
// other awkward values in awkward_values_test.
INSTANTIATE_TEST_SUITE_P(
    PropertyScale, ComputeFeeShows,
    ::testing::Values(FeeCase{"empty_amount", kProperty, "", "50.00"},
                      FeeCase{"band1_upper_edge", kProperty, "10000", "50.00"},
                      FeeCase{"negative", kProperty, "-5", "50.00"},
                      FeeCase{"zero", kProperty, "0", "50.00"},
                      FeeCase{"two_decimals", kProperty, "12345.678", "108.64"},
                      FeeCase{"band2_upper_edge", kProperty, "100000", "2300.00"},
                      FeeCase{"band10", kProperty, "30000000", "191800.00"},
                      FeeCase{"grouped_fullwidth", kProperty, "１,０００,０００", "13800.00"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    DerivedRules, ComputeFeeShows,
    ::testing::Values(FeeCase{"payment_order_third", kPaymentOrder, "10000", "16.67"},
                      FeeCase{"payment_order_band3", kPaymentOrder, "150000", "1100.00"},
                      FeeCase{"payment_order_half_even_up", kPaymentOrder, "10001", "16.68"},
                      FeeCase{"payment_order_half_even_down", kPaymentOrder, "10002.2", "16.68"},
                      FeeCase{"bankruptcy_half", kBankruptcy, "10000", "25.00"},
                      FeeCase{"bankruptcy_cap", kBankruptcy, "200000000", "300000.00"},
                      FeeCase{"bankruptcy_just_below_cap", kBankruptcy, "111640000", "300000.00"},
                      FeeCase{"ip_zero", kIntellectual, "0", "1000.00"},
                      FeeCase{"ip_empty", kIntellectual, "", "1000.00"},
                      FeeCase{"ip_negative_zero", kIntellectual, "-0", "1000.00"},
                      FeeCase{"ip_with_amount", kIntellectual, "10000", "50.00"},
                      FeeCase{"ip_negative", kIntellectual, "-5", "50.00"},
                      FeeCase{"ip_band2", kIntellectual, "20000", "300.00"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OtherRules, ComputeFeeShows,
    ::testing::Values(FeeCase{"divorce_base", kDivorce, "200000", "300.00"},
                      FeeCase{"divorce_excess", kDivorce, "300000", "800.00"},
                      FeeCase{"divorce_cent", kDivorce, "200001", "300.01"},
                      FeeCase{"personality_base", kPersonality, "50000", "500.00"},
                      FeeCase{"personality_edge", kPersonality, "100000", "1000.00"},
                      FeeCase{"personality_above", kPersonality, "100001", "1000.01"},
                      FeeCase{"personality_high", kPersonality, "200000", "1500.00"},
                      FeeCase{"preservation_base", kPreservation, "1000", "30.00"},
                      FeeCase{"preservation_one_decimal", kPreservation, "1050", "30.5"},
                      FeeCase{"preservation_edge", kPreservation, "100000", "1020.00"},
                      FeeCase{"preservation_above_edge", kPreservation, "100200", "1021.00"},
                      FeeCase{"preservation_below_cap", kPreservation, "895000", "4995.00"},
                      FeeCase{"preservation_at_cap", kPreservation, "896000", "5000.00"},
                      FeeCase{"preservation_capped", kPreservation, "2000000", "5000.00"},
                      FeeCase{"arbitral_preservation", kArbitralPreservation, "100200", "1021.00"},
                      FeeCase{"enforcement_zero", kEnforcement, "0", "50.00"},
                      FeeCase{"enforcement_empty", kEnforcement, "", "50.00"},
                      FeeCase{"enforcement_band1", kEnforcement, "500000", "7400.00"},
                      FeeCase{"enforcement_band4", kEnforcement, "20000000", "87400.00"},
                      FeeCase{"enforcement_hong_kong", "7、申请执行香港特区作出的仲裁裁决的案件",
                              "600000", "8400.00"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FlatFees, ComputeFeeShows,
    ::testing::Values(
        FeeCase{"trademark_patent_maritime", "4、商标、专利、海事行政案件", "0", "100.00"},
        FeeCase{"other_administrative", "5、其他行政案件", "123", "50.00"},
        FeeCase{"labour", "6、劳动争议案件", "", "10.00"},
        FeeCase{"labour_amount_never_read", "6、劳动争议案件", "1e400", "10.00"},
        FeeCase{"jurisdiction", "7、管辖异议不成立", "5", "100.00"},
        FeeCase{"revoke_award", "2、申请撤销仲裁裁决的案件", "0", "400.00"},
        FeeCase{"arbitration_agreement", "3、申请确认仲裁协议效力的案件", "0", "400.00"},
        FeeCase{"recognise_award", "4、申请承认外国仲裁裁决的案件", "0", "500.00"},
        FeeCase{"foreign_judgment", "1、申请承认外国法院民事判决、裁定案件", "0", "100.00"},
        FeeCase{"taiwan_judgment", "1、申请认可台湾地区法院民事判决、裁定、调解书案件", "0",
                "100.00"},
        FeeCase{"limitation_fund", "1.申请设立海事赔偿责任限制基金", "0", "10000.00"},
        FeeCase{"maritime_injunction", "2.申请海事强制令", "0", "5000.00"},
        FeeCase{"ship_priority", "3.申请船舶优先权催告", "0", "5000.00"},
        FeeCase{"maritime_claims", "4.申请海事债权登记", "0", "1000.00"},
        FeeCase{"general_average", "5.申请共同海损理算", "0", "1000.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeFee, EmptyAmountIsWrittenBackAsZero) {
    EXPECT_EQ(ComputeFee(kProperty, "").amountText, "0");
    EXPECT_EQ(ComputeFee(kProperty, " 12 ").amountText, " 12 ");
}

TEST(ComputeFee, UnknownTypeLeavesTheFeeEmptyWithoutAMessage) {
    for (const char* type : {"", "1、财产案件 ", "一、财产案件"}) {
        const FeeOutcome outcome = ComputeFee(type, "");
        EXPECT_EQ(outcome.amountText, "0");
        EXPECT_EQ(outcome.feeText, "");
        EXPECT_FALSE(outcome.message.has_value());
    }
}

TEST(ComputeFeeRejects, NonNumericAmountWithTheWarning) {
    for (const char* type : {kProperty, "6、劳动争议案件", ""}) {
        for (const char* amount : {"abc", "1万", "¥100", " ", "inf"}) {
            const FeeOutcome outcome = ComputeFee(type, amount);
            ASSERT_TRUE(outcome.message.has_value());
            EXPECT_EQ(*outcome.message, (Message{"标的中请输入数字！", "提示", 48}));
            EXPECT_EQ(outcome.feeText, "");
            EXPECT_EQ(outcome.amountText, amount);
        }
    }
}

TEST(ComputeFeeRejects, OverflowingAmountWithTheErrorAndNoFee) {
    for (const char* type : {kProperty, kEnforcement, kDivorce, kPreservation, kIntellectual}) {
        const FeeOutcome outcome = ComputeFee(type, "1e400");
        ASSERT_TRUE(outcome.message.has_value()) << type;
        EXPECT_EQ(*outcome.message, (Message{"溢出", "计算错误", 16}));
        EXPECT_EQ(outcome.feeText, "") << type;
        EXPECT_EQ(outcome.amountText, "1e400");
    }
}

}  // namespace
}  // namespace zq
