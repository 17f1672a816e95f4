// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

namespace zq {

// The entry of a table of names (halving reasons, refund grounds) that a word names, by its
// Chinese or its ASCII name: "调解" or "mediation". Nothing when none does.
template <typename Name>
const Name* FindNamed(std::span<const Name> names, std::string_view word) {
    const auto found = std::find_if(names.begin(), names.end(), [word](const Name& name) {
        return name.chinese == word || name.ascii == word;
    });
    return found == names.end() ? nullptr : &*found;
}

}  // namespace zq
