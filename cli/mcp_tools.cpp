// SPDX-License-Identifier: MIT
#include "cli/mcp_tools.h"

#include "calc/catalogue.h"
#include "calc/fee_capitals.h"
#include "calc/fee_split.h"
#include "calc/rule_words.h"
#include "cli/amounts_for_output.h"
#include "cli/batch.h"
#include "cli/catalogue_listing.h"
#include "cli/explanation.h"
#include "cli/halving_text.h"
#include "cli/json_output.h"
#include "cli/split_output.h"
#include "cli/type_suggestions.h"

namespace zq::cli {
namespace {

using nlohmann::json;

json TypeSchema() {
    json types = json::array();
    for (const catalogue::CaseKind& kind : catalogue::AllKinds()) {
        for (const catalogue::CaseType& type : kind.types) {
            types.push_back(type.text);
        }
    }
    return {{"type", "string"},
            {"description", "案件类型，须与目录完全一致 / the case type exactly as listed"},
            {"enum", types}};
}

json MoneySchema(const char* description) {
    return {{"type", json::array({"string", "number"})}, {"description", description}};
}

constexpr const char* kAmountWords =
    "标的金额（元），可用千位分隔和全角数字，空或省略为0 / amount in dispute in yuan";

json Tool(const char* name, const char* title, const char* description, json properties,
          json required) {
    return {{"name", name},
            {"title", title},
            {"description", description},
            {"inputSchema",
             {{"type", "object"}, {"properties", std::move(properties)}, {"required", required}}},
            {"annotations", {{"readOnlyHint", true}, {"openWorldHint", false}}}};
}

// Reads the arguments of a call; the first problem found is kept for the answer.
class Arguments {
  public:
    explicit Arguments(const json& args) : args_(args) {}

    // A text, or a number as JSON writes it ("13800", "1e+20"); empty when absent and optional.
    std::string Text(const char* name, bool required) {
        const auto it = args_.find(name);
        if (it == args_.end() || it->is_null()) {
            if (required) {
                Problem(std::string("缺少参数 / missing argument: ") + name);
            }
            return {};
        }
        if (it->is_string()) {
            return it->get<std::string>();
        }
        if (it->is_number()) {
            return it->dump();
        }
        Problem(std::string("参数须为字符串或数字 / argument must be a string or a number: ") +
                name);
        return {};
    }

    // A list of words, or one text joined by commas.
    std::string Words(const char* name) {
        const auto it = args_.find(name);
        if (it != args_.end() && it->is_array()) {
            std::string joined;
            for (const json& word : *it) {
                if (!word.is_string()) {
                    Problem(std::string("参数须为字符串数组 / must be an array of strings: ") +
                            name);
                    return {};
                }
                joined += (joined.empty() ? "" : ",") + word.get<std::string>();
            }
            return joined;
        }
        return Text(name, true);
    }

    const std::string& problem() const { return problem_; }

  private:
    void Problem(std::string text) {
        if (problem_.empty()) {
            problem_ = std::move(text);
        }
    }
    const json& args_;
    std::string problem_;
};

ToolResult Answer(std::string text, const std::string& jsonText, bool isError) {
    return {std::move(text), json::parse(jsonText), isError};
}

std::string WithCapitals(const std::string& fee) {
    const auto capitals = FeeCapitals(fee);
    return capitals ? fee + "（人民币" + *capitals + "）" : fee;
}

ToolResult CourtFee(Arguments& args) {
    const std::string type = args.Text("type", true);
    const std::string amount = args.Text("amount", false);
    if (!args.problem().empty()) {
        return {args.problem(), nullptr, true};
    }
    const CaseAnswer answer = AnswerCase(type, amount);
    return Answer(answer.ok() ? WithCapitals(answer.feeText) : answer.note, CaseJson(type, answer),
                  !answer.ok());
}

ToolResult Explain(Arguments& args) {
    const std::string type = args.Text("type", true);
    const std::string amount = args.Text("amount", false);
    if (!args.problem().empty()) {
        return {args.problem(), nullptr, true};
    }
    const FeeBreakdown breakdown = ExplainFee(type, amount);
    return Answer(RenderExplanation(breakdown), ExplanationJson(breakdown), !breakdown.priced());
}

ToolResult Halve(Arguments& args) {
    const std::string words = args.Words("reasons");
    const std::string type = args.Text("type", true);
    const std::string amount = args.Text("amount", false);
    if (!args.problem().empty()) {
        return {args.problem(), nullptr, true};
    }
    const auto reasons = ParseHalvingReasons(words);
    if (!reasons) {
        return {"未知的减半事由 / unknown halving reason: " + words, nullptr, true};
    }
    const HalvedFee halving = HalveFee(*reasons, type, amount);
    return Answer(halving.halved() ? HalvedLine(halving) : HalvingNote(type, halving),
                  HalvingJson(type, halving), !halving.halved());
}

ToolResult AmountFor(Arguments& args) {
    const std::string type = args.Text("type", true);
    const std::string fee = args.Text("fee", true);
    if (!args.problem().empty()) {
        return {args.problem(), nullptr, true};
    }
    const AmountsForAnswer answer = AnswerAmountsFor(type, fee);
    const std::string text = !answer.ok()     ? answer.note
                             : answer.found() ? RenderAmountsFor(answer)
                                              : NoAmountSentence(answer);
    return Answer(text, AmountsForJson(answer), !answer.ok());
}

ToolResult Split(Arguments& args) {
    const std::string awarded = args.Text("awarded", true);
    const std::string type = args.Text("type", true);
    const std::string amount = args.Text("amount", true);
    if (!args.problem().empty()) {
        return {args.problem(), nullptr, true};
    }
    FeeSplit split = SplitFee(awarded, type, amount);
    if (catalogue::RuleOfType(type).rule == FeeRule::NoRule) {
        split.note = UnknownTypeMessage(type);
    }
    return Answer(split.ok() ? RenderSplit(split, awarded) : split.note,
                  SplitJson(type, awarded, split), !split.ok());
}

ToolResult ListTypes() {
    json classes = json::array();
    for (int c = 0; c < catalogue::kClassCount; ++c) {
        json kinds = json::array();
        for (const catalogue::CaseKind& kind : catalogue::AllKinds()) {
            if (kind.classIndex != c) {
                continue;
            }
            json types = json::array();
            for (const catalogue::CaseType& type : kind.types) {
                types.push_back({{"type", type.text}, {"rule", RuleInWords(type.choice)}});
            }
            kinds.push_back({{"kind", kind.text}, {"types", types}});
        }
        classes.push_back({{"class", catalogue::ClassText(c)}, {"kinds", kinds}});
    }
    return {CatalogueTree(), {{"classes", classes}}, false};
}

}  // namespace

json ToolList() {
    const json type = TypeSchema();
    const json amount = MoneySchema(kAmountWords);
    return json::array({
        Tool(
            "court_fee", "法院收费",
            "按《诉讼费用交纳办法》第十三条、第十四条计算一个案件的案件受理费或申请费，与计算器窗口"
            "显示的完全一致，并给出大写金额。Court fee of one case, as the calculator shows it.",
            {{"type", type}, {"amount", amount}}, {"type"}),
        Tool("explain_court_fee", "计算过程",
             "逐步列出收费的计算：依据条款、分段累计、调整、与《办法》不一致之处的说明。The "
             "calculation step by step.",
             {{"type", type}, {"amount", amount}}, {"type"}),
        Tool("halve_court_fee", "减半交纳",
             "案件受理费减半交纳（调解、撤诉：第十五条；简易程序：第十六条；反诉：第十八条），多个"
             "事由只减半一次；申请费不减半。Halve an acceptance fee.",
             {{"reasons",
               {{"type", "array"},
                {"items",
                 {{"type", "string"},
                  {"enum",
                   {"调解", "撤诉", "简易程序", "反诉", "mediation", "withdrawal", "summary",
                    "counterclaim"}}}},
                {"minItems", 1},
                {"description", "减半事由 / grounds for halving"}}},
              {"type", type},
              {"amount", amount}},
             {"reasons", "type"}),
        Tool("amount_for_fee", "由收费反推标的",
             "哪些标的金额（精确到分，不低于0）得出这一收费：区间列表，max 为 null 表示无上限；"
             "没有时给出最接近的可能收费。Which amounts give exactly this fee.",
             {{"type", type}, {"fee", MoneySchema("法院收费（元） / the fee in yuan")}},
             {"type", "fee"}),
        Tool(
            "split_court_fee", "按比例分担",
            "案件受理费按判决支持金额的比例在原告、被告之间分担的参考数（到分，两者之和等于收费）；"
            "实际由法院依第二十九条决定。Proportional split of the fee between the parties.",
            {{"awarded", MoneySchema("判决支持的金额（元） / the amount the judgment awards")},
             {"type", type},
             {"amount", MoneySchema("诉讼请求的标的金额（元），须大于0 / the amount claimed")}},
            {"awarded", "type", "amount"}),
        Tool("list_case_types", "案件类型",
             "列出全部案件类型及其收费规则。Every case type with its fee rule.", json::object(),
             json::array()),
    });
}

std::optional<ToolResult> RunTool(const std::string& name, const json& arguments) {
    Arguments args(arguments);
    if (name == "court_fee") {
        return CourtFee(args);
    }
    if (name == "explain_court_fee") {
        return Explain(args);
    }
    if (name == "halve_court_fee") {
        return Halve(args);
    }
    if (name == "amount_for_fee") {
        return AmountFor(args);
    }
    if (name == "split_court_fee") {
        return Split(args);
    }
    if (name == "list_case_types") {
        return ListTypes();
    }
    return std::nullopt;
}

}  // namespace zq::cli
