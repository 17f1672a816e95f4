// SPDX-License-Identifier: MIT
#include "runtime/fee_capitals.h"

#include <array>

#include "runtime/fen.h"

namespace zq {
namespace {

constexpr std::array<std::string_view, 10> kDigits{"零", "壹", "贰", "叁", "肆",
                                                   "伍", "陆", "柒", "捌", "玖"};
constexpr std::array<std::string_view, 4> kPlaces{"", "拾", "佰", "仟"};
// 1 万亿 yuan in fen.
constexpr std::uint64_t kLimitFen = 100'000'000'000'000;

// The yuan, group by group of four digits (亿, 万, the units), high to low.
std::string YuanCapitals(std::uint64_t yuan) {
    const std::array<std::uint64_t, 3> groups{yuan / 100'000'000, yuan / 10'000 % 10'000,
                                              yuan % 10'000};
    constexpr std::array<std::string_view, 3> kGroupUnits{"亿", "万", ""};
    std::string out;
    bool started = false;
    bool zeroPending = false;  // zeros seen since the last non-zero digit
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groups[g] == 0) {
            zeroPending = zeroPending || started;
            continue;
        }
        std::uint64_t divisor = 1000;
        for (int place = 3; place >= 0; --place, divisor /= 10) {
            const std::uint64_t digit = groups[g] / divisor % 10;
            if (digit == 0) {
                zeroPending = zeroPending || started;
                continue;
            }
            if (zeroPending) {
                out += kDigits[0];
                zeroPending = false;
            }
            out += kDigits[digit];
            out += kPlaces[static_cast<std::size_t>(place)];
            started = true;
        }
        out += kGroupUnits[g];
    }
    return out;
}

}  // namespace

std::optional<std::string> CapitalsOf(const Fen& amount) {
    const std::optional<std::uint64_t> count = amount.Count();
    if (!count || *count >= kLimitFen) {
        return std::nullopt;
    }
    const std::uint64_t fen = *count;
    const std::uint64_t yuan = fen / 100;
    const std::uint64_t jiao = fen / 10 % 10;
    const std::uint64_t cents = fen % 10;
    if (fen == 0) {
        return "零元整";
    }
    std::string out;
    if (yuan > 0) {
        out = YuanCapitals(yuan) + "元";
        // A zero 元位 before 角, or a zero 角 between 元 and 分, is read out as one 零.
        if ((jiao != 0 && yuan % 10 == 0) || (jiao == 0 && cents != 0)) {
            out += kDigits[0];
        }
    }
    if (jiao != 0) {
        out += kDigits[jiao];
        out += "角";
    }
    if (cents != 0) {
        out += kDigits[cents];
        out += "分";
    } else {
        out += "整";
    }
    return out;
}

std::optional<std::string> FeeCapitals(std::string_view shownFee) {
    const std::optional<Fen> fee = Fen::FromShownFee(shownFee);
    return fee ? CapitalsOf(*fee) : std::nullopt;
}

}  // namespace zq
