// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "calc/explain.h"

namespace zq::present {

// A band of the scale in words: "超过1万元至10万元的部分", "90000", "2.5%", "2250.00"; part and
// rate are empty for the base fee.
struct BandWords {
    std::string label;
    std::string part;
    std::string rate;
    std::string amount;
};

// Every text of a breakdown, for the step-by-step calculation in any front end.
struct BreakdownWords {
    std::string article;  // "第十三条第（一）项"
    std::string feeKind;  // "案件受理费" or "申请费"
    std::string rule;     // the rule in words
    std::vector<BandWords> bands;
    std::string bandsTotal;  // empty without bands
    std::vector<std::string> adjustments;
    std::vector<std::string> notes;  // where the figure is a choice within or beside the Measures
};
BreakdownWords WordsOf(const FeeBreakdown& breakdown);

// The notes of a case the Calculate command priced, from what its rule recorded: the same words
// as the breakdown's, without working out the bands (for --batch, a line at a time).
std::vector<std::string> NotesOf(std::string_view typeText, const FeeTrace& trace,
                                 const LocalFigures* figures = nullptr);

// The notes a reader of the fee alone must still see, said beside `courtfee`'s plain answer: that
// a court's local figure was charged, and, for a type found from a name, that the type charges the
// name otherwise than the name's own article (a public summons priced as a payment order).
std::vector<std::string> NotesBesideTheFee(const FeeBreakdown& breakdown, bool typeFromName);

// How a line of the explanation is set: a step keeps to one line, a sentence may wrap, and the
// result (the fee and its capitals) stands out.
enum class LineStyle { Step, Sentence, Result };
struct ExplanationLine {
    std::string text;
    LineStyle style = LineStyle::Step;

    friend bool operator==(const ExplanationLine&, const ExplanationLine&) = default;
};

// The calculation step by step, as `courtfee --explain`, the window's fee tooltip and the page
// show it: the case (type and amount), basis, rule, bands, adjustments, notes, then the fee and
// its capitals. Empty when the case has no fee.
std::vector<ExplanationLine> ExplanationLines(const FeeBreakdown& breakdown);

// The lines as plain text, each ended by a line feed.
std::string PlainText(const std::vector<ExplanationLine>& lines);

}  // namespace zq::present
