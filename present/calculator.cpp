// SPDX-License-Identifier: MIT
#include "present/calculator.h"

#include "calc/amounts_for_fee.h"
#include "calc/catalogue.h"
#include "calc/claims.h"
#include "calc/fee_split.h"
#include "calc/halve.h"
#include "present/case_notes.h"
#include "present/case_summary.h"
#include "present/extras_texts.h"
#include "present/stage_texts.h"
#include "runtime/fee_capitals.h"
#include "runtime/numeric_text.h"

namespace zq::present {
namespace {

bool InRange(int row, std::size_t size) { return row >= 0 && static_cast<std::size_t>(row) < size; }

// Lines as one text, one to a line.
std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

// A pasted amount brings the blanks around it (a spreadsheet cell's tab and line break): they are
// not part of the amount, which is written back, explained and shared without them. Blanks alone
// are left as typed, to be refused.
std::string AmountOf(const std::string& typed) {
    const std::string_view bare = TrimBlanksAround(typed);
    return bare.empty() ? typed : std::string(bare);
}

}  // namespace

void Calculator::FormLoad() {
    // Back to the stored state; the refill counts go on, so that a view redraws both lists.
    const int kindsVersion = kindsVersion_;
    const int typesVersion = typesVersion_;
    LocalFigures figures = std::move(figures_);
    *this = Calculator();
    figures_ = std::move(figures);
    kindsVersion_ = kindsVersion;
    typesVersion_ = typesVersion + 1;  // List2 is emptied with the rest
    FillKindList();                    // no class is on yet: this only empties List1
    Option1Click(0);
}

void Calculator::Option1Click(int classIndex) {
    if (classIndex == classOn_ || catalogue::ClassText(classIndex).empty()) {
        return;
    }
    classOn_ = classIndex;
    FillKindList();
}

void Calculator::FillKindList() {
    kinds_ = catalogue::KindsOfClass(classOn_);  // List2 keeps its entries until a kind is chosen
    kindRow_ = -1;
    ++kindsVersion_;
    if (!kinds_.empty()) {
        List1Click(0);
    }
}

void Calculator::List1Click(int row) {
    if (row == kindRow_ || !InRange(row, kinds_.size())) {
        return;
    }
    kindRow_ = row;
    FillTypeList();
}

void Calculator::FillTypeList() {
    types_ = catalogue::TypesOfKind(kinds_[static_cast<std::size_t>(kindRow_)]);
    typeRow_ = types_.empty() ? -1 : 0;
    ++typesVersion_;
}

void Calculator::List2Click(int row) {
    if (InRange(row, types_.size())) {
        typeRow_ = row;
    }
}

std::string_view Calculator::typeText() const {
    return InRange(typeRow_, types_.size()) ? types_[static_cast<std::size_t>(typeRow_)]
                                            : std::string_view();
}

void Calculator::TypeAmount(std::string text) { amount_ = std::move(text); }

void Calculator::TypeFee(std::string text) {
    fee_ = std::move(text);
    case_.reset();
    explanation_.clear();
    RefreshExtras();
}

std::optional<Notice> Calculator::Command1Click() {
    FeeBreakdown breakdown = ExplainFee(typeText(), AmountOf(amount_), &figures_);
    amount_ = breakdown.outcome.amountText;
    std::optional<Notice> notice;
    if (breakdown.outcome.refusal) {
        notice = NoticeOf(*breakdown.outcome.refusal);
    }
    TakeCase(std::move(breakdown));
    return notice;
}

void Calculator::TakeCase(FeeBreakdown breakdown) {
    // What was entered for the extras belongs to one case: another type or amount starts afresh.
    if (!case_ || case_->type != breakdown.type ||
        case_->outcome.amountText != breakdown.outcome.amountText) {
        ticked_.clear();
        awarded_.clear();
        changed_.clear();
        appealed_.clear();
        refundGround_ = -1;
    }
    fee_ = breakdown.outcome.feeText;
    explanation_ = ExplanationLines(breakdown);
    if (breakdown.priced()) {
        case_ = std::move(breakdown);
    } else {
        case_.reset();
    }
    RefreshExtras();
}

bool Calculator::ChooseType(std::string_view typeText) {
    for (int classIndex = 0; classIndex < catalogue::kClassCount; ++classIndex) {
        const std::vector<std::string_view> kinds = catalogue::KindsOfClass(classIndex);
        for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
            const std::vector<std::string_view> types = catalogue::TypesOfKind(kinds[kind]);
            for (std::size_t type = 0; type < types.size(); ++type) {
                if (types[type] == typeText) {
                    Option1Click(classIndex);
                    List1Click(static_cast<int>(kind));
                    List2Click(static_cast<int>(type));
                    return true;
                }
            }
        }
    }
    return false;
}

void Calculator::TypeClaims(std::vector<std::string> claims, AmountUnit unit) {
    claims_ = std::move(claims);
    unit_ = unit;
}

std::string Calculator::Reckon() {
    std::vector<std::string> yuan;
    for (const std::string& claim : claims_) {
        yuan.push_back(unit_ == AmountUnit::Wan ? YuanOfWan(AmountOf(claim)) : AmountOf(claim));
    }
    if (yuan.empty()) {
        yuan.emplace_back();
    }
    const ClaimsSum sum = SumOfClaims(yuan);
    FeeBreakdown breakdown;
    if (sum.refusal) {
        breakdown.type = typeText();
        breakdown.outcome = {sum.amountText, std::string(), sum.refusal};
    } else {
        breakdown = ExplainFee(typeText(), sum.amountText, &figures_);
        if (yuan.size() > 1) {
            for (std::string& claim : yuan) {
                breakdown.claims.push_back(claim.empty() ? "0" : std::move(claim));
            }
        }
    }
    std::string said =
        breakdown.outcome.refusal ? RefusalLine(*breakdown.outcome.refusal) : std::string();
    TakeCase(std::move(breakdown));
    return said;
}

std::string Calculator::AmountsAnswer(std::string_view fee) const {
    const std::string_view type = typeText();
    const AmountsForFee answer = FindAmountsForFee(type, fee, &figures_);
    std::string note = AmountsNote(type, answer);
    if (!note.empty()) {
        return note;
    }
    if (!answer.found()) {
        return NoAmountSentence(type, answer);
    }
    std::string text = AmountsText(type, answer);
    text.pop_back();  // the last line's line feed
    return text;
}

void Calculator::TickHalvingReason(std::size_t index, bool ticked) {
    if (index >= HalvingReasonNames().size()) {
        return;
    }
    ticked_.resize(HalvingReasonNames().size());
    ticked_[index] = ticked;
    RefreshExtras();
}

void Calculator::TypeAwarded(std::string text) {
    awarded_ = std::move(text);
    RefreshExtras();
}

void Calculator::TypeChangedAmount(std::string text) {
    changed_ = std::move(text);
    RefreshExtras();
}

void Calculator::TypeAppealed(std::string text) {
    appealed_ = std::move(text);
    RefreshExtras();
}

void Calculator::ChooseRefundGround(int index) {
    refundGround_ =
        index >= 0 && static_cast<std::size_t>(index) < RefundGroundNames().size() ? index : -1;
    RefreshExtras();
}

void Calculator::RefreshStages() {
    const std::string& type = case_->type;
    const std::string& amount = case_->outcome.amountText;
    if (!extras_.applicable) {
        // Said once, for the appeal too.
        extras_.change = OnlyAcceptanceFeesNote(type, "上诉、再审和变更诉讼请求");
        extras_.appeal.clear();
    } else {
        if (changed_.empty()) {
            extras_.change = "填写变更后的诉讼请求数额，显示应补交或退还的收费（第二十一条）。";
        } else {
            const ClaimChange change = ChangeClaim(type, amount, changed_, &figures_);
            extras_.change = change.done() ? Joined(ChangeLines(change)) : ChangeNote(type, change);
        }
        const FeeOutcome appeal =
            ComputeFee(type, appealed_.empty() ? amount : appealed_, nullptr, &figures_);
        extras_.appeal = !AppealPaysFee(type) ? "上诉案件受理费：0.00\n" + NoAppealFeeText()
                         : appeal.feeText.empty()
                             ? CaseNote(type, appeal)
                             : "上诉案件受理费：" + WithCapitals(appeal.feeText) +
                                   "（上诉请求数额 " + appeal.amountText + " 元）\n" + AppealNote();
    }
    if (refundGround_ < 0) {
        extras_.refund = "选择退费事由，显示应退还的收费。";
    } else {
        const RefundGround ground =
            RefundGroundNames()[static_cast<std::size_t>(refundGround_)].ground;
        // A remand refunds the second-instance fee: that of the amount appealed, where one is
        // typed.
        const bool remand = ground == RefundGround::Remand && !appealed_.empty();
        const Refund refund = RefundFee(ground, type, remand ? appealed_ : amount, &figures_);
        extras_.refund =
            refund.done() ? RefundLine(ground, refund) : RefundNote(type, ground, refund);
    }
}

std::string Calculator::announcement() const {
    return case_ ? "法院收费 " + fee_ + " 元" : std::string();
}

void Calculator::RefreshExtras() {
    extras_ = CalculatorExtras();
    if (!case_) {
        return;
    }
    const std::string& type = case_->type;
    const FeeOutcome& outcome = case_->outcome;
    extras_.shown = true;
    extras_.applicable = CanBeHalved(type);
    const BreakdownWords words = WordsOf(*case_);
    extras_.notes = words.notes;
    extras_.prepay = PrepayLine(PrepaymentOf(type, CaseStage::FirstInstance));
    RefreshStages();
    std::vector<HalvingReason> reasons;
    for (std::size_t i = 0; i < ticked_.size() && extras_.applicable; ++i) {
        if (ticked_[i]) {
            reasons.push_back(HalvingReasonNames()[i].reason);
        }
    }
    std::optional<HalvedFee> halving;
    if (!extras_.applicable) {
        // An application fee is not halved, and says why at once.
        extras_.halving = HalvingNote(type, HalveFee({}, type, outcome));
    } else if (reasons.empty()) {
        extras_.halving = "选择减半事由，显示减半后的收费。";
    } else {
        halving = HalveFee(reasons, type, outcome);
        extras_.halving = "减半后收费：" + HalvedLine(*halving);
        if (const std::string note = CompoundingNote(*halving); !note.empty()) {
            extras_.halving += "\n说明：" + note;
        }
        if (const auto capitals = CapitalsOf(*halving->halved)) {
            extras_.halvingCapitals = "大写：人民币" + *capitals;
        }
    }
    // Who bears the fee: under Article 29 a split by the amount awarded, of the halved fee when
    // grounds are ticked; under another article, who bears it.
    const FeeSplit split = SplitFee(awarded_, type, outcome, reasons);
    if (split.done()) {
        extras_.split = Joined(SplitLines(type, split, awarded_));
    } else if (awarded_.empty() && split.refusal == SplitRefusal::AwardedNotNumeric) {
        extras_.split = "填写判决支持的金额，显示按比例分担的参考数额。";
    } else {
        extras_.split = SplitNote(type, split);
    }
    if (const auto capitals = FeeCapitals(outcome.feeText)) {
        extras_.capitals = "人民币" + *capitals;
    }
    extras_.summary = SummaryLine(*case_);
    extras_.shareText = ShareText(*case_, halving ? &*halving : nullptr);
    if (halving) {
        extras_.copyText = "法院收费（减半后，依" + ArticlesText(halving->articles) +
                           "减半交纳）：" + WithCapitals(halving->halved->Text());
        extras_.copiedMessage = "已复制减半后的收费";
    } else {
        extras_.copyText = "法院收费（全额）：" + WithCapitals(outcome.feeText);
        extras_.copiedMessage = "已复制全额收费";
    }
}

}  // namespace zq::present
