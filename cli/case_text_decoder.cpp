// SPDX-License-Identifier: MIT
#include "cli/case_text_decoder.h"

#include <cstdint>
#include <utility>

#include "cli/utf8_checks.h"

namespace zq::cli {
namespace {

constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
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

// Whole UTF-16 units, a surrogate pair kept together; at the end a lone unit or byte becomes
// U+FFFD, as a converter shows it.
std::string CaseTextDecoder::TakeUtf16(bool atEnd) {
    std::string out;
    std::size_t at = 0;
    const auto unit = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(pending_[i])) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(pending_[i + 1])) << 8U);
    };
    while (at + 2 <= pending_.size()) {
        const std::uint32_t first = unit(at);
        if (first >= 0xD800U && first <= 0xDBFFU) {
            if (at + 4 > pending_.size()) {
                if (!atEnd) {
                    break;
                }
                AppendUtf8(out, 0xFFFDU);
                at += 2;
                continue;
            }
            const std::uint32_t second = unit(at + 2);
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
    if (atEnd && at < pending_.size()) {
        AppendUtf8(out, 0xFFFDU);
        at = pending_.size();
    }
    pending_.erase(0, at);
    return out;
}

std::string CaseTextDecoder::Feed(std::string_view bytes) {
    if (ended_) {
        return {};
    }
    pending_.append(bytes);
    if (encoding_ == Encoding::Undecided) {
        if (pending_.size() < kUtf16LittleEndianMark.size()) {
            return {};
        }
        const bool utf16 = std::string_view(pending_).starts_with(kUtf16LittleEndianMark);
        encoding_ = utf16 ? Encoding::Utf16 : Encoding::Lines;
        if (utf16) {
            pending_.erase(0, kUtf16LittleEndianMark.size());
        }
    }
    if (encoding_ == Encoding::Utf16) {
        return TakeUtf16(false);
    }
    // Consecutive lines in the code page go to the converter together: one call a read, not
    // one a line, which in a GBK file of 200 000 lines is the most of its time.
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
        if (line.front() == kEndOfFile) {
            ended_ = true;
            break;
        }
        if (IsValidUtf8(line)) {
            flushAnsi(start);
            out += line;
        } else if (ansiFrom == std::string::npos) {
            ansiFrom = start;
        }
        start = end + 1;
    }
    flushAnsi(start);
    pending_.erase(0, ended_ ? pending_.size() : start);
    return out;
}

std::string CaseTextDecoder::Finish() {
    if (encoding_ == Encoding::Utf16) {
        return TakeUtf16(true);
    }
    const bool none = ended_ || pending_.empty() || pending_.front() == kEndOfFile;
    std::string out = none ? std::string() : DecodeLine(pending_);
    pending_.clear();
    return out;
}

}  // namespace zq::cli
