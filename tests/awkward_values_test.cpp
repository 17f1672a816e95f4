// SPDX-License-Identifier: MIT
// Values where a number reader or writer most easily goes wrong: halves at the 15th digit, exact
// decimal halves at the fen, the ends of the double range, denormals. Every expected text was
// written by the courtfee built on the standard library's own <charconv>, before {fmt} and
// fast_float took over: a change of library must not change one byte of them.
#include <gtest/gtest.h>

#include <string>

#include "calc/price.h"
#include "runtime/fee_rounding.h"
#include "runtime/number_text.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

struct ConversionRow {
    const char* text;
    const char* numberText;  // NumberToText of the value read
    const char* pattern;     // FormatFeePattern ("####.##")
    double halfEven;         // RoundHalfEven2
};

class AwkwardConversion : public testing::TestWithParam<ConversionRow> {};

TEST_P(AwkwardConversion, WritesAsBefore) {
    const ConversionRow& row = GetParam();
    const double value = TextToNumber(row.text);
    EXPECT_EQ(NumberToText(value), row.numberText);
    EXPECT_EQ(FormatFeePattern(value), row.pattern);
    EXPECT_EQ(RoundHalfEven2(value), row.halfEven);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AwkwardConversion,
    testing::Values(
        ConversionRow{"16.675", "16.675", "16.68", 0x1.0ae147ae147aep+4},
        ConversionRow{"25.005", "25.005", "25.01", 0x1.9p+4},
        ConversionRow{"100.125", "100.125", "100.13", 0x1.907ae147ae148p+6},
        ConversionRow{"0.125", "0.125", ".13", 0x1.eb851eb851eb8p-4},
        ConversionRow{"2.675", "2.675", "2.68", 0x1.570a3d70a3d71p+1},
        ConversionRow{"1e20", "1E+20", "100000000000000000000.", 0x1.5af1d78b58c4p+66},
        ConversionRow{"4.9e-324", "5E-324", ".", 0},
        ConversionRow{"2.2250738585072009e-308", "2.2250738585072E-308", ".", 0},
        ConversionRow{"1e-400", "0", ".", 0},
        ConversionRow{"1000000000000005", "1E+15", "1000000000000000.", 0x1.c6bf52634p+49},
        ConversionRow{"1000000000000015", "1.00000000000002E+15", "1000000000000020.",
                      0x1.c6bf5263400ap+49},
        ConversionRow{"999999999999999.5", "1E+15", "1000000000000000.", 0x1.c6bf52634p+49},
        ConversionRow{"9.999999999999995e14", "1E+15", "1000000000000000.", 0x1.c6bf52634p+49},
        ConversionRow{"1.0000000000000005", "1", "1.", 1},
        ConversionRow{"123456.7890123455", "123456.789012345", "123456.79", 0x1.e240ca3d70a3dp+16},
        ConversionRow{"12345678901234.5", "12345678901234.5", "12345678901234.5",
                      0x1.674e79c5fe5p+43},
        ConversionRow{"0.30000000000000004", "0.3", ".3", 0x1.3333333333333p-2},
        ConversionRow{"5e-6", "5E-06", ".", 0}));

struct FeeRow {
    const char* type;
    const char* amount;
    const char* fee;  // empty: the calculation fails
};

class AwkwardAmount : public testing::TestWithParam<FeeRow> {};

TEST_P(AwkwardAmount, PricesAsBefore) {
    const FeeRow& row = GetParam();
    const FeeOutcome outcome = ComputeFee(row.type, row.amount);
    EXPECT_EQ(outcome.feeText, row.fee);
    EXPECT_EQ(outcome.message.has_value(), std::string(row.fee).empty());
}

constexpr const char* kProperty = "1、财产案件";
constexpr const char* kPaymentOrder = "1、支付令、公示催告案件";
constexpr const char* kBankruptcy = "2、破产案件";
constexpr const char* kPersonality = "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件";
constexpr const char* kPreservation = "1、申请诉讼保全措施案件";
constexpr const char* kEnforcement = "1、执行案件";
constexpr const char* kDivorce = "1、离婚案件";

INSTANTIATE_TEST_SUITE_P(
    Lines, AwkwardAmount,
    testing::Values(
        FeeRow{kProperty, "1e20", "500000000000042000.00"}, FeeRow{kProperty, "1e-400", "50.00"},
        FeeRow{kProperty, "1.8e308", ""}, FeeRow{kProperty, "1e15", "5000000041800.00"},
        FeeRow{kProperty, "1000000000000005", "5000000041800.03"},
        FeeRow{kProperty, "1000000000000015", "5000000041800.08"},
        FeeRow{kProperty, "9007199254740993", "45035996315505.00"},
        FeeRow{kProperty, "123456789012345.5", "617283986861.73"},
        FeeRow{kProperty, "10000.2", "50.01"}, FeeRow{kProperty, "10000.5", "50.01"},
        FeeRow{kProperty, "10001", "50.03"}, FeeRow{kProperty, "12000.4", "100.01"},
        FeeRow{kProperty, "100000.3", "2300.01"}, FeeRow{kProperty, "１２３４５.６７", "108.64"},
        FeeRow{kProperty, "1234567.89", "15911.11"},
        FeeRow{kPaymentOrder, "1e20", "166666666666681000.00"},
        FeeRow{kPaymentOrder, "1000000000000005", "1666666680600.01"},
        FeeRow{kPaymentOrder, "1000000000000015", "1666666680600.03"},
        FeeRow{kPaymentOrder, "123456789012345.5", "205761328953.91"},
        FeeRow{kPaymentOrder, "4.9e-324", "16.67"}, FeeRow{kPaymentOrder, "12000.4", "33.34"},
        FeeRow{kPaymentOrder, "1234567.89", "5303.7"}, FeeRow{kBankruptcy, "10000.5", "25.01"},
        FeeRow{kBankruptcy, "10001", "25.01"}, FeeRow{kBankruptcy, "１２３４５.６７", "54.32"},
        FeeRow{kBankruptcy, "1e20", "300000.00"},
        FeeRow{kPersonality, "1000000000000015", "5000000000500.08"},
        FeeRow{kPersonality, "1e20", "500000000000001000.00"},
        FeeRow{kPreservation, "1,000.5", "30.01"}, FeeRow{kPreservation, "1001.5", "30.02"},
        FeeRow{kPreservation, "10000.1", "120.00"},
        FeeRow{kPreservation, "2.2250738585072009e-308", "30.00"},
        FeeRow{kEnforcement, "9007199254740993", "9007199322140.99"},
        FeeRow{kEnforcement, "123456789012345.5", "123456856412.35"},
        FeeRow{kEnforcement, "1000000000000015", "1000000067400.02"},
        FeeRow{kEnforcement, "12000.4", "80.01"}, FeeRow{kDivorce, "1e20", "499999999999999000.00"},
        FeeRow{kDivorce, "1000000000000005", "4999999999300.03"},
        FeeRow{kDivorce, "−５００", "300.00"}));

TEST(AwkwardAmount, LargestDoubleWritesEveryIntegerDigit) {
    // a x 0.005 + 41800 for the largest double: 15 significant digits, then 291 zeros.
    const FeeOutcome outcome = ComputeFee(kProperty, "1.7976931348623157e308");
    EXPECT_EQ(outcome.feeText, "898846567431158" + std::string(291, '0') + ".00");
}

}  // namespace
}  // namespace zq
