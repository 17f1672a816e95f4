// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace zq::cli {

// The calculator as a Model Context Protocol server over stdio: one JSON-RPC 2.0 message a line
// in, one a line out. It speaks the stateless revision 2026-07-28 (each request carries its
// version in _meta; server/discover) and, for older clients, the revisions from 2024-11-05 to
// 2025-11-25 that open with initialize. Every request gets an answer, however malformed the
// line; notifications and responses get none.
class McpServer {
  public:
    // The answer to one line, without its line feed; nothing when no answer is due.
    std::optional<std::string> HandleLine(std::string_view line);
};

// Serves from `in` until it ends, writing and flushing each answer at once.
void ServeMcp(std::FILE* in, std::FILE* out);

}  // namespace zq::cli
