// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

// A non-negative amount of money in fen (hundredths of a yuan), kept as decimal digits: a fee
// can be larger than any integer type holds.
class Fen {
  public:
    Fen() = default;
    static Fen FromCount(std::uint64_t fen);
    // A fee as the window shows it ("15911.11", "30.5", "300000.00"); nothing for another text.
    static std::optional<Fen> FromFeeText(std::string_view fee);

    // "15911.11", "0.30"
    std::string Text() const;

    Fen operator+(const Fen& other) const;
    // Never below zero: a larger subtrahend gives zero.
    Fen operator-(const Fen& other) const;
    // Half the amount, to the fen, an odd fen rounded up (half away from zero).
    Fen HalvedHalfUp() const;
    // The amount x numerator / denominator x 10^exponent, to the fen, an exact half fen rounded
    // up. numerator and denominator are below 10^15, the denominator not 0.
    Fen ScaledHalfUp(std::uint64_t numerator, std::uint64_t denominator, int exponent) const;

    // As the window writes a fee, two decimals or one when the second is 0 ("50.00", "30.5"),
    // but with the 0 before the point that a share under a yuan needs: "0.5", "0.05", "0.00".
    std::string ShownText() const;

    friend bool operator==(const Fen&, const Fen&) = default;
    friend bool operator<(const Fen& l, const Fen& r) {
        return l.digits_.size() != r.digits_.size() ? l.digits_.size() < r.digits_.size()
                                                    : l.digits_ < r.digits_;
    }

  private:
    explicit Fen(std::string digits);
    std::string digits_ = "0";  // no leading zeros
};

}  // namespace zq
