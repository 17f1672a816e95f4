// SPDX-License-Identifier: MIT
#include "runtime/calc_failure.h"

namespace zq {

std::string_view CalcFailure::description() const noexcept {
    switch (kind_) {
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

const char* CalcFailure::what() const noexcept {
    // Every description is a literal, so its data is NUL-terminated.
    return description().data();
}

}  // namespace zq
