// SPDX-License-Identifier: MIT
#include "cli/courtfee_app.h"

#include <string>
#include <string_view>

#include "cli/batch.h"
#include "cli/catalogue_listing.h"

namespace zq::cli {
namespace {

constexpr std::string_view kUsage =
    "用法 / Usage:\n"
    "  courtfee 案件类型 [标的金额]     计算法院收费 / price one case\n"
    "  courtfee --batch                从标准输入逐行读取“类型<TAB>金额” / one case per stdin "
    "line\n"
    "  courtfee --list                 列出全部案件类型及收费规则 / list the case types\n"
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
    "  printf '1、执行案件\\t600000\\n' | courtfee --batch\n"
    "\n"
    "退出状态 / Exit status: 0 成功 / success, 1 金额或类型有误、计算错误 / rejected or failed,\n"
    "2 用法错误 / usage error.\n";

void Write(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int UsageError(std::FILE* err, std::string_view problem) {
    Write(err, "courtfee: ");
    Write(err, problem);
    Write(err, "\n");
    Write(err, kUsage);
    return kExitUsage;
}

int PriceOneCase(std::string_view type, std::string_view amount, std::FILE* out, std::FILE* err) {
    const CaseAnswer answer = AnswerCase(type, amount);
    if (!answer.ok()) {
        Write(err, answer.note);
        Write(err, "\n");
        return kExitFailed;
    }
    Write(out, answer.feeText);
    Write(out, "\n");
    return kExitOk;
}

}  // namespace

int RunCourtfee(int argc, const char* const* argv, std::FILE* in, std::FILE* out, std::FILE* err) {
    if (argc < 2) {
        return UsageError(err, "缺少案件类型 / missing case type");
    }
    const std::string_view first = argv[1];
    if (first == "--help" || first == "-h") {
        Write(out, kUsage);
        return kExitOk;
    }
    if (first == "--version") {
        Write(out, "courtfee (ZorvikQuillet) " ZQ_VERSION "\n");
        return kExitOk;
    }
    if (first == "--list") {
        Write(out, CatalogueTree());
        return kExitOk;
    }
    if (first == "--batch") {
        if (argc > 2) {
            return UsageError(err, "--batch 不带参数 / --batch takes no arguments");
        }
        return RunBatch(in, out) ? kExitOk : kExitFailed;
    }
    int index = 1;
    if (first == "--") {
        ++index;
    } else if (first.size() > 1 && first.front() == '-') {
        return UsageError(err, std::string("未知选项 / unknown option: ") + std::string(first));
    }
    const int positional = argc - index;
    if (positional < 1 || positional > 2) {
        return UsageError(err, "需要案件类型和标的金额 / expected TYPE [AMOUNT]");
    }
    const std::string_view amount = positional == 2 ? argv[index + 1] : "";
    return PriceOneCase(argv[index], amount, out, err);
}

}  // namespace zq::cli
