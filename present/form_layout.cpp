// SPDX-License-Identifier: MIT
#include "present/form_layout.h"

#include <array>

#include "calc/catalogue.h"

namespace zq::present {
namespace {

using K = ControlKind;
using C = TextColour;

constexpr std::array<ControlPlace, 16> kControls{{
    {"Option1_0", K::OptionButton, catalogue::kClassTexts[0], {104, 32, 93, 25}, 0, C::Default, ""},
    {"Option1_1", K::OptionButton, catalogue::kClassTexts[1], {200, 32, 93, 25}, 1, C::Default, ""},
    {"List1", K::ListBox, "", {80, 64, 261, 76}, 2, C::Default, ""},
    {"List2", K::ListBox, "", {80, 148, 261, 76}, 3, C::Default, ""},
    {"txtBd", K::TextBox, "", {80, 252, 261, 21}, 4, C::Default, ""},
    {"txtFysf", K::TextBox, "", {80, 284, 261, 21}, 5, C::Default, ""},
    {"Command1", K::Button, "计算", {172, 324, 81, 25}, 6, C::Default, ""},
    {"Command2", K::Button, "退出", {260, 324, 81, 25}, 7, C::Default, ""},
    {"Label2_2",
     K::Label,
     "注：有收费范围的，均按照最高限额计算。",
     {20, 360, 228, 12},
     8,
     C::Grey,
     ""},
    {"Label1_0", K::Label, "案件种类：", {20, 68, 60, 12}, 9, C::Default, "List1"},
    {"Label1_1", K::Label, "案件类型：", {20, 152, 60, 12}, 10, C::Default, "List2"},
    {"Label1_2", K::Label, "案件标的：", {20, 260, 60, 12}, 11, C::Default, "txtBd"},
    {"Label1_3", K::Label, "法院收费：", {20, 292, 60, 12}, 12, C::Default, "txtFysf"},
    {"Label2_0", K::Label, "律师软件专家 - Zorvik软件", {20, 332, 138, 12}, 13, C::Grey, ""},
    {"Label2_1", K::Label, kMakerAddressShown, {20, 344, 138, 12}, 14, C::Blue, ""},
    {"Command3", K::Button, "收费细则", {260, 356, 81, 25}, 15, C::Default, ""},
}};

}  // namespace

std::span<const ControlPlace> Form1Controls() { return kControls; }

}  // namespace zq::present
