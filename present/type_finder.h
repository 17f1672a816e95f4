// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Finding a case type from a search box, as the command finds its type names (part of a text,
// everyday words), with the words the phone shows beside the box.
namespace zq::present {

struct TypeSearch {
    bool found = false;                   // one type: the one the name means
    std::vector<std::string_view> types;  // that type; or the candidates, closest first
    std::string note;                     // what the search came to; empty for an empty text
};
TypeSearch SearchType(std::string_view text);

}  // namespace zq::present
