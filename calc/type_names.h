// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <vector>

namespace zq::catalogue {

// How a name typed by a person found its catalogue type.
enum class NameMatch {
    Exact,          // the catalogue's text itself
    WithoutNumber,  // the text without its "1、" or "1." (and blanks around it)
    Word,           // an everyday word for the type: 离婚, 隐私权, 督促程序, 保全, ...
    Part,           // a part of exactly one type's text: 破产, 管辖异议, 公示催告
    Several,        // a part of several types' texts: none is chosen
    Unknown,        // nothing fits
};

struct TypeName {
    NameMatch match = NameMatch::Unknown;
    // The type for a name that found one; the candidates, closest first, for Several; the closest
    // types for Unknown.
    std::vector<std::string_view> types;

    bool found() const { return match != NameMatch::Several && match != NameMatch::Unknown; }
};

// The type a lawyer means by a name: the exact text, the text without its number, an everyday
// word, or a part of exactly one type's text, in that order. Never a guess between two types.
TypeName FindTypeName(std::string_view name);

}  // namespace zq::catalogue
