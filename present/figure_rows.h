// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/local_figures.h"

// The court's figures within the Measures' ranges, as a panel shows them and as a person sets
// them there.
namespace zq::present {

// A ranged type: its text, its range with the article ("50元至300元（第十三条第（二）项第1目）")
// and the figure in force ("按 300 元" or "本地标准 200 元"); a panel's line for the two, and the
// name of the field where the court's own figure is typed.
struct FigureRow {
    std::string type;
    std::string range;
    std::string inForce;
    std::string line() const { return range + "：" + inForce; }
    std::string fieldName() const { return type + "：本地标准（元）"; }
};
std::vector<FigureRow> FigureRows(const LocalFigures& figures);

// A figure typed for a type: whole yuan within the range is kept, an empty text clears it.
// Returns why it was not kept; empty when it was kept or cleared.
std::string SetFigureText(LocalFigures& figures, std::string_view typeText,
                          std::string_view yuanText);

}  // namespace zq::present
