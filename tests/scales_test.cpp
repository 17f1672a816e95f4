// SPDX-License-Identifier: MIT
// The fee rules evaluate closed forms derived from the marginal tables; these must agree with the
// marginal reading of the Measures in every band, and be continuous at every edge.
#include "calc/scales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zq::scales {
namespace {

template <std::size_t N>
double MarginalFee(const MarginalScale<N>& scale, double a) {
    double fee = static_cast<double>(scale.baseFee);
    for (const MarginalBand& band : scale.bands) {
        if (a > band.lower) {
            fee += (std::min(a, band.upper) - band.lower) * band.rate();
        }
    }
    return fee;
}

template <std::size_t N>
void ExpectClosedFormsAgree(const MarginalScale<N>& scale) {
    const std::array<ClosedFormBand, N> forms = ClosedForms(scale);
    for (std::size_t i = 0; i < N; ++i) {
        const double lower = forms[i].lower;
        const double upper = std::isinf(forms[i].upper) ? lower * 4 : forms[i].upper;
        for (int step = 0; step <= 16; ++step) {
            const double a = lower + (upper - lower) * step / 16;
            const double closed = a * forms[i].rate + forms[i].offset;
            EXPECT_NEAR(closed, MarginalFee(scale, a), 1e-6 * std::max(1.0, closed))
                << "band " << i << " at " << a;
        }
        if (i > 0) {
            const double edge = forms[i].lower;
            EXPECT_NEAR(edge * forms[i - 1].rate + forms[i - 1].offset,
                        edge * forms[i].rate + forms[i].offset, 1e-6)
                << "edge " << edge;
        }
    }
}

TEST(Scales, ClosedFormsAgreeWithTheMarginalBandsEverywhere) {
    ExpectClosedFormsAgree(kProperty);
    ExpectClosedFormsAgree(kDivorce);
    ExpectClosedFormsAgree(kPersonality);
    ExpectClosedFormsAgree(kPreservation);
    ExpectClosedFormsAgree(kEnforcement);
}

TEST(Scales, FirstBandStartsWhereTheBaseFeeEnds) {
    // At the first edge the closed form gives exactly the base fee.
    const ClosedFormBand first = kPropertyClosedForms.front();
    EXPECT_EQ(first.lower * first.rate + first.offset, 50);
    const ClosedFormBand preservation = kPreservationClosedForms.front();
    EXPECT_EQ(preservation.lower * preservation.rate + preservation.offset, 30);
}

}  // namespace
}  // namespace zq::scales
