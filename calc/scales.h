// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <limits>

// The graduated scales of Article 13 and Article 14 of the Measures, as the fee rules evaluate
// them. A band holds when the amount is above its lower edge and at most its upper edge.
namespace zq::scales {

inline constexpr double kNoUpperEdge = std::numeric_limits<double>::infinity();

// A band of the property scale in closed form: amount x rate + offset, the offset making the fee
// continuous at the lower edge.
struct ClosedFormBand {
    double lower;
    double upper;
    double rate;
    double offset;
};

// Article 13, item 1: 50 yuan up to 10000 (band 1, written as a constant), then marginal rates
// from 2.5% down to 0.5%.
inline constexpr double kPropertyBaseFee = 50;
inline constexpr double kPropertyBaseUpper = 10000;
inline constexpr std::array<ClosedFormBand, 9> kPropertyBands{{
    {10000, 100000, 0.025, -200},
    {100000, 200000, 0.02, 300},
    {200000, 500000, 0.015, 1300},
    {500000, 1000000, 0.01, 3800},
    {1000000, 2000000, 0.009, 4800},
    {2000000, 5000000, 0.008, 6800},
    {5000000, 10000000, 0.007, 11800},
    {10000000, 20000000, 0.006, 21800},
    {20000000, kNoUpperEdge, 0.005, 41800},
}};

// A marginal band: rate on the part of the amount inside it; `whole` is that part's fee when the
// amount passes the band's upper edge.
struct MarginalBand {
    double lower;
    double upper;
    double rate;
    double whole;
};

// Article 14, item 1: 50 yuan up to 10000, then 1.5%, 1%, 0.5% and 0.1%.
inline constexpr double kEnforcementBaseFee = 50;
inline constexpr std::array<MarginalBand, 4> kEnforcementBands{{
    {10000, 500000, 0.015, 7350},
    {500000, 5000000, 0.01, 45000},
    {5000000, 10000000, 0.005, 25000},
    {10000000, kNoUpperEdge, 0.001, kNoUpperEdge},
}};

}  // namespace zq::scales
