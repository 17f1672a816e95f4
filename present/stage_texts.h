// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/local_figures.h"
#include "calc/prepay.h"
#include "calc/stages.h"

// The words of a case's later fees: who prepays and when, a changed claim, refunds, appeals and
// retrials, and the local figures within the Measures' ranges.
namespace zq::present {

struct PrepayWords {
    std::string by;       // "原告"
    std::string when;     // "自接到人民法院交纳诉讼费用通知次日起7日内"
    std::string article;  // "第二十条、第二十二条"
    std::string note;  // "追索劳动报酬的案件可以不预交案件受理费（第二十条）" or empty
};
PrepayWords WordsOf(const Prepayment& prepayment);
// "预交：原告，自接到人民法院交纳诉讼费用通知次日起7日内（第二十条、第二十二条）"; "交纳：…"
// for a fee paid after the fact.
std::string PrepayLine(const Prepayment& prepayment);

// When an appeal or a retrial pays at all, for its explanation.
std::string AppealNote();
std::string RetrialNote();
// Why an appeal on the type pays nothing (calc's AppealPaysFee).
std::string NoAppealFeeText();

// "变更后补交：100.00（第二十一条）" and the like, one line each; the refusal when there is none.
std::vector<std::string> ChangeLines(const ClaimChange& change);
std::string ChangeNote(std::string_view typeText, const ClaimChange& change);

// "退还：25.01，不予退还：25.02（第十五条）"; the refusal when there is none.
std::string RefundLine(RefundGround ground, const Refund& refund);
std::string RefundNote(std::string_view typeText, RefundGround ground, const Refund& refund);

// The figures within the Measures' ranges: a line a ranged type, with its range, the catalogue's
// figure and the local figure in force.
std::string FiguresListing(const LocalFigures& figures);

// Why a figure could not be set.
std::string FigureRefusalNote(std::string_view typeText, LocalFigures::Refusal refusal);

// Local figures kept as text, one "TYPE=YUAN" a line, and read back; lines that do not hold a
// figure that can be set are skipped and counted.
std::string FiguresText(const LocalFigures& figures);
LocalFigures ReadFiguresText(std::string_view text, int* skipped = nullptr);

}  // namespace zq::present
