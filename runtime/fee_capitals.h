// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/fen.h"

namespace zq {

// The fee in Chinese capital numerals (大写金额) as bills and court documents write it, after
// the 会计基础工作规范 (Article 52): 零壹贰叁肆伍陆柒捌玖 with 拾佰仟万亿 and 元角分; 整 after 元
// or 角 when there is no 分; a run of zeros inside the number is one 零, and a zero 元位 or 万位
// before a non-zero 角 or 千位 is written as 零 too; tens keep their digit (壹拾). No 人民币
// prefix.
//   1380000 -> 壹万叁仟捌佰元整, 3050 -> 叁拾元零伍角整, 100005 -> 壹仟元零伍分, 50 -> 伍角整.
// Nothing for 1 万亿 yuan or more, which the numerals of bills do not reach.
std::optional<std::string> CapitalsOf(const Fen& amount);

// The same for a fee as the window shows it ("13800.00", "30.5", ".5"); nothing for an empty or
// other text.
std::optional<std::string> FeeCapitals(std::string_view shownFee);

}  // namespace zq
