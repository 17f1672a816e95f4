// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "cli/modes/mode.h"

namespace zq::cli {

// One case priced as the command reports it: the amount as the calculation left it, the fee, and
// a note that is empty on success and otherwise says why there is no fee.
struct CaseAnswer {
    std::string amountText;
    std::string feeText;
    std::string note;
    bool ok() const { return note.empty(); }
};
CaseAnswer PriceCase(std::string_view typeText, std::string_view amountText);

// {"type", "amount", "fee", "fee_value", "fee_capitals", "message"}
nlohmann::json CaseObject(std::string_view type, const CaseAnswer& answer);

// The answers of the modes.
ModeAnswer AnswerPrice(const ModeRequest& request);
ModeAnswer AnswerExplain(const ModeRequest& request);
ModeAnswer AnswerHalve(const ModeRequest& request);
ModeAnswer AnswerAmountFor(const ModeRequest& request);
ModeAnswer AnswerSplit(const ModeRequest& request);
ModeAnswer AnswerList(const ModeRequest& request);

// A JSON object on one line; texts that are not valid UTF-8 are written with U+FFFD in place of
// the bad bytes.
std::string Dump(const nlohmann::json& object);

}  // namespace zq::cli
