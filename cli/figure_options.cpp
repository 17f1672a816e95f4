// SPDX-License-Identifier: MIT
#include "cli/figure_options.h"

#include "calc/type_names.h"
#include "present/case_notes.h"
#include "present/figure_rows.h"

namespace zq::cli {

std::optional<std::string> SetFigure(std::string_view option, LocalFigures& figures) {
    const std::size_t equals = option.rfind('=');
    if (equals == std::string_view::npos) {
        return "本地标准须写作 类型=数额 / a figure is written TYPE=YUAN: " + std::string(option);
    }
    const std::string_view name = option.substr(0, equals);
    const catalogue::TypeName found = catalogue::FindTypeName(name);
    if (!found.found()) {
        return present::TypeNameNote(name, found);
    }
    const std::string problem =
        present::SetFigureText(figures, found.types.front(), option.substr(equals + 1));
    return problem.empty() ? std::nullopt : std::optional(problem);
}

}  // namespace zq::cli
