// SPDX-License-Identifier: MIT
#include "present/catalogue_listing.h"

#include "calc/catalogue.h"
#include "present/rule_words.h"

namespace zq::present {

std::string CatalogueTree() {
    std::string tree;
    for (int classIndex = 0; classIndex < catalogue::kClassCount; ++classIndex) {
        tree.append(catalogue::ClassText(classIndex)).push_back('\n');
        for (const auto& kind : catalogue::AllKinds()) {
            if (kind.classIndex != classIndex) {
                continue;
            }
            tree.append("  ").append(kind.text).push_back('\n');
            for (const auto& type : kind.types) {
                tree.append("    ").append(type.text).append("\t");
                tree.append(RuleInWords(type.choice)).push_back('\n');
            }
        }
    }
    return tree;
}

}  // namespace zq::present
