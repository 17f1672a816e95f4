// SPDX-License-Identifier: MIT
// The one money type: fees as the window shows them, to the fen and back, with the arithmetic of
// halving and splitting, the reading of money typed by a person, and the capitals of bills.
#include <gtest/gtest.h>

#include <string>

#include "runtime/fee_capitals.h"
#include "runtime/fee_rounding.h"
#include "runtime/fen.h"
#include "runtime/number_text.h"

namespace zq {
namespace {

Fen F(const std::string& shown) { return Fen::FromShownFee(shown).value(); }

TEST(Fen, ReadsEveryShownFormAndWritesTwoDecimals) {
    EXPECT_EQ(F("30.5").Text(), "30.50");
    EXPECT_EQ(F(".5").Text(), "0.50");
    EXPECT_EQ(F("0.03").Text(), "0.03");
    EXPECT_EQ(Fen::FromCount(99999950).Text(), "999999.50");
    for (const std::uint64_t fen : {0ULL, 5ULL, 99ULL, 3050ULL, 1667ULL, 123456789012ULL}) {
        EXPECT_EQ(F(ShownFee(static_cast<double>(fen) / 100)).Count(), fen) << fen;
    }
    // Wider than any integer type: 309 integer digits, and no count of them.
    const std::string huge = "898846567431158" + std::string(294, '0') + ".00";
    EXPECT_EQ(F(huge).Text(), huge);
    EXPECT_FALSE(F(huge).Count().has_value());
    // Beyond 64 bits the arithmetic goes digit by digit, carries and borrows included.
    const Fen big = F("99999999999999999999.99");
    EXPECT_EQ((big + F("0.01")).Text(), "100000000000000000000.00");
    EXPECT_EQ((big + big).Text(), "199999999999999999999.98");
    EXPECT_EQ((F("100000000000000000000.00") - F("0.01")).Text(), "99999999999999999999.99");
    EXPECT_EQ((F("300000000000000000000.05") - big).Text(), "200000000000000000000.06");
    EXPECT_EQ((big - big).Text(), "0.00");
    EXPECT_EQ(big.HalvedHalfUp().Text(), "50000000000000000000.00");
    EXPECT_EQ(F("200000000000000000000.02").HalvedHalfUp().Text(), "100000000000000000000.01");
    EXPECT_TRUE(F("184467440737095516.15") < big && !(big < F("0.01")));
    EXPECT_FALSE(F("184467440737095516.16").Count().has_value());
    EXPECT_EQ(F("184467440737095516.15").Count(), 18446744073709551615ULL);
}

TEST(Fen, RefusesTextsTheWindowNeverShows) {
    for (const char* text : {"50", "50.", "1.234", "-5.00", "1e3.00", "abc", "", ".", "5.0a"}) {
        EXPECT_FALSE(Fen::FromShownFee(text).has_value()) << text;
    }
}

TEST(Fen, AddsSubtractsHalvesAndScalesToTheFen) {
    EXPECT_EQ((F("99999.99") + F("0.01")).Text(), "100000.00");
    EXPECT_EQ((F("100000.00") - F("0.01")).Text(), "99999.99");
    EXPECT_EQ((F("0.01") - F("100000.00")).Text(), "0.00");
    EXPECT_TRUE(F("9.99") < F("10.00") && !(F("10.00") < F("10.00")));
    // Halves: an odd fen rounded up.
    EXPECT_EQ(F("50.03").HalvedHalfUp().Text(), "25.02");
    EXPECT_EQ(F("50.02").HalvedHalfUp().Text(), "25.01");
    EXPECT_EQ(F("1999999.99").HalvedHalfUp().Text(), "1000000.00");
    // x numerator / denominator x 10^exponent, an exact half fen rounded up.
    EXPECT_EQ(F("13800.00").ScaledHalfUp(1, 3, 0).Text(), "4600.00");
    EXPECT_EQ(F("100.00").ScaledHalfUp(2, 3, 0).Text(), "66.67");
    EXPECT_EQ(F("13800.00").ScaledHalfUp(1, 1, -8).Text(), "0.00");
    EXPECT_EQ(F("1.00").ScaledHalfUp(5, 1, -2).Text(), "0.05");
    EXPECT_EQ(F("1.00").ScaledHalfUp(5, 1, -3).Text(), "0.01");
    EXPECT_EQ(F("3.00").ScaledHalfUp(1, 3, 1).Text(), "10.00");
}

TEST(Fen, WritesASharesAsTheWindowWritesAFee) {
    // Under a yuan the 0 before the point stays: a share reads "0.05", never ".05".
    for (const auto& [fen, shown] :
         {std::pair{"50.00", "50.00"}, std::pair{"30.50", "30.5"}, std::pair{"0.50", "0.5"},
          std::pair{"0.05", "0.05"}, std::pair{"0.00", "0.00"}}) {
        EXPECT_EQ(F(fen).ShownText(), shown);
    }
}

TEST(ReadMoney, ReadsMoneyTypedLikeAnAmount) {
    for (const char* text : {"13800", "13800.00", "１３８００", "13,800", "1.38e4"}) {
        const MoneyReading r = ReadMoney(text);
        EXPECT_TRUE(r.numeric && r.wholeFen && !r.negative && r.fen == F("13800.00")) << text;
    }
    const MoneyReading sub = ReadMoney("13800.005");
    EXPECT_TRUE(sub.numeric && !sub.wholeFen && sub.fen == F("13800.00"));
    EXPECT_TRUE(ReadMoney("-5").negative);
    EXPECT_TRUE(ReadMoney("0").wholeFen && ReadMoney("0").fen.IsZero());
    EXPECT_FALSE(ReadMoney("1e-5").wholeFen);
    EXPECT_TRUE(ReadMoney("0.05").wholeFen && ReadMoney("0.05").fen == F("0.05"));
    EXPECT_EQ(ReadMoney("1e20").fen.Text(), "100000000000000000000.00");
    EXPECT_FALSE(ReadMoney("1万").numeric);
    EXPECT_TRUE(ReadMoney("1e400").overflow);
}

TEST(PlainMoneyText, WritesTheFeeAskedAboutAsAFee) {
    for (const auto& [value, text] : {std::pair{49.0, "49.00"}, std::pair{-1.0, "-1.00"},
                                      std::pair{1e20, "100000000000000000000.00"},
                                      std::pair{0.05, "0.05"}, std::pair{51.005, "51.005"}}) {
        EXPECT_EQ(PlainMoneyText(value), text);
    }
}

struct CapitalsCase {
    const char* name;
    const char* shown;
    const char* capitals;
};

class FeeCapitalsWrite : public ::testing::TestWithParam<CapitalsCase> {};

TEST_P(FeeCapitalsWrite, AsBillsWriteThem) {
    EXPECT_EQ(FeeCapitals(GetParam().shown).value_or("(none)"), GetParam().capitals);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FeeCapitalsWrite,
    ::testing::Values(
        CapitalsCase{"whole", "13800.00", "壹万叁仟捌佰元整"},
        CapitalsCase{"tens_keep_their_digit", "16.67", "壹拾陆元陆角柒分"},
        CapitalsCase{"ten_wan", "100000.00", "壹拾万元整"},
        CapitalsCase{"zero_yuan_place_before_jiao", "30.5", "叁拾元零伍角整"},
        CapitalsCase{"zero_jiao_before_fen", "1000.05", "壹仟元零伍分"},
        CapitalsCase{"inner_zero", "40900.00", "肆万零玖佰元整"},
        CapitalsCase{"zero_wan_place_before_qian", "107000.53", "壹拾万零柒仟元零伍角叁分"},
        CapitalsCase{"under_one_yuan", ".5", "伍角整"}, CapitalsCase{"fen_only", ".05", "伍分"},
        CapitalsCase{"jiao_and_fen", ".55", "伍角伍分"}, CapitalsCase{"nothing", "0.00", "零元整"},
        CapitalsCase{"one_yuan_one_fen", "1.01", "壹元零壹分"},
        CapitalsCase{"wan_group_all_zero", "100000001.00", "壹亿零壹元整"},
        CapitalsCase{"one_zero_then_two_digits", "1011.00", "壹仟零壹拾壹元整"},
        CapitalsCase{"yi_then_wan", "100010000.00", "壹亿零壹万元整"},
        CapitalsCase{"yi_then_zero_wan_then_qian", "100001000.00", "壹亿零壹仟元整"},
        CapitalsCase{"whole_yi", "300000000.00", "叁亿元整"},
        CapitalsCase{"thousand_wan", "10000000.00", "壹仟万元整"},
        CapitalsCase{"zeros_across_wan", "2000300.00", "贰佰万零叁佰元整"},
        CapitalsCase{"largest", "999999999999.99",
                     "玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
        CapitalsCase{"wan_yi_has_none", "1000000000000.00", "(none)"},
        CapitalsCase{"beyond_64_bits_has_none", "99999999999999999999.00", "(none)"},
        CapitalsCase{"empty_has_none", "", "(none)"},
        CapitalsCase{"message_has_none", "标的中请输入数字！", "(none)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zq
