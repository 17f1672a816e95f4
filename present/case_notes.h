// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/price.h"

namespace zq::present {

// Why a case has no fee, in one line: empty when it has one; the refusal's line; or, for a type
// that is not in the catalogue (where the window just leaves the fee empty), the message naming
// the closest types.
std::string CaseNote(std::string_view typeText, const FeeOutcome& outcome);

// "未知的案件类型“…”；最接近的类型：“…”、…（courtfee --list 列出全部类型）". One line; a long
// text is cut at 200 bytes.
std::string UnknownTypeMessage(std::string_view text);

// "13800.00（人民币壹万叁仟捌佰元整）": a fee as documents write it; the fee alone where bills
// have no capitals (1 万亿 yuan and more).
std::string WithCapitals(std::string_view fee);

}  // namespace zq::present
