// SPDX-License-Identifier: MIT
#include "calc/amounts_for_fee.h"

#include <algorithm>
#include <limits>

#include "calc/catalogue.h"
#include "calc/price.h"
#include "runtime/number_text.h"

namespace zq {
namespace {

constexpr std::uint64_t kNoFee = std::numeric_limits<std::uint64_t>::max();

// What is searched: a type, with the local figures in force.
struct Pricing {
    std::string_view type;
    const LocalFigures* figures;
};

// The fee the Calculate command shows for an amount in fen, in fen.
std::uint64_t FeeOfAmount(const Pricing& type, std::uint64_t amountFen) {
    const std::optional<Fen> fee = Fen::FromShownFee(
        ComputeFee(type.type, Fen::FromCount(amountFen).Text(), nullptr, type.figures).feeText);
    return fee ? fee->Count().value_or(kNoFee) : kNoFee;
}

// The first amount in [low, high] whose fee reaches target; nothing when even high's does not.
// The fee is non-decreasing over the range searched.
std::optional<std::uint64_t> FirstReaching(const Pricing& type, std::uint64_t low,
                                           std::uint64_t high, std::uint64_t target) {
    if (FeeOfAmount(type, high) < target) {
        return std::nullopt;
    }
    while (low < high) {
        const std::uint64_t mid = low + (high - low) / 2;
        if (FeeOfAmount(type, mid) >= target) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

struct Search {
    std::vector<std::pair<std::uint64_t, std::optional<std::uint64_t>>> ranges;
    std::optional<std::uint64_t> below;
    std::optional<std::uint64_t> above;
    bool beyondSearch = false;
};

// With wholeFen false the fee asked about lies strictly between feeFen and feeFen + 1.
Search SearchFee(const Pricing& type, FeeRule rule, std::uint64_t feeFen, bool wholeFen) {
    // A case without an amount is the one jump in any rule: an intellectual-property case (Article
    // 13, item (三)) or an enforcement (Article 14, item (一)) costs its figure at amount 0 and
    // follows the scale from the first fen; amount 0 is looked at on its own.
    const bool zeroApart =
        rule == FeeRule::IntellectualProperty || rule == FeeRule::EnforcementScale;
    const std::uint64_t start = zeroApart ? 1 : 0;
    // The smallest fee that counts as reaching what was asked (a fee past 64 bits stays there:
    // no amount searched reaches it).
    const std::uint64_t target = wholeFen || feeFen == kNoFee ? feeFen : feeFen + 1;

    Search out;
    const std::optional<std::uint64_t> first =
        FirstReaching(type, start, kLargestAmountFen, target);
    const std::uint64_t firstFee = first ? FeeOfAmount(type, *first) : kNoFee;
    if (wholeFen && firstFee == feeFen && feeFen != kNoFee) {
        const std::optional<std::uint64_t> past =
            FirstReaching(type, *first, kLargestAmountFen, feeFen + 1);
        out.ranges.emplace_back(*first, past ? std::optional(*past - 1) : std::nullopt);
    } else {
        if (first) {
            out.above = firstFee;
        }
        if (!first || *first > start) {
            out.below = FeeOfAmount(type, first ? *first - 1 : kLargestAmountFen);
        }
        out.beyondSearch = !first && *out.below > FeeOfAmount(type, kLargestAmountFen / 2);
    }
    if (zeroApart) {
        const std::uint64_t zeroFee = FeeOfAmount(type, 0);
        if (wholeFen && zeroFee == feeFen) {
            if (!out.ranges.empty() && out.ranges.front().first == 1) {
                out.ranges.front().first = 0;
            } else {
                out.ranges.insert(out.ranges.begin(), {0, 0});
            }
            out.below.reset();
            out.above.reset();
        } else if (out.ranges.empty()) {
            if (zeroFee < target) {
                out.below = std::max(out.below.value_or(0), zeroFee);
            } else {
                out.above = std::min(out.above.value_or(kNoFee), zeroFee);
            }
        }
    }
    return out;
}

std::optional<Fen> AsFen(const std::optional<std::uint64_t>& count) {
    return count ? std::optional(Fen::FromCount(*count)) : std::nullopt;
}

}  // namespace

AmountsForFee FindAmountsForFee(std::string_view typeText, std::string_view feeText,
                                const LocalFigures* figures) {
    AmountsForFee answer;
    answer.fee = std::string(feeText);
    const FeeRule rule = catalogue::RuleOfType(typeText).rule;
    const MoneyReading fee = ReadMoney(feeText);
    if (rule == FeeRule::NoRule) {
        answer.refusal = AmountsRefusal::UnknownType;
        return answer;
    }
    if (!fee.numeric) {
        answer.refusal = AmountsRefusal::FeeNotNumeric;
        return answer;
    }
    if (fee.overflow) {  // beyond a double: no fee to write, nor to search for
        answer.refusal = AmountsRefusal::Overflow;
        return answer;
    }
    // A negative fee or one with a digit below the fen lies between two whole fen: no amount
    // gives it, and the search still finds the fees on either side.
    const bool whole = fee.wholeFen && !fee.negative;
    answer.fee = whole ? fee.fen.Text() : PlainMoneyText(fee.value);
    const std::uint64_t feeFen = fee.negative ? 0 : fee.fen.Count().value_or(kNoFee);
    const Search search = SearchFee({typeText, figures}, rule, feeFen, whole);
    for (const auto& [min, max] : search.ranges) {
        answer.ranges.push_back({Fen::FromCount(min), AsFen(max)});
    }
    answer.nearestBelow = AsFen(search.below);
    answer.nearestAbove = AsFen(search.above);
    answer.beyondSearch = search.beyondSearch;
    return answer;
}

}  // namespace zq
