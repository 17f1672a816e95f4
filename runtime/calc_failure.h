// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <string_view>

namespace zq {

enum class FailureKind {
    Overflow,
    DivisionByZero,
    InvalidOperation,
    TypeMismatch,
};

// The one failure a calculation can raise. Only the Calculate command catches it; it turns
// the description into the "计算错误" message.
class CalcFailure : public std::exception {
  public:
    explicit CalcFailure(FailureKind kind) noexcept : kind_(kind) {}

    FailureKind kind() const noexcept { return kind_; }
    // The user-facing description, in Chinese (UTF-8).
    std::string_view description() const noexcept;
    const char* what() const noexcept override;

  private:
    FailureKind kind_;
};

}  // namespace zq
