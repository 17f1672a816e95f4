// SPDX-License-Identifier: MIT
#include "cli/figure_options.h"

#include <cmath>

#include "calc/type_names.h"
#include "present/case_notes.h"
#include "present/stage_texts.h"
#include "runtime/numeric_text.h"

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
    const std::string_view type = found.types.front();
    const std::string_view yuanText = option.substr(equals + 1);
    if (yuanText.empty()) {
        figures.Clear(type);
        return std::nullopt;
    }
    const NumberReading yuan = ReadNumber(yuanText);
    if (!yuan.numeric || yuan.overflow || yuan.value != std::floor(yuan.value) ||
        std::fabs(yuan.value) > 1e6) {
        return "本地标准须为整数元 / a figure is whole yuan: " + std::string(yuanText);
    }
    const LocalFigures::Refusal refusal = figures.Set(type, static_cast<int>(yuan.value));
    if (refusal != LocalFigures::Refusal::None) {
        return present::FigureRefusalNote(type, refusal);
    }
    return std::nullopt;
}

}  // namespace zq::cli
