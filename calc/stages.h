// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "calc/local_figures.h"
#include "calc/price.h"
#include "runtime/fen.h"

// A case's fees beyond the first acceptance fee: a changed claim (Article 21), and the refunds of
// Articles 15 and 25 to 28. The fees of an appeal (Article 17) and of a retrial (Article 19) are
// the acceptance fee of the part appealed or contested, which ComputeFee gives; they differ in
// who prepays (calc/prepay.h) and in when they are due at all, which the words say.
namespace zq {

// A claim changed from one amount to another in the course of the case (Article 21): raised, the
// difference is paid; reduced before the end of the court investigation, it is refunded (after
// it, the party that reduced the claim bears the fee of the part it dropped, Article 35).
struct ClaimChange {
    FeeOutcome before;
    FeeOutcome after;
    std::optional<Fen> topUp;     // what is paid on a raised claim
    std::optional<Fen> refund;    // what is refunded on a reduced one; neither: the fee stays
    bool applicationFee = false;  // refused: Article 21 is about acceptance fees

    bool done() const {
        return !before.refusal && !after.refusal && !applicationFee && !before.feeText.empty();
    }
};
ClaimChange ChangeClaim(std::string_view typeText, std::string_view before, std::string_view after,
                        const LocalFigures* figures = nullptr);

// Why a fee paid is refunded, wholly, by half or not at all.
enum class RefundGround {
    Mediation,    // 调解结案: half (Article 15)
    Withdrawal,   // 撤诉: half (Article 15)
    Remand,       // 发回重审: the appellant's second-instance fee (Article 27)
    NotAccepted,  // 不予受理: all (Article 27)
    Dismissed,    // 驳回起诉: all (Article 27)
    Criminal,     // 移送刑事: all, unless the civil case goes on (Article 25)
    Suspended,    // 中止诉讼、中止执行: none (Article 26)
    Terminated,   // 终结诉讼: none (Article 28)
};

struct RefundGroundName {
    std::string_view chinese;
    std::string_view ascii;
    RefundGround ground;
};
std::span<const RefundGroundName> RefundGroundNames();
std::optional<RefundGround> ParseRefundGround(std::string_view text);
std::string_view ArticleOf(RefundGround ground);

struct Refund {
    FeeOutcome outcome;  // the fee paid
    Fen refund;
    Fen kept;
    bool applicationFee = false;  // refused: the ground is about acceptance fees only

    bool done() const { return !outcome.refusal && !outcome.feeText.empty() && !applicationFee; }
};
// Whether an appeal pays an acceptance fee at all: not against a ruling on a jurisdiction
// objection (Article 8 (三)). The other appeals of Article 8 (三), against a refusal to accept or
// a dismissal, have no type of their own.
bool AppealPaysFee(std::string_view typeText);

Refund RefundFee(RefundGround ground, std::string_view typeText, std::string_view amountText,
                 const LocalFigures* figures = nullptr);

}  // namespace zq
