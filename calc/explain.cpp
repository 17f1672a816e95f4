// SPDX-License-Identifier: MIT
#include "calc/explain.h"

#include <algorithm>

#include "calc/catalogue.h"
#include "calc/scales.h"
#include "runtime/fee_rounding.h"
#include "runtime/numeric_text.h"

namespace zq {
namespace {

Fen ShownAsFen(double fee) { return Fen::FromShownFee(ShownFee(fee)).value_or(Fen()); }

// Lists the base fee and each band the amount reaches. Whole bands are exact; the band the amount
// ends in takes what is left of `total` (the scale's fee, to the fen), so the lines always add up
// to it. That part differs from its own rounded value by at most one fen.
template <std::size_t N>
void AddBands(FeeBreakdown& ex, double amount, const scales::MarginalScale<N>& scale,
              const Fen& total) {
    const Fen base = Fen::FromCount(static_cast<std::uint64_t>(scale.baseFee) * 100);
    ex.bands.push_back({true, 0, scale.baseUpper(), 0, 0, base});
    Fen whole = base;
    std::size_t partial = 0;
    for (const scales::MarginalBand& band : scale.bands) {
        if (amount <= band.lower) {
            break;
        }
        BandStep step{false,
                      band.lower,
                      band.upper,
                      std::min(amount, band.upper) - band.lower,
                      band.perTenThousand,
                      Fen()};
        if (amount > band.upper) {
            step.amount = Fen::FromCount(static_cast<std::uint64_t>(band.wholeFen()));
            whole = whole + step.amount;
        } else {
            partial = ex.bands.size();
        }
        ex.bands.push_back(std::move(step));
    }
    ex.bandsTotal = total;
    if (partial != 0) {
        ex.bands[partial].amount = total - whole;
    }
}

void AddScaleBands(FeeBreakdown& ex, double amount, const FeeTrace& trace) {
    if (trace.scale == ScaleId::None) {
        return;
    }
    const Fen total = ShownAsFen(TextToNumber(trace.scaleFee));
    switch (trace.scale) {
        case ScaleId::Property:
            return AddBands(ex, amount, scales::kProperty, total);
        case ScaleId::Divorce:
            return AddBands(ex, amount, scales::kDivorce, total);
        case ScaleId::Personality:
            return AddBands(ex, amount, scales::kPersonality, total);
        case ScaleId::Preservation:
            return AddBands(ex, amount, scales::kPreservation, total);
        case ScaleId::Enforcement:
            return AddBands(ex, amount, scales::kEnforcement, total);
        case ScaleId::None:
            return;
    }
}

void AddAdjustments(FeeBreakdown& ex, const FeeTrace& trace) {
    const FeeRule rule = ex.rule.rule;
    if (rule == FeeRule::FlatFee) {
        ex.adjustments.push_back(
            {AdjustmentKind::Flat, {}, 0, ShownAsFen(ex.rule.flatFee), ex.rule.flatFee});
        return;
    }
    if (rule == FeeRule::IntellectualProperty) {
        ex.adjustments.push_back(trace.withoutAmount
                                     ? Adjustment{AdjustmentKind::WithoutAmount,
                                                  {},
                                                  0,
                                                  ShownAsFen(ex.rule.flatFee),
                                                  ex.rule.flatFee}
                                     : Adjustment{AdjustmentKind::WithAmount, {}, 0, Fen(), 0});
    }
    if (trace.divisor != 0) {
        ex.adjustments.push_back({trace.divisor == 3 ? AdjustmentKind::Third : AdjustmentKind::Half,
                                  trace.scaleFee, trace.quotient, ShownAsFen(trace.rounded), 0});
    }
    if (trace.cap != 0) {
        ex.adjustments.push_back({rule == FeeRule::BankruptcyHalf ? AdjustmentKind::BankruptcyCap
                                                                  : AdjustmentKind::PreservationCap,
                                  {},
                                  0,
                                  ShownAsFen(static_cast<double>(trace.cap)),
                                  trace.cap});
    }
}

}  // namespace

FeeBreakdown ExplainFee(std::string_view typeText, std::string_view amountText) {
    FeeBreakdown ex;
    ex.type = std::string(typeText);
    FeeTrace trace;
    ex.outcome = ComputeFee(typeText, amountText, &trace);
    ex.rule = catalogue::RuleOfType(typeText);
    ex.basis = LegalBasisOf(typeText);
    if (!ex.priced()) {
        return ex;
    }
    // An IP case without an amount is not priced by its bands; a flat fee has none, and is the one
    // rule that succeeds with an amount beyond the double range, for it never reads the amount.
    if (!trace.withoutAmount) {
        AddScaleBands(ex, ReadNumber(ex.outcome.amountText).value, trace);
    }
    AddAdjustments(ex, trace);
    // A range's top is charged: a fixed fee given as a range, the base of the divorce and
    // personality scales, and an IP case without an amount.
    ex.chargedAtTopOfRange = ex.basis.range.given() &&
                             (ex.rule.rule != FeeRule::IntellectualProperty || trace.withoutAmount);
    ex.departures = DeparturesFromMeasures(typeText, ex.outcome.amountText);
    return ex;
}

}  // namespace zq
