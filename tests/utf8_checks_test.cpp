// SPDX-License-Identifier: MIT
// The Windows console bridge converts what courtfee writes in whatever pieces the pipe delivers;
// a character cut between two pieces must wait for its rest instead of showing as garbage.
#include "cli/windows/utf8_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zq::cli::CompleteUtf8Prefix;

TEST(Utf8Boundary, EveryCutOfMixedTextKeepsWholeCharactersOnly) {
    // One, two, three and four bytes: "a", "é", "财", "𠀀".
    const std::string text = "a\xC3\xA9\xE8\xB4\xA2\xF0\xA0\x80\x80";
    const std::size_t starts[] = {0, 1, 3, 6, 10};  // where each character begins, and the end
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        std::size_t expected = 0;
        for (const std::size_t start : starts) {
            if (start <= cut) {
                expected = start;
            }
        }
        EXPECT_EQ(CompleteUtf8Prefix(std::string_view(text).substr(0, cut)), expected)
            << "cut after " << cut << " bytes";
    }
}

TEST(Utf8Boundary, BytesThatCannotBeCompletedAreLeftToTheConverter) {
    // A stray continuation byte, a lead byte no sequence may start with, and four continuations
    // in a row: waiting would never make them whole, so they go now and show as U+FFFD.
    EXPECT_EQ(CompleteUtf8Prefix("ab\x80"), 3U);
    EXPECT_EQ(CompleteUtf8Prefix("ab\xC0"), 3U);
    EXPECT_EQ(CompleteUtf8Prefix("ab\xF8"), 3U);
    EXPECT_EQ(CompleteUtf8Prefix("\x80\x80\x80\x80"), 4U);
    // A complete three-byte character after a lone lead byte: the lead is not waited for.
    EXPECT_EQ(CompleteUtf8Prefix("\xE8\xE8\xB4\xA2"), 4U);
}

// A case file's line counts as UTF-8 only when it is well-formed; anything else is read in the
// ANSI code page, so overlong forms and surrogates must not pass.
TEST(Utf8Checks, WellFormedUtf8Only) {
    for (const char* good :
         {"", "1、财产案件\t10000\r\n", "\xF0\xA0\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(zq::cli::IsValidUtf8(good)) << good;
    }
    for (const char* bad : {"\xB2\xC6\xB2\xFA", "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80",
                            "\xF4\x90\x80\x80", "\xE8\xB4", "\x80", "\xF8\x88\x80\x80\x80"}) {
        EXPECT_FALSE(zq::cli::IsValidUtf8(bad)) << bad;
    }
}

}  // namespace
