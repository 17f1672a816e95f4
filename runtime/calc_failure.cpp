// SPDX-License-Identifier: MIT
#include "runtime/calc_failure.h"

namespace zq {

const char* CalcFailure::what() const noexcept {
    switch (kind_) {
        case FailureKind::Overflow:
            return "overflow";
        case FailureKind::DivisionByZero:
            return "division by zero";
        case FailureKind::InvalidOperation:
            return "invalid floating-point operation";
        case FailureKind::TypeMismatch:
            return "type mismatch";
    }
    return "calculation failure";
}

}  // namespace zq
