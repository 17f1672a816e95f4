// SPDX-License-Identifier: MIT
#include <algorithm>
#include <vector>

#include "calc/catalogue.h"
#include "cli/modes/case_answers.h"
#include "cli/modes/mode.h"
#include "runtime/numeric_text.h"

namespace zq::cli {
namespace {

using nlohmann::json;

constexpr ArgSpec kType{
    "type", ArgKind::Type, true,
    "案件类型：目录中的完整名称，或不带序号的名称、其中的一部分、常用说法（离婚、"
    "隐私权、保全…）/ the case type as listed, or a part or an everyday word for "
    "it"};
constexpr ArgSpec kClaims{
    "amount", ArgKind::Claims, false,
    "标的金额（元），可用千位分隔和全角数字，空或省略为0；多项诉讼请求可给数组，"
    "按其和计算 / amount in dispute in yuan; several claims as a list"};
constexpr ArgSpec kFigures{
    "figures", ArgKind::Figures, false,
    "本地标准：《办法》规定收费幅度的类型，按当地标准计收的数额（元）/ local "
    "figures within the Measures' ranges, by type"};

// "调解 (mediation)、撤诉 (withdrawal)、简易程序 (summary)、\n反诉 ...": wrapped and indented for
// the usage, on one line for a refusal.
template <typename Names>
std::string Words(const Names& names, bool wrapped = true) {
    std::string words;
    std::size_t i = 0;
    for (const auto& name : names) {
        words += (i == 0                  ? ""
                  : wrapped && i % 3 == 0 ? "、\n                                 "
                                          : "、");
        words += std::string(name.chinese) + " (" + std::string(name.ascii) + ")";
        ++i;
    }
    return words;
}

json Text() { return {{"type", "string"}}; }
json TextOrNull() { return {{"type", json::array({"string", "null"})}}; }

json Schema(json properties) { return {{"type", "object"}, {"properties", std::move(properties)}}; }

json PriceSchema() { return Schema(CaseFieldsSchema()); }

json ExplainSchema() {
    json properties = CaseFieldsSchema();
    properties["basis"] = {{"type", "object"},
                           {"properties", {{"article", Text()}, {"fee_kind", Text()}}}};
    properties["rule"] = Text();
    properties["steps"] = {{"type", "array"},
                           {"items", Schema({{"label", Text()},
                                             {"part", TextOrNull()},
                                             {"rate", TextOrNull()},
                                             {"amount", Text()}})}};
    properties["bands_total"] = TextOrNull();
    properties["adjustments"] = {{"type", "array"}, {"items", Text()}};
    properties["top_of_range"] = {{"type", "boolean"}};
    return Schema(properties);
}

json HalveSchema() {
    json properties = CaseFieldsSchema();
    properties["halved_fee"] = TextOrNull();
    properties["halved_fee_capitals"] = TextOrNull();
    properties["articles"] = Text();
    return Schema(properties);
}

json StageSchema() {
    json properties = CaseFieldsSchema();
    properties["article"] = Text();
    properties["when_due"] = Text();
    return Schema(properties);
}

json Notes() { return {{"type", "array"}, {"items", Text()}}; }
json Prepay() { return CaseFieldsSchema()["prepay"]; }

// What a changed claim and a refund both answer: the case, its notes, who prepays, the article.
json ChangeOrRefundFields() {
    return {{"notes", Notes()},       {"prepay", Prepay()}, {"type", Text()},
            {"type_given", Text()},   {"amount", Text()},   {"article", Text()},
            {"message", TextOrNull()}};
}

json ChangeSchema() {
    json properties = ChangeOrRefundFields();
    properties["changed"] = Text();
    for (const char* name : {"fee_before", "fee_after", "top_up", "refund"}) {
        properties[name] = TextOrNull();
    }
    return Schema(properties);
}

json RefundSchema() {
    json properties = ChangeOrRefundFields();
    properties["fee"] = Text();
    properties["ground"] = Text();
    properties["refund"] = TextOrNull();
    properties["kept"] = TextOrNull();
    return Schema(properties);
}

json AmountForSchema() {
    const json range = Schema({{"min", Text()}, {"max", TextOrNull()}});
    return Schema({{"type", Text()},
                   {"type_given", Text()},
                   {"fee", Text()},
                   {"amounts", {{"type", "array"}, {"items", range}}},
                   {"nearest_below", TextOrNull()},
                   {"nearest_above", TextOrNull()},
                   {"message", TextOrNull()}});
}

json SplitSchema() {
    json properties = CaseFieldsSchema();
    for (const char* name :
         {"split_fee", "split_fee_capitals", "plaintiff_share", "plaintiff_share_capitals",
          "defendant_share", "defendant_share_capitals", "basis"}) {
        properties[name] = TextOrNull();
    }
    properties["awarded"] = Text();
    properties["halved"] = {{"type", "boolean"}};
    properties["burden"] =
        Schema({{"article", Text()}, {"rule", Text()}, {"proportional", {{"type", "boolean"}}}});
    return Schema(properties);
}

json ListSchema() {
    const json type = Schema({{"type", Text()}, {"rule", Text()}});
    const json kind = Schema({{"kind", Text()}, {"types", {{"type", "array"}, {"items", type}}}});
    const json cls = Schema({{"class", Text()}, {"kinds", {{"type", "array"}, {"items", kind}}}});
    return Schema({{"classes", {{"type", "array"}, {"items", cls}}}});
}

json FiguresSchema() {
    const json integer{{"type", "integer"}};
    const json figure = Schema({{"type", Text()},
                                {"low", integer},
                                {"high", integer},
                                {"article", Text()},
                                {"catalogue", integer},
                                {"local", {{"type", json::array({"integer", "null"})}}}});
    return Schema({{"figures", {{"type", "array"}, {"items", figure}}}});
}

constexpr std::string_view kTypeAmount = "需要案件类型和标的金额 / expected TYPE [AMOUNT...]";

std::vector<Mode> BuildModes() {
    std::vector<Mode> modes;
    modes.push_back(
        {"",
         "court_fee",
         "法院收费",
         "按《诉讼费用交纳办法》第十三条、第十四条计算一个案件的案件受理费或申请费，与计算器窗口"
         "显示的完全一致，并给出大写金额、说明和预交人。Court fee of one case, as the calculator "
         "shows it.",
         "  courtfee [--json] [--capitals] 案件类型 [标的金额...]\n"
         "                                 计算法院收费，--capitals 附大写金额；多项请求按其和计算 "
         "/\n"
         "                                 price one case; several claims are summed\n",
         1,
         SIZE_MAX,
         kTypeAmount,
         "",
         true,
         {kType, kClaims, kFigures},
         AnswerPrice,
         PriceSchema,
         true});
    modes.push_back({"--explain",
                     "explain_court_fee",
                     "计算过程",
                     "逐步列出收费的计算：依据条款、分段累计、调整、预交，以及与《办法》不一致之处"
                     "的说明。The calculation step by step.",
                     "  courtfee --explain [--json] 案件类型 [标的金额...]\n"
                     "                                 列出计算过程 / show the calculation step by "
                     "step\n",
                     1,
                     SIZE_MAX,
                     kTypeAmount,
                     "",
                     true,
                     {kType, kClaims, kFigures},
                     AnswerExplain,
                     ExplainSchema});
    modes.push_back(
        {"--halve",
         "halve_court_fee",
         "减半交纳",
         "案件受理费减半交纳（调解、撤诉：第十五条；简易程序、小额诉讼：第十六条；反诉、第三人："
         "第十八条），多个事由只减半一次；申请费不减半。Halve an acceptance fee.",
         "  courtfee --halve 事由 [--json] [--capitals] 案件类型 [标的金额...]\n"
         "                                 案件受理费减半 / halve an acceptance fee; 事由 / "
         "REASON:\n"
         "                                 " +
             Words(HalvingReasonNames()) + ", several joined by \",\"\n",
         1,
         SIZE_MAX,
         kTypeAmount,
         "--halve 需要事由 / --halve needs a REASON",
         true,
         {{"reasons", ArgKind::Reasons, true, "减半事由 / grounds for halving", true},
          kType,
          kClaims,
          kFigures},
         AnswerHalve,
         HalveSchema,
         true});
    modes.push_back(
        {"--appeal",
         "appeal_court_fee",
         "上诉案件受理费",
         "上诉案件按照不服一审判决部分的上诉请求数额交纳案件受理费（第十七条）；对不予受理、驳回"
         "起诉和管辖权异议裁定的上诉不交纳（第八条）。The fee of an appeal.",
         "  courtfee --appeal [--json] 案件类型 上诉请求数额\n"
         "                                 上诉案件受理费（第十七条）/ the fee of an appeal\n",
         1,
         SIZE_MAX,
         kTypeAmount,
         "",
         true,
         {kType,
          {"amount", ArgKind::Claims, false,
           "不服一审判决部分的上诉请求数额（元）/ the amount appealed"},
          kFigures},
         AnswerAppeal,
         StageSchema});
    modes.push_back(
        {"--retrial",
         "retrial_court_fee",
         "再审案件受理费",
         "需要交纳案件受理费的再审案件，按照不服原判决部分的再审请求数额交纳（第九条、第十九条）。"
         "The fee of a retrial that pays.",
         "  courtfee --retrial [--json] 案件类型 再审请求数额\n"
         "                                 再审案件受理费（第九条、第十九条）/ the fee of a "
         "retrial\n",
         1,
         SIZE_MAX,
         kTypeAmount,
         "",
         true,
         {kType,
          {"amount", ArgKind::Claims, false,
           "不服原判决部分的再审请求数额（元）/ the amount contested"},
          kFigures},
         AnswerRetrial,
         StageSchema});
    modes.push_back(
        {"--change",
         "change_claim_fee",
         "变更诉讼请求",
         "诉讼中变更诉讼请求数额：增加的按增加后的数额补交，法庭调查终结前减少的按减少后的数额退"
         "还（第二十一条、第三十五条）。The fee when a claim changes.",
         "  courtfee --change 变更后数额 [--json] 案件类型 原标的金额\n"
         "                                 变更诉讼请求数额的补交或退还（第二十一条）/\n"
         "                                 the top-up or refund when the claim changes\n",
         1,
         SIZE_MAX,
         kTypeAmount,
         "--change 需要变更后的数额 / --change needs the NEW amount",
         true,
         {{"changed", ArgKind::Money, true,
           "变更后的诉讼请求数额（元）/ the claim after the change", true},
          kType,
          {"amount", ArgKind::Claims, true, "变更前的标的金额（元）/ the claim before the change"},
          kFigures},
         AnswerChange,
         ChangeSchema});
    modes.push_back(
        {"--refund",
         "refund_court_fee",
         "退费",
         "已交纳费用的退还：调解、撤诉退还一半（第十五条），发回重审退还上诉人的二审案件受理费、"
         "不予受理或驳回起诉全额退还（第二十七条），移送刑事全额退还（第二十五条），中止、终结不"
         "予退还（第二十六条、第二十八条）。What is refunded.",
         "  courtfee --refund 事由 [--json] 案件类型 [标的金额...]\n"
         "                                 退还已交纳的费用 / the refund; 事由 / GROUND:\n"
         "                                 " +
             Words(RefundGroundNames()) + "\n",
         1,
         SIZE_MAX,
         kTypeAmount,
         "--refund 需要事由 / --refund needs a GROUND",
         true,
         {{"ground", ArgKind::Ground, true, "退费事由 / the ground of the refund", true},
          kType,
          kClaims,
          kFigures},
         AnswerRefund,
         RefundSchema});
    modes.push_back(
        {"--amount-for",
         "amount_for_fee",
         "由收费反推标的",
         "哪些标的金额（精确到分，不低于0）得出这一收费：区间列表，max 为 null 表示无上限；没有时"
         "给出最接近的可能收费。Which amounts give exactly this fee.",
         "  courtfee --amount-for [--json] 案件类型 收费\n"
         "                                 由收费反推标的金额 / the amounts that give a fee\n",
         2,
         2,
         "需要案件类型和收费 / expected TYPE FEE",
         "",
         true,
         {kType, {"fee", ArgKind::Money, true, "法院收费（元）/ the fee in yuan"}, kFigures},
         AnswerAmountFor,
         AmountForSchema});
    modes.push_back(
        {"--split",
         "split_court_fee",
         "诉讼费用负担",
         "诉讼费用由谁负担：按类型和结案方式适用的条款（离婚第三十三条、调解第三十一条、撤诉第"
         "三十四条、支付令第三十六条、执行第三十八条）；适用第二十九条的，给出按判决支持金额比例"
         "分担的参考数（到分，两者之和等于收费；有减半事由的，分担减半后的收费）。Who bears the "
         "fee, and the proportional split under Article 29.",
         "  courtfee --split 判决支持金额 [--halve 事由] [--json] 案件类型 标的金额...\n"
         "                                 诉讼费用的负担，第二十九条按比例分担（参考）/\n"
         "                                 who bears the fee; the proportional split\n",
         2,
         SIZE_MAX,
         "需要案件类型和标的金额 / expected TYPE AMOUNT",
         "--split 需要判决支持的金额 / --split needs the AWARDED amount",
         true,
         {{"awarded", ArgKind::Money, true, "判决支持的金额（元）/ the amount the judgment awards",
           true},
          kType,
          {"amount", ArgKind::Claims, true,
           "诉讼请求的标的金额（元），须大于0 / the amount claimed"},
          {"reasons", ArgKind::Reasons, false,
           "减半事由（调解、撤诉时负担另依第三十一条、第三十四条）/ grounds for halving"},
          kFigures},
         AnswerSplit,
         SplitSchema});
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
                     AnswerList,
                     ListSchema});
    modes.push_back(
        {"--figures",
         "list_fee_ranges",
         "收费幅度与本地标准",
         "列出《办法》规定收费幅度的类型：幅度、本程序默认的数额、已设定的本地标准。The ranges "
         "of the Measures and the figures in force.",
         "  courtfee --figures [--json]    列出收费幅度与本地标准 / the ranges and the figures in "
         "force\n",
         0,
         0,
         "--figures 不带参数 / --figures takes no arguments",
         "",
         true,
         {kFigures},
         AnswerFigures,
         FiguresSchema});
    return modes;
}

}  // namespace

std::span<const Mode> Modes() {
    static const std::vector<Mode> kModes = BuildModes();
    return kModes;
}

const Mode* ModeOfOption(std::string_view option) {
    const auto modes = Modes();
    const auto found = std::find_if(modes.begin(), modes.end(), [option](const Mode& mode) {
        return !mode.option.empty() && mode.option == option;
    });
    return found == modes.end() ? nullptr : &*found;
}

const Mode* ModeOfTool(std::string_view tool) {
    const auto modes = Modes();
    const auto found = std::find_if(modes.begin(), modes.end(),
                                    [tool](const Mode& mode) { return mode.tool == tool; });
    return found == modes.end() ? nullptr : &*found;
}

const ArgSpec* OptionArgument(const Mode& mode) {
    const auto found = std::find_if(mode.args.begin(), mode.args.end(),
                                    [](const ArgSpec& arg) { return arg.followsOption; });
    return found == mode.args.end() ? nullptr : &*found;
}

std::optional<std::string> ReadArgument(const ArgSpec& arg, std::string_view text,
                                        ModeRequest& request) {
    switch (arg.kind) {
        case ArgKind::Type:
            request.type = std::string(text);
            return std::nullopt;
        case ArgKind::Claims:
            request.amounts.emplace_back(text);
            return std::nullopt;
        case ArgKind::Money:
            (arg.name == "awarded"   ? request.awarded
             : arg.name == "changed" ? request.changed
                                     : request.amounts.emplace_back()) = std::string(text);
            return std::nullopt;
        case ArgKind::Reasons: {
            const auto reasons = ParseHalvingReasons(text);
            if (!reasons) {
                return (text.empty() ? std::string("缺少减半事由 / no halving reason given")
                                     : "未知的减半事由 / unknown halving reason: “" +
                                           std::string(text) + "”") +
                       "（可用 / one of: " + Words(HalvingReasonNames(), false) + "）";
            }
            // Given more than once (--halve 调解 --halve 简易程序), the reasons add up.
            request.reasons.insert(request.reasons.end(), reasons->begin(), reasons->end());
            return std::nullopt;
        }
        case ArgKind::Ground: {
            const auto ground = ParseRefundGround(text);
            if (!ground) {
                return "未知的退费事由 / unknown refund ground: “" + std::string(text) +
                       "”（可用 / one of: " + Words(RefundGroundNames(), false) + "）";
            }
            request.ground = *ground;
            return std::nullopt;
        }
        case ArgKind::Figures:
            return "本地标准须写作 类型=数额 / a figure is written TYPE=YUAN";
    }
    return std::nullopt;
}

json ArgumentSchema(const ArgSpec& arg) {
    const json money{{"type", json::array({"string", "number"})}};
    switch (arg.kind) {
        case ArgKind::Type:
            return {{"type", "string"}, {"description", arg.description}};
        case ArgKind::Claims:
            return {{"type", json::array({"string", "number", "array"})},
                    {"items", money},
                    {"description", arg.description}};
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
        case ArgKind::Ground: {
            json words = json::array();
            for (const RefundGroundName& name : RefundGroundNames()) {
                words.push_back(name.chinese);
            }
            for (const RefundGroundName& name : RefundGroundNames()) {
                words.push_back(name.ascii);
            }
            return {{"type", "string"}, {"enum", words}, {"description", arg.description}};
        }
        case ArgKind::Figures:
            return {{"type", "object"},
                    {"additionalProperties", {{"type", "integer"}}},
                    {"description", arg.description}};
    }
    return nullptr;
}

}  // namespace zq::cli
