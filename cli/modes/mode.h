// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/halve.h"

// The table of courtfee's modes: each names its option and its MCP tool, its arguments, its usage
// lines and its answer (the text and the JSON object) once. The command's parser, its --help, the
// MCP server's tools/list and tools/call all read it.
namespace zq::cli {

// What an argument holds, which says how it is read and how its schema is written.
enum class ArgKind {
    Type,     // a catalogue type's text
    Money,    // an amount or fee in yuan: a text, or a number in JSON
    Reasons,  // grounds for halving: a list, or one text joined by commas
};

struct ArgSpec {
    std::string_view name;  // the MCP argument's name
    ArgKind kind;
    bool required;
    std::string_view description;
};

// A call of a mode, however it arrived.
struct ModeRequest {
    std::string type;
    std::string amount;   // the amount, or the fee asked about by amount_for_fee
    std::string awarded;  // split_court_fee
    std::vector<HalvingReason> reasons;
    bool capitals = true;  // a plain fee with its capitals (the command asks with --capitals)
};

// A mode's answer: the text shown to a person and the JSON object for a program.
struct ModeAnswer {
    std::string text;
    nlohmann::json object;
    bool refused = false;  // no answer: the text says why (an MCP error, exit status 1)
    bool found = true;     // an answer that is not refused but is empty (no amount gives a fee)
    std::string warning;   // said beside a good answer (a fee too large for capitals)
};

struct Mode {
    std::string_view option;  // "--explain"; empty for pricing one case
    std::string_view tool;    // the MCP tool: "explain_court_fee"
    std::string_view title;
    std::string_view description;
    std::string usage;  // its lines in courtfee --help
    // The command's positional arguments: TYPE, then the amount or fee; the awarded part and the
    // grounds for halving follow the mode's option instead.
    std::size_t minPositional;
    std::size_t maxPositional;
    std::string_view positionalProblem;  // the usage error for another count
    // For an option that is followed by a value (the grounds for halving, the awarded part): the
    // usage error when it is missing; empty for an option without one.
    std::string_view valueProblem;
    bool jsonAnswer;            // --json applies
    std::vector<ArgSpec> args;  // in the order they are read and listed
    ModeAnswer (*answer)(const ModeRequest& request);
};

// Pricing one case, --explain, --halve, --amount-for, --split and --list, in the order of the
// usage and of tools/list.
std::span<const Mode> Modes();
const Mode* ModeOfOption(std::string_view option);
const Mode* ModeOfTool(std::string_view tool);

// Whether the mode's option is followed by grounds for halving (else by the awarded part).
bool TakesReasons(const Mode& mode);

// A mode's argument as a JSON Schema property.
nlohmann::json ArgumentSchema(const ArgSpec& arg);

}  // namespace zq::cli
