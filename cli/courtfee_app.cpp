// SPDX-License-Identifier: MIT
#include "cli/courtfee_app.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/catalogue.h"
#include "calc/fee_capitals.h"
#include "calc/fee_split.h"
#include "cli/amounts_for_output.h"
#include "cli/batch.h"
#include "cli/catalogue_listing.h"
#include "cli/explanation.h"
#include "cli/halving_text.h"
#include "cli/json_output.h"
#include "cli/mcp_server.h"
#include "cli/split_output.h"
#include "cli/type_suggestions.h"

namespace zq::cli {
namespace {

constexpr std::string_view kUsage =
    "用法 / Usage:\n"
    "  courtfee [--json] [--capitals] 案件类型 [标的金额]\n"
    "                                 计算法院收费，--capitals 附大写金额 / price one case\n"
    "  courtfee --explain [--json] 案件类型 [标的金额] 列出计算过程 / show the calculation step by "
    "step\n"
    "  courtfee --halve 事由 [--json] 案件类型 [标的金额]\n"
    "                                 案件受理费减半 / halve an acceptance fee; 事由 / REASON:\n"
    "                                 调解 (mediation)、撤诉 (withdrawal)、简易程序 (summary)、\n"
    "                                 反诉 (counterclaim), several joined by \",\"\n"
    "  courtfee --amount-for [--json] 案件类型 收费\n"
    "                                 由收费反推标的金额 / the amounts that give a fee\n"
    "  courtfee --split 判决支持金额 [--json] 案件类型 标的金额\n"
    "                                 按判决支持比例分担案件受理费（第二十九条，参考）/\n"
    "                                 proportional split between the parties\n"
    "  courtfee --batch [--json]      从标准输入逐行读取“类型<TAB>金额” / one case per stdin line\n"
    "  courtfee --mcp                 以 MCP 服务器方式运行（标准输入输出）/ serve MCP over stdio\n"
    "  courtfee --list                列出全部案件类型及收费规则 / list the case types\n"
    "  courtfee --help | --version\n"
    "\n"
    "按《诉讼费用交纳办法》第十三条、第十四条计算案件受理费或申请费；有收费范围的，均按照最高限额计"
    "算。\n"
    "Prices a case under Articles 13 and 14 of the Measures on the Payment of Litigation Costs;\n"
    "where the Measures give a range, the top of the range is charged. An empty amount counts as "
    "0.\n"
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
    "退出状态 / Exit status: 0 成功 / success, 1 金额或类型有误、计算错误、不能减半 / rejected or\n"
    "failed, 2 用法错误 / usage error; --amount-for 没有得出该收费的金额时为 1 / 1 when no amount\n"
    "gives the fee.\n";

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

void WriteLine(std::FILE* stream, std::string_view text) {
    Write(stream, text);
    Write(stream, "\n");
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
    bool list = false;
    bool batch = false;
    bool explain = false;
    bool json = false;
    bool capitals = false;
    bool amountFor = false;
    bool mcp = false;
    std::optional<std::string_view> split;
    std::optional<std::vector<HalvingReason>> halve;
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
        } else if (arg == "--list") {
            options.list = true;
        } else if (arg == "--batch") {
            options.batch = true;
        } else if (arg == "--explain") {
            options.explain = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--capitals") {
            options.capitals = true;
        } else if (arg == "--amount-for") {
            options.amountFor = true;
        } else if (arg == "--mcp") {
            options.mcp = true;
        } else if (arg == "--split") {
            if (i + 1 >= argc) {
                return "--split 需要判决支持的金额 / --split needs the AWARDED amount";
            }
            options.split = argv[++i];
        } else if (arg == "--halve") {
            if (i + 1 >= argc) {
                return "--halve 需要事由 / --halve needs a REASON";
            }
            options.halve = ParseHalvingReasons(argv[++i]);
            if (!options.halve) {
                return std::string("未知的减半事由 / unknown halving reason: ") + argv[i];
            }
        } else {
            return std::string("未知选项 / unknown option: ") + std::string(arg);
        }
    }
    for (; i < argc; ++i) {
        options.positional.emplace_back(argv[i]);
    }
    return std::nullopt;
}

int Fail(std::FILE* err, std::string_view note) {
    WriteLine(err, note);
    return kExitFailed;
}

// Bills are not written in capitals from 1 万亿 yuan up; the fee still stands, and stderr says why
// its capitals are missing so that stdout keeps the fee alone.
std::string WithCapitals(const std::string& fee, std::FILE* err) {
    const auto capitals = FeeCapitals(fee);
    if (!capitals) {
        WriteLine(err,
                  "courtfee: 1万亿元及以上的金额不写大写 / no capitals for amounts of 1 万亿 "
                  "yuan or more");
        return fee;
    }
    return fee + "（人民币" + *capitals + "）";
}

int AmountsFor(const Options& options, std::FILE* out, std::FILE* err) {
    const AmountsForAnswer answer = AnswerAmountsFor(options.positional[0], options.positional[1]);
    if (options.json) {
        WriteLine(out, AmountsForJson(answer));
        return answer.ok() ? kExitOk : Fail(err, answer.note);
    }
    if (!answer.ok()) {
        return Fail(err, answer.note);
    }
    if (!answer.found()) {
        return Fail(err, NoAmountSentence(answer));
    }
    Write(out, RenderAmountsFor(answer));
    return kExitOk;
}

int Split(const Options& options, std::FILE* out, std::FILE* err) {
    const std::string_view type = options.positional[0];
    FeeSplit split = SplitFee(*options.split, type, options.positional[1]);
    if (catalogue::RuleOfType(type).rule == FeeRule::NoRule) {
        split.note = UnknownTypeMessage(type);
    }
    if (options.json) {
        WriteLine(out, SplitJson(type, *options.split, split));
    } else if (split.ok()) {
        Write(out, RenderSplit(split, *options.split));
    }
    return split.ok() ? kExitOk : Fail(err, split.note);
}

int PriceOneCase(const Options& options, std::FILE* out, std::FILE* err) {
    const std::string_view type = options.positional[0];
    const std::string_view amount = options.positional.size() == 2 ? options.positional[1] : "";
    if (options.halve) {
        const HalvedFee halving = HalveFee(*options.halve, type, amount);
        if (options.json) {
            WriteLine(out, HalvingJson(type, halving));
        } else if (halving.halved()) {
            WriteLine(out, HalvedLine(halving));
        }
        return halving.halved() ? kExitOk : Fail(err, HalvingNote(type, halving));
    }
    if (options.explain) {
        const FeeBreakdown breakdown = ExplainFee(type, amount);
        if (options.json) {
            WriteLine(out, ExplanationJson(breakdown));
        } else if (breakdown.priced()) {
            Write(out, RenderExplanation(breakdown));
        }
        return breakdown.priced() ? kExitOk : Fail(err, NoteOf(type, breakdown.outcome));
    }
    const CaseAnswer answer = AnswerCase(type, amount);
    if (options.json) {
        WriteLine(out, CaseJson(type, answer));
    } else if (answer.ok()) {
        WriteLine(out, options.capitals ? WithCapitals(answer.feeText, err) : answer.feeText);
    }
    return answer.ok() ? kExitOk : Fail(err, answer.note);
}

int Run(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err) {
    Options options;
    if (const auto problem = ParseOptions(argc, argv, options)) {
        return UsageError(err, *problem);
    }
    if (options.help) {
        Write(out, kUsage);
        return kExitOk;
    }
    if (options.version) {
        WriteLine(out, "courtfee (ZorvikQuillet) " ZQ_VERSION);
        return kExitOk;
    }
    const bool single = !options.list && !options.batch;
    if (options.list + options.batch + options.explain + options.halve.has_value() +
            options.amountFor + options.split.has_value() + options.mcp + options.capitals >
        1) {
        return UsageError(err, "这些选项不能同时使用 / these options do not go together");
    }
    if (options.mcp) {
        if (!options.positional.empty() || options.json) {
            return UsageError(err, "--mcp 不带参数 / --mcp takes no arguments");
        }
        ServeMcp(in, out);
        return kExitOk;
    }
    if (options.amountFor || options.split) {
        if (options.positional.size() != 2) {
            return UsageError(err, options.amountFor
                                       ? "需要案件类型和收费 / expected TYPE FEE"
                                       : "需要案件类型和标的金额 / expected TYPE AMOUNT");
        }
        return options.amountFor ? AmountsFor(options, out, err) : Split(options, out, err);
    }
    if (options.list) {
        if (!options.positional.empty() || options.json) {
            return UsageError(err, "--list 不带参数 / --list takes no arguments");
        }
        Write(out, CatalogueTree());
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
    if (single && (options.positional.empty() || options.positional.size() > 2)) {
        return UsageError(err, options.positional.empty()
                                   ? "缺少案件类型 / missing case type"
                                   : "需要案件类型和标的金额 / expected TYPE [AMOUNT]");
    }
    return PriceOneCase(options, out, err);
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
