// SPDX-License-Identifier: MIT
#include "calc/type_search.h"

#include <algorithm>
#include <cstdint>

#include "calc/catalogue.h"

namespace zq::catalogue {
namespace {

// Only the start of a long text takes part in the distance, so a pasted megabyte costs no more
// than a few hundred characters.
constexpr std::size_t kMaxCodePoints = 128;

// Decodes UTF-8 leniently: a byte that starts no valid sequence counts as one code point.
std::vector<std::uint32_t> CodePoints(std::string_view text) {
    std::vector<std::uint32_t> points;
    for (std::size_t i = 0; i < text.size() && points.size() < kMaxCodePoints;) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        std::uint32_t point = c;
        if (c >= 0xC0 && c < 0xE0) {
            length = 2;
            point = c & 0x1Fu;
        } else if (c >= 0xE0 && c < 0xF0) {
            length = 3;
            point = c & 0x0Fu;
        } else if (c >= 0xF0 && c < 0xF8) {
            length = 4;
            point = c & 0x07u;
        }
        bool valid = length == 1 || i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0u) == 0x80u;
            point = (point << 6) | (next & 0x3Fu);
        }
        if (!valid) {
            length = 1;
            point = 0x110000u + c;  // stands apart from every real character
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

std::size_t EditDistance(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t substitute = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, substitute});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::vector<std::string_view> ClosestTypes(std::string_view text, std::size_t count) {
    const auto wanted = CodePoints(text);
    std::vector<std::pair<std::size_t, std::string_view>> scored;
    for (const auto& kind : AllKinds()) {
        for (const auto& type : kind.types) {
            scored.emplace_back(EditDistance(wanted, CodePoints(type.text)), type.text);
        }
    }
    // Stable, so that equally close types keep catalogue order.
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& l, const auto& r) { return l.first < r.first; });
    std::vector<std::string_view> closest;
    for (std::size_t i = 0; i < scored.size() && i < count; ++i) {
        closest.push_back(scored[i].second);
    }
    return closest;
}

}  // namespace zq::catalogue
