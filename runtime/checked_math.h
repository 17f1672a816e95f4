// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

#include "runtime/calc_failure.h"

// Arithmetic for the fee rules: every step tests its result and raises the calculation failure
// on overflow, division by zero or an invalid operation, as the fee rules require.
namespace zq::checked {

inline double Check(double result) {
    if (std::isnan(result)) {
        throw CalcFailure(FailureKind::InvalidOperation);
    }
    if (std::isinf(result)) {
        throw CalcFailure(FailureKind::Overflow);
    }
    return result;
}

inline double Add(double a, double b) { return Check(a + b); }
inline double Sub(double a, double b) { return Check(a - b); }
inline double Mul(double a, double b) { return Check(a * b); }
inline double Div(double a, double b) {
    if (b == 0.0) {
        throw CalcFailure(FailureKind::DivisionByZero);
    }
    return Check(a / b);
}

}  // namespace zq::checked
