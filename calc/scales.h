// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <limits>

// The graduated scales of Article 13 and Article 14 of the Measures, each held once, in the
// marginal form the Measures state: a base fee up to the first edge, then a rate on the part of
// the amount inside each band. A band holds when the amount is above its lower edge and at most
// its upper edge. The closed forms the fee rules evaluate (amount x rate + offset) and the fee of
// a whole band are derived from these tables, in exact integer arithmetic.
namespace zq::scales {

inline constexpr double kNoUpperEdge = std::numeric_limits<double>::infinity();

// A marginal band; the rate is in parts per ten thousand (万分之), so that every derived fee is
// an exact count of fen.
struct MarginalBand {
    double lower;
    double upper;
    long long perTenThousand;

    // The rate as the fee rules multiply by it: 250 -> 0.025, the same double as the literal.
    constexpr double rate() const { return static_cast<double>(perTenThousand) / 10000; }
    // The fee of the whole band in fen, when the amount passes its upper edge.
    constexpr long long wholeFen() const {
        return static_cast<long long>(upper - lower) * perTenThousand / 100;
    }
    constexpr double whole() const { return static_cast<double>(wholeFen()) / 100; }
};

template <std::size_t N>
struct MarginalScale {
    long long baseFee;  // yuan, charged for amounts up to the first band's lower edge
    std::array<MarginalBand, N> bands;

    constexpr double baseUpper() const { return bands.front().lower; }
};

// A band in closed form: amount x rate + offset, the offset making the fee continuous at the
// lower edge.
struct ClosedFormBand {
    double lower;
    double upper;
    double rate;
    double offset;
};

// Band i of a scale in closed form. The offset is the fee at the lower edge less the rate times
// the edge, counted in fen: the base fee and the whole bands below, all exact.
template <std::size_t N>
constexpr ClosedFormBand ClosedForm(const MarginalScale<N>& scale, std::size_t i) {
    const MarginalBand& band = scale.bands[i];
    long long feeAtLowerFen = scale.baseFee * 100;
    for (std::size_t k = 0; k < i; ++k) {
        feeAtLowerFen += scale.bands[k].wholeFen();
    }
    const long long offsetFen =
        feeAtLowerFen - static_cast<long long>(band.lower) * band.perTenThousand / 100;
    return {band.lower, band.upper, band.rate(), static_cast<double>(offsetFen) / 100};
}

template <std::size_t N>
constexpr std::array<ClosedFormBand, N> ClosedForms(const MarginalScale<N>& scale) {
    std::array<ClosedFormBand, N> forms{};
    for (std::size_t i = 0; i < N; ++i) {
        forms[i] = ClosedForm(scale, i);
    }
    return forms;
}

// Article 13, item (一): 50 yuan up to 10000, then 2.5% down to 0.5%.
inline constexpr MarginalScale<9> kProperty{50,
                                            {{
                                                {10000, 100000, 250},
                                                {100000, 200000, 200},
                                                {200000, 500000, 150},
                                                {500000, 1000000, 100},
                                                {1000000, 2000000, 90},
                                                {2000000, 5000000, 80},
                                                {5000000, 10000000, 70},
                                                {10000000, 20000000, 60},
                                                {20000000, kNoUpperEdge, 50},
                                            }}};
inline constexpr std::array<ClosedFormBand, 9> kPropertyClosedForms = ClosedForms(kProperty);
// The closed forms as the Measures' readers know them: a x 0.025 - 200, ..., a x 0.005 + 41800.
static_assert(kPropertyClosedForms[0].offset == -200 && kPropertyClosedForms[1].offset == 300 &&
              kPropertyClosedForms[8].offset == 41800);

// Article 14, item (六): bankruptcy, half the property scale, at most 300000 yuan.
inline constexpr long long kBankruptcyCap = 300000;

// Article 13, item (二) 1: divorce, 300 yuan (the top of 50 to 300), plus 0.5% above 200000.
inline constexpr MarginalScale<1> kDivorce{300, {{{200000, kNoUpperEdge, 50}}}};

// Article 13, item (二) 2: personality rights, 500 yuan (the top of 100 to 500), plus 1% of the
// damages from 50000 to 100000 and 0.5% above 100000.
inline constexpr MarginalScale<2> kPersonality{
    500, {{{50000, 100000, 100}, {100000, kNoUpperEdge, 50}}}};

// Article 14, item (二): preservation, 30 yuan up to 1000, 1% up to 100000, 0.5% above it, at
// most 5000 yuan.
inline constexpr MarginalScale<2> kPreservation{
    30, {{{1000, 100000, 100}, {100000, kNoUpperEdge, 50}}}};
inline constexpr std::array<ClosedFormBand, 2> kPreservationClosedForms =
    ClosedForms(kPreservation);
inline constexpr long long kPreservationCap = 5000;
static_assert(kPreservationClosedForms[0].offset == 20 &&
              kPreservationClosedForms[1].offset == 520);

// Article 14, item (一) 2: enforcement, 50 yuan up to 10000, then 1.5%, 1%, 0.5% and 0.1%.
inline constexpr MarginalScale<4> kEnforcement{50,
                                               {{
                                                   {10000, 500000, 150},
                                                   {500000, 5000000, 100},
                                                   {5000000, 10000000, 50},
                                                   {10000000, kNoUpperEdge, 10},
                                               }}};
static_assert(kEnforcement.bands[0].whole() == 7350);

}  // namespace zq::scales
