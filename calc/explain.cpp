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

Fen Yuan(double yuan) { return Fen::Rounded(yuan); }

// Lists the base fee and each band the amount reaches, each part to the fen. Whole bands are
// exact; the band the amount ends in takes what is left of `total` (the scale's fee, to the fen),
// so the lines always add up to it. That part differs from its own rounded value by at most one
// fen.
template <std::size_t N>
void AddBands(FeeBreakdown& ex, double amount, const scales::MarginalScale<N>& scale,
              long long base, const Fen& total) {
    ex.bands.push_back({true, 0, scale.baseUpper(), Fen(), 0, Yuan(static_cast<double>(base))});
    Fen whole = ex.bands.back().amount;
    const Fen amountFen = Fen::Rounded(amount);
    std::size_t partial = 0;
    for (const scales::MarginalBand& band : scale.bands) {
        if (amount <= band.lower) {
            break;
        }
        BandStep step{false, band.lower, band.upper, Fen(), band.perTenThousand, Fen()};
        if (amount > band.upper) {
            step.part = Yuan(band.upper - band.lower);
            step.amount = Fen::FromCount(static_cast<std::uint64_t>(band.wholeFen()));
            whole = whole + step.amount;
        } else {
            step.part = amountFen - Yuan(band.lower);
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
            return AddBands(ex, amount, scales::kProperty, scales::kProperty.baseFee, total);
        case ScaleId::Divorce:
            return AddBands(ex, amount, scales::kDivorce, ex.rule.figure, total);
        case ScaleId::Personality:
            return AddBands(ex, amount, scales::kPersonality, ex.rule.figure, total);
        case ScaleId::Preservation:
            return AddBands(ex, amount, scales::kPreservation, scales::kPreservation.baseFee,
                            total);
        case ScaleId::Enforcement:
            return AddBands(ex, amount, scales::kEnforcement, scales::kEnforcement.baseFee, total);
        case ScaleId::None:
            return;
    }
}

void AddAdjustments(FeeBreakdown& ex, const FeeTrace& trace) {
    const FeeRule rule = ex.rule.rule;
    const long long figure = ex.rule.figure;
    if (rule == FeeRule::FlatFee) {
        ex.adjustments.push_back(
            {AdjustmentKind::Flat, {}, 0, Yuan(static_cast<double>(figure)), figure});
        return;
    }
    const bool withoutAmount =
        rule == FeeRule::IntellectualProperty || rule == FeeRule::EnforcementScale;
    if (withoutAmount && trace.figureUsed) {
        ex.adjustments.push_back(
            {AdjustmentKind::WithoutAmount, {}, 0, Yuan(static_cast<double>(figure)), figure});
    } else if (rule == FeeRule::IntellectualProperty) {
        ex.adjustments.push_back({AdjustmentKind::WithAmount, {}, 0, Fen(), 0});
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
                                  Yuan(static_cast<double>(trace.cap)),
                                  trace.cap});
    }
}

}  // namespace

FeeBreakdown ExplainFee(std::string_view typeText, std::string_view amountText,
                        const LocalFigures* figures) {
    FeeBreakdown ex;
    ex.type = std::string(typeText);
    FeeTrace trace;
    ex.outcome = ComputeFee(typeText, amountText, &trace, figures);
    ex.rule = RuleFor(typeText, figures);
    ex.basis = LegalBasisOf(typeText);
    ex.localFigure = figures != nullptr && figures->Of(typeText).has_value();
    if (!ex.priced()) {
        return ex;
    }
    // A case without an amount is priced by its figure, not by bands; a flat fee has none, and is
    // the one rule that succeeds with an amount beyond the double range, for it never reads it.
    const bool withoutAmount = trace.figureUsed && (ex.rule.rule == FeeRule::IntellectualProperty ||
                                                    ex.rule.rule == FeeRule::EnforcementScale);
    if (!withoutAmount) {
        AddScaleBands(ex, ReadNumber(ex.outcome.amountText).value, trace);
    }
    AddAdjustments(ex, trace);
    ex.chargedAtTopOfRange = trace.figureUsed && ex.basis.range.given() && !ex.localFigure &&
                             ex.rule.figure == ex.basis.range.high;
    ex.departures = DeparturesOf(typeText, ex.rule, ex.basis, trace, ex.localFigure);
    return ex;
}

}  // namespace zq
