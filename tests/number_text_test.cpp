// SPDX-License-Identifier: MIT
// Numbers read from what people type and written as the fee rules carry them between stages: the
// number grammar, the 15-digit text, the "####.##" pattern and the half-even rounding. The awkward
// rows (halves at the 15th digit and at the fen, the ends of the double range, denormals) were
// written by the command built on the standard library's own <charconv>, before {fmt} and
// fast_float took over: a change of library must not change one byte of them.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "runtime/calc_failure.h"
#include "runtime/decimal15.h"
#include "runtime/fee_rounding.h"
#include "runtime/number_text.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

struct Accepted {
    const char* name;
    std::string text;
    double value;
};

class NumberGrammarAccepts : public ::testing::TestWithParam<Accepted> {};

TEST_P(NumberGrammarAccepts, ReadsTheValue) {
    const Accepted& row = GetParam();
    const NumberReading reading = ReadNumber(row.text);
    ASSERT_TRUE(reading.numeric && !reading.overflow) << row.text;
    EXPECT_EQ(reading.value, row.value) << row.text;
    EXPECT_EQ(TextToNumber(row.text), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NumberGrammarAccepts,
    ::testing::Values(
        Accepted{"plain", "10000", 10000}, Accepted{"negative", "-5", -5},
        Accepted{"plus", "+7", 7}, Accepted{"fraction", "108.64195", 108.64195},
        Accepted{"leading_point", ".5", 0.5}, Accepted{"trailing_point", "5.", 5},
        Accepted{"grouped", "1,000,000", 1000000},
        Accepted{"grouped_fraction", "12,345.5", 12345.5},
        Accepted{"grouped_fullwidth", "\uFF11\uFF0C\uFF10\uFF10\uFF10", 1000},
        Accepted{"exponent", "2.5E-1", 0.25}, Accepted{"exponent_plus", "1e+2", 100},
        Accepted{"blanks_around", " \t12\t ", 12},
        Accepted{"spreadsheet_cell", "1000000\r\n", 1000000},
        Accepted{"ideographic_space", "\u300012\u3000", 12},
        Accepted{"fullwidth_digits", "\uFF11\uFF10\uFF10\uFF10\uFF10", 10000},
        Accepted{"fullwidth_sign_point_comma", "\uFF0D\uFF11\uFF0C\uFF10\uFF10\uFF10\uFF0E\uFF15",
                 -1000.5},
        Accepted{"fullwidth_exponents", "\uFF0B1\uFF452", 100},
        Accepted{"fullwidth_upper_exponent", "1\uFF252", 100},
        Accepted{"minus_sign", "\u22125", -5},
        Accepted{"long_digit_run", std::string(400, '0') + "1", 1},
        // 22 decimals are the most an exact power of ten divides; 23 take the general path.
        Accepted{"twenty_two_decimals", "0." + std::string(21, '0') + "1", 1e-22},
        Accepted{"twenty_three_decimals", "0." + std::string(22, '0') + "1", 1e-23},
        Accepted{"underflow", "1e-400", 0}, Accepted{"huge_exponent_of_zero", "0e99999999999", 0},
        Accepted{"largest_double", "1.7976931348623157e308", std::numeric_limits<double>::max()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberGrammar, RefusesEverythingElse) {
    std::vector<std::string> texts{
        "", " ", "abc", "inf", "nan", "0x10", "&H10", "1e", ".", "-", "1..2", "1 2", "1_000", "1,",
        ",1", "1,,000", "1.5,0", "- 5", "e5", "1e+", "1e2.5",
        "\xA5"
        "100",
        "¥100", "10000元", "1万", "\u0661", "1\u30002", "1\xEF", "\x80", "1\n2",
        // A comma groups integer digits by threes, and nothing else.
        "1000000,50", "1,000,00", "1234,56", "12,34,567", "1,0000", "1000,000", "1,000.5,0"};
    texts.emplace_back(
        "1\0"
        "2",
        3);
    for (const std::string& text : texts) {
        EXPECT_FALSE(IsNumeric(text)) << text;
        try {
            TextToNumber(text);
            ADD_FAILURE() << "no failure for " << text;
        } catch (const CalcFailure& failure) {
            EXPECT_EQ(failure.kind(), FailureKind::TypeMismatch);
        }
    }
}

TEST(NumberGrammar, BeyondTheDoubleRangeIsNumericButOverflows) {
    for (const std::string& text : {std::string("1e400"), std::string("-1e400"),
                                    std::string(400, '9'), std::string("1e99999999999999999")}) {
        EXPECT_TRUE(ReadNumber(text).numeric && ReadNumber(text).overflow) << text;
        try {
            TextToNumber(text);
            ADD_FAILURE() << "no failure for " << text;
        } catch (const CalcFailure& failure) {
            EXPECT_EQ(failure.kind(), FailureKind::Overflow);
        }
    }
    EXPECT_TRUE(std::signbit(TextToNumber("-0")));
}

// Below zero is judged from the text, before any conversion: "-1e400" is negative though no
// double holds it, and so is "-1e-400", too small to tell from zero; "-0" is not.
TEST(NumberGrammar, SaysWhenTheTextIsBelowZero) {
    for (const auto& [text, negative] :
         {std::pair{"-5", true}, std::pair{"\u22125", true}, std::pair{"-1e400", true},
          std::pair{"-0.001", true}, std::pair{"-1e-400", true}, std::pair{"-0", false},
          std::pair{"-0.000", false}, std::pair{"+5", false}, std::pair{"5", false}}) {
        EXPECT_EQ(ReadNumber(text).negative, negative) << text;
    }
}

TEST(NumberGrammar, PlainAmountsReadExactlyAsStrtod) {
    // Plain amounts take a fast path; it must give the correctly rounded value the C library
    // gives (strtod in the C locale, independent of fast_float).
    std::mt19937_64 random(1);
    std::uniform_int_distribution<int> length(1, 24);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        for (int k = length(random); k > 0; --k) {
            text.push_back(static_cast<char>('0' + digit(random)));
        }
        if (i % 2 == 0) {
            text.push_back('.');
            for (int k = length(random); k > 0; --k) {
                text.push_back(static_cast<char>('0' + digit(random)));
            }
        }
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(TextToNumber(text), expected) << text;
        ASSERT_EQ(TextToNumber("\t-" + text + " "), -expected) << text;
    }
}

// A value as each writer writes it: the 15-digit text the stages carry, the window's pattern,
// and the half-even rounding of thirds and halves.
struct Written {
    const char* text;     // read with TextToNumber
    const char* number;   // NumberToText
    const char* pattern;  // FormatFeePattern
    double halfEven;      // RoundHalfEven2
};

class NumberWriters : public ::testing::TestWithParam<Written> {};

TEST_P(NumberWriters, WriteAsBefore) {
    const Written& row = GetParam();
    const double value = TextToNumber(row.text);
    EXPECT_EQ(NumberToText(value), row.number) << row.text;
    EXPECT_EQ(FormatFeePattern(value), row.pattern) << row.text;
    EXPECT_EQ(RoundHalfEven2(value), row.halfEven) << row.text;
    EXPECT_EQ(NumberToText(TextToNumber(row.number)), row.number) << "reads back";
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberWriters,
    ::testing::Values(
        Written{"300", "300", "300.", 300}, Written{"108.64195", "108.64195", "108.64", 108.64},
        Written{"50.025", "50.025", "50.03", 50.02}, Written{"30.5", "30.5", "30.5", 30.5},
        Written{"0.5", "0.5", ".5", 0.5}, Written{"-12.5", "-12.5", "-12.5", -12.5},
        Written{"-0", "0", ".", 0}, Written{"0.0001", "0.0001", ".", 0},
        Written{"0.004", "0.004", ".", 0}, Written{"0.005", "0.005", ".01", 0},
        Written{"0.0051", "0.0051", ".01", 0.01}, Written{"0.135", "0.135", ".14", 0.14},
        Written{"99.995", "99.995", "100.", 100}, Written{"-2.675", "-2.675", "-2.68", -2.68},
        Written{"16.6666666666667", "16.6666666666667", "16.67", 16.67},
        Written{"16.675", "16.675", "16.68", 0x1.0ae147ae147aep+4},
        Written{"25.005", "25.005", "25.01", 0x1.9p+4},
        Written{"100.125", "100.125", "100.13", 0x1.907ae147ae148p+6},
        Written{"0.125", "0.125", ".13", 0x1.eb851eb851eb8p-4},
        Written{"2.675", "2.675", "2.68", 0x1.570a3d70a3d71p+1}, Written{"1e-5", "0.00001", ".", 0},
        Written{"1e-6", "1E-06", ".", 0}, Written{"1e-10", "1E-10", ".", 0},
        Written{"5e-6", "5E-06", ".", 0},
        Written{"999999999999999", "999999999999999", "999999999999999.", 999999999999999},
        Written{"1e15", "1E+15", "1000000000000000.", 1e15},
        Written{"1000000000000015", "1.00000000000002E+15", "1000000000000020.",
                0x1.c6bf5263400ap+49},
        Written{"999999999999999.5", "1E+15", "1000000000000000.", 0x1.c6bf52634p+49},
        Written{"1.0000000000000005", "1", "1.", 1},
        Written{"123456.7890123455", "123456.789012345", "123456.79", 0x1.e240ca3d70a3dp+16},
        Written{"12345678901234.5", "12345678901234.5", "12345678901234.5", 0x1.674e79c5fe5p+43},
        Written{"0.30000000000000004", "0.3", ".3", 0x1.3333333333333p-2},
        Written{"5.00000000000042e17", "5.00000000000042E+17", "500000000000042000.",
                5.00000000000042e17},
        Written{"1e20", "1E+20", "100000000000000000000.", 0x1.5af1d78b58c4p+66},
        Written{"4.9e-324", "5E-324", ".", 0},
        Written{"2.2250738585072009e-308", "2.2250738585072E-308", ".", 0}));

TEST(NumberWriters, WholeNumbersAndTheLargestPattern) {
    EXPECT_EQ(WholeToText(300000), "300000");
    EXPECT_EQ(FormatFeePattern(1e300), "1" + std::string(300, '0') + ".");
    EXPECT_EQ(ShownFee(50), "50.00");
    EXPECT_EQ(ShownFee(30.5), "30.5");
}

TEST(NumberWriters, IgnoreTheCLocale) {
    // The window program's toolkit sets the locale from the environment; a comma locale must
    // not change a single fee.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    EXPECT_EQ(NumberToText(108.64195), "108.64195");
    EXPECT_EQ(TextToNumber("1,000.5"), 1000.5);
    EXPECT_EQ(FormatFeePattern(30.5), "30.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

// The C library's fixed-precision conversion, correctly rounded with halves to even and
// independent of {fmt}, is the reference the fast 15-digit rounding must always agree with.
std::string Reference15(double value) {
    char buf[40];
    const int length = std::snprintf(buf, sizeof buf, "%.14e", value);
    const std::string text(buf, static_cast<std::size_t>(length));
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    return digits + "e" + std::to_string(std::stoi(text.substr(e + 1)) + 1);
}

std::string Of(const Decimal15& d) { return d.digits + "e" + std::to_string(d.pointPos); }

TEST(Decimal15, AgreesWithTheFixedPrecisionConversion) {
    std::mt19937_64 random(20070401);
    std::uniform_int_distribution<long long> cents(1, 100'000'000'000LL);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 200000; ++i) {
        const double amount = static_cast<double>(cents(random)) / 100;
        double value = i % 4 == 0   ? amount * 0.025 - 200  // the shape of every fee
                       : i % 4 == 1 ? amount / 3
                       : i % 4 == 2 ? std::nextafter(amount, 1e300)
                                    : 0;
        if (i % 4 == 3) {
            const std::uint64_t raw = bits(random);
            std::memcpy(&value, &raw, sizeof value);
            if (!std::isfinite(value) || value == 0) {
                continue;
            }
        }
        ASSERT_EQ(Of(Decimal15::From(value)), Reference15(std::fabs(value)))
            << std::hexfloat << value;
    }
}

TEST(Decimal15, ExactHalvesAtTheFifteenthDigitGoToTheEvenNeighbour) {
    // 16-digit decimals ending in 5 that a double holds exactly: the one case where the shortest
    // text cannot decide and the exact conversion must.
    std::mt19937_64 random(5);
    std::uniform_int_distribution<long long> head(100'000'000'000'000LL, 899'999'999'999'999LL);
    for (int i = 0; i < 20000; ++i) {
        for (const double value : {static_cast<double>(head(random) * 10 + 5),
                                   static_cast<double>(head(random)) + 0.5}) {
            ASSERT_EQ(Of(Decimal15::From(value)), Reference15(value)) << std::hexfloat << value;
        }
    }
}

}  // namespace
}  // namespace zq
