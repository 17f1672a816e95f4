// SPDX-License-Identifier: MIT
#include "cli/mcp/mcp_server.h"

#include <algorithm>
#include <array>
#include <nlohmann/json.hpp>

#include "cli/mcp/mcp_tools.h"
#include "runtime/numeric_text.h"

namespace zq::cli {
namespace {

using nlohmann::json;

constexpr std::string_view kModernVersion = "2026-07-28";
// Newest first: initialize answers the client's version when it is one of these, else the first.
constexpr std::array<std::string_view, 4> kLegacyVersions{"2025-11-25", "2025-06-18", "2025-03-26",
                                                          "2024-11-05"};
constexpr std::string_view kMetaVersion = "io.modelcontextprotocol/protocolVersion";
constexpr std::string_view kMetaCapabilities = "io.modelcontextprotocol/clientCapabilities";
constexpr std::string_view kMetaServerInfo = "io.modelcontextprotocol/serverInfo";
constexpr int kTtlMs = 3'600'000;  // the tools change only with a new release

enum ErrorCode : int {
    kParseError = -32700,
    kInvalidRequest = -32600,
    kMethodNotFound = -32601,
    kInvalidParams = -32602,
    kInternalError = -32603,
    kUnsupportedVersion = -32022,
};

json ServerInfo() {
    return {
        {"name", "courtfee"}, {"title", "ZorvikQuillet 诉讼费用计算器"}, {"version", ZQ_VERSION}};
}

json Success(const json& id, json result) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}};
}

json Failure(const json& id, int code, std::string message, json data = nullptr) {
    json error{{"code", code}, {"message", std::move(message)}};
    if (!data.is_null()) {
        error["data"] = std::move(data);
    }
    return {{"jsonrpc", "2.0"}, {"id", id}, {"error", std::move(error)}};
}

std::string Dump(const json& message) {
    return message.dump(-1, ' ', false, json::error_handler_t::replace);
}

json CallTool(const json& id, const json& params, json result) {
    const auto name = params.find("name");
    if (name == params.end() || !name->is_string()) {
        return Failure(id, kInvalidParams, "Invalid params: tools/call needs the tool's name");
    }
    const auto arguments = params.find("arguments");
    if (arguments != params.end() && !arguments->is_object() && !arguments->is_null()) {
        return Failure(id, kInvalidParams, "Invalid params: arguments must be an object");
    }
    const std::optional<ToolResult> outcome =
        RunTool(name->get<std::string>(),
                arguments == params.end() || arguments->is_null() ? json::object() : *arguments);
    if (!outcome) {
        return Failure(id, kInvalidParams, "Unknown tool: " + name->get<std::string>());
    }
    result["content"] = json::array({{{"type", "text"}, {"text", outcome->text}}});
    if (!outcome->structured.is_null()) {
        result["structuredContent"] = outcome->structured;
    }
    if (outcome->isError) {
        result["isError"] = true;
    }
    return Success(id, std::move(result));
}

json Initialize(const json& id, const json& params) {
    const auto requested = params.find("protocolVersion");
    if (requested == params.end() || !requested->is_string()) {
        return Failure(id, kInvalidParams, "Invalid params: initialize needs protocolVersion");
    }
    std::string_view version = kLegacyVersions.front();
    for (const std::string_view legacy : kLegacyVersions) {
        if (requested->get<std::string>() == legacy) {
            version = legacy;
        }
    }
    return Success(id, {{"protocolVersion", version},
                        {"capabilities", {{"tools", json::object()}}},
                        {"serverInfo", ServerInfo()},
                        {"instructions", ToolInstructions()}});
}

// A request that names its revision in _meta, answered without any handshake.
json Modern(const json& id, const std::string& method, const json& params, const json& meta) {
    const json& version = meta.at(std::string(kMetaVersion));
    if (!version.is_string() || version.get<std::string>() != kModernVersion) {
        json supported = json::array({kModernVersion});
        for (const std::string_view legacy : kLegacyVersions) {
            supported.push_back(legacy);
        }
        return Failure(
            id, kUnsupportedVersion, "Unsupported protocol version",
            {{"supported", supported},
             {"requested", version.is_string() ? version.get<std::string>() : version.dump()}});
    }
    const auto capabilities = meta.find(std::string(kMetaCapabilities));
    if (capabilities == meta.end() || !capabilities->is_object()) {
        return Failure(id, kInvalidParams,
                       "Invalid params: _meta needs " + std::string(kMetaCapabilities));
    }
    json base{{"resultType", "complete"},
              {"_meta", {{std::string(kMetaServerInfo), ServerInfo()}}}};
    if (method == "server/discover") {
        base["supportedVersions"] = json::array({kModernVersion});
        base["capabilities"] = {{"tools", json::object()}};
        base["serverInfo"] = ServerInfo();
        base["instructions"] = ToolInstructions();
        base["ttlMs"] = kTtlMs;
        base["cacheScope"] = "public";
        return Success(id, std::move(base));
    }
    if (method == "tools/list") {
        base["tools"] = ToolList();
        base["ttlMs"] = kTtlMs;
        base["cacheScope"] = "public";
        return Success(id, std::move(base));
    }
    if (method == "tools/call") {
        return CallTool(id, params, std::move(base));
    }
    if (method == "ping") {
        return Success(id, std::move(base));
    }
    return Failure(id, kMethodNotFound, "Method not found: " + method);
}

json Dispatch(const json& id, const std::string& method, const json& params) {
    if (method == "initialize") {
        return Initialize(id, params);
    }
    const auto meta = params.find("_meta");
    if (meta != params.end() && meta->is_object() && meta->contains(std::string(kMetaVersion))) {
        return Modern(id, method, params, *meta);
    }
    // Older clients: the handshake is not enforced, so a client that skips it is served too.
    if (method == "ping") {
        return Success(id, json::object());
    }
    if (method == "tools/list") {
        return Success(id, {{"tools", ToolList()}});
    }
    if (method == "tools/call") {
        return CallTool(id, params, json::object());
    }
    if (method == "server/discover") {
        return Failure(
            id, kInvalidParams,
            "Invalid params: server/discover needs _meta with " + std::string(kMetaVersion));
    }
    return Failure(id, kMethodNotFound, "Method not found: " + method);
}

// How deeply arrays and objects nest in a line, strings aside. A request needs a few levels; a
// line nested thousands deep is refused before it is parsed, since copying or comparing such a
// value recurses once a level.
std::size_t NestingDepth(std::string_view line) {
    std::size_t depth = 0;
    std::size_t deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inString) {
            i += c == '\\' ? 1 : 0;
            inString = c != '"';
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return deepest;
}

constexpr std::size_t kDeepestMessage = 64;

// The line with every number beyond the range of a double, outside strings, written as null; the
// first such number is kept for the answer.
std::string WithoutHugeNumbers(std::string_view line, std::string& first) {
    std::string out;
    out.reserve(line.size());
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inString) {
            out.push_back(c);
            if (c == '\\' && i + 1 < line.size()) {
                out.push_back(line[++i]);
            } else {
                inString = c != '"';
            }
            continue;
        }
        if (c == '"') {
            inString = true;
            out.push_back(c);
            continue;
        }
        if (c != '-' && (c < '0' || c > '9')) {
            out.push_back(c);
            continue;
        }
        std::size_t end = i + 1;
        while (end < line.size() &&
               std::string_view("0123456789+-.eE").find(line[end]) != std::string_view::npos) {
            ++end;
        }
        const std::string number(line.substr(i, end - i));
        if (ReadNumber(number).overflow) {
            if (first.empty()) {
                first = number;
            }
            out += "null";
        } else {
            out += number;
        }
        i = end - 1;
    }
    return out;
}

std::optional<json> Handle(std::string_view line) {
    if (NestingDepth(line) > kDeepestMessage) {
        return Failure(nullptr, kInvalidRequest, "Invalid Request: nested too deeply");
    }
    json message = json::parse(line, nullptr, false);
    std::string outOfRange;
    if (message.is_discarded()) {
        // A number beyond a double ("amount": 1e400) fails the whole line; read it without that
        // number, so that the request is answered with its own id.
        message = json::parse(WithoutHugeNumbers(line, outOfRange), nullptr, false);
        if (message.is_discarded() || outOfRange.empty()) {
            return Failure(nullptr, kParseError,
                           "Parse error: each line must hold one JSON-RPC message");
        }
    }
    if (!message.is_object()) {
        return Failure(nullptr, kInvalidRequest, "Invalid Request: expected one JSON-RPC object");
    }
    const auto idField = message.find("id");
    const bool hasId = idField != message.end();
    if (hasId && !idField->is_string() && !idField->is_number_integer()) {
        return Failure(nullptr, kInvalidRequest,
                       "Invalid Request: id must be a string or an integer");
    }
    const json id = hasId ? *idField : json(nullptr);
    const auto method = message.find("method");
    const auto jsonrpc = message.find("jsonrpc");
    if (jsonrpc == message.end() || *jsonrpc != "2.0") {
        return hasId ? std::optional(
                           Failure(id, kInvalidRequest, "Invalid Request: jsonrpc must be \"2.0\""))
                     : std::nullopt;
    }
    if (method == message.end() || !method->is_string()) {
        // A response to nothing this server asked, or a broken notification: nothing to answer.
        if (!hasId || message.contains("result") || message.contains("error")) {
            return std::nullopt;
        }
        return Failure(id, kInvalidRequest, "Invalid Request: method must be a string");
    }
    if (!hasId) {
        return std::nullopt;  // notifications (initialized, cancelled) need no answer
    }
    if (!outOfRange.empty()) {
        return Failure(id, kInvalidParams,
                       "Invalid params: a number is beyond the range of a double: " + outOfRange);
    }
    const auto params = message.find("params");
    if (params != message.end() && !params->is_object()) {
        return Failure(id, kInvalidParams, "Invalid params: params must be an object");
    }
    static const json kNoParams = json::object();
    try {
        return Dispatch(id, method->get<std::string>(),
                        params == message.end() ? kNoParams : *params);
    } catch (const std::exception& e) {
        return Failure(id, kInternalError, std::string("Internal error: ") + e.what());
    }
}

}  // namespace

std::optional<std::string> McpServer::HandleLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.find_first_not_of(" \t") == std::string_view::npos) {
        return std::nullopt;  // a blank line is no message
    }
    const std::optional<json> answer = Handle(line);
    return answer ? std::optional(Dump(*answer)) : std::nullopt;
}

void ServeMcp(std::FILE* in, std::FILE* out) {
    McpServer server;
    std::string line;
    // Whether the client can still be answered: a client that has closed its end is gone.
    const auto answer = [&] {
        if (const auto reply = server.HandleLine(line)) {
            std::fwrite(reply->data(), 1, reply->size(), out);
            std::fputc('\n', out);
            std::fflush(out);  // the client waits for this line
        }
        line.clear();
        return std::ferror(out) == 0;
    };
    for (int c = std::getc(in); c != EOF; c = std::getc(in)) {
        if (c == '\n') {
            if (!answer()) {
                return;
            }
        } else {
            line.push_back(static_cast<char>(c));
        }
    }
    if (!line.empty()) {
        answer();
    }
}

}  // namespace zq::cli
