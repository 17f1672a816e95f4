// SPDX-License-Identifier: MIT
#include "cli/utf8_boundary.h"

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

}  // namespace zq::cli
