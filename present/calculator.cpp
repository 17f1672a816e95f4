// SPDX-License-Identifier: MIT
#include "present/calculator.h"

#include "calc/catalogue.h"
#include "calc/fee_split.h"
#include "calc/halve.h"
#include "present/case_notes.h"
#include "present/extras_texts.h"
#include "runtime/fee_capitals.h"

namespace zq::present {
namespace {

bool InRange(int row, std::size_t size) { return row >= 0 && static_cast<std::size_t>(row) < size; }

}  // namespace

void Calculator::FormLoad() {
    // Back to the stored state; the refill counts go on, so that a view redraws both lists.
    const int kindsVersion = kindsVersion_;
    const int typesVersion = typesVersion_;
    *this = Calculator();
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
    FeeBreakdown breakdown = ExplainFee(typeText(), amount_);
    amount_ = breakdown.outcome.amountText;
    fee_ = breakdown.outcome.feeText;
    explanation_ = ExplanationLines(breakdown);
    std::optional<Notice> notice;
    if (breakdown.outcome.refusal) {
        notice = NoticeOf(*breakdown.outcome.refusal);
    }
    if (breakdown.priced()) {
        case_ = std::move(breakdown);
    } else {
        case_.reset();
    }
    RefreshExtras();
    return notice;
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
    if (!extras_.applicable) {
        // An application fee is neither halved nor split; both say why at once.
        extras_.halving = HalvingNote(type, HalveFee({}, type, outcome));
        extras_.split = SplitNote(type, SplitFee("", type, outcome));
        extras_.copyText = "法院收费（全额）：" + WithCapitals(outcome.feeText);
        extras_.copiedMessage = "已复制全额收费";
        return;
    }
    std::vector<HalvingReason> reasons;
    for (std::size_t i = 0; i < ticked_.size(); ++i) {
        if (ticked_[i]) {
            reasons.push_back(HalvingReasonNames()[i].reason);
        }
    }
    std::optional<HalvedFee> halving;
    if (reasons.empty()) {
        extras_.halving = "选择减半事由，显示减半后的收费。";
    } else {
        halving = HalveFee(reasons, type, outcome);
        extras_.halving = "减半后收费：" + HalvedLine(*halving);
        if (const auto capitals = CapitalsOf(*halving->halved)) {
            extras_.halvingCapitals = "大写：人民币" + *capitals;
        }
    }
    if (awarded_.empty()) {
        extras_.split = "填写判决支持的金额，显示按比例分担的参考数额。";
    } else {
        const FeeSplit split = SplitFee(awarded_, type, outcome);
        if (!split.done()) {
            extras_.split = SplitNote(type, split);
        } else {
            for (const std::string& line : SplitLines(split, awarded_)) {
                extras_.split += (extras_.split.empty() ? "" : "\n") + line;
            }
            // The split is of the full acceptance fee; with grounds ticked it says so.
            if (halving) {
                extras_.splitBasis = "以上按全额案件受理费 " + outcome.feeText +
                                     " 元分担，未计减半；减半后为 " + halving->halved->Text() +
                                     " 元，实际负担以人民法院决定为准。";
            }
        }
    }
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
