// SPDX-License-Identifier: MIT
#include "cli/mcp/mcp_tools.h"

#include <algorithm>

#include "cli/figure_options.h"
#include "cli/modes/mode.h"
#include "present/kept_figures.h"

namespace zq::cli {
namespace {

using nlohmann::json;

// Reads the arguments of a call; the first problem found is kept for the answer.
class Arguments {
  public:
    explicit Arguments(const json& args) : args_(args) {}

    // A text, or a number as JSON writes it ("13800", "1e+20") where a number is an answer;
    // empty when absent and optional.
    std::string Text(std::string_view name, bool required, bool number = true) {
        const auto it = args_.find(name);
        if (it == args_.end() || it->is_null()) {
            if (required) {
                Problem("缺少参数 / missing argument: " + std::string(name));
            }
            return {};
        }
        if (it->is_string()) {
            return it->get<std::string>();
        }
        if (it->is_number() && number) {
            return it->dump();
        }
        Problem(number ? "参数须为字符串或数字 / argument must be a string or a number: " +
                             std::string(name)
                       : "参数须为字符串 / argument must be a string: " + std::string(name));
        return {};
    }

    // Texts or numbers: a list of them, or one; none when absent and optional.
    std::vector<std::string> List(std::string_view name, bool required) {
        const auto it = args_.find(name);
        if (it == args_.end() || !it->is_array()) {
            const std::string one = Text(name, required);
            return it == args_.end() || it->is_null() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{one};
        }
        std::vector<std::string> items;
        for (const json& item : *it) {
            if (item.is_string()) {
                items.push_back(item.get<std::string>());
            } else if (item.is_number()) {
                items.push_back(item.dump());
            } else {
                Problem("参数须为字符串或数字的数组 / must be an array of strings or numbers: " +
                        std::string(name));
            }
        }
        return items;
    }

    // An object of type and yuan: each figure set in force for the call.
    std::optional<std::string> Figures(std::string_view name, LocalFigures& figures) {
        const auto it = args_.find(name);
        if (it == args_.end() || it->is_null()) {
            return std::nullopt;
        }
        if (!it->is_object()) {
            Problem("参数须为对象 / must be an object: " + std::string(name));
            return std::nullopt;
        }
        for (const auto& [type, yuan] : it->items()) {
            std::string setting = type;
            setting += '=';
            setting += yuan.is_string() ? yuan.get<std::string>() : yuan.dump();
            if (auto problem = SetFigure(setting, figures)) {
                return problem;
            }
        }
        return std::nullopt;
    }

    // A list of words, or one text joined by commas.
    std::string Words(std::string_view name, bool required) {
        const auto it = args_.find(name);
        if (it != args_.end() && it->is_array()) {
            std::string joined;
            for (const json& word : *it) {
                if (!word.is_string()) {
                    Problem("参数须为字符串数组 / must be an array of strings: " +
                            std::string(name));
                    return {};
                }
                joined += (joined.empty() ? "" : ",") + word.get<std::string>();
            }
            return joined;
        }
        return Text(name, required);
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

}  // namespace

json ToolList() {
    json tools = json::array();
    for (const Mode& mode : Modes()) {
        json properties = json::object();
        json required = json::array();
        for (const ArgSpec& arg : mode.args) {
            properties[std::string(arg.name)] = ArgumentSchema(arg);
            if (arg.required) {
                required.push_back(arg.name);
            }
        }
        tools.push_back({{"name", mode.tool},
                         {"title", mode.title},
                         {"description", mode.description},
                         {"inputSchema",
                          {{"type", "object"},
                           {"properties", properties},
                           {"required", required},
                           {"additionalProperties", false}}},
                         {"outputSchema", mode.outputSchema()},
                         {"annotations", {{"readOnlyHint", true}, {"openWorldHint", false}}}});
    }
    return tools;
}

std::string ToolInstructions() {
    std::string tools;
    for (const Mode& mode : Modes()) {
        tools +=
            (tools.empty() ? "" : "，") + std::string(mode.tool) + " " + std::string(mode.title);
    }
    return "按《诉讼费用交纳办法》计算中国法院的案件受理费和申请费：" + tools +
           "。A case type is written as list_case_types gives it or by a name for one (离婚, "
           "公示催告); a name that fits several types prices nothing and lists them. Amounts are "
           "in yuan, as texts or numbers.";
}

std::optional<ToolResult> RunTool(const std::string& name, const json& arguments) {
    const Mode* mode = ModeOfTool(name);
    if (mode == nullptr) {
        return std::nullopt;
    }
    // A misspelt argument would otherwise be left out unseen ("amout").
    for (const auto& item : arguments.items()) {
        const std::string& given = item.key();
        if (std::none_of(mode->args.begin(), mode->args.end(),
                         [&given](const ArgSpec& arg) { return arg.name == given; })) {
            return ToolResult{"未知参数 / unknown argument: " + given, nullptr, true};
        }
    }
    Arguments args(arguments);
    ModeRequest request;
    request.figures = present::LoadKeptFigures();
    for (const ArgSpec& arg : mode->args) {
        std::optional<std::string> problem;
        if (arg.kind == ArgKind::Figures) {
            problem = args.Figures(arg.name, request.figures);
        } else if (arg.kind == ArgKind::Claims) {
            for (const std::string& claim : args.List(arg.name, arg.required)) {
                request.amounts.push_back(claim);
            }
        } else {
            const std::string text =
                arg.kind == ArgKind::Reasons
                    ? args.Words(arg.name, arg.required)
                    : args.Text(arg.name, arg.required, arg.kind != ArgKind::Type);
            if (args.problem().empty() && (!text.empty() || arg.required)) {
                problem = ReadArgument(arg, text, request);
            }
        }
        if (problem && args.problem().empty()) {
            return ToolResult{*problem, nullptr, true};
        }
    }
    if (!args.problem().empty()) {
        return ToolResult{args.problem(), nullptr, true};
    }
    ModeAnswer answer = mode->answer(request);
    // The text is for a person: it says when the type was found from a name.
    std::string text = answer.nameNote.empty() || answer.refused
                           ? std::move(answer.text)
                           : answer.nameNote + "\n" + answer.text;
    return ToolResult{std::move(text), std::move(answer.object), answer.refused};
}

}  // namespace zq::cli
