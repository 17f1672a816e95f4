// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/price.h"
#include "calc/type_names.h"

namespace zq::present {

// Why a case has no fee, in one line: empty when it has one; the refusal's line; or, for a type
// that is not in the catalogue (where the window just leaves the fee empty), the message naming
// the closest types.
std::string CaseNote(std::string_view typeText, const FeeOutcome& outcome);

// "未知的案件类型“…”；最接近的类型：“…”、…（courtfee --list 列出全部类型）". One line; a long
// text is cut at 200 bytes.
std::string UnknownTypeMessage(std::string_view text);

// What a name typed for a type came to: empty for the exact text; "按“1、财产案件”计算" for a name
// that found its type; for a name that fits several, the candidates, closest first, and that none
// was chosen; for a name that fits none, the unknown-type message.
std::string TypeNameNote(std::string_view name, const catalogue::TypeName& found);

// Why a type with an application fee (Article 14) has no answer about acceptance fees:
// "“1、执行案件”收取的是申请费（第十四条）；" + what + "只涉及案件受理费".
std::string OnlyAcceptanceFeesNote(std::string_view typeText, std::string_view what);

// "13800.00（人民币壹万叁仟捌佰元整）": a fee as documents write it; the fee alone where bills
// have no capitals (1 万亿 yuan and more).
std::string WithCapitals(std::string_view fee);

}  // namespace zq::present
