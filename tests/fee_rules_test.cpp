// SPDX-License-Identifier: MIT
// The Calculate command over every fee rule: the fees as the window shows them at the band edges
// and at awkward amounts, what it refuses, and the properties the Measures' scales must have for
// any amount.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

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
constexpr const char* kEnforcement = "1、执行案件";

struct FeeCase {
    const char* type;
    const char* amount;
    const char* fee;
};

class ComputeFeeShows : public ::testing::TestWithParam<FeeCase> {};

TEST_P(ComputeFeeShows, TheFeeAsTheWindowShowsIt) {
    const FeeCase& row = GetParam();
    const FeeOutcome outcome = ComputeFee(row.type, row.amount);
    EXPECT_EQ(outcome.feeText, row.fee) << row.type << " " << row.amount;
    EXPECT_FALSE(outcome.refusal.has_value());
    EXPECT_EQ(outcome.amountText, *row.amount == '\0' ? "0" : row.amount);
}

INSTANTIATE_TEST_SUITE_P(
    PropertyScale, ComputeFeeShows,
    ::testing::Values(
        FeeCase{kProperty, "", "50.00"}, FeeCase{kProperty, "-0", "50.00"},
        FeeCase{kProperty, "10000", "50.00"}, FeeCase{kProperty, "10000.2", "50.01"},
        FeeCase{kProperty, "10001", "50.03"}, FeeCase{kProperty, "12000.4", "100.01"},
        FeeCase{kProperty, "12345.678", "108.64"}, FeeCase{kProperty, "１２３４５.６７", "108.64"},
        FeeCase{kProperty, "100000", "2300.00"}, FeeCase{kProperty, "100000.3", "2300.01"},
        FeeCase{kProperty, "1234567.89", "15911.11"},
        FeeCase{kProperty, "１,０００,０００", "13800.00"},
        FeeCase{kProperty, "30000000", "191800.00"}, FeeCase{kProperty, "1e15", "5000000041800.00"},
        FeeCase{kProperty, "1000000000000015", "5000000041800.08"},
        FeeCase{kProperty, "9007199254740993", "45035996315505.00"},
        FeeCase{kProperty, "1e20", "500000000000042000.00"},
        FeeCase{kProperty, "1e-400", "50.00"}));

INSTANTIATE_TEST_SUITE_P(
    DerivedRules, ComputeFeeShows,
    ::testing::Values(
        FeeCase{kPaymentOrder, "10000", "16.67"},
        FeeCase{kPaymentOrder, "10001", "16.68"},  // 16.675: half to even
        FeeCase{kPaymentOrder, "10002.2", "16.68"}, FeeCase{kPaymentOrder, "150000", "1100.00"},
        FeeCase{kPaymentOrder, "1234567.89", "5303.7"}, FeeCase{kPaymentOrder, "4.9e-324", "16.67"},
        FeeCase{kPaymentOrder, "1000000000000015", "1666666680600.03"},
        FeeCase{kPaymentOrder, "1e20", "166666666666681000.00"},
        FeeCase{kBankruptcy, "10000", "25.00"}, FeeCase{kBankruptcy, "10001", "25.01"},
        FeeCase{kBankruptcy, "１２３４５.６７", "54.32"},
        FeeCase{kBankruptcy, "111640000", "300000.00"}, FeeCase{kBankruptcy, "1e20", "300000.00"},
        FeeCase{kIntellectual, "", "1000.00"}, FeeCase{kIntellectual, "-0", "1000.00"},
        FeeCase{kIntellectual, "10000", "50.00"}, FeeCase{kIntellectual, "20000", "300.00"}));

INSTANTIATE_TEST_SUITE_P(
    OtherRules, ComputeFeeShows,
    ::testing::Values(
        FeeCase{kDivorce, "200000", "300.00"}, FeeCase{kDivorce, "200001", "300.01"},
        FeeCase{kDivorce, "300000", "800.00"}, FeeCase{kDivorce, "２００,００１", "300.01"},
        FeeCase{kDivorce, "1000000000000005", "4999999999300.03"},
        FeeCase{kPersonality, "50000", "500.00"}, FeeCase{kPersonality, "100000", "1000.00"},
        FeeCase{kPersonality, "100001", "1000.01"}, FeeCase{kPersonality, "200000", "1500.00"},
        FeeCase{kPersonality, "1e20", "500000000000001000.00"},
        FeeCase{kPreservation, "1000", "30.00"}, FeeCase{kPreservation, "1,000.5", "30.01"},
        FeeCase{kPreservation, "1050", "30.5"}, FeeCase{kPreservation, "10000.1", "120.00"},
        FeeCase{kPreservation, "100000", "1020.00"}, FeeCase{kPreservation, "100200", "1021.00"},
        FeeCase{kPreservation, "895000", "4995.00"}, FeeCase{kPreservation, "896000", "5000.00"},
        FeeCase{kPreservation, "2000000", "5000.00"},
        FeeCase{"8、申请涉外仲裁财产保全的案件", "100200", "1021.00"},
        FeeCase{kEnforcement, "", "50.00"}, FeeCase{kEnforcement, "12000.4", "80.01"},
        FeeCase{kEnforcement, "500000", "7400.00"}, FeeCase{kEnforcement, "20000000", "87400.00"},
        FeeCase{kEnforcement, "10000002", "77400.00"},  // 0.1% from the first yuan past 1000 万
        FeeCase{kEnforcement, "9007199254740993", "9007199322140.99"},
        FeeCase{"7、申请执行香港特区作出的仲裁裁决的案件", "600000", "8400.00"}));

TEST(ComputeFee, FlatFeesIgnoreTheAmountButStillCheckIt) {
    int flat = 0;
    for (const auto& kind : catalogue::AllKinds()) {
        for (const auto& type : kind.types) {
            if (type.choice.rule != FeeRule::FlatFee) {
                continue;
            }
            ++flat;
            const std::string expected = std::to_string(type.choice.figure) + ".00";
            for (const char* amount : {"", "-0", "123.45", "1e300", "1e400"}) {
                EXPECT_EQ(ComputeFee(type.text, amount).feeText, expected) << type.text << amount;
            }
            EXPECT_EQ(ComputeFee(type.text, "1万").refusal, Refusal{RefusalKind::AmountNotNumeric});
        }
    }
    EXPECT_EQ(flat, 15);
    EXPECT_EQ(ComputeFee("5.申请共同海损理算", "").feeText, "1000.00");
}

TEST(ComputeFee, TheLargestDoubleWritesEveryIntegerDigit) {
    // a x 0.005 + 41800 for the largest double: 15 significant digits, then 291 zeros.
    EXPECT_EQ(ComputeFee(kProperty, "1.7976931348623157e308").feeText,
              "898846567431158" + std::string(291, '0') + ".00");
}

// Refused amounts price nothing, whatever the rule, and stay as typed. An amount below zero says
// so (a negative IP amount once cost 50 where 0 costs 1000).
TEST(ComputeFeeRefuses, NotANumberOrBelowZeroWithNoFeeAndTheAmountAsTyped) {
    const struct {
        std::vector<const char*> types, amounts;
        RefusalKind refusal;
    } cases[] = {
        {{kProperty, "6、劳动争议案件", ""},
         {"abc", "1万", "¥100", " ", "inf"},
         RefusalKind::AmountNotNumeric},
        {{kProperty, kIntellectual, kDivorce, "6、劳动争议案件"},
         {"-5", "-1", "−５００", "-1e400", "-0.01"},
         RefusalKind::AmountNegative},
    };
    for (const auto& c : cases) {
        for (const char* type : c.types) {
            for (const char* amount : c.amounts) {
                const FeeOutcome outcome = ComputeFee(type, amount);
                EXPECT_EQ(outcome.refusal, Refusal{c.refusal}) << amount;
                EXPECT_EQ(outcome.feeText, "");
                EXPECT_EQ(outcome.amountText, amount);
            }
        }
    }
}

TEST(ComputeFeeRefuses, AnAmountBeyondTheDoubleRangeFailsWithNoFee) {
    for (const char* type : {kProperty, kEnforcement, kDivorce, kPreservation, kIntellectual,
                             kPaymentOrder, kBankruptcy, kPersonality}) {
        const FeeOutcome outcome = ComputeFee(type, "1e400");
        EXPECT_EQ(outcome.refusal, (Refusal{RefusalKind::CalculationFailed, FailureKind::Overflow}))
            << type;
        EXPECT_EQ(outcome.feeText, "") << type;
        EXPECT_EQ(outcome.amountText, "1e400");
    }
}

TEST(ComputeFee, AnyTextThatIsNoTypeGivesNoFeeAndNoRefusal) {
    std::mt19937 random(56);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<std::string> types{"", "1、财产案件 ", "一、财产案件",
                                   std::string("1、财产案件") + std::string(1, '\0')};
    types.push_back(std::string("1、财产案件").substr(0, 14));  // cut inside a character
    for (int i = 0; i < 500; ++i) {
        std::string type(static_cast<std::size_t>(1 + i % 40), '\0');
        for (char& c : type) {
            c = static_cast<char>(byte(random));
        }
        types.push_back(type);
    }
    for (const std::string& type : types) {
        const FeeOutcome outcome = ComputeFee(type, "");
        EXPECT_EQ(outcome.feeText, "");
        EXPECT_EQ(outcome.amountText, "0");
        EXPECT_FALSE(outcome.refusal.has_value());
    }
}

// Pasted megabytes get their answer in linear time: a quadratic step would run past the test's
// time limit.
TEST(ComputeFee, AMegabyteIsReadInLinearTime) {
    constexpr std::size_t kMegabyte = 1 << 20;
    EXPECT_EQ(ComputeFee(kProperty, std::string(kMegabyte, '9')).refusal->kind,
              RefusalKind::CalculationFailed);
    EXPECT_EQ(ComputeFee(kEnforcement, std::string(kMegabyte, '0') + "20000").feeText, "200.00");
    EXPECT_EQ(ComputeFee(kEnforcement, "0." + std::string(kMegabyte, '0') + "1").feeText, "50.00");
    std::string grouped = "1";
    while (grouped.size() < kMegabyte) {
        grouped += ",000";
    }
    EXPECT_EQ(ComputeFee(kProperty, grouped).refusal->kind, RefusalKind::CalculationFailed);
    for (const std::string& amount : {std::string(kMegabyte, ','), std::string(kMegabyte, '.'),
                                      std::string(kMegabyte, '\t') + "x"}) {
        EXPECT_EQ(ComputeFee(kProperty, amount).refusal->kind, RefusalKind::AmountNotNumeric);
    }
    EXPECT_EQ(ComputeFee(kProperty, std::string(kMegabyte, ' ') + "5").feeText, "50.00");
    EXPECT_EQ(ComputeFee(std::string(kMegabyte, '\xE4'), "1").feeText, "");
}

double Fee(std::string_view type, double amount) {
    const FeeOutcome outcome = ComputeFee(type, std::to_string(amount));
    EXPECT_FALSE(outcome.refusal.has_value()) << type << " " << amount;
    return std::stod(outcome.feeText);
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

// The Measures state every graduated scale as marginal rates on the parts of the amount, which
// is written here again, independently of calc/scales.h; the rules evaluate closed forms. Both
// must give the same fee to the fen, rise with the amount, and be continuous at every edge.
struct MarginalScale {
    const char* type;
    double base;
    std::vector<std::array<double, 3>> bands;  // lower, upper, rate
    double cap;
    double divisor;
};

const std::vector<MarginalScale>& Scales() {
    constexpr double kTop = 1e18;
    static const std::vector<MarginalScale> scales = [] {
        const std::vector<std::array<double, 3>> property{
            {1e4, 1e5, 0.025}, {1e5, 2e5, 0.02},  {2e5, 5e5, 0.015},
            {5e5, 1e6, 0.01},  {1e6, 2e6, 0.009}, {2e6, 5e6, 0.008},
            {5e6, 1e7, 0.007}, {1e7, 2e7, 0.006}, {2e7, kTop, 0.005}};
        const std::vector<std::array<double, 3>> enforcement{
            {1e4, 5e5, 0.015}, {5e5, 5e6, 0.01}, {5e6, 1e7, 0.005}, {1e7, kTop, 0.001}};
        const std::vector<std::array<double, 3>> preservation{{1e3, 1e5, 0.01}, {1e5, kTop, 0.005}};
        return std::vector<MarginalScale>{
            {kProperty, 50, property, kTop, 1},
            {kIntellectual, 50, property, kTop, 1},
            {kPaymentOrder, 50, property, kTop, 3},
            {kBankruptcy, 50, property, 300000, 2},
            {kDivorce, 300, {{2e5, kTop, 0.005}}, kTop, 1},
            {kPersonality, 500, {{5e4, 1e5, 0.01}, {1e5, kTop, 0.005}}, kTop, 1},
            {kPreservation, 30, preservation, 5000, 1},
            {"8、申请涉外仲裁财产保全的案件", 30, preservation, 5000, 1},
            {kEnforcement, 50, enforcement, kTop, 1},
            {"1、公正执行案件", 50, enforcement, kTop, 1},
        };
    }();
    return scales;
}

double Marginal(const MarginalScale& scale, double amount) {
    double fee = scale.base;
    for (const auto& [lower, upper, rate] : scale.bands) {
        fee += amount > lower ? (std::min(amount, upper) - lower) * rate : 0;
    }
    return std::min(scale.cap, fee / scale.divisor);
}

TEST(FeeProperties, ClosedFormsAgreeWithTheMarginalRatesOfTheMeasures) {
    for (const MarginalScale& scale : Scales()) {
        for (double amount : Amounts()) {
            ASSERT_NEAR(Fee(scale.type, amount), Marginal(scale, amount), 0.011)
                << scale.type << " at " << amount;
        }
        EXPECT_EQ(Fee(scale.type, 1e15), std::round(Marginal(scale, 1e15) * 100) / 100)
            << scale.type;
    }
}

TEST(FeeProperties, FeesRiseWithTheAmountAndAreContinuousAtEveryEdge) {
    const std::vector<double> amounts = Amounts();
    for (const MarginalScale& scale : Scales()) {
        double previous = -1;
        for (double amount : amounts) {
            const double fee = Fee(scale.type, amount);
            ASSERT_GE(fee, previous) << scale.type << " at " << amount;
            previous = fee;
        }
        for (const auto& band : scale.bands) {
            const double edge = band[0];
            const double atEdge = Fee(scale.type, edge);
            for (double step : {0.01, 1.0, 100.0}) {
                // One fen of display rounding on each side, beyond the marginal part.
                EXPECT_LE(Fee(scale.type, edge + step) - atEdge, 0.025 * step + 0.02)
                    << scale.type << " jumps at " << edge;
                EXPECT_LE(atEdge - Fee(scale.type, edge - step), 0.025 * step + 0.02)
                    << scale.type << " jumps below " << edge;
            }
        }
    }
}

}  // namespace
}  // namespace zq
