// SPDX-License-Identifier: MIT
#include "calc/stages.h"

#include <array>

#include "calc/basis.h"
#include "calc/catalogue.h"
#include "calc/named.h"

namespace zq {
namespace {

constexpr std::array kRefundGrounds{
    RefundGroundName{"调解", "mediation", RefundGround::Mediation},
    RefundGroundName{"撤诉", "withdrawal", RefundGround::Withdrawal},
    RefundGroundName{"发回重审", "remand", RefundGround::Remand},
    RefundGroundName{"不予受理", "not-accepted", RefundGround::NotAccepted},
    RefundGroundName{"驳回起诉", "dismissed", RefundGround::Dismissed},
    RefundGroundName{"移送刑事", "criminal", RefundGround::Criminal},
    RefundGroundName{"中止", "suspended", RefundGround::Suspended},
    RefundGroundName{"终结", "terminated", RefundGround::Terminated},
};

}  // namespace

ClaimChange ChangeClaim(std::string_view typeText, std::string_view before, std::string_view after,
                        const LocalFigures* figures) {
    ClaimChange change{ComputeFee(typeText, before, nullptr, figures),
                       ComputeFee(typeText, after, nullptr, figures), std::nullopt, std::nullopt,
                       false};
    if (change.before.refusal || change.after.refusal || change.before.feeText.empty()) {
        return change;
    }
    if (!IsAcceptanceFee(typeText)) {
        change.applicationFee = true;
        return change;
    }
    const Fen was = FeeOf(change.before);
    const Fen is = FeeOf(change.after);
    if (was < is) {
        change.topUp = is - was;
    } else if (is < was) {
        change.refund = was - is;
    }
    return change;
}

bool AppealPaysFee(std::string_view typeText) {
    return IsAcceptanceFee(typeText) && typeText != catalogue::kJurisdictionObjection;
}

std::span<const RefundGroundName> RefundGroundNames() { return kRefundGrounds; }

std::optional<RefundGround> ParseRefundGround(std::string_view text) {
    const RefundGroundName* named = FindNamed(RefundGroundNames(), text);
    return named == nullptr ? std::nullopt : std::optional(named->ground);
}

std::string_view ArticleOf(RefundGround ground) {
    switch (ground) {
        case RefundGround::Mediation:
        case RefundGround::Withdrawal:
            return "第十五条";
        case RefundGround::Remand:
        case RefundGround::NotAccepted:
        case RefundGround::Dismissed:
            return "第二十七条";
        case RefundGround::Criminal:
            return "第二十五条";
        case RefundGround::Suspended:
            return "第二十六条";
        case RefundGround::Terminated:
            return "第二十八条";
    }
    return {};
}

Refund RefundFee(RefundGround ground, std::string_view typeText, std::string_view amountText,
                 const LocalFigures* figures) {
    Refund refund{ComputeFee(typeText, amountText, nullptr, figures), Fen(), Fen(), false};
    if (refund.outcome.refusal || refund.outcome.feeText.empty()) {
        return refund;
    }
    // Article 26 also covers an application fee when enforcement is suspended; the other grounds
    // are about a suit's acceptance fee.
    if (!IsAcceptanceFee(typeText) && ground != RefundGround::Suspended) {
        refund.applicationFee = true;
        return refund;
    }
    // A remanded appeal that paid nothing (Article 8 (三)) has nothing to refund.
    const Fen paid =
        ground == RefundGround::Remand && !AppealPaysFee(typeText) ? Fen() : FeeOf(refund.outcome);
    switch (ground) {
        case RefundGround::Mediation:
        case RefundGround::Withdrawal:
            // Half is due: the half kept is rounded up to the fen, as the halving does.
            refund.kept = paid.HalvedHalfUp();
            break;
        case RefundGround::Remand:
        case RefundGround::NotAccepted:
        case RefundGround::Dismissed:
        case RefundGround::Criminal:
            refund.kept = Fen();
            break;
        case RefundGround::Suspended:
        case RefundGround::Terminated:
            refund.kept = paid;
            break;
    }
    refund.refund = paid - refund.kept;
    return refund;
}

}  // namespace zq
