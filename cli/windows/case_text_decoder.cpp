// SPDX-License-Identifier: MIT
#include "cli/windows/case_text_decoder.h"

#include <cstdint>
#include <utility>

#include "cli/windows/utf8_checks.h"

namespace zq::cli {
namespace {

// DOS's end of a text file, which `copy a.txt+b.txt` still appends.
constexpr char kEndOfFile = '\x1A';

void AppendUtf8(std::string& out, std::uint32_t code) {
    const auto byte = [&](std::uint32_t value) { out.push_back(static_cast<char>(value)); };
    if (code < 0x80U) {
        byte(code);
    } else if (code < 0x800U) {
        byte(0xC0U | (code >> 6U));
        byte(0x80U | (code & 0x3FU));
    } else if (code < 0x10000U) {
        byte(0xE0U | (code >> 12U));
        byte(0x80U | ((code >> 6U) & 0x3FU));
        byte(0x80U | (code & 0x3FU));
    } else {
        byte(0xF0U | (code >> 18U));
        byte(0x80U | ((code >> 12U) & 0x3FU));
        byte(0x80U | ((code >> 6U) & 0x3FU));
        byte(0x80U | (code & 0x3FU));
    }
}

}  // namespace

CaseTextDecoder::CaseTextDecoder(AnsiDecoder fromAnsi) : fromAnsi_(std::move(fromAnsi)) {}

std::string CaseTextDecoder::DecodeLine(std::string_view line) const {
    return IsValidUtf8(line) ? std::string(line) : fromAnsi_(line);
}

// Whole UTF-16 units, a surrogate pair kept together; a lone surrogate becomes U+FFFD, as a
// converter shows it. At the end an odd byte is dropped: `copy` appends one Ctrl+Z byte.
std::string CaseTextDecoder::TakeUtf16(bool atEnd) {
    const bool big = encoding_ == Encoding::Utf16BigEndian;
    const auto unit = [&](std::size_t i) {
        const auto high = static_cast<unsigned char>(pending_[big ? i : i + 1]);
        const auto low = static_cast<unsigned char>(pending_[big ? i + 1 : i]);
        return (static_cast<std::uint32_t>(high) << 8U) | low;
    };
    std::string out;
    std::size_t at = 0;
    while (at + 2 <= pending_.size()) {
        const std::uint32_t first = unit(at);
        if (first == static_cast<unsigned char>(kEndOfFile)) {
            ended_ = true;
            pending_.clear();
            return out;
        }
        if (first >= 0xD800U && first <= 0xDBFFU) {
            if (at + 4 > pending_.size() && !atEnd) {
                break;  // the pair's second half comes with the next read
            }
            const std::uint32_t second = at + 4 <= pending_.size() ? unit(at + 2) : 0;
            if (second >= 0xDC00U && second <= 0xDFFFU) {
                AppendUtf8(out, 0x10000U + ((first - 0xD800U) << 10U) + (second - 0xDC00U));
                at += 4;
                continue;
            }
        }
        const bool lone = first >= 0xD800U && first <= 0xDFFFU;
        AppendUtf8(out, lone ? 0xFFFDU : first);
        at += 2;
    }
    pending_.erase(0, atEnd ? pending_.size() : at);
    return out;
}

// Lines in UTF-8 pass as they are; consecutive lines in the code page go to the converter
// together, one call a read rather than one a line, which in a GBK file of 200 000 lines was
// most of its time.
std::string CaseTextDecoder::TakeLines() {
    std::string out;
    std::size_t start = 0;
    std::size_t ansiFrom = std::string::npos;
    const auto flushAnsi = [&](std::size_t upTo) {
        if (ansiFrom != std::string::npos) {
            out += fromAnsi_(std::string_view(pending_).substr(ansiFrom, upTo - ansiFrom));
            ansiFrom = std::string::npos;
        }
    };
    for (std::size_t end = pending_.find('\n'); end != std::string::npos;
         end = pending_.find('\n', start)) {
        const std::string_view line = std::string_view(pending_).substr(start, end + 1 - start);
        if (IsValidUtf8(line)) {
            flushAnsi(start);
            out += line;
        } else if (ansiFrom == std::string::npos) {
            ansiFrom = start;
        }
        start = end + 1;
    }
    flushAnsi(start);
    pending_.erase(0, start);
    return out;
}

std::string CaseTextDecoder::Feed(std::string_view bytes) {
    if (ended_) {
        return {};
    }
    pending_.append(bytes);
    if (encoding_ == Encoding::Undecided) {
        if (pending_.size() < 2) {
            return {};
        }
        const std::string_view mark = std::string_view(pending_).substr(0, 2);
        encoding_ = mark == "\xFF\xFE"   ? Encoding::Utf16LittleEndian
                    : mark == "\xFE\xFF" ? Encoding::Utf16BigEndian
                                         : Encoding::Lines;
        if (encoding_ != Encoding::Lines) {
            pending_.erase(0, 2);
            return TakeUtf16(false);
        }
    }
    if (encoding_ != Encoding::Lines) {
        return TakeUtf16(false);
    }
    // Ctrl+Z ends a Windows text file wherever it stands; what comes after it is not read. In
    // UTF-8 and in GBK the byte is never part of a longer character.
    // What is pending is at most one line and this read, so the search stays short.
    if (const std::size_t stop = pending_.find(kEndOfFile); stop != std::string::npos) {
        pending_.resize(stop);
        ended_ = true;
    }
    return TakeLines();
}

std::string CaseTextDecoder::Finish() {
    if (encoding_ == Encoding::Utf16LittleEndian || encoding_ == Encoding::Utf16BigEndian) {
        return TakeUtf16(true);
    }
    if (const std::size_t stop = pending_.find(kEndOfFile); stop != std::string::npos) {
        pending_.resize(stop);  // a file of one byte, never looked at by Feed
    }
    std::string out = pending_.empty() ? std::string() : DecodeLine(pending_);
    pending_.clear();
    return out;
}

}  // namespace zq::cli
