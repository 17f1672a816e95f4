// SPDX-License-Identifier: MIT
#pragma once

#include <exception>

namespace zq {

enum class FailureKind {
    Overflow,
    DivisionByZero,
    InvalidOperation,
    TypeMismatch,
};

// The one failure a calculation can raise. Only the Calculate command catches it and reports its
// kind; the presentation layer says it in words.
class CalcFailure : public std::exception {
  public:
    explicit CalcFailure(FailureKind kind) noexcept : kind_(kind) {}

    FailureKind kind() const noexcept { return kind_; }
    const char* what() const noexcept override;

  private:
    FailureKind kind_;
};

}  // namespace zq
