// SPDX-License-Identifier: MIT
#include "runtime/fen.h"

#include <gtest/gtest.h>

#include <string>

namespace zq {
namespace {

Fen F(const char* shown) { return Fen::FromFeeText(shown).value(); }

TEST(Fen, ReadsEveryShownFormAndWritesTwoDecimals) {
    EXPECT_EQ(F("30.5").Text(), "30.50");
    EXPECT_EQ(F("50.").Text(), "50.00");
    EXPECT_EQ(F(".5").Text(), "0.50");
    EXPECT_EQ(F("0.03").Text(), "0.03");
    EXPECT_EQ(Fen::FromCount(7).Text(), "0.07");
    // Wider than any integer type: 309 integer digits.
    const std::string huge = "898846567431158" + std::string(294, '0') + ".00";
    EXPECT_EQ(F(huge.c_str()).Text(), huge);
}

TEST(Fen, RefusesTextsThatAreNotShownFees) {
    for (const char* text : {"50", "1.234", "-5.00", "1e3.00", "abc", ""}) {
        EXPECT_FALSE(Fen::FromFeeText(text).has_value()) << text;
    }
}

TEST(Fen, AddsAndSubtractsWithCarryAndNeverGoesBelowZero) {
    EXPECT_EQ((F("99999.99") + F("0.01")).Text(), "100000.00");
    EXPECT_EQ((F("100000.00") - F("0.01")).Text(), "99999.99");
    EXPECT_EQ((F("0.01") - F("100000.00")).Text(), "0.00");
    EXPECT_TRUE(F("9.99") < F("10.00"));
    EXPECT_FALSE(F("10.00") < F("10.00"));
}

TEST(Fen, HalvesWithAnOddFenRoundedUp) {
    EXPECT_EQ(F("50.03").HalvedHalfUp().Text(), "25.02");
    EXPECT_EQ(F("50.02").HalvedHalfUp().Text(), "25.01");
    EXPECT_EQ(F("0.01").HalvedHalfUp().Text(), "0.01");
    EXPECT_EQ(F("1999999.99").HalvedHalfUp().Text(), "1000000.00");
}

TEST(Fen, ScalesToTheFenWithHalvesUp) {
    // x 1/3: 4600 exactly; x 1/2 of an odd fen: up.
    EXPECT_EQ(F("13800.00").ScaledHalfUp(1, 3, 0).Text(), "4600.00");
    EXPECT_EQ(F("50.03").ScaledHalfUp(1, 2, 0).Text(), "25.02");
    EXPECT_EQ(F("100.00").ScaledHalfUp(2, 3, 0).Text(), "66.67");
    // Powers of ten either way: 0.01 / 1000000 of 13800 is below half a fen; 0.05 of 1.00 is 5 fen.
    EXPECT_EQ(F("13800.00").ScaledHalfUp(1, 1, -8).Text(), "0.00");
    EXPECT_EQ(F("1.00").ScaledHalfUp(5, 1, -2).Text(), "0.05");
    EXPECT_EQ(F("1.00").ScaledHalfUp(5, 1, -3).Text(), "0.01");  // half a fen: up
    EXPECT_EQ(F("3.00").ScaledHalfUp(1, 3, 1).Text(), "10.00");
}

TEST(Fen, WritesFeesAsTheWindowDoes) {
    EXPECT_EQ(F("50.00").ShownText(), "50.00");
    EXPECT_EQ(F("30.50").ShownText(), "30.5");
    // Under a yuan the 0 before the point stays: a share reads "0.05", never ".05".
    EXPECT_EQ(F("0.50").ShownText(), "0.5");
    EXPECT_EQ(F("0.05").ShownText(), "0.05");
    EXPECT_EQ(F("0.00").ShownText(), "0.00");
}

}  // namespace
}  // namespace zq
