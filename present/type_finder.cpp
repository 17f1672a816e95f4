// SPDX-License-Identifier: MIT
#include "present/type_finder.h"

#include "calc/type_names.h"

namespace zq::present {

TypeSearch SearchType(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return {};
    }
    catalogue::TypeName name = catalogue::FindTypeName(text);
    const std::string quoted = "“" + std::string(text) + "”";
    switch (name.match) {
        case catalogue::NameMatch::Several: {
            std::string note =
                quoted + "可指" + std::to_string(name.types.size()) + "种案件类型，请选择：";
            return {false, std::move(name.types), std::move(note)};
        }
        case catalogue::NameMatch::Unknown:
            return {false, std::move(name.types), "没有找到" + quoted + "；最接近的案件类型："};
        default: {
            std::string note = "按“" + std::string(name.types.front()) + "”计算";
            return {true, std::move(name.types), std::move(note)};
        }
    }
}

}  // namespace zq::present
