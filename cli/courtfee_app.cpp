// SPDX-License-Identifier: MIT
#include "cli/courtfee_app.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "cli/mcp/mcp_server.h"
#include "cli/modes/case_answers.h"
#include "cli/modes/mode.h"

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
        "  courtfee --help | --version\n"
        "\n"
        "按《诉讼费用交纳办法》第十三条、第十四条计算案件受理费或申请费；有收费范围的，均按照最高"
        "限额计算。\n"
        "Prices a case under Articles 13 and 14 of the Measures on the Payment of Litigation "
        "Costs;\n"
        "where the Measures give a range, the top of the range is charged. An empty amount counts "
        "as 0.\n"
        "\n"
        "示例 / Example:\n"
        "  courtfee 1、财产案件 10000        # prints 50.00\n"
        "  courtfee --halve 调解 1、财产案件 10001\n"
        "  courtfee --capitals 1、财产案件 1000000   # 13800.00（人民币壹万叁仟捌佰元整）\n"
        "  courtfee --amount-for 1、财产案件 13800\n"
        "  courtfee --split 333333.33 1、财产案件 1000000\n"
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
    std::optional<std::string_view> value;  // what followed the mode's option
    std::vector<std::string_view> positional;
};

// Options come first; "--" ends them, so that a type or an amount may begin with "-".
std::optional<std::string> ParseOptions(int argc, const char* const* argv, Options& options) {
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg.size() < 2 || arg.front() != '-') {
            break;
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
        } else if (const Mode* mode = arg.size() > 2 ? ModeOfOption(arg) : nullptr) {
            if (options.mode != mode) {
                options.modeOptions.push_back(arg);
            }
            options.mode = mode;
            if (!mode->valueProblem.empty()) {
                if (i + 1 >= argc) {
                    return std::string(mode->valueProblem);
                }
                options.value = argv[++i];
                if (TakesReasons(*mode) && !ParseHalvingReasons(*options.value)) {
                    return "未知的减半事由 / unknown halving reason: " +
                           std::string(*options.value);
                }
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

int Answer(const Mode& mode, const Options& options, std::FILE* out, std::FILE* err) {
    ModeRequest request;
    request.type = options.positional.empty() ? "" : options.positional[0];
    request.amount = options.positional.size() > 1 ? options.positional[1] : "";
    request.capitals = options.capitals;
    if (options.value && TakesReasons(mode)) {
        request.reasons = *ParseHalvingReasons(*options.value);
    } else if (options.value) {
        request.awarded = *options.value;
    }
    const ModeAnswer answer = mode.answer(request);
    if (options.json) {
        WriteLine(out, Dump(answer.object));
    } else if (!answer.refused && answer.found) {
        WriteLine(out, answer.text);
    }
    if (!answer.warning.empty()) {
        WriteLine(err, answer.warning);
    }
    // With --json an empty answer is still an answer; a refusal is not.
    if (answer.refused || (!options.json && !answer.found)) {
        WriteLine(err, answer.text);
        return kExitFailed;
    }
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
    if (options.modeOptions.size() + options.batch + options.mcp + options.capitals > 1) {
        return UsageError(err, "这些选项不能同时使用 / these options do not go together");
    }
    if (options.mcp) {
        if (!options.positional.empty() || options.json) {
            return UsageError(err, "--mcp 不带参数 / --mcp takes no arguments");
        }
        ServeMcp(in, out);
        return kExitOk;
    }
    if (options.batch) {
        if (!options.positional.empty()) {
            return UsageError(err, "--batch 不带参数 / --batch takes no arguments");
        }
        return RunBatch(in, out, options.json ? BatchFormat::JsonLines : BatchFormat::Tabs)
                   ? kExitOk
                   : kExitFailed;
    }
    const Mode& mode = options.mode != nullptr ? *options.mode : Modes().front();
    const std::size_t count = options.positional.size();
    if (count < mode.minPositional || count > mode.maxPositional ||
        (options.json && !mode.jsonAnswer)) {
        return UsageError(err, count == 0 && mode.minPositional == 1
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
