// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

struct MoneyReading;

// A non-negative amount of money in fen (hundredths of a yuan). A fee can be larger than any
// integer type holds (an amount of 1e300 yuan has a fee of 309 digits), so beyond 64 bits the fen
// are kept as decimal digits; below, as a count, which the search for the amounts behind a fee
// reads and writes some 130 times an answer. The one money type of the program: every fee shown,
// halved, split or searched for is a Fen.
class Fen {
  public:
    Fen() = default;
    static Fen FromCount(std::uint64_t fen);
    // A fee as the window shows it: digits, a point and one or two digits ("15911.11", "30.5",
    // ".5", "300000.00"). Nothing for any other text, "50." and "50" included: the window never
    // shows them.
    static std::optional<Fen> FromShownFee(std::string_view fee);
    // A value of at least 0 rounded to the fen on its 15-digit decimal, halves up: 0.005 -> 0.01.
    static Fen Rounded(double value);

    // The count of fen; nothing when it passes 64 bits.
    std::optional<std::uint64_t> Count() const;
    bool IsZero() const { return digits_.empty() && count_ == 0; }

    // Two decimals always: "15911.11", "0.30", "0.05".
    std::string Text() const;
    // As the window writes a fee, two decimals or one when the second is 0 ("50.00", "30.5"),
    // but with the 0 before the point that a share under a yuan needs: "0.5", "0.05", "0.00".
    std::string ShownText() const;

    Fen operator+(const Fen& other) const;
    // Never below zero: a larger subtrahend gives zero.
    Fen operator-(const Fen& other) const;
    // Half the amount, to the fen, an odd fen rounded up (half away from zero).
    Fen HalvedHalfUp() const;
    // The amount x numerator / denominator x 10^exponent, to the fen, an exact half fen rounded
    // up. numerator and denominator are below 10^15, the denominator not 0.
    Fen ScaledHalfUp(std::uint64_t numerator, std::uint64_t denominator, int exponent) const;

    friend bool operator==(const Fen&, const Fen&) = default;
    friend bool operator<(const Fen& l, const Fen& r);
    friend bool operator>(const Fen& l, const Fen& r) { return r < l; }
    friend bool operator<=(const Fen& l, const Fen& r) { return !(r < l); }

  private:
    friend MoneyReading ReadMoney(std::string_view text);
    // From decimal digits, leading zeros allowed.
    static Fen FromDigits(std::string_view digits);
    std::string Digits() const;

    std::uint64_t count_ = 0;  // the fen, while they fit in 64 bits
    std::string digits_;       // the fen beyond 64 bits, without leading zeros; else empty
};

// A money text typed by a person (an amount, a fee asked about) read by the number grammar of
// amounts ("13800", "13800.00", "１３８００", "13,800", "1e4"), then to the fen.
struct MoneyReading {
    bool numeric = false;   // the text follows the number grammar
    bool overflow = false;  // numeric, but beyond the double range
    bool negative = false;
    bool wholeFen = false;  // no digit below the fen
    Fen fen;                // the magnitude, rounded down to the fen when not wholeFen
    double value = 0.0;     // the number read, when numeric and not overflowing
};
MoneyReading ReadMoney(std::string_view text);

}  // namespace zq
