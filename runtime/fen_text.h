// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Money counted in whole fen (hundredths of a yuan). 64 bits hold every fee up to about
// 1.8 x 10^17 yuan, far beyond any amount in dispute a court has seen.
namespace zq {

// A fee as the window shows it ("50.00", "30.5", "16.67", ".5") to fen; nothing for any other
// text, and nothing for a fee too large for 64 bits.
std::optional<std::uint64_t> FenOfShownFee(std::string_view shown);

// Two decimals always: 99999950 -> "999999.50", 5 -> "0.05".
std::string FenText(std::uint64_t fen);

// What reading a money text gives: the number grammar of amounts ("13800", "13800.00",
// "１３８００", "13,800"), then its value in fen.
struct FenReading {
    bool numeric = false;  // the text follows the number grammar
    bool negative = false;
    bool wholeFen = false;  // no digit beyond the fen, and within 64 bits
    std::uint64_t fen = 0;  // the value in fen, rounded down when not wholeFen
};
FenReading ReadFen(std::string_view text);

}  // namespace zq
