// SPDX-License-Identifier: MIT
#include "present/notice.h"

namespace zq::present {
namespace {

constexpr std::string_view kAmountWarningPrompt = "标的中请输入数字！";
constexpr std::string_view kAmountWarningTitle = "提示";
constexpr std::string_view kNegativeAmountPrompt = "标的金额不能为负数！";
constexpr std::string_view kCalcErrorTitle = "计算错误";

}  // namespace

std::string_view FailureDescription(FailureKind kind) {
    switch (kind) {
        case FailureKind::Overflow:
            return "溢出";
        case FailureKind::DivisionByZero:
            return "除数为零";
        case FailureKind::InvalidOperation:
            return "无效的浮点运算";
        case FailureKind::TypeMismatch:
            return "类型不匹配";
    }
    return "未知错误";
}

Notice NoticeOf(const Refusal& refusal) {
    if (refusal.kind == RefusalKind::AmountNotNumeric) {
        return {std::string(kAmountWarningTitle), std::string(kAmountWarningPrompt),
                NoticeIcon::Warning};
    }
    if (refusal.kind == RefusalKind::AmountNegative) {
        return {std::string(kAmountWarningTitle), std::string(kNegativeAmountPrompt),
                NoticeIcon::Warning};
    }
    return {std::string(kCalcErrorTitle), std::string(FailureDescription(refusal.failure)),
            NoticeIcon::Error};
}

std::string RefusalLine(const Refusal& refusal) {
    const Notice notice = NoticeOf(refusal);
    return notice.icon == NoticeIcon::Error ? notice.title + "：" + notice.prompt : notice.prompt;
}

std::string_view IconName(NoticeIcon icon) { return icon == NoticeIcon::Error ? "错误" : "警告"; }

int MessageBoxFlags(NoticeIcon icon) { return icon == NoticeIcon::Error ? 16 : 48; }

}  // namespace zq::present
