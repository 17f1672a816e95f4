// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/local_figures.h"
#include "runtime/fen.h"

namespace zq {

// Amounts in dispute, to the fen, from min to max inclusive; no max when every larger amount
// gives the fee as well.
struct AmountRange {
    Fen min;
    std::optional<Fen> max;

    friend bool operator==(const AmountRange&, const AmountRange&) = default;
};

// Why a fee could not be searched for.
enum class AmountsRefusal { None, UnknownType, FeeNotNumeric, Overflow };

// Which amounts give a fee: the ranges, lowest first; when there are none, the fees next to it
// that some amount does give (below and above).
struct AmountsForFee {
    AmountsRefusal refusal = AmountsRefusal::None;
    // The fee asked about, written as a fee whatever way it was typed: two decimals for a whole
    // number of fen ("13800" -> "13800.00"), else plain digits with the digit below the fen kept
    // ("51.005", "-1.00"), for rounding it away would name a fee that some amount may well give.
    std::string fee;
    std::vector<AmountRange> ranges;
    std::optional<Fen> nearestBelow;
    std::optional<Fen> nearestAbove;
    // The fee asked is above every fee up to kLargestAmountFen, and the fee still rises there:
    // an amount beyond the search might give it.
    bool beyondSearch = false;

    bool found() const { return refusal == AmountsRefusal::None && !ranges.empty(); }
};

// The largest amount searched: 10^17 yuan. Beyond 2^53 fen (about 9 x 10^13 yuan) a double no
// longer tells neighbouring fen apart, so the fee cannot change by the fen there anyway.
inline constexpr std::uint64_t kLargestAmountFen = 10'000'000'000'000'000'000ULL;

// The amounts from 0 to kLargestAmountFen, to the fen, for which the Calculate command shows
// exactly the fee asked, read like an amount ("13800", "13800.00", "１３８００"): ComputeFee is the
// judge. Every fee rule is non-decreasing in the amount, except that an intellectual-property
// case of amount 0 costs a flat fee; so each answer takes two binary searches over the fen and
// costs about 130 fee calculations. A fee below zero or with a digit below the fen lies between
// two whole fen: no amount gives it, and the answer holds only the nearest fees.
AmountsForFee FindAmountsForFee(std::string_view typeText, std::string_view feeText,
                                const LocalFigures* figures = nullptr);

}  // namespace zq
