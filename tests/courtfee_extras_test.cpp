// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "tests/courtfee_run.h"

namespace zq::cli {
namespace {

using nlohmann::json;
using test_support::CommandRun;
using test_support::Courtfee;

TEST(CourtfeeCapitals, PlainAndEveryJsonAnswer) {
    const CommandRun plain = Courtfee({"--capitals", "1、财产案件", "1000000"});
    EXPECT_EQ(plain.out, "13800.00（人民币壹万叁仟捌佰元整）\n");
    EXPECT_EQ(plain.err, "");
    EXPECT_EQ(json::parse(Courtfee({"--json", "1、财产案件", "10001"}).out)["fee_capitals"],
              "伍拾元零叁分");
    EXPECT_EQ(json::parse(Courtfee({"--json", "1、财产案件", "abc"}).out)["fee_capitals"], nullptr);
    // A fee of 1 万亿 yuan or more has no capitals, and no failure.
    const CommandRun huge = Courtfee({"--json", "1、财产案件", "1e15"});
    EXPECT_EQ(huge.status, kExitOk);
    EXPECT_EQ(json::parse(huge.out)["fee_capitals"], nullptr);
    const CommandRun noCapitals = Courtfee({"--capitals", "1、财产案件", "1e15"});
    EXPECT_EQ(noCapitals.status, kExitOk);
    EXPECT_EQ(noCapitals.out, "5000000041800.00\n");
    EXPECT_NE(noCapitals.err.find("1万亿元及以上的金额不写大写"), std::string::npos)
        << noCapitals.err;
    const json explained = json::parse(Courtfee({"--explain", "--json", "1、离婚案件", "0"}).out);
    EXPECT_EQ(explained["fee_capitals"], "叁佰元整");
    const json halved =
        json::parse(Courtfee({"--halve", "调解", "--json", "1、财产案件", "10001"}).out);
    EXPECT_EQ(halved["halved_fee_capitals"], "贰拾伍元零贰分");
    const CommandRun batch = Courtfee({"--batch", "--json"}, "1、财产案件\t10000\n无此类型\t1\n");
    EXPECT_NE(batch.out.find(R"("fee_capitals":"伍拾元整")"), std::string::npos);
    EXPECT_NE(batch.out.find(R"("fee_capitals":null)"), std::string::npos);
}

TEST(CourtfeeAmountFor, RangesPlainAndJson) {
    CommandRun run = Courtfee({"--amount-for", "1、财产案件", "１３８００"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(
        run.out,
        "得出法院收费 13800.00 元的标的金额（1、财产案件）：\n  999999.50 至 1000000.55 元\n");

    run = Courtfee({"--amount-for", "--json", "1、财产案件", "13800"});
    EXPECT_EQ(json::parse(run.out)["amounts"],
              json::parse(R"([{"min":"999999.50","max":"1000000.55"}])"));
    run = Courtfee({"--amount-for", "--json", "1、申请诉讼保全措施案件", "5000"});
    EXPECT_EQ(json::parse(run.out)["amounts"][0]["max"], nullptr);
}

TEST(CourtfeeAmountFor, NoAmountOrNoAnswer) {
    CommandRun run = Courtfee({"--amount-for", "2、破产案件", "300000.01"});
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("300000.00 元"), std::string::npos) << run.err;
    run = Courtfee({"--amount-for", "--json", "1、财产案件", "13800.005"});
    EXPECT_EQ(run.status, kExitOk);
    const json answer = json::parse(run.out);
    EXPECT_TRUE(answer["amounts"].empty());
    EXPECT_EQ(answer["nearest_below"], "13800.00");
    EXPECT_EQ(answer["nearest_above"], "13800.01");
    EXPECT_EQ(Courtfee({"--amount-for", "1、财产案件", "abc"}).status, kExitFailed);
}

// However the fee was typed, the sentence names it as a fee is written.
TEST(CourtfeeAmountFor, EchoesTheFeeAskedAboutAsAFee) {
    for (const auto& [typed, echoed] :
         std::vector<std::pair<std::string, std::string>>{{"49", "49.00"},
                                                          {"-1", "-1.00"},
                                                          {"1e20", "100000000000000000000.00"},
                                                          {"0.5e-1", "0.05"},
                                                          {"51.005", "51.005"}}) {
        const CommandRun run = Courtfee({"--amount-for", "1、财产案件", typed});
        EXPECT_EQ(run.status, kExitFailed) << typed;
        EXPECT_EQ(run.err.rfind("没有标的金额得出法院收费 " + echoed + " 元（1、财产案件）", 0), 0U)
            << run.err;
        EXPECT_EQ(
            json::parse(Courtfee({"--amount-for", "--json", "1、财产案件", typed}).out)["fee"],
            echoed);
    }
    const CommandRun overflow = Courtfee({"--amount-for", "1、财产案件", "1e400"});
    EXPECT_EQ(overflow.status, kExitFailed);
    EXPECT_EQ(overflow.err, "计算错误：溢出\n");
}

TEST(CourtfeeSplit, SharesAndRefusals) {
    CommandRun run = Courtfee({"--split", "333333.33", "1、财产案件", "1000000"});
    EXPECT_EQ(run.status, kExitOk);
    EXPECT_EQ(run.out.substr(0, run.out.find("按判决")),
              "案件受理费：13800.00（人民币壹万叁仟捌佰元整）\n"
              "原告负担：9200.00（人民币玖仟贰佰元整）\n"
              "被告负担：4600.00（人民币肆仟陆佰元整）\n");
    EXPECT_NE(run.out.find("第二十九条"), std::string::npos);

    const json split =
        json::parse(Courtfee({"--split", "5000.5", "--json", "1、财产案件", "10001"}).out);
    EXPECT_EQ(split["plaintiff_share"], "25.01");
    EXPECT_EQ(split["defendant_share"], "25.02");
    EXPECT_EQ(split["defendant_share_capitals"], "贰拾伍元零贰分");

    // A share under a yuan keeps its 0 before the point.
    run = Courtfee({"--split", "0", "1、财产案件", "1000000"});
    EXPECT_NE(run.out.find("\n被告负担：0.00（人民币零元整）\n"), std::string::npos) << run.out;

    // An application fee is no acceptance fee to split, as it is none to halve.
    run = Courtfee({"--split", "1", "1、执行案件", "10001"});
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "“1、执行案件”收取的是申请费（第十四条）；按判决支持比例分担只适用于案件受理费\n");
    const json refused =
        json::parse(Courtfee({"--split", "1", "--json", "2、破产案件", "10001"}).out);
    EXPECT_EQ(refused["fee"], nullptr);
    EXPECT_NE(refused["message"].get<std::string>().find("申请费"), std::string::npos);

    // The refusals themselves are the core's; the command reports them as failures.
    run = Courtfee({"--split", "101", "1、财产案件", "100"});
    EXPECT_EQ(run.status, kExitFailed);
    EXPECT_EQ(run.err, "判决支持的金额应在0至标的金额（100）之间\n");
    EXPECT_NE(Courtfee({"--split", "1", "财产案件", "5"}).err.find("“1、财产案件”"),
              std::string::npos);
}

}  // namespace
}  // namespace zq::cli
