// SPDX-License-Identifier: MIT
#include "calc/amounts_for_fee.h"

#include <algorithm>
#include <limits>

#include "calc/catalogue.h"
#include "calc/price.h"
#include "runtime/fen_text.h"

namespace zq {
namespace {

constexpr std::uint64_t kNoFee = std::numeric_limits<std::uint64_t>::max();

// The first amount in [low, high] whose fee reaches target; nothing when even high's does not.
// The fee is non-decreasing over the range searched.
std::optional<std::uint64_t> FirstReaching(std::string_view type, std::uint64_t low,
                                           std::uint64_t high, std::uint64_t target) {
    if (FeeFenOfAmount(type, high) < target) {
        return std::nullopt;
    }
    while (low < high) {
        const std::uint64_t mid = low + (high - low) / 2;
        if (FeeFenOfAmount(type, mid) >= target) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

void KeepNearest(AmountsForFee& out, std::uint64_t fee, std::uint64_t target) {
    if (fee < target) {
        out.nearestBelowFen = std::max(out.nearestBelowFen.value_or(0), fee);
    } else {
        out.nearestAboveFen = std::min(out.nearestAboveFen.value_or(kNoFee), fee);
    }
}

}  // namespace

std::uint64_t FeeFenOfAmount(std::string_view typeText, std::uint64_t amountFen) {
    return FenOfShownFee(ComputeFee(typeText, FenText(amountFen)).feeText).value_or(kNoFee);
}

std::optional<AmountsForFee> FindAmountsForFee(std::string_view typeText, std::uint64_t feeFen,
                                               bool wholeFen) {
    const FeeRule rule = catalogue::RuleOfType(typeText).rule;
    if (rule == FeeRule::NoRule) {
        return std::nullopt;
    }
    // An intellectual-property case of amount 0 is the one jump back down in any rule (Article 13,
    // item (三): 1000 yuan without an amount, 50 from the first fen); it is looked at on its own.
    const bool zeroApart = rule == FeeRule::IntellectualProperty;
    const std::uint64_t start = zeroApart ? 1 : 0;
    // The smallest fee that counts as reaching what was asked (a fee past 64 bits stays there:
    // no amount searched reaches it).
    const std::uint64_t target = wholeFen || feeFen == kNoFee ? feeFen : feeFen + 1;

    AmountsForFee out;
    const std::optional<std::uint64_t> first =
        FirstReaching(typeText, start, kLargestAmountFen, target);
    const std::uint64_t firstFee = first ? FeeFenOfAmount(typeText, *first) : kNoFee;
    if (wholeFen && firstFee == feeFen && feeFen != kNoFee) {
        const std::optional<std::uint64_t> past =
            FirstReaching(typeText, *first, kLargestAmountFen, feeFen + 1);
        out.ranges.push_back({*first, past ? std::optional(*past - 1) : std::nullopt});
    } else {
        if (first) {
            out.nearestAboveFen = firstFee;
        }
        if (!first || *first > start) {
            out.nearestBelowFen = FeeFenOfAmount(typeText, first ? *first - 1 : kLargestAmountFen);
        }
        out.beyondSearch =
            !first && *out.nearestBelowFen > FeeFenOfAmount(typeText, kLargestAmountFen / 2);
    }
    if (zeroApart) {
        const std::uint64_t zeroFee = FeeFenOfAmount(typeText, 0);
        if (wholeFen && zeroFee == feeFen) {
            if (!out.ranges.empty() && out.ranges.front().minFen == 1) {
                out.ranges.front().minFen = 0;
            } else {
                out.ranges.insert(out.ranges.begin(), AmountRange{0, 0});
            }
            out.nearestBelowFen.reset();
            out.nearestAboveFen.reset();
        } else if (out.ranges.empty()) {
            KeepNearest(out, zeroFee, target);
        }
    }
    return out;
}

}  // namespace zq
