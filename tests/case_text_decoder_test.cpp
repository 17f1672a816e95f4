// SPDX-License-Identifier: MIT
// Case files as Windows programs save them: UTF-8 (Notepad), UTF-16 (Excel's "Unicode 文本") and
// the ANSI code page (Excel's tab-separated text on a Chinese Windows) all reach --batch as UTF-8.
#include "cli/case_text_decoder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zq::cli::CaseTextDecoder;

// Stands in for the code page: marks each line it was given, so the test sees which went there.
std::string MarkAnsi(std::string_view line) { return "<ansi " + std::to_string(line.size()) + ">"; }

// The same input fed whole and one byte at a time must give the same text.
std::string Decode(std::string_view input, std::size_t piece) {
    CaseTextDecoder decoder(MarkAnsi);
    std::string out;
    for (std::size_t at = 0; at < input.size(); at += piece) {
        out += decoder.Feed(input.substr(at, piece));
    }
    return out + decoder.Finish();
}

struct DecodeCase {
    const char* name;
    std::string input;
    std::string expected;
};

class CaseTextDecoding : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(CaseTextDecoding, GivesTheSameUtf8WhateverTheReadsCut) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{4096}}) {
        EXPECT_EQ(Decode(GetParam().input, piece), GetParam().expected) << "pieces of " << piece;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WindowsFiles, CaseTextDecoding,
    ::testing::Values(
        DecodeCase{"utf8_with_mark_and_crlf", "\xEF\xBB\xBF财产\t1\r\n离婚\t2",
                   "\xEF\xBB\xBF财产\t1\r\n离婚\t2"},
        // "财\t1\r\n" and U+20000 (a surrogate pair), little-endian after the mark.
        DecodeCase{"utf16_little_endian",
                   std::string("\xFF\xFE\x22\x8D\t\x00"
                               "1\x00\r\x00\n\x00"
                               "\x40\xD8\x00\xDC",
                               16),
                   "财\t1\r\n\xF0\xA0\x80\x80"},
        DecodeCase{"utf16_cut_short", std::string("\xFF\xFE\x22\x8D\x40\xD8\x41", 7),
                   "财\xEF\xBF\xBD\xEF\xBF\xBD"},
        // GBK "财产" (B2 C6 B2 FA) is not UTF-8: that line alone goes to the code page.
        DecodeCase{"ansi_line_among_utf8", "财\t1\n\xB2\xC6\xB2\xFA\t2\r\n离婚\t3\n\xB2\xC6",
                   "财\t1\n<ansi 8>离婚\t3\n<ansi 2>"},
        DecodeCase{"one_byte", "\xB2", "<ansi 1>"},
        // `copy a.txt+b.txt` ends the joined file with Ctrl+Z; nothing after it is read.
        DecodeCase{"ctrl_z_ends_the_file", "财\t1\r\n\x1A", "财\t1\r\n"},
        DecodeCase{"ctrl_z_line", "财\t1\n\x1A\n离婚\t2\n", "财\t1\n"},
        DecodeCase{"ctrl_z_inside_a_line_is_data", "财\x1A\t1\n", "财\x1A\t1\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
