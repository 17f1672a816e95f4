// SPDX-License-Identifier: MIT
#include "runtime/fen_text.h"

#include <limits>

#include "runtime/decimal15.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

constexpr std::uint64_t kMaxFen = std::numeric_limits<std::uint64_t>::max();

// Appends a decimal digit to a count; false when the count would pass 64 bits.
bool PushDigit(std::uint64_t& count, char digit) {
    const auto d = static_cast<std::uint64_t>(digit - '0');
    if (count > (kMaxFen - d) / 10) {
        return false;
    }
    count = count * 10 + d;
    return true;
}

}  // namespace

std::optional<std::uint64_t> FenOfShownFee(std::string_view shown) {
    const std::size_t point = shown.find('.');
    if (point == std::string_view::npos || shown.size() - point - 1 > 2 ||
        shown.size() == point + 1) {
        return std::nullopt;
    }
    std::uint64_t fen = 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (i == point) {
            continue;
        }
        if (shown[i] < '0' || shown[i] > '9' || !PushDigit(fen, shown[i])) {
            return std::nullopt;
        }
    }
    // "30.5" is 30 yuan 5 jiao.
    if (shown.size() - point - 1 == 1 && !PushDigit(fen, '0')) {
        return std::nullopt;
    }
    return fen;
}

std::string FenText(std::uint64_t fen) {
    std::string text = std::to_string(fen);
    if (text.size() < 3) {
        text.insert(0, 3 - text.size(), '0');
    }
    text.insert(text.size() - 2, ".");
    return text;
}

FenReading ReadFen(std::string_view text) {
    FenReading out;
    const NumberReading number = ReadNumber(text);
    out.numeric = number.numeric;
    if (!number.numeric || number.overflow) {
        return out;
    }
    const Decimal15 d = Decimal15::From(number.value);
    out.negative = d.negative;
    // value = 0.<digits> x 10^pointPos, so the fen are the digits shifted by pointPos + 2.
    const int shift = d.pointPos + 2;
    out.wholeFen = true;
    for (int i = 0; i < static_cast<int>(d.digits.size()); ++i) {
        if (i >= shift) {
            out.wholeFen = false;  // a digit below the fen
            break;
        }
        if (!PushDigit(out.fen, d.digits[static_cast<std::size_t>(i)])) {
            out.wholeFen = false;
            out.fen = kMaxFen;
            return out;
        }
    }
    for (int i = static_cast<int>(d.digits.size()); i < shift; ++i) {
        if (!PushDigit(out.fen, '0')) {
            out.wholeFen = false;
            out.fen = kMaxFen;
            return out;
        }
    }
    return out;
}

}  // namespace zq
