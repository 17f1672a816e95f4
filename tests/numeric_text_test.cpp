// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "runtime/calc_failure.h"
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
    ASSERT_TRUE(reading.numeric) << row.text;
    EXPECT_FALSE(reading.overflow);
    EXPECT_EQ(reading.value, row.value) << row.text;
    EXPECT_EQ(TextToNumber(row.text), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NumberGrammarAccepts,
    ::testing::Values(
        Accepted{"plain", "10000", 10000}, Accepted{"zero", "0", 0}, Accepted{"negative", "-5", -5},
        Accepted{"plus", "+7", 7}, Accepted{"fraction", "108.64195", 108.64195},
        Accepted{"leading_point", ".5", 0.5}, Accepted{"trailing_point", "5.", 5},
        Accepted{"grouped", "1,000,000", 1000000}, Accepted{"grouped_fraction", "1,234.5", 1234.5},
        Accepted{"exponent", "1e3", 1000}, Accepted{"exponent_upper_signed", "2.5E-1", 0.25},
        Accepted{"exponent_plus", "1e+2", 100}, Accepted{"blanks_around", " \t12\t ", 12},
        Accepted{"ideographic_space", "\u300012\u3000", 12},
        Accepted{"fullwidth_digits", "\uFF11\uFF10\uFF10\uFF10\uFF10", 10000},
        Accepted{"fullwidth_sign_point_comma", "\uFF0D\uFF11\uFF0C\uFF10\uFF10\uFF10\uFF0E\uFF15",
                 -1000.5},
        Accepted{"fullwidth_plus_exponent", "\uFF0B1\uFF452", 100},
        Accepted{"fullwidth_upper_exponent", "1\uFF252", 100},
        Accepted{"minus_sign", "\u22125", -5}, Accepted{"correctly_rounded", "0.1", 0.1},
        Accepted{"long_digit_run", std::string(400, '0') + "1", 1},
        Accepted{"largest_double", "1.7976931348623157e308", std::numeric_limits<double>::max()}),
    [](const auto& info) { return std::string(info.param.name); });

class NumberGrammarRejects : public ::testing::TestWithParam<std::string> {};

TEST_P(NumberGrammarRejects, IsNotNumericAndDoesNotConvert) {
    EXPECT_FALSE(IsNumeric(GetParam())) << GetParam();
    EXPECT_THROW(TextToNumber(GetParam()), CalcFailure);
}

INSTANTIATE_TEST_SUITE_P(Forms, NumberGrammarRejects,
                         ::testing::Values("", " ", "abc", "inf", "nan", "infinity", "-inf", "0x10",
                                           "&H10", "1e", ".", "-", "+", "1..2", "1 2", "1_000",
                                           "1,", ",1", "1,,000", "1.5,0", "- 5", "e5", "1e+",
                                           "1e2.5",
                                           "\xA5"
                                           "100",
                                           "¥100", "10000元", "1万", "\u0661", "\uFF11\uFF10\u4E07",
                                           "1\u30002", "1\xEF", "\xEF\xBC", "\x80", "12\r",
                                           std::string("1\0"
                                                       "2",
                                                       3)));

TEST(NumberRange, BeyondTheDoubleRangeIsNumericButOverflows) {
    for (const std::string& text :
         std::vector<std::string>{"1e400", "-1e400", "10e308", std::string(400, '9')}) {
        const NumberReading reading = ReadNumber(text);
        EXPECT_TRUE(reading.numeric) << text;
        EXPECT_TRUE(reading.overflow) << text;
        try {
            TextToNumber(text);
            ADD_FAILURE() << "no failure for " << text;
        } catch (const CalcFailure& failure) {
            EXPECT_EQ(failure.kind(), FailureKind::Overflow);
            EXPECT_EQ(failure.description(), "溢出");
        }
    }
}

TEST(NumberRange, UnderflowReadsAsZero) {
    for (const char* text : {"1e-400", "-1e-400", "100e-999999999999999999999"}) {
        EXPECT_TRUE(IsNumeric(text));
        EXPECT_EQ(TextToNumber(text), 0.0) << text;
    }
    EXPECT_TRUE(std::signbit(TextToNumber("-0")));
}

TEST(NumberRange, HugeExponentsSaturateInsteadOfWrapping) {
    EXPECT_TRUE(ReadNumber("1e99999999999999999999999").overflow);
    EXPECT_EQ(TextToNumber("0e99999999999999999999999"), 0.0);
}

TEST(NumberReadingOracle, PlainAmountsReadExactlyAsStrtod) {
    // Plain amounts take a fast path; it must give the correctly rounded value the C library
    // gives (strtod in the C locale, independent of fast_float).
    std::mt19937_64 random(1);
    std::uniform_int_distribution<int> length(1, 24);
    std::uniform_int_distribution<int> digit(0, 9);
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        const int intDigits = length(random);
        for (int k = 0; k < intDigits; ++k) {
            text.push_back(static_cast<char>('0' + digit(random)));
        }
        if (i % 2 == 0) {
            text.push_back('.');
            const int fracDigits = length(random);
            for (int k = 0; k < fracDigits; ++k) {
                text.push_back(static_cast<char>('0' + digit(random)));
            }
        }
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(TextToNumber(text), expected) << text;
        ASSERT_EQ(TextToNumber("\t-" + text + " "), -expected) << text;
    }
}

}  // namespace
}  // namespace zq
