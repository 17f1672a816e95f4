// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

// The tools the MCP server offers; each answers with the text the command line prints and the
// object its --json mode writes.
namespace zq::cli {

struct ToolResult {
    std::string text;
    nlohmann::json structured;  // null when there is none
    bool isError = false;  // a refused amount, an unknown type, a refused halving, bad arguments
};

// The tools with their JSON Schemas, as tools/list gives them.
nlohmann::json ToolList();

// Runs a tool; nothing when no tool has that name.
std::optional<ToolResult> RunTool(const std::string& name, const nlohmann::json& arguments);

}  // namespace zq::cli
