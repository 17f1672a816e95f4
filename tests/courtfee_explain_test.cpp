// SPDX-License-Identifier: MIT
// The command line's rendering of breakdowns and halvings, its reading of halving reasons, and
// its JSON. The calculations themselves are tested with the core.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "calc/catalogue.h"
#include "cli/batch.h"
#include "cli/explanation.h"
#include "cli/halving_text.h"
#include "cli/json_output.h"

namespace zq::cli {
namespace {

TEST(ExplanationText, NamesTheBasisTheBandsAndEndsWithTheFee) {
    const std::string text = RenderExplanation(ExplainFee("1、离婚案件", "300000"));
    EXPECT_NE(text.find("依据：《诉讼费用交纳办法》第十三条第（二）项第1目（案件受理费）"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  超过20万元的部分：100000 × 0.5% = 500.00\n"), std::string::npos) << text;
    EXPECT_NE(text.find("注：有收费范围的，按最高限额计算。"), std::string::npos);
    EXPECT_TRUE(text.ends_with("法院收费：800.00\n大写：人民币捌佰元整\n")) << text;
}

TEST(ExplanationText, SaysWhereTheFigureIsAChoiceBesideTheMeasures) {
    const std::string text = RenderExplanation(ExplainFee("1、执行案件", ""));
    EXPECT_NE(
        text.find("说明：没有执行金额或者价额的，第十四条第（一）项第1目规定每件交纳50元至500元"),
        std::string::npos)
        << text;
    const nlohmann::json notes = nlohmann::json::parse(
        ExplanationJson(ExplainFee("1、支付令、公示催告案件", "10001")))["notes"];
    ASSERT_EQ(notes.size(), 2U);
    EXPECT_NE(notes[0].get<std::string>().find("第十四条第（四）项"), std::string::npos);
    EXPECT_TRUE(
        nlohmann::json::parse(ExplanationJson(ExplainFee("1、财产案件", "1")))["notes"].empty());
}

TEST(ExplanationText, ANoteTakesThePlaceOfTheSteps) {
    EXPECT_EQ(RenderExplanation(ExplainFee("1、财产案件", "abc")), "标的中请输入数字！\n");
    const std::string unknown = RenderExplanation(ExplainFee("无此类型", "5"));
    EXPECT_NE(unknown.find("未知的案件类型“无此类型”"), std::string::npos) << unknown;
    EXPECT_EQ(unknown.find("法院收费"), std::string::npos);
}

TEST(HalvingReasons, ReadsChineseWordsAndAliasesAndRefusesTheRest) {
    const auto all = ParseHalvingReasons("调解,撤诉,简易程序,反诉");
    ASSERT_TRUE(all.has_value());
    EXPECT_EQ(all->size(), 4U);
    // The separators an English keyboard and a Chinese input method type.
    const auto mixed = ParseHalvingReasons("调解、summary，反诉");
    ASSERT_TRUE(mixed.has_value());
    EXPECT_EQ(*mixed, (std::vector{HalvingReason::Mediation, HalvingReason::Summary,
                                   HalvingReason::Counterclaim}));
    EXPECT_FALSE(ParseHalvingReasons("打折").has_value());
    EXPECT_FALSE(ParseHalvingReasons("").has_value());
    EXPECT_FALSE(ParseHalvingReasons("调解,").has_value());
    EXPECT_FALSE(ParseHalvingReasons("调解，").has_value());
}

TEST(HalvingText, TheNoteIsTheRefusalOrTheCaseNote) {
    const std::vector reasons{HalvingReason::Withdrawal};
    EXPECT_EQ(HalvingNote("1、财产案件", HalveFee(reasons, "1、财产案件", "1")), "");
    EXPECT_NE(HalvingNote("1、执行案件", HalveFee(reasons, "1、执行案件", "1")).find("申请费"),
              std::string::npos);
    EXPECT_EQ(HalvingNote("1、财产案件", HalveFee(reasons, "1、财产案件", "abc")),
              "标的中请输入数字！");
}

TEST(JsonOutput, ParsesAndAgreesWithThePlainAnswer) {
    for (const auto& kind : catalogue::AllKinds()) {
        for (const auto& type : kind.types) {
            for (const char* amount : {"", "12345.678", "abc", "1e400", "-5"}) {
                const CaseAnswer answer = AnswerCase(type.text, amount);
                const auto object = nlohmann::json::parse(CaseJson(type.text, answer));
                EXPECT_EQ(object["type"], type.text);
                EXPECT_EQ(object["amount"], answer.amountText);
                EXPECT_EQ(object["fee"], answer.feeText);
                if (answer.ok()) {
                    EXPECT_TRUE(object["message"].is_null());
                    EXPECT_EQ(object["fee_value"].get<double>(), std::stod(answer.feeText));
                } else {
                    EXPECT_EQ(object["message"], answer.note);
                    EXPECT_TRUE(object["fee_value"].is_null());
                }
                const auto explained =
                    nlohmann::json::parse(ExplanationJson(ExplainFee(type.text, amount)));
                EXPECT_EQ(explained["fee"], answer.feeText);
            }
        }
    }
    // Bytes that are not UTF-8 still give valid JSON.
    const auto odd = nlohmann::json::parse(CaseJson("\xFF\xFE", AnswerCase("\xFF\xFE", "1")));
    EXPECT_TRUE(odd["message"].is_string());
}

}  // namespace
}  // namespace zq::cli
