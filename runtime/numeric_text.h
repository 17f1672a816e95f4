// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

namespace zq {

// What reading an amount or fee text gives. The numeric test and text-to-number share this one
// reading, so they can never disagree.
struct NumberReading {
    bool numeric = false;   // the text follows the number grammar
    bool overflow = false;  // numeric, but its magnitude is beyond the double range
    bool negative = false;  // a minus sign before a mantissa that is not zero ("-0" is not)
    double value = 0.0;     // the correctly rounded value when numeric and not overflowing
};

// The number grammar: optional blanks (space, tab, CR, LF, U+3000) around an optional sign, a
// mantissa of digits (the integer digits may be grouped by threes with ",": "1,000,000"), an
// optional "." and fraction, and an optional exponent (e or E, optional sign, digits). Full-width
// forms of these characters and U+2212 MINUS SIGN read as their ASCII twins. Anything else is not
// numeric. Underflow reads as 0. Locale-independent.
NumberReading ReadNumber(std::string_view text);

inline bool IsNumeric(std::string_view text) { return ReadNumber(text).numeric; }

// Text to number: the value of a numeric text. Raises the calculation failure for a magnitude
// beyond the double range (overflow) and for a text that is not numeric (type mismatch).
double TextToNumber(std::string_view text);

// The text without the blanks a typed or pasted text carries around it: spaces, tabs, line
// breaks and U+3000, the blanks the number grammar allows around a number.
std::string_view TrimBlanksAround(std::string_view text);

}  // namespace zq
