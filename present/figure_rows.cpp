// SPDX-License-Identifier: MIT
#include "present/figure_rows.h"

#include <cmath>

#include "calc/catalogue.h"
#include "present/stage_texts.h"
#include "runtime/numeric_text.h"

namespace zq::present {

std::vector<FigureRow> FigureRows(const LocalFigures& figures) {
    std::vector<FigureRow> rows;
    for (const catalogue::CaseKind& kind : catalogue::AllKinds()) {
        for (const catalogue::CaseType& type : kind.types) {
            const FeeRange& range = type.basis.range;
            if (!range.given()) {
                continue;
            }
            const std::optional<int> local = figures.Of(type.text);
            rows.push_back({std::string(type.text),
                            std::to_string(range.low) + "元至" + std::to_string(range.high) +
                                "元（" + std::string(range.article) + "）",
                            local ? "本地标准 " + std::to_string(*local) + " 元"
                                  : "按 " + std::to_string(type.choice.figure) + " 元"});
        }
    }
    return rows;
}

std::string SetFigureText(LocalFigures& figures, std::string_view typeText,
                          std::string_view yuanText) {
    if (yuanText.empty()) {
        figures.Clear(typeText);
        return {};
    }
    const NumberReading yuan = ReadNumber(yuanText);
    if (!yuan.numeric || yuan.overflow || yuan.value != std::floor(yuan.value) ||
        std::fabs(yuan.value) > 1e6) {
        return "本地标准须为整数元：" + std::string(yuanText);
    }
    return FigureRefusalNote(typeText, figures.Set(typeText, static_cast<int>(yuan.value)));
}

}  // namespace zq::present
