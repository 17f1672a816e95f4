// SPDX-License-Identifier: MIT
// Properties of the fee rules over many amounts (seeded, so every run checks the same ones).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calc/catalogue.h"
#include "calc/price.h"

namespace zq {
namespace {

double Fee(std::string_view type, double amount) {
    const FeeOutcome outcome = ComputeFee(type, std::to_string(amount));
    EXPECT_FALSE(outcome.message.has_value()) << type << " " << amount;
    return std::stod(outcome.feeText);
}

struct GraduatedRule {
    const char* type;
    std::vector<double> edges;  // where the marginal rate changes
    double topRate;             // the highest marginal rate anywhere on the scale
};

const std::vector<double> kPropertyEdges{1e4, 1e5, 2e5, 5e5, 1e6, 2e6, 5e6, 1e7, 2e7};

const std::vector<GraduatedRule>& Rules() {
    static const std::vector<GraduatedRule> rules{
        {"1、财产案件", kPropertyEdges, 0.025},
        {"1、支付令、公示催告案件", kPropertyEdges, 0.025 / 3},
        {"2、破产案件", kPropertyEdges, 0.025 / 2},
        {"2、知识产权案件", kPropertyEdges, 0.025},
        {"1、离婚案件", {2e5}, 0.005},
        {"3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件", {5e4, 1e5}, 0.01},
        {"1、申请诉讼保全措施案件", {1e3, 1e5}, 0.01},
        {"8、申请涉外仲裁财产保全的案件", {1e3, 1e5}, 0.01},
        {"1、执行案件", {1e4, 5e5, 5e6, 1e7}, 0.015},
        {"1、公正执行案件", {1e4, 5e5, 5e6, 1e7}, 0.015},
    };
    return rules;
}

std::vector<double> Amounts() {
    std::mt19937_64 random(20070401);
    std::uniform_real_distribution<double> exponent(0.0, 9.0);
    std::vector<double> amounts;
    for (int i = 0; i < 3000; ++i) {
        amounts.push_back(std::round(std::pow(10.0, exponent(random)) * 100) / 100);
    }
    std::sort(amounts.begin(), amounts.end());
    return amounts;
}

TEST(FeeProperties, GraduatedFeesNeverFallAsTheAmountRises) {
    const std::vector<double> amounts = Amounts();
    for (const GraduatedRule& rule : Rules()) {
        // The IP rule's flat fee is for an amount of exactly 0; from the smallest amount on it
        // follows the scale.
        double previous = -1;
        for (double amount : amounts) {
            const double fee = Fee(rule.type, amount);
            ASSERT_GE(fee, previous) << rule.type << " at " << amount;
            previous = fee;
        }
    }
}

TEST(FeeProperties, GraduatedFeesAreContinuousAtEveryBandEdge) {
    for (const GraduatedRule& rule : Rules()) {
        for (double edge : rule.edges) {
            const double atEdge = Fee(rule.type, edge);
            for (double step : {0.01, 1.0, 100.0}) {
                const double above = Fee(rule.type, edge + step);
                EXPECT_GE(above, atEdge) << rule.type << " above " << edge;
                // One fen of display rounding on each side, beyond the marginal part.
                EXPECT_LE(above - atEdge, rule.topRate * step + 0.02)
                    << rule.type << " jumps at " << edge << " by " << above - atEdge;
                EXPECT_LE(atEdge - Fee(rule.type, edge - step), rule.topRate * step + 0.02)
                    << rule.type << " jumps below " << edge;
            }
        }
    }
}

TEST(FeeProperties, CapsHoldForEveryAmount) {
    for (double amount : Amounts()) {
        for (double scaled : {amount, amount * 1000}) {
            EXPECT_LE(Fee("2、破产案件", scaled), 300000) << scaled;
            EXPECT_LE(Fee("1、申请诉讼保全措施案件", scaled), 5000) << scaled;
            EXPECT_LE(Fee("8、申请涉外仲裁财产保全的案件", scaled), 5000) << scaled;
        }
    }
    EXPECT_EQ(Fee("2、破产案件", 1e15), 300000);
}

// The Measures state every graduated scale as marginal rates on the parts of the amount; the
// rules evaluate closed forms. Both must give the same fee to the fen.
double Marginal(double amount, double base, std::initializer_list<std::array<double, 3>> bands) {
    double fee = base;
    for (const auto& [lower, upper, rate] : bands) {
        if (amount > lower) {
            fee += (std::min(amount, upper) - lower) * rate;
        }
    }
    return fee;
}

TEST(FeeProperties, ClosedFormsAgreeWithTheMarginalRatesOfTheMeasures) {
    constexpr double kTop = 1e18;
    for (double amount : Amounts()) {
        EXPECT_NEAR(Fee("1、财产案件", amount),
                    Marginal(amount, 50,
                             {{1e4, 1e5, 0.025},
                              {1e5, 2e5, 0.02},
                              {2e5, 5e5, 0.015},
                              {5e5, 1e6, 0.01},
                              {1e6, 2e6, 0.009},
                              {2e6, 5e6, 0.008},
                              {5e6, 1e7, 0.007},
                              {1e7, 2e7, 0.006},
                              {2e7, kTop, 0.005}}),
                    0.011)
            << amount;
        EXPECT_NEAR(Fee("1、申请诉讼保全措施案件", amount),
                    std::min(5000.0, Marginal(amount, 30, {{1e3, 1e5, 0.01}, {1e5, kTop, 0.005}})),
                    0.011)
            << amount;
        EXPECT_NEAR(Fee("1、离婚案件", amount), Marginal(amount, 300, {{2e5, kTop, 0.005}}), 0.011)
            << amount;
        EXPECT_NEAR(Fee("3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件", amount),
                    Marginal(amount, 500, {{5e4, 1e5, 0.01}, {1e5, kTop, 0.005}}), 0.011)
            << amount;
        EXPECT_NEAR(
            Fee("1、执行案件", amount),
            Marginal(amount, 50,
                     {{1e4, 5e5, 0.015}, {5e5, 5e6, 0.01}, {5e6, 1e7, 0.005}, {1e7, kTop, 0.001}}),
            0.011)
            << amount;
    }
}

TEST(FeeProperties, FlatFeesIgnoreTheAmountButStillCheckIt) {
    std::vector<std::string_view> flatTypes;
    for (const auto& kind : catalogue::AllKinds()) {
        for (const auto& type : kind.types) {
            if (type.choice.rule == FeeRule::FlatFee) {
                flatTypes.push_back(type.text);
            }
        }
    }
    ASSERT_EQ(flatTypes.size(), 14U);
    for (std::string_view type : flatTypes) {
        const std::string expected = std::to_string(catalogue::RuleOfType(type).flatFee) + ".00";
        for (const char* amount : {"", "0", "-5", "123.45", "1e300", "1e400"}) {
            EXPECT_EQ(ComputeFee(type, amount).feeText, expected) << type << " " << amount;
        }
        const FeeOutcome rejected = ComputeFee(type, "1万");
        EXPECT_EQ(rejected.feeText, "");
        ASSERT_TRUE(rejected.message.has_value());
        EXPECT_EQ(rejected.message->title, "提示");
    }
}

}  // namespace
}  // namespace zq
