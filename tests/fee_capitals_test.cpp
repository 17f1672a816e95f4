// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "calc/fee_capitals.h"
#include "runtime/fee_rounding.h"
#include "runtime/fen_text.h"

namespace zq {
namespace {

struct CapitalsCase {
    const char* name;
    const char* shown;
    const char* capitals;
};

class FeeCapitalsWrite : public ::testing::TestWithParam<CapitalsCase> {};

TEST_P(FeeCapitalsWrite, AsBillsWriteThem) {
    const CapitalsCase& row = GetParam();
    EXPECT_EQ(FeeCapitals(row.shown).value_or("(none)"), row.capitals);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FeeCapitalsWrite,
    ::testing::Values(CapitalsCase{"whole", "13800.00", "壹万叁仟捌佰元整"},
                      CapitalsCase{"tens_keep_their_digit", "16.67", "壹拾陆元陆角柒分"},
                      CapitalsCase{"ten_wan", "100000.00", "壹拾万元整"},
                      CapitalsCase{"zero_yuan_place_before_jiao", "30.5", "叁拾元零伍角整"},
                      CapitalsCase{"zero_jiao_before_fen", "1000.05", "壹仟元零伍分"},
                      CapitalsCase{"inner_zero", "40900.00", "肆万零玖佰元整"},
                      CapitalsCase{"zero_wan_place_before_qian", "107000.53",
                                   "壹拾万零柒仟元零伍角叁分"},
                      CapitalsCase{"under_one_yuan", ".5", "伍角整"},
                      CapitalsCase{"fen_only", ".05", "伍分"},
                      CapitalsCase{"jiao_and_fen", ".55", "伍角伍分"},
                      CapitalsCase{"one_yuan_one_fen", "1.01", "壹元零壹分"},
                      CapitalsCase{"wan_group_all_zero", "100000001.00", "壹亿零壹元整"},
                      CapitalsCase{"yi_then_wan", "100010000.00", "壹亿零壹万元整"},
                      CapitalsCase{"whole_yi", "300000000.00", "叁亿元整"},
                      CapitalsCase{"thousand_wan", "10000000.00", "壹仟万元整"},
                      CapitalsCase{"zeros_across_wan", "2000300.00", "贰佰万零叁佰元整"},
                      CapitalsCase{"largest", "999999999999.99",
                                   "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
                      CapitalsCase{"wan_yi_has_none", "1000000000000.00", "(none)"},
                      CapitalsCase{"empty_has_none", "", "(none)"},
                      CapitalsCase{"message_has_none", "标的中请输入数字！", "(none)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FenText, ReadsEveryFeeTheWindowShows) {
    for (const std::uint64_t fen : {0ULL, 5ULL, 50ULL, 99ULL, 100ULL, 3050ULL, 1667ULL, 1380000ULL,
                                    30000000ULL, 123456789012ULL}) {
        EXPECT_EQ(FenOfShownFee(ShownFee(static_cast<double>(fen) / 100)), fen) << fen;
    }
    EXPECT_FALSE(FenOfShownFee("50"));
    EXPECT_FALSE(FenOfShownFee("50.001"));
    EXPECT_FALSE(FenOfShownFee("99999999999999999999.00"));
    EXPECT_EQ(FenText(99999950), "999999.50");
    EXPECT_EQ(FenText(5), "0.05");
}

TEST(FenText, ReadsMoneyLikeAnAmount) {
    for (const char* text : {"13800", "13800.00", "１３８００", "13,800", "1.38e4"}) {
        const FenReading r = ReadFen(text);
        EXPECT_TRUE(r.numeric && r.wholeFen && !r.negative && r.fen == 1380000) << text;
    }
    const FenReading sub = ReadFen("13800.005");
    EXPECT_TRUE(sub.numeric && !sub.wholeFen);
    EXPECT_EQ(sub.fen, 1380000U);
    EXPECT_TRUE(ReadFen("-5").negative);
    EXPECT_FALSE(ReadFen("1万").numeric);
    EXPECT_FALSE(ReadFen("1e300").wholeFen);  // beyond 64 bits of fen
}

}  // namespace
}  // namespace zq
