// SPDX-License-Identifier: MIT
#include <algorithm>
#include <vector>

#include "calc/catalogue.h"
#include "cli/modes/case_answers.h"
#include "cli/modes/mode.h"

namespace zq::cli {
namespace {

using nlohmann::json;

constexpr std::string_view kAmountWords =
    "标的金额（元），可用千位分隔和全角数字，空或省略为0 / amount in dispute in yuan";

constexpr ArgSpec kType{"type", ArgKind::Type, true,
                        "案件类型，须与目录完全一致 / the case type exactly as listed"};
constexpr ArgSpec kAmount{"amount", ArgKind::Money, false, kAmountWords};

// "调解 (mediation)、撤诉 (withdrawal)、简易程序 (summary)、\n反诉 (counterclaim)", indented.
std::string ReasonWords() {
    std::string words;
    std::size_t i = 0;
    for (const HalvingReasonName& name : HalvingReasonNames()) {
        words += (i == 0 ? "" : i % 3 == 0 ? "、\n                                 " : "、");
        words += std::string(name.chinese) + " (" + std::string(name.ascii) + ")";
        ++i;
    }
    return words;
}

std::vector<Mode> BuildModes() {
    std::vector<Mode> modes;
    modes.push_back(
        {"",
         "court_fee",
         "法院收费",
         "按《诉讼费用交纳办法》第十三条、第十四条计算一个案件的案件受理费或申请费，与计算器窗口"
         "显示的完全一致，并给出大写金额。Court fee of one case, as the calculator shows it.",
         "  courtfee [--json] [--capitals] 案件类型 [标的金额]\n"
         "                                 计算法院收费，--capitals 附大写金额 / price one case\n",
         1,
         2,
         "需要案件类型和标的金额 / expected TYPE [AMOUNT]",
         "",
         true,
         {kType, kAmount},
         AnswerPrice});
    modes.push_back(
        {"--explain",
         "explain_court_fee",
         "计算过程",
         "逐步列出收费的计算：依据条款、分段累计、调整、与《办法》不一致之处的说明。The "
         "calculation step by step.",
         "  courtfee --explain [--json] 案件类型 [标的金额] 列出计算过程 / show the calculation "
         "step by step\n",
         1,
         2,
         "需要案件类型和标的金额 / expected TYPE [AMOUNT]",
         "",
         true,
         {kType, kAmount},
         AnswerExplain});
    modes.push_back(
        {"--halve",
         "halve_court_fee",
         "减半交纳",
         "案件受理费减半交纳（调解、撤诉：第十五条；简易程序：第十六条；反诉：第十八条），多个"
         "事由只减半一次；申请费不减半。Halve an acceptance fee.",
         "  courtfee --halve 事由 [--json] 案件类型 [标的金额]\n"
         "                                 案件受理费减半 / halve an acceptance fee; 事由 / "
         "REASON:\n"
         "                                 " +
             ReasonWords() + ", several joined by \",\"\n",
         1,
         2,
         "需要案件类型和标的金额 / expected TYPE [AMOUNT]",
         "--halve 需要事由 / --halve needs a REASON",
         true,
         {{"reasons", ArgKind::Reasons, true, "减半事由 / grounds for halving"}, kType, kAmount},
         AnswerHalve});
    modes.push_back({"--amount-for",
                     "amount_for_fee",
                     "由收费反推标的",
                     "哪些标的金额（精确到分，不低于0）得出这一收费：区间列表，max 为 null "
                     "表示无上限；没有时给出最接近的可能收费。Which amounts give exactly this fee.",
                     "  courtfee --amount-for [--json] 案件类型 收费\n"
                     "                                 由收费反推标的金额 / the amounts that give "
                     "a fee\n",
                     2,
                     2,
                     "需要案件类型和收费 / expected TYPE FEE",
                     "",
                     true,
                     {kType, {"fee", ArgKind::Money, true, "法院收费（元） / the fee in yuan"}},
                     AnswerAmountFor});
    modes.push_back(
        {"--split",
         "split_court_fee",
         "按比例分担",
         "案件受理费按判决支持金额的比例在原告、被告之间分担的参考数（到分，两者之和等于收费）；"
         "实际由法院依第二十九条决定。Proportional split of the fee between the parties.",
         "  courtfee --split 判决支持金额 [--json] 案件类型 标的金额\n"
         "                                 按判决支持比例分担案件受理费（第二十九条，参考）/\n"
         "                                 proportional split between the parties\n",
         2,
         2,
         "需要案件类型和标的金额 / expected TYPE AMOUNT",
         "--split 需要判决支持的金额 / --split needs the AWARDED amount",
         true,
         {{"awarded", ArgKind::Money, true,
           "判决支持的金额（元） / the amount the judgment awards"},
          kType,
          {"amount", ArgKind::Money, true,
           "诉讼请求的标的金额（元），须大于0 / the amount claimed"}},
         AnswerSplit});
    modes.push_back({"--list",
                     "list_case_types",
                     "案件类型",
                     "列出全部案件类型及其收费规则。Every case type with its fee rule.",
                     "  courtfee --list                列出全部案件类型及收费规则 / list the case "
                     "types\n",
                     0,
                     0,
                     "--list 不带参数 / --list takes no arguments",
                     "",
                     false,
                     {},
                     AnswerList});
    return modes;
}

}  // namespace

std::span<const Mode> Modes() {
    static const std::vector<Mode> kModes = BuildModes();
    return kModes;
}

const Mode* ModeOfOption(std::string_view option) {
    const auto modes = Modes();
    const auto found = std::find_if(modes.begin(), modes.end(),
                                    [option](const Mode& mode) { return mode.option == option; });
    return found == modes.end() ? nullptr : &*found;
}

const Mode* ModeOfTool(std::string_view tool) {
    const auto modes = Modes();
    const auto found = std::find_if(modes.begin(), modes.end(),
                                    [tool](const Mode& mode) { return mode.tool == tool; });
    return found == modes.end() ? nullptr : &*found;
}

bool TakesReasons(const Mode& mode) {
    return std::any_of(mode.args.begin(), mode.args.end(),
                       [](const ArgSpec& arg) { return arg.kind == ArgKind::Reasons; });
}

json ArgumentSchema(const ArgSpec& arg) {
    switch (arg.kind) {
        case ArgKind::Type: {
            json types = json::array();
            for (const catalogue::CaseKind& kind : catalogue::AllKinds()) {
                for (const catalogue::CaseType& type : kind.types) {
                    types.push_back(type.text);
                }
            }
            return {{"type", "string"}, {"description", arg.description}, {"enum", types}};
        }
        case ArgKind::Money:
            return {{"type", json::array({"string", "number"})}, {"description", arg.description}};
        case ArgKind::Reasons: {
            // The Chinese words, then their ASCII aliases, as the core names the grounds.
            json words = json::array();
            for (const HalvingReasonName& name : HalvingReasonNames()) {
                words.push_back(name.chinese);
            }
            for (const HalvingReasonName& name : HalvingReasonNames()) {
                words.push_back(name.ascii);
            }
            return {{"type", "array"},
                    {"items", {{"type", "string"}, {"enum", words}}},
                    {"minItems", 1},
                    {"description", arg.description}};
        }
    }
    return nullptr;
}

}  // namespace zq::cli
