// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/amounts_for_fee.h"

namespace zq::cli {

// `courtfee --amount-for TYPE FEE`: the fee read like an amount, and the amounts that give it.
struct AmountsForAnswer {
    std::string type;
    std::string fee;       // "13800.00", "-1.00", "51.005": written as a fee, two decimals or more
    AmountsForFee result;  // empty ranges when no amount gives the fee
    std::string note;  // why there is no answer (a fee not numeric, a type not in the catalogue)
    bool ok() const { return note.empty(); }
    bool found() const { return ok() && !result.ranges.empty(); }
};

AmountsForAnswer AnswerAmountsFor(std::string_view typeText, std::string_view feeText);

// One range a line ("  999999.50 至 1000000.55 元"); without a range, the sentence naming the
// nearest fees that some amount gives.
std::string RenderAmountsFor(const AmountsForAnswer& answer);
std::string NoAmountSentence(const AmountsForAnswer& answer);

// {"type", "fee", "amounts":[{"min","max"}], "nearest_below", "nearest_above", "message"}.
std::string AmountsForJson(const AmountsForAnswer& answer);

}  // namespace zq::cli
