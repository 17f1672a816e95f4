// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cli/courtfee_app.h"
#include "cli/type_suggestions.h"
#include "tests/courtfee_run.h"

namespace zq::cli {
namespace {

using test_support::CommandRun;
using test_support::Courtfee;

TEST(CourtfeeSingle, PrintsTheFeeAsTheWindowShowsIt) {
    const CommandRun run = Courtfee({"1、财产案件", "10000"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, "50.00\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Courtfee({"2、知识产权案件", ""}).out, "1000.00\n");
    EXPECT_EQ(Courtfee({"2、知识产权案件"}).out, "1000.00\n");
    EXPECT_EQ(Courtfee({"1、财产案件", "-5"}).out, "50.00\n");
    EXPECT_EQ(Courtfee({"--", "1、财产案件", "-5"}).out, "50.00\n");
}

TEST(CourtfeeSingle, FailuresGoToStderrWithStatusOne) {
    const CommandRun rejected = Courtfee({"1、财产案件", "abc"});
    EXPECT_EQ(rejected.status, kExitFailed);
    EXPECT_EQ(rejected.out, "");
    EXPECT_EQ(rejected.err, "标的中请输入数字！\n");

    const CommandRun overflow = Courtfee({"1、财产案件", "1e400"});
    EXPECT_EQ(overflow.status, kExitFailed);
    EXPECT_EQ(overflow.err, "计算错误：溢出\n");

    const CommandRun unknown = Courtfee({"财产案件", "100"});
    EXPECT_EQ(unknown.status, kExitFailed);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("“1、财产案件”"), std::string::npos) << unknown.err;
}

TEST(CourtfeeUsage, HelpAndVersion) {
    const CommandRun help = Courtfee({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    EXPECT_NE(help.out.find("courtfee 1、财产案件 10000"), std::string::npos);
    EXPECT_NE(Courtfee({"--version"}).out.find("2.0.0"), std::string::npos);
}

// A mistake gets its one line and a pointer to --help, not the whole usage.
TEST(CourtfeeUsage, MistakesSayWhatAndWhereToLook) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"--frobnicate"},
                                               {"1、财产案件", "1", "2"},
                                               {"--batch", "x"},
                                               {"--halve", "foo", "1、财产案件", "1"},
                                               {"--halve"},
                                               {"--explain", "--halve", "调解", "1、财产案件"},
                                               {"--list", "--json"},
                                               {"--capitals", "--explain", "1、财产案件"},
                                               {"--amount-for", "1、财产案件"},
                                               {"--split"},
                                               {"--split", "1", "1、财产案件"},
                                               {"--mcp", "x"}}) {
        const CommandRun run = Courtfee(args);
        EXPECT_EQ(run.status, kExitUsage) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
        EXPECT_EQ(run.err.rfind("courtfee: ", 0), 0U) << run.err;
        EXPECT_TRUE(run.err.ends_with("courtfee --help for the usage\n")) << run.err;
    }
}

// On Windows a console's input is bridged only for the modes that read it, so that a single fee
// does not swallow what is typed ahead for the next command.
TEST(CourtfeeUsage, OnlyBatchAndMcpReadStandardInput) {
    const std::vector<std::pair<std::vector<const char*>, InputUse>> cases = {
        {{"courtfee", "--batch"}, InputUse::CaseLines},
        {{"courtfee", "--json", "--batch"}, InputUse::CaseLines},
        {{"courtfee", "--mcp"}, InputUse::Protocol},
        {{"courtfee", "1、财产案件", "10000"}, InputUse::None},
        {{"courtfee", "--", "--batch"}, InputUse::None},
        {{"courtfee", "--batch", "--help"}, InputUse::None},
        {{"courtfee", "--batch", "--bogus"}, InputUse::None},
        {{"courtfee", "--list"}, InputUse::None},
    };
    for (const auto& [args, use] : cases) {
        EXPECT_EQ(StandardInputUse(static_cast<int>(args.size()), args.data()), use) << args.back();
    }
}

// Answers that cannot be written (a full disk, here /dev/full) fail the run instead of passing
// for success; MCP and batch stop at the first write that fails.
TEST(CourtfeeOutput, AnOutputThatCannotBeWrittenIsAFailure) {
    const std::vector<std::pair<std::vector<const char*>, std::string>> runs = {
        {{"courtfee", "1、财产案件", "10000"}, ""},
        {{"courtfee", "--list"}, ""},
        {{"courtfee", "--batch"}, std::string(100000, 'x') + "\n1、财产案件\t1\n"},
        {{"courtfee", "--mcp"},
         R"({"jsonrpc":"2.0","id":1,"method":"ping"})"
         "\n"
         R"({"jsonrpc":"2.0","id":2,"method":"ping"})"
         "\n"},
    };
    for (const auto& [args, input] : runs) {
        std::FILE* full = std::fopen("/dev/full", "w");
        ASSERT_NE(full, nullptr);
        std::FILE* in = std::tmpfile();
        std::FILE* err = std::tmpfile();
        std::fwrite(input.data(), 1, input.size(), in);
        std::rewind(in);
        const int status = RunCourtfee(static_cast<int>(args.size()), args.data(), in, full, err);
        std::fclose(full);
        std::fclose(in);
        EXPECT_EQ(status, kExitFailed) << args[1];
        EXPECT_EQ(test_support::ReadAll(err), "courtfee: 无法写出结果 / cannot write the output\n")
            << args[1];
    }
}

TEST(CourtfeeList, EveryTypeUnderItsKindWithItsRuleInWords) {
    const CommandRun run = Courtfee({"--list"});
    EXPECT_EQ(run.status, kExitOk);
    const std::string& tree = run.out;
    EXPECT_EQ(tree.rfind("诉讼类\n  一、财产案件\n    1、财产案件\t财产案件分段累计\n", 0), 0U);
    EXPECT_NE(tree.find("    7、管辖异议不成立\t固定 100 元\n"), std::string::npos);
    EXPECT_NE(tree.find("非诉讼类\n  一、仲裁案件\n"), std::string::npos);
    EXPECT_NE(tree.find("    5.申请共同海损理算\t固定 1000 元\n"), std::string::npos);
    std::size_t typeLines = 0;
    for (std::size_t at = tree.find("\n    "); at != std::string::npos;
         at = tree.find("\n    ", at + 1)) {
        ++typeLines;
    }
    EXPECT_EQ(typeLines, 29U);
}

TEST(CourtfeeBatch, AnswersEveryLineInOrder) {
    const CommandRun run = Courtfee({"--batch"},
                                    "1、财产案件\t10000\r\n"
                                    "2、知识产权案件\n"
                                    "1、执行案件\tabc\n"
                                    "1、执行案件\t1e400\n"
                                    "无此类型\t5\n"
                                    "6、劳动争议案件\t");
    EXPECT_EQ(run.status, kExitFailed);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = run.out.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(run.out.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), 6U) << run.out;
    EXPECT_EQ(lines[0], "1、财产案件\t10000\t50.00\t");
    EXPECT_EQ(lines[1], "2、知识产权案件\t0\t1000.00\t");
    EXPECT_EQ(lines[2], "1、执行案件\tabc\t\t标的中请输入数字！");
    EXPECT_EQ(lines[3], "1、执行案件\t1e400\t\t计算错误：溢出");
    EXPECT_EQ(lines[4].rfind("无此类型\t5\t\t未知的案件类型“无此类型”", 0), 0U) << lines[4];
    EXPECT_EQ(lines[5], "6、劳动争议案件\t0\t10.00\t");
}

TEST(CourtfeeBatch, ExitsZeroWhenEveryLineSucceeds) {
    const CommandRun run = Courtfee({"--batch"}, "1、财产案件\t1\n1、离婚案件\t300000\n");
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out, "1、财产案件\t1\t50.00\t\n1、离婚案件\t300000\t800.00\t\n");
    EXPECT_EQ(Courtfee({"--batch"}, "").out, "");
}

// Excel and Notepad start a UTF-8 file with a byte-order mark; only there is it skipped.
// Notepad and Excel start a UTF-8 file with a byte-order mark; files joined together carry one
// at the start of each part. An empty file saved by Notepad is the mark alone.
TEST(CourtfeeBatch, SkipsByteOrderMarks) {
    const std::string mark = "\xEF\xBB\xBF";
    const CommandRun run =
        Courtfee({"--batch"}, mark + "1、财产案件\t10000\n" + mark + "1、财产案件\t10001\n");
    EXPECT_EQ(run.out, "1、财产案件\t10000\t50.00\t\n1、财产案件\t10001\t50.03\t\n");
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(Courtfee({"--batch"}, mark).out, "");
}

TEST(CourtfeeBatch, SurvivesNulBytesLongLinesAndInvalidUtf8) {
    std::string input = "1、财产案件\t1";
    input.push_back('\0');
    input += "0\n";
    input += "\xFF\xFE\t100\n";
    input += std::string(1 << 20, '7') + "\n";
    input += "1、财产案件\t" + std::string(1 << 20, '1') + "\n";
    const CommandRun run = Courtfee({"--batch"}, input);
    EXPECT_EQ(run.status, kExitFailed);
    std::size_t lines = 0;
    for (char c : run.out) {
        lines += c == '\n' ? 1 : 0;
    }
    EXPECT_EQ(lines, 4U);
    EXPECT_NE(run.out.find("\t标的中请输入数字！\n"), std::string::npos);
    EXPECT_NE(run.out.find("\xFF\xFE\t100\t\t未知的案件类型"), std::string::npos);
    EXPECT_NE(run.out.find("\t计算错误：溢出\n"), std::string::npos);
}

TEST(CourtfeeModes, ExplainHalveAndJsonReportThroughTheirExitStatus) {
    const CommandRun explained = Courtfee({"--explain", "1、财产案件", "10001"});
    EXPECT_EQ(explained.status, kExitOk);
    EXPECT_TRUE(explained.out.ends_with("法院收费：50.03\n大写：人民币伍拾元零叁分\n"))
        << explained.out;

    // Without a fee there is nothing to explain: the note alone, once, on stderr.
    for (const auto& [amount, note] : std::vector<std::pair<std::string, std::string>>{
             {"abc", "标的中请输入数字！\n"}, {"1e400", "计算错误：溢出\n"}}) {
        const CommandRun failed = Courtfee({"--explain", "1、财产案件", amount});
        EXPECT_EQ(failed.status, kExitFailed);
        EXPECT_EQ(failed.out, "");
        EXPECT_EQ(failed.err, note);
    }
    const CommandRun unknownType = Courtfee({"--explain", "财产案件", "1"});
    EXPECT_EQ(unknownType.status, kExitFailed);
    EXPECT_EQ(unknownType.out, "");
    EXPECT_EQ(unknownType.err, Courtfee({"财产案件", "1"}).err);

    const CommandRun halved = Courtfee({"--halve", "调解", "1、财产案件", "10001"});
    EXPECT_EQ(halved.status, kExitOk);
    EXPECT_EQ(halved.out, "25.02（全额 50.03，依第十五条减半交纳）\n");
    const CommandRun refused = Courtfee({"--halve", "撤诉", "1、执行案件", "10001"});
    EXPECT_EQ(refused.status, kExitFailed);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("申请费"), std::string::npos);

    const CommandRun json = Courtfee({"--json", "1、财产案件", "abc"});
    EXPECT_EQ(json.status, kExitFailed);
    EXPECT_EQ(json.out.rfind("{", 0), 0U);
    const CommandRun lines = Courtfee({"--batch", "--json"}, "1、财产案件\t1\n2、破产案件\t2\n");
    EXPECT_EQ(lines.status, kExitOk);
    EXPECT_EQ(std::count(lines.out.begin(), lines.out.end(), '\n'), 2);
}

TEST(TypeSuggestions, NameTheClosestTypesFirst) {
    EXPECT_EQ(ClosestTypes("1、财产案", 1).front(), "1、财产案件");
    EXPECT_EQ(ClosestTypes("1、申请设立海事赔偿责任限制基金", 1).front(),
              "1.申请设立海事赔偿责任限制基金");
    EXPECT_EQ(ClosestTypes("执行案件", 1).front(), "1、执行案件");
    const std::string message = UnknownTypeMessage(std::string(5000, 'x'));
    EXPECT_LT(message.size(), 600U);
}

}  // namespace
}  // namespace zq::cli
