// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zq::present {

// The catalogue as a tree: class, then its kinds indented by two spaces, then their types by four,
// each type followed by a TAB and its rule in words.
std::string CatalogueTree();

}  // namespace zq::present
