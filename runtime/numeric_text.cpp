// SPDX-License-Identifier: MIT
#include "runtime/numeric_text.h"

#include <fast_float/fast_float.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "runtime/calc_failure.h"

namespace zq {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Maps the text to ASCII: full-width digits, signs, point, comma and E to their twins, U+2212 to
// "-", U+3000 to a space. Returns false when a character has no place in a number.
bool ToAsciiForm(std::string_view text, std::string& out) {
    out.resize(text.size());
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out[length++] = static_cast<char>(c);
            ++i;
            continue;
        }
        if (i + 2 >= text.size()) {
            return false;
        }
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        const auto b2 = static_cast<unsigned char>(text[i + 2]);
        char ascii = 0;
        if (c == 0xEF && b1 == 0xBC && b2 >= 0x90 && b2 <= 0x99) {
            ascii = static_cast<char>('0' + (b2 - 0x90));  // U+FF10..U+FF19
        } else if (c == 0xEF && b1 == 0xBC) {
            switch (b2) {
                case 0x8B:
                    ascii = '+';
                    break;  // U+FF0B
                case 0x8C:
                    ascii = ',';
                    break;  // U+FF0C
                case 0x8D:
                    ascii = '-';
                    break;  // U+FF0D
                case 0x8E:
                    ascii = '.';
                    break;  // U+FF0E
                case 0xA5:
                    ascii = 'E';
                    break;  // U+FF25
                default:
                    break;
            }
        } else if (c == 0xEF && b1 == 0xBD && b2 == 0x85) {
            ascii = 'e';  // U+FF45
        } else if (c == 0xE2 && b1 == 0x88 && b2 == 0x92) {
            ascii = '-';  // U+2212
        } else if (c == 0xE3 && b1 == 0x80 && b2 == 0x80) {
            ascii = ' ';  // U+3000
        }
        if (ascii == 0) {
            return false;
        }
        out[length++] = ascii;
        i += 3;
    }
    out.resize(length);
    return true;
}

// Spaces, tabs and line breaks: a cell copied from a spreadsheet ends in CR LF.
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// A number that passed the grammar, in the plain form fast_float reads (the from_chars form),
// written into a caller's buffer of at least s.size() + 1 characters.
struct CleanNumber {
    std::size_t length = 0;  // of the text written: sign, digits, ".", fraction, "e", exponent
    bool negative = false;
    bool allZero = true;
};

bool ParseGrammar(std::string_view s, char* out, CleanNumber& n) {
    std::size_t w = 0;
    std::size_t i = 0;
    const std::size_t end = s.size();
    if (i < end && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            n.negative = true;
            out[w++] = '-';
        }
        ++i;
    }
    std::size_t mantissaDigits = 0;
    // A comma groups the integer digits by threes, as "1,000,000" and "12,345.5": one to three
    // digits before the first comma, exactly three after each. Anywhere else it is no number:
    // "1000000,50" is a European decimal comma, "12,34,567" an Indian grouping.
    std::size_t groupDigits = 0;
    bool grouped = false;
    while (i < end) {
        if (IsDigit(s[i])) {
            n.allZero = n.allZero && s[i] == '0';
            out[w++] = s[i];
            ++mantissaDigits;
            ++groupDigits;
            ++i;
        } else if (s[i] == ',') {
            if (groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3)) {
                return false;
            }
            grouped = true;
            groupDigits = 0;
            ++i;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3) {
        return false;
    }
    if (i < end && s[i] == '.') {
        ++i;
        if (mantissaDigits == 0) {
            out[w++] = '0';  // ".5" reads as "0.5"
        }
        out[w++] = '.';
        while (i < end && IsDigit(s[i])) {
            n.allZero = n.allZero && s[i] == '0';
            out[w++] = s[i];
            ++mantissaDigits;
            ++i;
        }
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        out[w++] = 'e';
        if (i < end && (s[i] == '+' || s[i] == '-')) {
            out[w++] = s[i];
            ++i;
        }
        std::size_t expDigits = 0;
        while (i < end && IsDigit(s[i])) {
            out[w++] = s[i];
            ++expDigits;
            ++i;
        }
        if (expDigits == 0) {
            return false;
        }
    }
    if (i != end) {
        return false;
    }
    n.length = w;
    return true;
}

constexpr std::array<double, 23> kPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The common case, read in one pass: ASCII blanks, an optional sign, digits, an optional point
// and digits, blanks, with at most 15 digits after leading zeros. An exact integer over an exact
// power of ten is correctly rounded by the one division, the value the general path gives. Anything
// else (grouping, full-width forms, exponents, long digit runs) takes the general path.
bool ReadPlainDecimal(std::string_view s, NumberReading& reading) {
    std::size_t i = 0;
    const std::size_t end = s.size();
    while (i < end && IsBlank(s[i])) {
        ++i;
    }
    bool negative = false;
    if (i < end && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    std::uint64_t digits = 0;
    int count = 0;
    int fraction = 0;
    bool point = false;
    bool anyDigit = false;
    for (; i < end; ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            anyDigit = true;
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            count += digits != 0 ? 1 : 0;
            fraction += point ? 1 : 0;
            if (count > 15 || fraction > 22) {
                return false;
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    while (i < end && IsBlank(s[i])) {
        ++i;
    }
    if (i != end || !anyDigit) {
        return false;
    }
    const double magnitude =
        static_cast<double>(digits) / kPowersOfTen[static_cast<std::size_t>(fraction)];
    reading.numeric = true;
    reading.negative = negative && digits != 0;
    reading.value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

NumberReading ReadNumber(std::string_view text) {
    NumberReading reading;
    if (ReadPlainDecimal(text, reading)) {
        return reading;
    }
    std::string converted;
    if (!IsAscii(text)) {
        if (!ToAsciiForm(text, converted)) {
            return reading;
        }
        text = converted;
    }
    const std::string_view trimmed = TrimBlanks(text);
    // The clean form is never longer than the text plus the "0" a leading point gains.
    std::array<char, 64>
        small;  // NOLINT(cppcoreguidelines-pro-type-member-init): written before read
    std::string large;
    char* buffer = small.data();
    if (trimmed.size() + 1 > small.size()) {
        large.resize(trimmed.size() + 1);
        buffer = large.data();
    }
    CleanNumber clean;
    if (!ParseGrammar(trimmed, buffer, clean)) {
        return reading;
    }
    reading.numeric = true;
    reading.negative = clean.negative && !clean.allZero;
    const double zero = clean.negative ? -0.0 : 0.0;
    if (clean.allZero) {
        reading.value = zero;
        return reading;
    }
    double value = 0.0;
    const char* last = buffer + clean.length;
    // fast_float reads any digit count and exponent correctly rounded; beyond the double range it
    // gives infinity or zero (newer releases also report result_out_of_range).
    const auto [ptr, ec] =
        fast_float::from_chars(buffer, last, value, fast_float::chars_format::general);
    if ((ec != std::errc() && ec != std::errc::result_out_of_range) || ptr != last) {
        // The grammar is a subset of what from_chars reads; anything else is a defect here.
        reading.numeric = false;
        return reading;
    }
    if (std::isinf(value)) {
        reading.overflow = true;
        return reading;
    }
    if (value == 0.0) {
        reading.value = zero;  // underflow reads as 0
        return reading;
    }
    reading.value = value;
    return reading;
}

double TextToNumber(std::string_view text) {
    const NumberReading reading = ReadNumber(text);
    if (!reading.numeric) {
        throw CalcFailure(FailureKind::TypeMismatch);
    }
    if (reading.overflow) {
        throw CalcFailure(FailureKind::Overflow);
    }
    return reading.value;
}

std::string_view TrimBlanksAround(std::string_view text) {
    constexpr std::string_view kIdeographicSpace = "\u3000";
    for (;;) {
        const std::string_view trimmed = TrimBlanks(text);
        if (trimmed.starts_with(kIdeographicSpace)) {
            text = trimmed.substr(kIdeographicSpace.size());
        } else if (trimmed.ends_with(kIdeographicSpace)) {
            text = trimmed.substr(0, trimmed.size() - kIdeographicSpace.size());
        } else {
            return trimmed;
        }
    }
}

}  // namespace zq
