// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/price.h"
#include "runtime/calc_failure.h"

namespace zq::present {

// The icon of a message box: the warning's exclamation mark or the error's stop sign.
enum class NoticeIcon { Warning, Error };

// A modal message box the Calculate command asks its window to show: title, prompt, icon and an
// OK button.
struct Notice {
    std::string title;
    std::string prompt;
    NoticeIcon icon = NoticeIcon::Warning;

    friend bool operator==(const Notice&, const Notice&) = default;
};

// The one place a refusal of the core becomes words: "提示" with "标的中请输入数字！" and the
// warning icon for an amount that is not a number, "计算错误" with the failure's description
// and the stop icon for a failed calculation.
Notice NoticeOf(const Refusal& refusal);

// What a screen reader calls the box's icon: "警告" or "错误".
std::string_view IconName(NoticeIcon icon);

// "溢出", "除数为零", ...
std::string_view FailureDescription(FailureKind kind);

// The refusal in one line, as the command and the page's extras write it: the prompt, or
// "计算错误：" and the description.
std::string RefusalLine(const Refusal& refusal);

// The message-box flags of the icon (48 exclamation, 16 stop), as the web module has always
// given them to other scripts.
int MessageBoxFlags(NoticeIcon icon);

}  // namespace zq::present
