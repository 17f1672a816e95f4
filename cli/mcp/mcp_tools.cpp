// SPDX-License-Identifier: MIT
#include "cli/mcp/mcp_tools.h"

#include "cli/modes/mode.h"

namespace zq::cli {
namespace {

using nlohmann::json;

// Reads the arguments of a call; the first problem found is kept for the answer.
class Arguments {
  public:
    explicit Arguments(const json& args) : args_(args) {}

    // A text, or a number as JSON writes it ("13800", "1e+20"); empty when absent and optional.
    std::string Text(std::string_view name, bool required) {
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
        if (it->is_number()) {
            return it->dump();
        }
        Problem("参数须为字符串或数字 / argument must be a string or a number: " +
                std::string(name));
        return {};
    }

    // A list of words, or one text joined by commas.
    std::string Words(std::string_view name) {
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
                          {{"type", "object"}, {"properties", properties}, {"required", required}}},
                         {"annotations", {{"readOnlyHint", true}, {"openWorldHint", false}}}});
    }
    return tools;
}

std::optional<ToolResult> RunTool(const std::string& name, const json& arguments) {
    const Mode* mode = ModeOfTool(name);
    if (mode == nullptr) {
        return std::nullopt;
    }
    Arguments args(arguments);
    ModeRequest request;
    std::optional<std::string> reasonWords;
    for (const ArgSpec& arg : mode->args) {
        if (arg.kind == ArgKind::Reasons) {
            reasonWords = args.Words(arg.name);
        } else if (arg.kind == ArgKind::Type) {
            request.type = args.Text(arg.name, arg.required);
        } else if (arg.name == "awarded") {
            request.awarded = args.Text(arg.name, arg.required);
        } else {
            request.amount = args.Text(arg.name, arg.required);
        }
    }
    if (!args.problem().empty()) {
        return ToolResult{args.problem(), nullptr, true};
    }
    if (reasonWords) {
        const auto reasons = ParseHalvingReasons(*reasonWords);
        if (!reasons) {
            return ToolResult{"未知的减半事由 / unknown halving reason: " + *reasonWords, nullptr,
                              true};
        }
        request.reasons = *reasons;
    }
    ModeAnswer answer = mode->answer(request);
    return ToolResult{std::move(answer.text), std::move(answer.object), answer.refused};
}

}  // namespace zq::cli
