// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

// The MCP server's tools: the modes of the command, each with its JSON Schema, as tools/list gives
// them, and each answering with the text the command prints and the object its --json writes.
namespace zq::cli {

struct ToolResult {
    std::string text;
    nlohmann::json structured;  // null when there is none
    bool isError = false;  // a refused amount, an unknown type, a refused halving, bad arguments
};

nlohmann::json ToolList();

// What the server tells a client at initialize: the tools by name and title, and how types and
// amounts are written.
std::string ToolInstructions();

// Runs a tool; nothing when no tool has that name.
std::optional<ToolResult> RunTool(const std::string& name, const nlohmann::json& arguments);

}  // namespace zq::cli
