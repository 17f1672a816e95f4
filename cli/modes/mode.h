// SPDX-License-Identifier: MIT
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/halve.h"
#include "calc/local_figures.h"
#include "calc/stages.h"

// The table of courtfee's modes: each names its option and its MCP tool, its arguments, its usage
// lines, its answer (the text and the JSON object) and the schema of that object once. The
// command's parser, its --help, the MCP server's tools/list and tools/call all read it.
namespace zq::cli {

// What an argument holds, which says how it is read and how its schema is written.
enum class ArgKind {
    Type,     // a catalogue type's text, or a name for one
    Claims,   // the amount in dispute: a text or a number, or a list of several claims
    Money,    // an amount or fee in yuan: a text, or a number in JSON
    Reasons,  // grounds for halving: a list, or one text joined by commas
    Ground,   // the ground of a refund
    Figures,  // local figures within the Measures' ranges: an object of type and yuan
};

struct ArgSpec {
    std::string_view name;  // the MCP argument's name
    ArgKind kind;
    bool required;
    std::string_view description;
    bool followsOption = false;  // on the command line, the value after the mode's option
};

// A call of a mode, however it arrived.
struct ModeRequest {
    std::string type;                  // a catalogue type, or a name for one
    std::vector<std::string> amounts;  // the claims; the fee asked about by amount_for_fee
    std::string awarded;               // split_court_fee: the part the judgment awards
    std::string changed;               // change_claim_fee: the claim after the change
    std::vector<HalvingReason> reasons;
    RefundGround ground = RefundGround::Mediation;
    LocalFigures figures;  // in force for this call
    bool capitals = true;  // a plain fee with its capitals (the command asks with --capitals)
};

// Reads one argument's text into the request; the problem when it cannot be read.
std::optional<std::string> ReadArgument(const ArgSpec& arg, std::string_view text,
                                        ModeRequest& request);

// A mode's answer: the text shown to a person and the JSON object for a program.
struct ModeAnswer {
    std::string text;
    nlohmann::json object;
    bool refused = false;  // no answer: the text says why (an MCP error, exit status 1)
    bool found = true;     // an answer that is not refused but is empty (no amount gives a fee)
    std::string nameNote;  // said beside an answer whose type was found from a name
    std::string warning;   // said beside a good answer: missing capitals
};

struct Mode {
    std::string_view option;  // "--explain"; empty for pricing one case
    std::string_view tool;    // the MCP tool: "explain_court_fee"
    std::string_view title;
    std::string_view description;
    std::string usage;  // its lines in courtfee --help
    // The command's positional arguments: TYPE, then the claims or the fee.
    std::size_t minPositional;
    std::size_t maxPositional;           // SIZE_MAX: as many claims as given
    std::string_view positionalProblem;  // the usage error for another count
    std::string_view valueProblem;       // the usage error when the option's value is missing
    bool jsonAnswer;                     // --json applies
    std::vector<ArgSpec> args;           // in the order they are read and listed
    ModeAnswer (*answer)(const ModeRequest& request);
    // The object the answer gives programs, as a JSON Schema.
    nlohmann::json (*outputSchema)();
    bool takesCapitals = false;  // --capitals writes the fee it answers in capitals too
};

// The modes in the order of the usage and of tools/list.
std::span<const Mode> Modes();
const Mode* ModeOfOption(std::string_view option);
const Mode* ModeOfTool(std::string_view tool);

// The argument that follows the mode's option on the command line; null when none does.
const ArgSpec* OptionArgument(const Mode& mode);

// A mode's argument as a JSON Schema property.
nlohmann::json ArgumentSchema(const ArgSpec& arg);

}  // namespace zq::cli
