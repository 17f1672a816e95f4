// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/explain.h"
#include "calc/halve.h"

// A priced case in a line or two, for the places it travels to: the phone's history and the text
// it shares.
namespace zq::present {

// "标的金额 1000000 元，法院收费 13800.00".
std::string SummaryLine(const FeeBreakdown& breakdown);

// "1、财产案件：标的金额 1000000 元，案件受理费 13800.00（人民币壹万叁仟捌佰元整），依《诉讼费用
// 交纳办法》第十三条第（一）项。", and the halved fee after it when there is one.
std::string ShareText(const FeeBreakdown& breakdown, const HalvedFee* halving);

}  // namespace zq::present
