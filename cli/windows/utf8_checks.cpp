// SPDX-License-Identifier: MIT
#include "cli/windows/utf8_checks.h"

namespace zq::cli {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

// The length a lead byte announces; 0 for a byte that cannot lead a sequence.
std::size_t AnnouncedLength(unsigned char byte) {
    if (byte < 0x80U) {
        return 1;
    }
    if (byte >= 0xC2U && byte <= 0xDFU) {
        return 2;
    }
    if (byte >= 0xE0U && byte <= 0xEFU) {
        return 3;
    }
    if (byte >= 0xF0U && byte <= 0xF4U) {
        return 4;
    }
    return 0;
}

}  // namespace

std::size_t CompleteUtf8Prefix(std::string_view bytes) {
    // A sequence is at most four bytes, so only the last three can be the start of a cut one.
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if (IsContinuation(byte)) {
            continue;
        }
        const std::size_t announced = AnnouncedLength(byte);
        return announced > back ? size - back : size;
    }
    return size;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const std::size_t length = AnnouncedLength(lead);
        if (length == 0 || at + length > bytes.size()) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            if (!IsContinuation(static_cast<unsigned char>(bytes[at + i]))) {
                return false;
            }
        }
        // The second byte's range rules out overlong forms, surrogates and code points beyond
        // U+10FFFF.
        if (length > 2) {
            const auto second = static_cast<unsigned char>(bytes[at + 1]);
            if ((lead == 0xE0U && second < 0xA0U) || (lead == 0xEDU && second > 0x9FU) ||
                (lead == 0xF0U && second < 0x90U) || (lead == 0xF4U && second > 0x8FU)) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

}  // namespace zq::cli
