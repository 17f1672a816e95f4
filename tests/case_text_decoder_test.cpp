// SPDX-License-Identifier: MIT
// Case files as Windows programs save them: UTF-8 (Notepad), UTF-16 (Excel's "Unicode 文本") and
// the ANSI code page (Excel's tab-separated text on a Chinese Windows) all reach --batch as UTF-8.
#include "cli/windows/case_text_decoder.h"

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
        DecodeCase{"utf16_big_endian",
                   std::string("\xFE\xFF\x8D\x22\x00\t\x00"
                               "1",
                               8),
                   "财\t1"},
        // copy a+b appends one Ctrl+Z byte, which leaves UTF-16 with an odd byte: dropped.
        DecodeCase{"utf16_joined_by_copy", std::string("\xFF\xFE\x22\x8D\x40\xD8\x1A", 7),
                   "财\xEF\xBF\xBD"},
        DecodeCase{"utf16_ctrl_z", std::string("\xFF\xFE\x22\x8D\x1A\x00\x22\x8D", 8), "财"},
        // GBK "财产" (B2 C6 B2 FA) is not UTF-8: that line alone goes to the code page.
        DecodeCase{"ansi_line_among_utf8", "财\t1\n\xB2\xC6\xB2\xFA\t2\r\n离婚\t3\n\xB2\xC6",
                   "财\t1\n<ansi 8>离婚\t3\n<ansi 2>"},
        DecodeCase{"one_byte", "\xB2", "<ansi 1>"},
        // Ctrl+Z ends the text wherever it stands: after a last line without its line end
        // (copy a+b of Notepad files), at the end of a typed line, or on a line of its own.
        DecodeCase{"ctrl_z_after_the_last_line", "财\t1\r\n离婚\t2\x1A", "财\t1\r\n离婚\t2"},
        DecodeCase{"ctrl_z_line", "财\t1\n\x1A\n离婚\t2\n", "财\t1\n"},
        DecodeCase{"ctrl_z_in_gbk", "\xB2\xC6\t1\x1A\n\xB2\xC6", "<ansi 4>"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
