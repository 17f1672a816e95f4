// SPDX-License-Identifier: MIT
// The courtfee command: its arguments and usage, what it prints where and its exit status in every
// mode, its JSON, and --batch. The calculations and their words are tested with the core and the
// presentation layer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "calc/catalogue.h"
#include "cli/courtfee_app.h"
#include "tests/courtfee_run.h"

namespace zq::cli {
namespace {

using nlohmann::json;
using test_support::CommandRun;
using test_support::Courtfee;

// The command and the MCP server read the figures a user keeps; the tests run with none of the
// developer's own.
const std::string kNoConfig = ::testing::TempDir() + "courtfee-no-config";
class WithoutKeptFigures : public ::testing::Environment {
    void SetUp() override { setenv("XDG_CONFIG_HOME", kNoConfig.c_str(), 1); }
};
[[maybe_unused]] const auto* const kWithoutKeptFigures =
    ::testing::AddGlobalTestEnvironment(new WithoutKeptFigures);

struct Printed {
    std::vector<std::string> args;
    int status;
    const char* out;  // nullptr: not looked at
    const char* err;
};

class CourtfeePrints : public ::testing::TestWithParam<Printed> {};

TEST_P(CourtfeePrints, TheAnswerOnStdoutAndWhyNotOnStderr) {
    const Printed& row = GetParam();
    const CommandRun run = Courtfee(row.args);
    EXPECT_EQ(run.status, row.status) << run.err;
    if (row.out != nullptr) {
        EXPECT_EQ(run.out, row.out);
    }
    if (row.err != nullptr) {
        EXPECT_EQ(run.err, row.err);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CourtfeePrints,
    ::testing::Values(
        Printed{{"1、财产案件", "10000"}, kExitOk, "50.00\n", ""},
        Printed{{"2、知识产权案件"}, kExitOk, "1000.00\n", ""},
        Printed{{"--", "1、财产案件", "-5"}, kExitFailed, "", "标的金额不能为负数！\n"},
        // A name as a lawyer types it is said on stderr; several claims are priced on their sum.
        Printed{{"离婚", "300000"}, kExitOk, "800.00\n", "按“1、离婚案件”计算\n"},
        Printed{{"1、财产案件", "1234567.89", "50000"}, kExitOk, "16361.11\n", ""},
        Printed{{"仲裁", "1"}, kExitFailed, "", nullptr},
        Printed{{"1、财产案件", "1", "x"}, kExitFailed, "", "标的中请输入数字！\n"},
        Printed{{"1、财产案件", "abc"}, kExitFailed, "", "标的中请输入数字！\n"},
        Printed{{"1、财产案件", "1e400"}, kExitFailed, "", "计算错误：溢出\n"},
        Printed{{"--capitals", "1、财产案件", "1000000"},
                kExitOk,
                "13800.00（人民币壹万叁仟捌佰元整）\n",
                ""},
        // A fee of 1 万亿 yuan or more has no capitals; the fee stands and stderr says why.
        Printed{{"--capitals", "1、财产案件", "1e15"},
                kExitOk,
                "5000000041800.00\n",
                "courtfee: 1万亿元及以上的金额不写大写 / no capitals for amounts of 1 万亿 yuan or "
                "more\n"},
        Printed{{"--explain", "1、财产案件", "abc"}, kExitFailed, "", "标的中请输入数字！\n"},
        Printed{{"--halve", "调解,简易程序", "1、财产案件", "10001"},
                kExitOk,
                "25.02（全额 50.03，依第十五条、第十六条减半交纳）\n"
                "说明：同时符合第十五条、第十六条的，是否累计减半，《办法》未作规定；本程序只减半一"
                "次。\n",
                ""},
        Printed{{"--halve", "调解", "1、财产案件", "10001"},
                kExitOk,
                "25.02（全额 50.03，依第十五条减半交纳）\n",
                ""},
        // Options after the case, a reason given twice, a trailing comma, the halved capitals.
        Printed{{"--halve", "调解,", "1、财产案件", "10001", "--halve", "调解", "--capitals"},
                kExitOk,
                "25.02（人民币贰拾伍元零贰分）（全额 50.03，依第十五条减半交纳）\n",
                ""},
        Printed{{"--halve", "撤诉", "1、执行案件", "10001"},
                kExitFailed,
                "",
                "“1、执行案件”收取的是申请费（第十四条）；第十五条、第十六条、第十八条的减半交纳只"
                "适用于"
                "案件受理费\n"},
        Printed{
            {"--amount-for", "1、财产案件", "１３８００"},
            kExitOk,
            "得出法院收费 13800.00 元的标的金额（1、财产案件）：\n  999999.50 至 1000000.55 元\n",
            ""},
        // No amount gives the fee: that is the answer, on stderr, with status 1.
        Printed{{"--amount-for", "2、破产案件", "300000.01"},
                kExitFailed,
                "",
                "没有标的金额得出法院收费 300000.01 元（2、破产案件）；最接近的可能收费：300000.00 "
                "元\n"},
        Printed{{"--amount-for", "1、财产案件", "1e400"}, kExitFailed, "", "计算错误：溢出\n"},
        Printed{{"--split", "0", "1、财产案件", "1000000"}, kExitOk, nullptr, ""},
        Printed{{"--split", "101", "1、财产案件", "100"},
                kExitFailed,
                "",
                "判决支持的金额应在0至标的金额（100）之间\n"},
        Printed{{"--json", "1、财产案件", "abc"}, kExitFailed, nullptr, "标的中请输入数字！\n"},
        // The later stages of a case.
        Printed{{"--appeal", "1、财产案件", "10001"}, kExitOk, "50.03（上诉，依第十七条）\n", ""},
        Printed{{"--appeal", "7、管辖异议不成立"},
                kExitOk,
                "0.00（上诉，依第八条第（三）项不交纳）\n",
                ""},
        Printed{{"--retrial", "1、执行案件", "10001"},
                kExitFailed,
                "",
                "“1、执行案件”收取的是申请费（第十四条）；再审案件受理费（第十九条）只涉及案件受理"
                "费\n"},
        Printed{{"--change", "2000000", "1、财产案件", "1000000"}, kExitOk, nullptr, ""},
        Printed{{"--refund", "调解", "1、财产案件", "10001"},
                kExitOk,
                "退还：25.01（人民币贰拾伍元零壹分）；不予退还：25."
                "02（人民币贰拾伍元零贰分）（第十五条）\n",
                ""},
        Printed{{"--refund", "打折", "1、财产案件", "1"}, kExitUsage, "", nullptr},
        // Who bears a fee, by the type and how the case ended.
        Printed{{"--split", "5000", "--halve", "简易程序", "1、财产案件", "10001"},
                kExitOk,
                nullptr,
                ""},
        Printed{{"--split", "1", "7、管辖异议不成立", "1"}, kExitFailed, "", nullptr},
        // A court's figure within the range, for one call; outside it, refused with the range.
        Printed{{"--figure", "离婚=200", "1、离婚案件"},
                kExitOk,
                "200.00\n",
                "说明：按本地标准计收200元；第十三条第（二）项第1目规定每件交纳50元至300元。\n"},
        // Asked by the name of what the type prices otherwise than the name's own article.
        Printed{
            {"公示催告", "10000"},
            kExitOk,
            "16.67\n",
            "按“1、支付令、公示催告案件”计算\n说明：申请公示催告的，第十四条第（四）项规定每件交"
            "纳100元；本类型一律比照支付令，按财产案件受理费标准的1/3计算。\n"},
        Printed{{"--figure", "1、离婚案件=400", "1、离婚案件"},
                kExitFailed,
                "",
                "“1、离婚案件”的本地标准应在50元至300元之间（第十三条第（二）项第1目）\n"},
        Printed{{"--amount-for", "--json", "1、财产案件", "13800.005"}, kExitOk, nullptr, ""}));

TEST(Courtfee, ANameForNoTypeNamesTheClosestOnesInEveryMode) {
    const std::string err = Courtfee({"刑事附带民事", "100"}).err;
    EXPECT_TRUE(err.starts_with("未知的案件类型“刑事附带民事”；最接近的类型：")) << err;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--explain", "刑事附带民事", "100"},
                                               {"--halve", "调解", "刑事附带民事", "100"},
                                               {"--split", "1", "刑事附带民事", "100"},
                                               {"--amount-for", "刑事附带民事", "100"},
                                               {"--appeal", "刑事附带民事", "100"},
                                               {"--change", "5", "刑事附带民事", "100"},
                                               {"--refund", "中止", "刑事附带民事", "100"}}) {
        const CommandRun run = Courtfee(args);
        EXPECT_EQ(run.status, kExitFailed);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, err) << args[0];
    }
}

TEST(Courtfee, HelpVersionAndTheCatalogue) {
    const CommandRun help = Courtfee({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    for (const char* line : {"courtfee --explain", "courtfee --halve 事由", "反诉 (counterclaim)",
                             "courtfee --amount-for", "courtfee --split", "courtfee --list",
                             "courtfee --batch", "courtfee --mcp"}) {
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
    }
    EXPECT_NE(Courtfee({"--version"}).out.find("2.0.0"), std::string::npos);
    const std::string tree = Courtfee({"--list"}).out;
    EXPECT_TRUE(tree.starts_with("诉讼类\n  一、财产案件\n    1、财产案件\t财产案件分段累计\n"))
        << tree;
    EXPECT_EQ(std::count(tree.begin(), tree.end(), '\t'), 30);
}

// A mistake gets its one line and a pointer to --help, not the whole usage.
TEST(Courtfee, UsageMistakesSayWhatAndWhereToLook) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"--frobnicate"},
                                               {"--refund"},
                                               {"--refund", "打折", "1、财产案件"},
                                               {"--change"},
                                               {"--figure"},
                                               {"--set-figure", "离婚=200", "1、离婚案件"},
                                               {"--batch", "x"},
                                               {"--halve", "foo", "1、财产案件", "1"},
                                               {"--halve"},
                                               {"--explain", "--halve", "调解", "1、财产案件"},
                                               {"--list", "--json"},
                                               {"--list", "x"},
                                               {"--capitals", "--explain", "1、财产案件"},
                                               {"--amount-for", "1、财产案件"},
                                               {"--split"},
                                               {"--split", "1", "1、财产案件"},
                                               {"--change", "1、财产案件", "100"},
                                               {"1、财产案件", "100", "--batch"},
                                               {"--mcp", "x"}}) {
        const CommandRun run = Courtfee(args);
        EXPECT_EQ(run.status, kExitUsage) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << run.err;
        EXPECT_TRUE(run.err.starts_with("courtfee: ")) << run.err;
        EXPECT_TRUE(run.err.ends_with("courtfee --help for the usage\n")) << run.err;
    }
    EXPECT_TRUE(Courtfee({"--capitals", "--explain", "1、财产案件"})
                    .err.starts_with("courtfee: 这些选项不能同时使用 / these options do not go "
                                     "together: --explain --capitals\n"));
}

// On Windows a console's input is bridged only for the modes that read it, so that a single fee
// does not swallow what is typed ahead for the next command.
TEST(Courtfee, OnlyBatchAndMcpReadStandardInput) {
    const std::vector<std::pair<std::vector<const char*>, InputUse>> cases = {
        {{"courtfee", "--batch"}, InputUse::CaseLines},
        {{"courtfee", "--json", "--batch"}, InputUse::CaseLines},
        {{"courtfee", "--mcp"}, InputUse::Protocol},
        {{"courtfee", "1、财产案件", "10000"}, InputUse::None},
        {{"courtfee", "--", "--batch"}, InputUse::None},
        {{"courtfee", "--batch", "--help"}, InputUse::None},
        {{"courtfee", "--batch", "--bogus"}, InputUse::None},
    };
    for (const auto& [args, use] : cases) {
        EXPECT_EQ(StandardInputUse(static_cast<int>(args.size()), args.data()), use) << args.back();
    }
}

// Answers that cannot be written (a full disk, here /dev/full) fail the run instead of passing
// for success; MCP and batch stop at the first write that fails.
TEST(Courtfee, AnOutputThatCannotBeWrittenIsAFailure) {
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

TEST(CourtfeeJson, EveryModeAgreesWithItsPlainAnswer) {
    for (const auto& kind : catalogue::AllKinds()) {
        for (const auto& type : kind.types) {
            for (const char* amount : {"", "12345.678", "abc", "1e400", "-5"}) {
                const std::string text(type.text);
                const CommandRun plain = Courtfee({text, amount});
                const json object = json::parse(Courtfee({"--json", text, amount}).out);
                EXPECT_EQ(object["type"], text);
                EXPECT_EQ(object["fee"],
                          plain.out.empty() ? "" : plain.out.substr(0, plain.out.size() - 1));
                if (plain.status == kExitOk) {
                    EXPECT_TRUE(object["message"].is_null());
                    EXPECT_EQ(object["fee_value"].get<double>(), std::stod(plain.out));
                    EXPECT_TRUE(object["fee_capitals"].is_string());
                } else {
                    EXPECT_EQ(object["message"].get<std::string>() + "\n", plain.err);
                    EXPECT_TRUE(object["fee_value"].is_null() && object["fee_capitals"].is_null());
                }
                const json explained =
                    json::parse(Courtfee({"--explain", "--json", text, amount}).out);
                EXPECT_EQ(explained["fee"], object["fee"]);
                EXPECT_EQ(explained.contains("steps"), plain.status == kExitOk);
            }
        }
    }
    const json explained =
        json::parse(Courtfee({"--explain", "--json", "1、离婚案件", "300000"}).out);
    EXPECT_EQ(explained["basis"],
              json::parse(R"({"article":"第十三条第（二）项第1目","fee_kind":"案件受理费"})"));
    EXPECT_EQ(
        explained["steps"][1],
        json::parse(
            R"({"label":"超过20万元的部分","part":"100000.00","rate":"0.5%","amount":"500.00"})"));
    EXPECT_EQ(explained["steps"][0]["part"], nullptr);
    EXPECT_EQ(explained["top_of_range"], true);
    EXPECT_EQ(explained["notes"], json::array());
    const json halved =
        json::parse(Courtfee({"--halve", "调解", "--json", "1、财产案件", "10001"}).out);
    EXPECT_EQ(halved["halved_fee"], "25.02");
    EXPECT_EQ(halved["halved_fee_capitals"], "贰拾伍元零贰分");
    EXPECT_EQ(halved["articles"], "第十五条");
    const json split =
        json::parse(Courtfee({"--split", "5000.5", "--json", "1、财产案件", "10001"}).out);
    EXPECT_EQ(split["plaintiff_share"], "25.01");
    EXPECT_EQ(split["defendant_share_capitals"], "贰拾伍元零贰分");
    EXPECT_NE(split["basis"].get<std::string>().find("第二十九条"), std::string::npos);
    const json refused =
        json::parse(Courtfee({"--split", "1", "--json", "2、破产案件", "10001"}).out);
    EXPECT_EQ(refused["split_fee"], nullptr);
    EXPECT_NE(refused["message"].get<std::string>().find("申请费"), std::string::npos);
    const json amounts =
        json::parse(Courtfee({"--amount-for", "--json", "1、申请诉讼保全措施案件", "5000"}).out);
    EXPECT_EQ(amounts["amounts"], json::parse(R"([{"min":"895999.00","max":null}])"));
    EXPECT_EQ(amounts["nearest_below"], nullptr);
    // Bytes that are not UTF-8 still give valid JSON.
    EXPECT_TRUE(json::parse(Courtfee({"--json", "\xFF\xFE", "1"}).out)["message"].is_string());
}

// A figure kept in the user's configuration is in force for every later call, until cleared.
TEST(CourtfeeFigures, KeptUntilCleared) {
    const std::string folder = ::testing::TempDir() + "courtfee-config";
    std::filesystem::remove_all(folder);
    ASSERT_EQ(setenv("XDG_CONFIG_HOME", folder.c_str(), 1), 0);
    EXPECT_EQ(Courtfee({"--set-figure", "离婚=200"}).status, kExitOk);
    EXPECT_EQ(Courtfee({"--batch"}, "1、离婚案件\n").out, "1、离婚案件\t0\t200.00\t\n");
    std::ofstream(folder + "/zorvikquillet/figures", std::ios::app) << "1、离婚案件=9999\n";
    const CommandRun priced = Courtfee({"1、离婚案件"});
    EXPECT_EQ(priced.out, "200.00\n");
    EXPECT_TRUE(priced.err.starts_with("courtfee: 本地标准文件中有 1 行无法读取")) << priced.err;
    EXPECT_NE(
        Courtfee({"--figures"})
            .out.find("1、离婚案件\t50元至300元（第十三条第（二）项第1目）\t本地标准 200 元\n"),
        std::string::npos);
    const json figures = json::parse(Courtfee({"--figures", "--json"}).out)["figures"];
    EXPECT_EQ(figures[0]["local"], 200);
    EXPECT_EQ(figures[1]["local"], nullptr);
    EXPECT_EQ(Courtfee({"--set-figure", "离婚=301"}).status, kExitFailed);
    EXPECT_EQ(Courtfee({"--set-figure", "1、离婚案件="}).status, kExitOk);
    EXPECT_EQ(Courtfee({"1、离婚案件"}).out, "300.00\n");
    setenv("XDG_CONFIG_HOME", kNoConfig.c_str(), 1);
    std::filesystem::remove_all(folder);
}

TEST(CourtfeeBatch, AnswersEveryLineInOrder) {
    const std::string mark = "\xEF\xBB\xBF";
    const CommandRun run = Courtfee({"--batch"}, mark +
                                                     "1、财产案件\t10000\r\n"
                                                     "2、知识产权案件\n" +
                                                     mark +
                                                     "1、执行案件\tabc\n"
                                                     "1、执行案件\t1e400\n"
                                                     "无此类型\t5\n"
                                                     "6、劳动争议案件\t");
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_TRUE(
        run.out.starts_with("1、财产案件\t10000\t50.00\t\n"
                            "2、知识产权案件\t0\t1000.00\t\n"
                            "1、执行案件\tabc\t\t标的中请输入数字！\n"
                            "1、执行案件\t1e400\t\t计算错误：溢出\n"
                            "无此类型\t5\t\t未知的案件类型“无此类型”"))
        << run.out;
    EXPECT_TRUE(run.out.ends_with("\n6、劳动争议案件\t0\t10.00\t\n")) << run.out;
    const CommandRun good = Courtfee({"--batch"}, "1、财产案件\t1\n1、离婚案件\t300000\n");
    EXPECT_EQ(good.status, kExitOk);
    EXPECT_EQ(good.out, "1、财产案件\t1\t50.00\t\n1、离婚案件\t300000\t800.00\t\n");
    // An empty file, or one saved by Notepad with its mark alone, has no cases.
    EXPECT_EQ(Courtfee({"--batch"}, "").out + Courtfee({"--batch"}, mark).out, "");
    const CommandRun lines = Courtfee({"--batch", "--json"}, "1、财产案件\t10000\n无此类型\t1\n");
    EXPECT_EQ(lines.status, kExitFailed);
    EXPECT_TRUE(
        lines.out.starts_with(R"({"amount":"10000","fee":"50.00","fee_capitals":"伍拾元整")"))
        << lines.out;
    EXPECT_EQ(std::count(lines.out.begin(), lines.out.end(), '\n'), 2);
}

TEST(CourtfeeBatch, SurvivesNulBytesLongLinesAndInvalidUtf8) {
    std::string input = "1、财产案件\t1";
    input.push_back('\0');
    input += "0\n\xFF\xFE\t100\n" + std::string(1 << 20, '7') + "\n1、财产案件\t" +
             std::string(1 << 20, '1') + "\n";
    const CommandRun run = Courtfee({"--batch"}, input);
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 4);
    EXPECT_NE(run.out.find("\t标的中请输入数字！\n"), std::string::npos);
    EXPECT_NE(run.out.find("\xFF\xFE\t100\t\t未知的案件类型"), std::string::npos);
    EXPECT_NE(run.out.find("\t计算错误：溢出\n"), std::string::npos);
}

}  // namespace
}  // namespace zq::cli
