// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace zq {

// Amounts in dispute, to the fen, from minFen to maxFen inclusive; no maxFen when every larger
// amount gives the fee as well.
struct AmountRange {
    std::uint64_t minFen = 0;
    std::optional<std::uint64_t> maxFen;

    friend bool operator==(const AmountRange&, const AmountRange&) = default;
};

// Which amounts give a fee: the ranges, lowest first; when there are none, the fees next to it
// that some amount does give (below and above).
struct AmountsForFee {
    std::vector<AmountRange> ranges;
    std::optional<std::uint64_t> nearestBelowFen;
    std::optional<std::uint64_t> nearestAboveFen;
    // The fee asked is above every fee up to kLargestAmountFen, and the fee still rises there:
    // an amount beyond the search might give it.
    bool beyondSearch = false;
};

// The largest amount searched: 10^17 yuan. Beyond 2^53 fen (about 9 x 10^13 yuan) a double no
// longer tells neighbouring fen apart, so the fee cannot change by the fen there anyway.
inline constexpr std::uint64_t kLargestAmountFen = 10'000'000'000'000'000'000ULL;

// The amounts from 0 to kLargestAmountFen, to the fen, for which the Calculate command shows
// exactly feeFen for the case type: ComputeFee is the judge. Every fee rule is non-decreasing in
// the amount, except that an intellectual-property case of amount 0 costs a flat 1000; so each
// answer takes two binary searches over the fen and costs about 130 fee calculations.
// With wholeFen false the fee asked about lies strictly between feeFen and feeFen + 1 (a fee with
// a digit below the fen, or a negative one with feeFen 0): no amount gives it, and the answer
// holds only the nearest fees. Nothing when the type is not in the catalogue.
std::optional<AmountsForFee> FindAmountsForFee(std::string_view typeText, std::uint64_t feeFen,
                                               bool wholeFen = true);

// The fee the Calculate command shows for an amount in fen, in fen.
std::uint64_t FeeFenOfAmount(std::string_view typeText, std::uint64_t amountFen);

}  // namespace zq
