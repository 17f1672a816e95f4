// SPDX-License-Identifier: MIT
#include "cli/courtfee_app.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <algorithm>

#include "cli/batch.h"
#include "cli/figure_options.h"
#include "cli/mcp/mcp_server.h"
#include "cli/modes/case_answers.h"
#include "cli/modes/mode.h"
#include "present/kept_figures.h"
#include "present/stage_texts.h"
#include "runtime/fen.h"

#ifdef _WIN32
#include "cli/windows/windows_text.h"
#endif

namespace zq::cli {
namespace {

std::string Usage() {
    std::string usage = "用法 / Usage:\n";
    for (const Mode& mode : Modes()) {
        usage += mode.usage;
    }
    usage +=
        "  courtfee --batch [--json]      从标准输入逐行读取“类型<TAB>金额” / one case per stdin "
        "line\n"
        "  courtfee --mcp                 以 MCP 服务器方式运行（标准输入输出）/ serve MCP over "
        "stdio\n"
        "  courtfee --set-figure 类型=数额  保存本地标准（《办法》规定幅度内）/ keep a local "
        "figure\n"
        "  --figure 类型=数额             本次计算按本地标准 / a local figure for this call\n"
        "  courtfee --help | --version\n"
        "\n"
        "按《诉讼费用交纳办法》第十三条、第十四条计算案件受理费或申请费。《办法》规定收费幅度的，离"
        "婚、\n"
        "人格权、其他非财产案件、无争议金额的知识产权案件、管辖异议、承认外国仲裁裁决和海事申请按最"
        "高\n"
        "限额计收；没有执行金额的执行申请按最低限额50元，承认外国判决、认可台湾地区裁判按100元计收"
        "；\n"
        "--figure、--set-figure 按本地标准计收（courtfee --figures "
        "列出）。标的为空按0计算，负数不予计算。\n"
        "Prices a case under Articles 13 and 14 of the Measures on the Payment of Litigation "
        "Costs.\n"
        "Where the Measures give a range, divorce, personality rights, other non-property cases, "
        "IP\n"
        "cases without an amount, jurisdiction objections, recognising a foreign award and the\n"
        "maritime applications are charged at the top; enforcement without an amount at the "
        "bottom\n"
        "(50); recognising a foreign judgment or a Taiwan ruling at 100. --figure and "
        "--set-figure\n"
        "charge a local figure instead. An empty amount counts as 0; a negative one is refused.\n"
        "\n"
        "示例 / Example:\n"
        "  courtfee 1、财产案件 10000        # prints 50.00\n"
        "  courtfee --halve 调解 1、财产案件 10001\n"
        "  courtfee --capitals 1、财产案件 1000000   # 13800.00（人民币壹万叁仟捌佰元整）\n"
        "  courtfee --amount-for 1、财产案件 13800\n"
        "  courtfee --split 333333.33 1、财产案件 1000000\n"
        "  courtfee 离婚 300000             # 按“1、离婚案件”计算\n"
        "  courtfee --change 2000000 1、财产案件 1000000\n"
        "  courtfee --figure 离婚=200 离婚 0\n"
        "  printf '1、执行案件\\t600000\\n' | courtfee --batch\n"
        "  courtfee --batch < cases.txt > fees.txt\n"
        "\n"
        "退出状态 / Exit status: 0 成功 / success, 1 金额或类型有误、计算错误、不能减半 / rejected "
        "or\n"
        "failed, 2 用法错误 / usage error; --amount-for 没有得出该收费的金额时为 1 / 1 when no "
        "amount\n"
        "gives the fee.\n";
    return usage;
}

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

// The text, ended by a line feed if it has none.
void WriteLine(std::FILE* stream, std::string_view text) {
    Write(stream, text);
    if (text.empty() || text.back() != '\n') {
        Write(stream, "\n");
    }
}

int UsageError(std::FILE* err, std::string_view problem) {
    Write(err, "courtfee: ");
    WriteLine(err, problem);
    WriteLine(err, "用法见 courtfee --help / see courtfee --help for the usage");
    return kExitUsage;
}

struct Options {
    bool help = false;
    bool version = false;
    bool batch = false;
    bool json = false;
    bool capitals = false;
    bool mcp = false;
    const Mode* mode = nullptr;  // the mode an option chose; pricing one case without one
    std::vector<std::string_view> modeOptions;
    std::vector<std::pair<const ArgSpec*, std::string_view>> values;  // what followed an option
    std::vector<std::string_view> figures;                            // --figure TYPE=YUAN
    std::optional<std::string_view> keepFigure;                       // --set-figure TYPE=YUAN
    std::vector<std::string_view> positional;
};

bool IsOption(const Mode* mode, std::string_view option) {
    return mode != nullptr && mode->option == option;
}

// Options may stand before or after the case ("courtfee 财产 100 --json"); after the type only a
// long option is one, since an amount may begin with "-" ("-5" is refused as negative, not taken
// for an option). "--" ends the options, so that a type or an amount may begin with "--".
std::optional<std::string> ParseOptions(int argc, const char* const* argv, Options& options) {
    int i = 1;
    // The value after an option; nothing when the arguments end first.
    const auto value = [&]() -> std::optional<std::string_view> {
        return i + 1 < argc ? std::optional<std::string_view>(argv[++i]) : std::nullopt;
    };
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        const bool option = options.positional.empty() ? arg.size() >= 2 && arg.front() == '-'
                                                       : arg.size() > 2 && arg.starts_with("--");
        if (!option) {
            options.positional.push_back(arg);
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--batch") {
            options.batch = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--capitals") {
            options.capitals = true;
        } else if (arg == "--mcp") {
            options.mcp = true;
        } else if (arg == "--figure" || arg == "--set-figure") {
            const auto figure = value();
            if (!figure) {
                return std::string(arg) + " 需要 类型=数额 / " + std::string(arg) +
                       " needs TYPE=YUAN";
            }
            if (arg == "--figure") {
                options.figures.push_back(*figure);
            } else {
                options.keepFigure = *figure;
            }
        } else if (const Mode* mode = arg.size() > 2 ? ModeOfOption(arg) : nullptr) {
            // --halve with --split, in either order, is the split of the halved fee: the grounds
            // are the split's own argument.
            const bool splitHalved = (arg == "--halve" && IsOption(options.mode, "--split")) ||
                                     (arg == "--split" && IsOption(options.mode, "--halve"));
            if (splitHalved) {
                std::erase(options.modeOptions, std::string_view("--halve"));
            }
            if (options.mode != mode && !(splitHalved && arg == "--halve")) {
                options.modeOptions.push_back(arg);
            }
            if (!(splitHalved && arg == "--halve")) {
                options.mode = mode;
            }
            if (const ArgSpec* follows = OptionArgument(*mode)) {
                const auto text = value();
                if (!text) {
                    return std::string(mode->valueProblem);
                }
                ModeRequest checked;
                if (auto problem = ReadArgument(*follows, *text, checked)) {
                    return problem;
                }
                // "--change 财产 100": the new amount forgotten, the type taken for it.
                if (follows->kind == ArgKind::Money && !ReadMoney(*text).numeric) {
                    return std::string(mode->valueProblem) + ": " + std::string(*text);
                }
                options.values.emplace_back(follows, *text);
            }
        } else {
            return "未知选项 / unknown option: " + std::string(arg);
        }
    }
    for (; i < argc; ++i) {
        options.positional.emplace_back(argv[i]);
    }
    return std::nullopt;
}

// Where the figures are kept, for a message: in UTF-8, as courtfee writes.
std::string FiguresPathText() {
#ifdef _WIN32
    return ToUtf8(present::KeptFiguresPath());
#else
    return present::KeptFiguresPath();
#endif
}

// The local figures in force: those kept, then each --figure over them. The kept file's lines
// that cannot be read are said on stderr; a refused --figure is returned.
std::optional<std::string> ReadFigures(const Options& options, LocalFigures& figures,
                                       std::FILE* err) {
    int skipped = 0;
    figures = present::LoadKeptFigures(&skipped);
    if (skipped > 0) {
        const std::string count = std::to_string(skipped);
        WriteLine(err, "courtfee: 本地标准文件中有 " + count + " 行无法读取，已略过 / " + count +
                           " lines of the kept figures skipped: " + FiguresPathText());
    }
    for (const std::string_view figure : options.figures) {
        if (auto problem = SetFigure(figure, figures)) {
            return problem;
        }
    }
    return std::nullopt;
}

int Answer(const Mode& mode, const Options& options, std::FILE* out, std::FILE* err) {
    ModeRequest request;
    request.capitals = options.capitals;
    if (const auto problem = ReadFigures(options, request.figures, err)) {
        WriteLine(err, *problem);
        return kExitFailed;
    }
    for (const auto& [arg, text] : options.values) {
        const ArgSpec* spec = arg;
        // The grounds for halving read for a split are the split's own argument.
        if (spec->kind == ArgKind::Reasons) {
            const auto own = std::find_if(mode.args.begin(), mode.args.end(), [](const ArgSpec& a) {
                return a.kind == ArgKind::Reasons;
            });
            spec = own != mode.args.end() ? &*own : spec;
        }
        ReadArgument(*spec, text, request);  // read once already, when the options were parsed
    }
    if (!options.positional.empty()) {
        request.type = options.positional.front();
        request.amounts.assign(options.positional.begin() + 1, options.positional.end());
    }
    const ModeAnswer answer = mode.answer(request);
    if (options.json) {
        WriteLine(out, Dump(answer.object));
    } else if (!answer.refused && answer.found) {
        WriteLine(out, answer.text);
    }
    for (const std::string& said : {answer.nameNote, answer.warning}) {
        if (!said.empty() && !answer.refused) {
            WriteLine(err, said);
        }
    }
    // With --json an empty answer is still an answer; a refusal is not.
    if (answer.refused || (!options.json && !answer.found)) {
        WriteLine(err, answer.text);
        return kExitFailed;
    }
    return kExitOk;
}

// --set-figure: keeps a figure, or clears it ("TYPE="), in the user's configuration.
int KeepFigure(const Options& options, std::FILE* out, std::FILE* err) {
    LocalFigures figures;
    ReadFigures(options, figures, err);  // no --figure goes with --set-figure
    if (const auto problem = SetFigure(*options.keepFigure, figures)) {
        WriteLine(err, *problem);
        return kExitFailed;
    }
    if (!present::SaveKeptFigures(figures)) {
        WriteLine(err, "courtfee: 无法保存本地标准 / cannot keep the figure: " + FiguresPathText());
        return kExitFailed;
    }
    Write(out, present::FiguresListing(figures));
    return kExitOk;
}

int Run(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err) {
    Options options;
    if (const auto problem = ParseOptions(argc, argv, options)) {
        return UsageError(err, *problem);
    }
    if (options.help) {
        Write(out, Usage());
        return kExitOk;
    }
    if (options.version) {
        WriteLine(out, "courtfee (ZorvikQuillet) " ZQ_VERSION);
        return kExitOk;
    }
    // The options that each ask for a different answer; --capitals goes with the modes that
    // write it.
    std::vector<std::string_view> asked = options.modeOptions;
    const bool capitalsTaken =
        !options.batch && !options.mcp && !options.keepFigure && options.modeOptions.size() <= 1 &&
        (options.mode == nullptr ? Modes().front() : *options.mode).takesCapitals;
    for (const auto& [given, name] :
         {std::pair{options.batch, "--batch"}, std::pair{options.mcp, "--mcp"},
          std::pair{options.capitals && !capitalsTaken, "--capitals"},
          std::pair{options.keepFigure.has_value(), "--set-figure"}}) {
        if (given) {
            asked.push_back(name);
        }
    }
    if (asked.size() > 1) {
        std::string names;
        for (const std::string_view name : asked) {
            names += " " + std::string(name);
        }
        return UsageError(err, "这些选项不能同时使用 / these options do not go together:" + names);
    }
    if (options.mcp || options.batch || options.keepFigure) {
        if (!options.positional.empty() || (options.json && !options.batch) ||
            (!options.figures.empty() && !options.batch)) {
            return UsageError(err, options.mcp     ? "--mcp 不带参数 / --mcp takes no arguments"
                                   : options.batch ? "--batch 不带参数 / --batch takes no arguments"
                                                   : "--set-figure 不带其他参数 / --set-figure "
                                                     "takes no other arguments");
        }
        if (options.mcp) {
            ServeMcp(in, out);
            return kExitOk;
        }
        if (options.keepFigure) {
            return KeepFigure(options, out, err);
        }
        LocalFigures figures;
        if (const auto problem = ReadFigures(options, figures, err)) {
            WriteLine(err, *problem);
            return kExitFailed;
        }
        return RunBatch(in, out, options.json ? BatchFormat::JsonLines : BatchFormat::Tabs,
                        figures.empty() ? nullptr : &figures)
                   ? kExitOk
                   : kExitFailed;
    }
    const Mode& mode = options.mode != nullptr ? *options.mode : Modes().front();
    const std::size_t count = options.positional.size();
    if (count < mode.minPositional || count > mode.maxPositional ||
        (options.json && !mode.jsonAnswer)) {
        return UsageError(err, count == 0 && mode.minPositional >= 1 && mode.maxPositional > 2
                                   ? "缺少案件类型 / missing case type"
                                   : mode.positionalProblem);
    }
    return Answer(mode, options, out, err);
}

}  // namespace

InputUse StandardInputUse(int argc, const char* const* argv) {
    Options options;
    if (ParseOptions(argc, argv, options) || options.help || options.version) {
        return InputUse::None;
    }
    if (options.mcp) {
        return InputUse::Protocol;
    }
    return options.batch ? InputUse::CaseLines : InputUse::None;
}

int RunCourtfee(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err) {
    const int status = Run(argc, argv, in, out, err);
    // A full disk, a lost network drive or a closed pipe must not pass for success: the answers
    // did not arrive.
    if (std::fflush(out) != 0 || std::ferror(out) != 0) {
        WriteLine(err, "courtfee: 无法写出结果 / cannot write the output");
        return kExitFailed;
    }
    return status;
}

}  // namespace zq::cli
