// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/price.h"

namespace zq {

// Several claims in one case are priced on their sum (the amount in dispute is the whole of what
// is claimed). The sum is exact, of each claim's 15-digit decimal, written as plain decimal
// digits: "1234567.89" + "50000" -> "1284567.89".
struct ClaimsSum {
    std::string amountText;          // the sum; the single claim as given when there is one
    std::optional<Refusal> refusal;  // the first claim that is not a number, or is below zero,
                                     // or beyond the double range
};
ClaimsSum SumOfClaims(const std::vector<std::string>& claims);

// An amount typed in 万元 as yuan, exactly (its 15-digit decimal times 10000): "12.5" -> "125000",
// "-0.00001" -> "-0.1". A text that is not a number, or is beyond the double range, is returned as
// it is, for the Calculate command to refuse.
std::string YuanOfWan(std::string_view wan);

}  // namespace zq
