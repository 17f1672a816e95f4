// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/explain.h"
#include "present/explanation.h"
#include "present/notice.h"

namespace zq::present {

// What the page shows beside the window for the last fee: who prepays it, the notes on its
// figure, halving under Articles 15, 16 and 18, who bears it (Articles 29 to 38), the later
// stages of the case (a changed claim, an appeal, a refund), and the text its copy button puts
// on the clipboard. Texts of several lines separate them by line feeds.
struct CalculatorExtras {
    bool shown = false;       // a fee stands that the extras describe
    bool applicable = false;  // halving and the stages apply: the fee is an acceptance fee
    std::string prepay;       // "预交：…"
    std::vector<std::string> notes;
    std::string halving;  // the halved fee, the refusal, or what to do
    std::string halvingCapitals;
    std::string split;   // who bears the fee
    std::string change;  // the top-up or refund when the claim changes, or what to do
    std::string appeal;  // the fee of an appeal on the amount appealed, or why none is due; empty
                         // where `change` says it
    std::string refund;  // what is refunded on the ground chosen, or what to do
    std::string copyText;
    std::string copiedMessage;  // what to say once copyText is on the clipboard
    std::string capitals;  // "人民币伍拾元零叁分": the full fee in capitals; empty for none
    std::string summary;   // "标的金额 10001 元，法院收费 50.03": a case in one line
    std::string shareText;  // the type, amount, fee with its capitals and the article
};

// How the phone's amounts are typed: in yuan or in 万元 (ten thousand yuan).
enum class AmountUnit { Yuan, Wan };

// The main window's state and behaviour, without a toolkit: the class options, the kind and type
// lists, the amount and fee boxes, the fee's explanation and the page's extras. The Qt window, the
// Windows window and the page forward their controls' events here, named after the window's
// handlers, and draw what it holds; they decide nothing themselves.
class Calculator {
  public:
    // As the window is stored: no class on, both lists and both boxes empty.
    Calculator() = default;

    // Form_Load: back to the stored state, then the kind list emptied (no class is on yet) and
    // the first class turned on, which runs the whole selection chain.
    void FormLoad();
    // A class turned on (Option1_Click): its kinds, the first selected, which refills the types.
    // Turning on the class that is already on changes nothing, so a picked kind and type stay.
    void Option1Click(int classIndex);
    // A kind selected (List1_Click): the types refilled, the first selected. Selecting the kind
    // that is selected, or a row that is not there, changes nothing.
    void List1Click(int row);
    // A type selected in List2; nothing follows from it.
    void List2Click(int row);
    // The amount typed.
    void TypeAmount(std::string text);
    // The fee typed over: it is no longer the fee the explanation describes.
    void TypeFee(std::string text);
    // 计算 (Command1_Click): one calculation, from which the amount written back, the fee, the
    // explanation and the extras all come; returns the message box to show, if any.
    std::optional<Notice> Command1Click();

    // The page's extras: a ground for halving (by its place in HalvingReasonNames()) ticked or
    // not, and the amount the judgment awards.
    void TickHalvingReason(std::size_t index, bool ticked);
    void TypeAwarded(std::string text);
    // The later stages: the claim as changed, the amount appealed (empty: the whole claim), and
    // a refund's ground by its place in RefundGroundNames() (-1: none chosen).
    void TypeChangedAmount(std::string text);
    void TypeAppealed(std::string text);
    void ChooseRefundGround(int index);

    // The phone's ways in. A type chosen by its catalogue text (found by a search): its class,
    // kind and type selected as if clicked; false, and nothing moved, for a text that is not a
    // type.
    bool ChooseType(std::string_view typeText);
    // The claims of the case as typed, each in the unit given; the window keeps one amount.
    void TypeClaims(std::vector<std::string> claims, AmountUnit unit);
    // The fee following the typing: the claims priced on their exact sum (万元 converted to yuan
    // exactly), the fields left as typed, and a refusal returned as the line to say beside them
    // rather than as a message box; empty when a fee was priced.
    std::string Reckon();
    // The reverse question for the selected type: which amounts give this fee, in words.
    std::string AmountsAnswer(std::string_view fee) const;

    // The court's figures within the Measures' ranges, for the next 计算 on (Form_Load keeps them).
    void SetLocalFigures(LocalFigures figures) { figures_ = std::move(figures); }
    const LocalFigures& localFigures() const { return figures_; }

    int classOn() const { return classOn_; }  // -1 before Form_Load
    const std::vector<std::string_view>& kinds() const { return kinds_; }
    int kindRow() const { return kindRow_; }  // -1 when none is selected
    const std::vector<std::string_view>& types() const { return types_; }
    int typeRow() const { return typeRow_; }
    std::string_view typeText() const;  // the selected type's text; empty when none
    // Each refill of a list counts one, so that a view refills its list only when it changed.
    int kindsVersion() const { return kindsVersion_; }
    int typesVersion() const { return typesVersion_; }
    const std::string& amountText() const { return amount_; }
    const std::string& feeText() const { return fee_; }

    // The calculation behind the fee shown, step by step; empty when there is no fee, and once
    // the fee has been typed over.
    const std::vector<ExplanationLine>& explanation() const { return explanation_; }
    // What a screen reader says when a fee arrives: "法院收费 50.00 元"; empty without one.
    std::string announcement() const;
    const CalculatorExtras& extras() const { return extras_; }
    bool halvingReasonTicked(std::size_t index) const {
        return index < ticked_.size() && ticked_[index];
    }
    const std::string& awardedText() const { return awarded_; }
    const std::string& changedAmountText() const { return changed_; }
    const std::string& appealedText() const { return appealed_; }
    int refundGround() const { return refundGround_; }

  private:
    void FillKindList();
    void FillTypeList();
    void TakeCase(FeeBreakdown breakdown);
    void RefreshExtras();
    void RefreshStages();

    int classOn_ = -1;
    std::vector<std::string_view> kinds_;
    int kindRow_ = -1;
    int kindsVersion_ = 0;
    std::vector<std::string_view> types_;
    int typeRow_ = -1;
    int typesVersion_ = 0;
    std::string amount_;
    std::string fee_;
    std::optional<FeeBreakdown> case_;  // the calculation behind the fee shown
    std::vector<ExplanationLine> explanation_;
    std::vector<bool> ticked_;
    std::string awarded_;
    std::string changed_;
    std::string appealed_;
    int refundGround_ = -1;
    std::vector<std::string> claims_;
    AmountUnit unit_ = AmountUnit::Yuan;
    CalculatorExtras extras_;
    LocalFigures figures_;
};

}  // namespace zq::present
