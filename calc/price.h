// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/message_box.h"

namespace zq {

// The texts of the fee warning and error, as the window shows them.
inline constexpr std::string_view kAmountWarningPrompt = "标的中请输入数字！";
inline constexpr std::string_view kAmountWarningTitle = "提示";
inline constexpr std::string_view kCalcErrorTitle = "计算错误";

// What the Calculate command leaves behind: the amount text to write back, the fee text to show,
// and at most one message for the caller to show.
struct FeeOutcome {
    std::string amountText;
    std::string feeText;
    std::optional<Message> message;
};

// The Calculate command: checks the amount text, prices the case type with its fee rule and
// formats the fee as the window shows it ("50.00", "16.67", "30.5").
//  - an amount that is not numeric: the warning, no fee, the amount left as typed;
//  - an empty amount: read as "0", and "0" is written back;
//  - a type that is not in the catalogue: no fee and no message;
//  - a failure while pricing (an amount beyond the double range, ...): the error, no fee.
FeeOutcome ComputeFee(std::string_view typeText, std::string_view amountText);

}  // namespace zq
