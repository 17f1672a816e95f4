// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "calc/claims.h"
#include "calc/explain.h"
#include "calc/type_names.h"
#include "cli/modes/mode.h"

namespace zq::cli {

// One case priced as --batch reports it, for the type's exact text: the amount as the calculation
// left it, the fee, and a note that is empty on success and otherwise says why there is no fee.
struct CaseAnswer {
    std::string amountText;
    std::string feeText;
    std::string note;
    std::vector<std::string> notes;  // where the figure is a choice (with `withNotes`)
    bool ok() const { return note.empty(); }
};
CaseAnswer PriceCase(std::string_view typeText, std::string_view amountText, bool withNotes = false,
                     const LocalFigures* figures = nullptr);

// {"type", "amount", "fee", "fee_value", "fee_capitals", "message", "notes", "prepay"}
nlohmann::json CaseObject(std::string_view type, const CaseAnswer& answer);

// A request made ready to price: its type found from the name given, its claims summed.
struct Prepared {
    std::string given;  // the type as given
    std::string type;   // the catalogue type found; the name as given when none was
    catalogue::TypeName name;
    std::string nameNote;
    ClaimsSum amount;
    bool found() const { return name.found(); }
};
Prepared Prepare(const ModeRequest& request);

// The answer for a type name that found none, or for claims that are refused.
ModeAnswer Unpriced(const Prepared& prepared);

// The fields every answer about a case's fee has: the type (and the name given), the amount (and
// the claims), the fee with its value and capitals, the message, the notes and who prepays.
nlohmann::json CaseFields(const Prepared& prepared, const FeeBreakdown& breakdown);
nlohmann::json CaseFieldsSchema();

// The answers of the modes.
ModeAnswer AnswerPrice(const ModeRequest& request);
ModeAnswer AnswerExplain(const ModeRequest& request);
ModeAnswer AnswerHalve(const ModeRequest& request);
ModeAnswer AnswerAppeal(const ModeRequest& request);
ModeAnswer AnswerRetrial(const ModeRequest& request);
ModeAnswer AnswerChange(const ModeRequest& request);
ModeAnswer AnswerRefund(const ModeRequest& request);
ModeAnswer AnswerAmountFor(const ModeRequest& request);
ModeAnswer AnswerSplit(const ModeRequest& request);
ModeAnswer AnswerList(const ModeRequest& request);
ModeAnswer AnswerFigures(const ModeRequest& request);

// A JSON object on one line; texts that are not valid UTF-8 are written with U+FFFD in place of
// the bad bytes.
std::string Dump(const nlohmann::json& object);

}  // namespace zq::cli
