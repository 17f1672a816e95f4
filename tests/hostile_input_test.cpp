// SPDX-License-Identifier: MIT
// Whatever is pasted into the amount field, or passed as a type, gets its answer. These run in
// linear time: a quadratic step on a megabyte would run past the test's time limit.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/catalogue.h"
#include "calc/price.h"

namespace zq {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;

TEST(HostileAmount, AMegabyteOfDigitsIsTooLargeForADouble) {
    const FeeOutcome outcome = ComputeFee("1、财产案件", std::string(kMegabyte, '9'));
    ASSERT_TRUE(outcome.message.has_value());
    EXPECT_EQ(outcome.message->title, "计算错误");
    EXPECT_EQ(outcome.feeText, "");
}

TEST(HostileAmount, AMegabyteOfZerosBeforeADigitIsThatDigit) {
    EXPECT_EQ(ComputeFee("1、执行案件", std::string(kMegabyte, '0') + "20000").feeText, "200.00");
    EXPECT_EQ(ComputeFee("1、执行案件", "0." + std::string(kMegabyte, '0') + "1").feeText, "50.00");
}

TEST(HostileAmount, AMegabyteOfGroupedDigitsIsRead) {
    std::string grouped = "1";
    while (grouped.size() < kMegabyte) {
        grouped += ",000";
    }
    const FeeOutcome outcome = ComputeFee("1、财产案件", grouped);
    ASSERT_TRUE(outcome.message.has_value());
    EXPECT_EQ(outcome.message->prompt, "溢出");
}

TEST(HostileAmount, AMegabyteOfCommasOrBlanksIsNotANumber) {
    for (const std::string& amount :
         {std::string(kMegabyte, ','), std::string(kMegabyte, ' '), std::string(kMegabyte, '.'),
          std::string(kMegabyte, '\t') + "x"}) {
        const FeeOutcome outcome = ComputeFee("1、财产案件", amount);
        ASSERT_TRUE(outcome.message.has_value());
        EXPECT_EQ(outcome.message->prompt, "标的中请输入数字！");
    }
    EXPECT_EQ(ComputeFee("1、财产案件", std::string(kMegabyte, ' ') + "5").feeText, "50.00");
}

TEST(HostileType, AnyBytesAreSimplyNotInTheCatalogue) {
    std::mt19937 random(56);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 2000; ++i) {
        std::string type(static_cast<std::size_t>(1 + i % 40), '\0');
        for (char& c : type) {
            c = static_cast<char>(byte(random));
        }
        const FeeOutcome outcome = ComputeFee(type, "100");
        EXPECT_EQ(outcome.feeText, "");
        EXPECT_FALSE(outcome.message.has_value());
    }
    // A catalogue text cut inside a character, and one with a NUL, are not types either.
    const std::string property = "1、财产案件";
    EXPECT_EQ(catalogue::RuleOfType(property.substr(0, property.size() - 1)).rule, FeeRule::NoRule);
    EXPECT_EQ(catalogue::RuleOfType(property + std::string(1, '\0')).rule, FeeRule::NoRule);
    EXPECT_EQ(ComputeFee(std::string(kMegabyte, '\xE4'), "1").feeText, "");
}

}  // namespace
}  // namespace zq
