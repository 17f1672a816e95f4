// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "runtime/decimal15.h"
#include "runtime/fee_rounding.h"
#include "runtime/number_text.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

struct TextCase {
    double value;
    std::string text;
};

class NumberToTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberToTextTest, WritesFifteenSignificantDigitsAndReadsBack) {
    const TextCase& row = GetParam();
    const std::string text = NumberToText(row.value);
    EXPECT_EQ(text, row.text);
    EXPECT_TRUE(IsNumeric(text));
    EXPECT_EQ(NumberToText(TextToNumber(text)), text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberToTextTest,
                         ::testing::Values(TextCase{300, "300"}, TextCase{108.64195, "108.64195"},
                                           TextCase{10001 * 0.025 - 200, "50.025"},
                                           TextCase{50.0 / 3, "16.6666666666667"},
                                           TextCase{-0.0, "0"}, TextCase{0.5, "0.5"},
                                           TextCase{-12.5, "-12.5"}, TextCase{0.0001, "0.0001"},
                                           TextCase{1e-6, "1E-06"},
                                           TextCase{999999999999999, "999999999999999"},
                                           TextCase{1e15, "1E+15"},
                                           TextCase{1e20 * 0.005 + 41800, "5.00000000000042E+17"},
                                           TextCase{1.5e300, "1.5E+300"}));

TEST(WholeToText, PlainDigits) {
    EXPECT_EQ(WholeToText(50), "50");
    EXPECT_EQ(WholeToText(300000), "300000");
}

struct RoundCase {
    double value;
    double rounded;
};

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsTheDecimalWithHalvesToEven) {
    EXPECT_EQ(RoundHalfEven2(GetParam().value), GetParam().rounded) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenTest,
                         // 16.675, 25.005, 100.125, 0.125 and 2.675 stand in awkward_values_test.
                         ::testing::Values(RoundCase{50.0 / 3, 16.67}, RoundCase{0.135, 0.14},
                                           RoundCase{99.995, 100}, RoundCase{0.005, 0},
                                           RoundCase{0.0051, 0.01}, RoundCase{-2.675, -2.68},
                                           RoundCase{1234567.891, 1234567.89}, RoundCase{0.0004, 0},
                                           RoundCase{1e17, 1e17}));

struct PatternCase {
    double value;
    std::string text;
};

class FeePatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(FeePatternTest, WritesIntegerPointAndAtMostTwoDecimals) {
    EXPECT_EQ(FormatFeePattern(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FeePatternTest,
                         ::testing::Values(PatternCase{50, "50."}, PatternCase{30.5, "30.5"},
                                           PatternCase{108.64195, "108.64"},
                                           PatternCase{50.025, "50.03"},
                                           PatternCase{10001 * 0.025 - 200, "50.03"},
                                           PatternCase{16.67, "16.67"}, PatternCase{0.5, ".5"},
                                           PatternCase{0.004, "."}, PatternCase{99.995, "100."},
                                           PatternCase{5.00000000000042e17, "500000000000042000."},
                                           PatternCase{1e300, "1" + std::string(300, '0') + "."}));

TEST(NumberFormatLocale, IgnoresTheCLocale) {
    // The window program's toolkit sets the locale from the environment; a comma locale must
    // not change a single fee.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    EXPECT_EQ(NumberToText(108.64195), "108.64195");
    EXPECT_EQ(TextToNumber("1,000.5"), 1000.5);
    EXPECT_EQ(FormatFeePattern(30.5), "30.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace zq

namespace zq {
namespace {

// The fast 15-digit rounding starts from the shortest text; the C library's fixed-precision
// conversion, correctly rounded with halves to even and independent of {fmt}, is the reference
// it must always agree with.
std::string Reference15(double value) {
    char buf[40];
    const int length = std::snprintf(buf, sizeof buf, "%.14e", value);
    std::string text(buf, static_cast<std::size_t>(length));
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    return digits + "e" + std::to_string(std::stoi(text.substr(e + 1)) + 1);
}

TEST(Decimal15, AgreesWithTheFixedPrecisionConversion) {
    std::mt19937_64 random(20070401);
    std::uniform_int_distribution<long long> cents(1, 100'000'000'000LL);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 200000; ++i) {
        const double amount = static_cast<double>(cents(random)) / 100;
        double value = 0;
        switch (i % 4) {
            case 0:
                value = amount * 0.025 - 200;
                break;  // the shape of every fee
            case 1:
                value = amount / 3;
                break;
            case 2:
                value = std::nextafter(amount, 1e300);
                break;
            default: {
                const std::uint64_t raw = bits(random);
                std::memcpy(&value, &raw, sizeof value);
                if (!std::isfinite(value) || value == 0) {
                    continue;
                }
            }
        }
        const Decimal15 d = Decimal15::From(value);
        ASSERT_EQ(d.digits + "e" + std::to_string(d.pointPos), Reference15(std::fabs(value)))
            << std::hexfloat << value;
    }
}

TEST(Decimal15, ExactHalvesAtTheFifteenthDigitGoToTheEvenNeighbour) {
    // 16-digit decimals ending in 5 that a double holds exactly: the one case where the shortest
    // text cannot decide and the exact conversion must.
    std::mt19937_64 random(5);
    std::uniform_int_distribution<long long> head(100'000'000'000'000LL, 899'999'999'999'999LL);
    for (int i = 0; i < 20000; ++i) {
        const double whole = static_cast<double>(head(random) * 10 + 5);  // below 2^53
        const double half = static_cast<double>(head(random)) + 0.5;      // 15 digits and a half
        for (const double value : {whole, half}) {
            const Decimal15 d = Decimal15::From(value);
            ASSERT_EQ(d.digits + "e" + std::to_string(d.pointPos), Reference15(value))
                << std::hexfloat << value;
        }
    }
}

}  // namespace
}  // namespace zq
