// SPDX-License-Identifier: MIT
// The presentation layer: the calculator window's behaviour without a toolkit, the control table,
// and the words every front end shows.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc/catalogue.h"
#include "present/calculator.h"
#include "present/case_notes.h"
#include "present/case_summary.h"
#include "present/extras_texts.h"
#include "present/figure_rows.h"
#include "present/form_layout.h"
#include "present/rule_words.h"
#include "present/stage_texts.h"
#include "present/type_finder.h"
#include "present/window_place.h"

namespace zq::present {
namespace {

using Texts = std::vector<std::string_view>;

Calculator Loaded() {
    Calculator calculator;
    calculator.FormLoad();
    return calculator;
}

TEST(Calculator, LoadsWithTheFirstClassKindAndTypeSelected) {
    Calculator calculator;
    EXPECT_EQ(calculator.classOn(), -1);
    EXPECT_TRUE(calculator.kinds().empty() && calculator.types().empty());
    calculator.FormLoad();
    EXPECT_EQ(calculator.classOn(), 0);
    EXPECT_EQ(calculator.kinds(), catalogue::KindsOfClass(0));
    EXPECT_EQ(calculator.kindRow(), 0);
    EXPECT_EQ(calculator.types(), catalogue::TypesOfKind("一、财产案件"));
    EXPECT_EQ(calculator.typeText(), "1、财产案件");
    EXPECT_EQ(calculator.amountText() + calculator.feeText(), "");
    EXPECT_TRUE(calculator.explanation().empty());
    EXPECT_FALSE(calculator.extras().shown);
}

TEST(Calculator, TheSelectionCascadesFromClassToKindToType) {
    Calculator calculator = Loaded();
    const int typesVersion = calculator.typesVersion();
    calculator.List1Click(1);
    EXPECT_EQ(calculator.types(), catalogue::TypesOfKind("二、非财产案件"));
    EXPECT_EQ(calculator.typeRow(), 0);
    EXPECT_EQ(calculator.typesVersion(), typesVersion + 1);
    calculator.List2Click(6);
    EXPECT_EQ(calculator.typeText(), "7、管辖异议不成立");
    // The selected kind again, a row that is not there, or the class already on: nothing moves.
    for (const auto& again :
         {+[](Calculator& c) { c.List1Click(1); }, +[](Calculator& c) { c.List1Click(99); },
          +[](Calculator& c) { c.List2Click(-1); }, +[](Calculator& c) { c.Option1Click(0); },
          +[](Calculator& c) { c.Option1Click(2); }}) {
        again(calculator);
        EXPECT_EQ(calculator.typeText(), "7、管辖异议不成立");
    }
    calculator.Option1Click(1);
    EXPECT_EQ(calculator.kinds(), catalogue::KindsOfClass(1));
    EXPECT_EQ(calculator.kindRow(), 0);
    EXPECT_EQ(calculator.typeText(), "1、申请执行仲裁裁决（涉外）");
    calculator.Option1Click(0);
    EXPECT_EQ(calculator.typeText(), "1、财产案件");
}

TEST(Calculator, CalculateWritesTheAmountTheFeeAndItsExplanation) {
    Calculator calculator = Loaded();
    EXPECT_EQ(calculator.Command1Click(), std::nullopt);
    EXPECT_EQ(calculator.amountText(), "0");
    EXPECT_EQ(calculator.feeText(), "50.00");
    EXPECT_EQ(calculator.explanation().front().text, "案件类型：1、财产案件");
    EXPECT_EQ(calculator.announcement(), "法院收费 50.00 元");
    // The fee stays when the type changes, until the next 计算.
    calculator.List1Click(3);
    EXPECT_EQ(calculator.feeText(), "50.00");
    calculator.TypeAmount("abc");
    EXPECT_EQ(calculator.Command1Click(),
              (Notice{"提示", "标的中请输入数字！", NoticeIcon::Warning}));
    EXPECT_EQ(calculator.amountText(), "abc");
    EXPECT_EQ(calculator.feeText(), "");
    EXPECT_TRUE(calculator.explanation().empty());
    EXPECT_EQ(calculator.announcement(), "");
    calculator.TypeAmount("1e400");
    EXPECT_EQ(calculator.Command1Click(), (Notice{"计算错误", "溢出", NoticeIcon::Error}));
    // A cell pasted from a spreadsheet: its blanks are not part of the amount; blanks alone are.
    for (const auto& [typed, kept] :
         {std::pair{" 1,000,000\u3000\t\r\n", "1,000,000"}, std::pair{"\u3000 ", "\u3000 "}}) {
        calculator.TypeAmount(typed);
        calculator.Command1Click();
        EXPECT_EQ(calculator.amountText(), kept);
    }
}

TEST(Calculator, ChargesTheCourtsFigureAndSaysSo) {
    Calculator calculator = Loaded();
    LocalFigures figures;
    ASSERT_EQ(figures.Set("1、离婚案件", 200), LocalFigures::Refusal::None);
    calculator.SetLocalFigures(figures);
    calculator.FormLoad();
    calculator.List1Click(1);
    calculator.Command1Click();
    EXPECT_EQ(calculator.feeText(), "200.00");
    EXPECT_EQ(calculator.explanation()[5].text, "  每件交纳50元至300元，按本地标准计算：200.00");
    // An amount below zero is refused with a warning of its own.
    calculator.TypeAmount("-5");
    EXPECT_EQ(calculator.Command1Click(),
              (Notice{"提示", "标的金额不能为负数！", NoticeIcon::Warning}));
}

TEST(Calculator, AFeeTypedOverIsNoLongerExplained) {
    Calculator calculator = Loaded();
    calculator.TypeAmount("10001");
    calculator.Command1Click();
    ASSERT_TRUE(calculator.extras().shown);
    calculator.TypeFee("49.00");
    EXPECT_EQ(calculator.feeText(), "49.00");
    EXPECT_TRUE(calculator.explanation().empty());
    EXPECT_FALSE(calculator.extras().shown);
    EXPECT_EQ(calculator.extras().copyText, "");
}

TEST(Calculator, ExtrasHalveSplitAndCopyTheLastFee) {
    Calculator calculator = Loaded();
    calculator.TypeAmount("10001");
    calculator.Command1Click();
    const CalculatorExtras& extras = calculator.extras();
    EXPECT_TRUE(extras.applicable);
    EXPECT_EQ(extras.halving, "选择减半事由，显示减半后的收费。");
    EXPECT_EQ(extras.split, "填写判决支持的金额，显示按比例分担的参考数额。");
    EXPECT_EQ(extras.copyText, "法院收费（全额）：50.03（人民币伍拾元零叁分）");
    calculator.TickHalvingReason(2, true);  // 简易程序
    EXPECT_EQ(extras.halving, "减半后收费：25.02（全额 50.03，依第十六条减半交纳）");
    EXPECT_EQ(extras.halvingCapitals, "大写：人民币贰拾伍元零贰分");
    EXPECT_EQ(extras.copyText,
              "法院收费（减半后，依第十六条减半交纳）：25.02（人民币贰拾伍元零贰分）");
    EXPECT_EQ(extras.copiedMessage, "已复制减半后的收费");
    // The split is of the fee as halved on the grounds ticked.
    calculator.TypeAwarded("5000.5");
    EXPECT_EQ(
        extras.split.substr(0, extras.split.find("按判决")),
        "案件受理费（减半后，依第十六条）：25.02（人民币贰拾伍元零贰分）\n"
        "原告负担：12.51（人民币壹拾贰元伍角壹分）\n被告负担：12.51（人民币壹拾贰元伍角壹分）\n");
    calculator.TypeAwarded("x");
    EXPECT_EQ(extras.split, "判决支持的金额中请输入数字！");
    // Mediated, the parties agree who bears it (Article 31).
    calculator.TickHalvingReason(0, true);
    EXPECT_TRUE(extras.split.ends_with("由人民法院决定（第三十一条）。")) << extras.split;
    // An application fee is not halved, and says so at once; enforcement's is borne by the
    // party enforced against (Article 38).
    calculator.Option1Click(1);
    calculator.Command1Click();
    EXPECT_FALSE(extras.applicable);
    EXPECT_EQ(extras.halving,
              "“1、申请执行仲裁裁决（涉外）”收取的是申请费（第十四条）；第十五条、"
              "第十六条、第十八条的减半交纳只适用于案件受理费");
    EXPECT_TRUE(
        extras.split.starts_with("申请费：50.02（人民币伍拾元零贰分）\n执行申请费由被执行人负担"))
        << extras.split;
    EXPECT_EQ(extras.copiedMessage, "已复制全额收费");
}

TEST(Calculator, ThePhonesFeeFollowsClaimsInYuanOrWan) {
    Calculator calculator = Loaded();
    EXPECT_FALSE(calculator.ChooseType("离婚"));
    ASSERT_TRUE(calculator.ChooseType("7、管辖异议不成立"));
    EXPECT_EQ(calculator.kindRow(), 1);
    ASSERT_TRUE(calculator.ChooseType("1、财产案件"));
    // [claims, unit, what is said beside them, fee, the amount line of the steps]
    const struct {
        std::vector<std::string> claims;
        AmountUnit unit;
        std::string said, fee, amountLine;
    } cases[] = {
        {{"100"}, AmountUnit::Wan, "", "13800.00", "标的金额：1000000 元"},
        {{"0.00001"}, AmountUnit::Wan, "", "50.00", "标的金额：0.1 元"},
        {{"123.456789", "5"},
         AmountUnit::Wan,
         "",
         "16361.11",
         "标的金额：1234567.89 + 50000 = 1284567.89 元"},
        {{"\u3000 1,234,567.89\t\r\n"},
         AmountUnit::Yuan,
         "",
         "15911.11",
         "标的金额：1,234,567.89 元"},
        {{"1万"}, AmountUnit::Yuan, "标的中请输入数字！", "", ""},
        {{"5", "-1"}, AmountUnit::Wan, "标的金额不能为负数！", "", ""},
        {{"1e400", "1"}, AmountUnit::Yuan, "计算错误：溢出", "", ""},
    };
    for (const auto& c : cases) {
        calculator.TypeClaims(c.claims, c.unit);
        EXPECT_EQ(calculator.Reckon(), c.said) << c.claims.front();
        EXPECT_EQ(calculator.feeText(), c.fee) << c.claims.front();
        EXPECT_EQ(c.fee.empty() ? "" : calculator.explanation()[1].text, c.amountLine);
        EXPECT_EQ(calculator.extras().shown, !c.fee.empty());
    }
}

TEST(Calculator, EntriesOfTheExtrasBelongToOneCase) {
    Calculator calculator = Loaded();
    calculator.TypeClaims({"100"}, AmountUnit::Wan);
    calculator.Reckon();
    calculator.TickHalvingReason(0, true);
    calculator.TypeAwarded("500000");
    calculator.ChooseRefundGround(1);
    calculator.TypeAmount("1000000");
    calculator.Command1Click();  // the same case by 计算
    EXPECT_TRUE(calculator.halvingReasonTicked(0));
    EXPECT_EQ(calculator.extras().shareText,
              "1、财产案件：标的金额 1000000 元，案件受理费 13800.00（人民币壹万叁仟捌佰元整），"
              "依《诉讼费用交纳办法》第十三条第（一）项。减半后：6900.00（人民币陆仟玖佰元整）"
              "（依第十五条减半交纳）。");
    EXPECT_EQ(calculator.extras().summary, "标的金额 1000000 元，法院收费 13800.00");
    EXPECT_EQ(calculator.extras().capitals, "人民币壹万叁仟捌佰元整");
    calculator.TypeAmount("1000001");
    calculator.Command1Click();
    EXPECT_FALSE(calculator.halvingReasonTicked(0));
    EXPECT_EQ(calculator.awardedText() + calculator.changedAmountText(), "");
    EXPECT_EQ(calculator.refundGround(), -1);
}

TEST(Calculator, TheLaterStagesOfTheCaseOnScreen) {
    Calculator calculator = Loaded();
    calculator.TypeAmount("1000000");
    calculator.Command1Click();
    calculator.TypeAppealed("300000");
    calculator.ChooseRefundGround(2);  // 发回重审: the appeal fee comes back
    EXPECT_TRUE(calculator.extras().appeal.starts_with("上诉案件受理费：5800.00"));
    EXPECT_TRUE(calculator.extras().refund.starts_with("退还：5800.00"));
    calculator.TypeChangedAmount("1000000");
    EXPECT_EQ(calculator.extras().change.substr(calculator.extras().change.rfind('\n') + 1),
              "变更前后收费相同，无需补交或退还（第二十一条）");
    ASSERT_TRUE(calculator.ChooseType("7、管辖异议不成立"));
    calculator.Command1Click();
    EXPECT_EQ(calculator.extras().appeal,
              "上诉案件受理费：0.00\n"
              "对管辖权异议裁定不服提起上诉的，不交纳案件受理费（第八条第（三）项）");
    EXPECT_EQ(calculator.extras().prepay,
              "交纳：提出管辖权异议的当事人，异议不成立的才交纳，不预交（第十三条第（六）项）");
    ASSERT_TRUE(calculator.ChooseType("1、执行案件"));
    calculator.Command1Click();
    EXPECT_EQ(calculator.extras().change,
              "“1、执行案件”收取的是申请费（第十四条）；上诉、再审和变更诉讼请求只涉及案件受理费");
    EXPECT_EQ(calculator.extras().appeal, "");
}

TEST(Calculator, TheReverseQuestionAndTheSearchForAType) {
    Calculator calculator = Loaded();
    EXPECT_EQ(calculator.AmountsAnswer("13800"),
              "得出法院收费 13800.00 元的标的金额（1、财产案件）：\n  999999.50 至 1000000.55 元");
    EXPECT_EQ(calculator.AmountsAnswer("x"), "法院收费中请输入数字！");
    EXPECT_TRUE(calculator.AmountsAnswer("50.001").starts_with("没有标的金额得出法院收费"));
    const TypeSearch divorce = SearchType("离婚");
    EXPECT_EQ((std::pair{divorce.found, divorce.note}),
              (std::pair{true, std::string("按“1、离婚案件”计算")}));
    const TypeSearch arbitration = SearchType("仲裁");
    EXPECT_EQ((std::pair{arbitration.found, arbitration.types.size()}), (std::pair{false, 8UL}));
    EXPECT_EQ(arbitration.note, "“仲裁”可指8种案件类型，请选择：");
    EXPECT_EQ(SearchType("  ").note, "");
    const TypeSearch none = SearchType("无此类型zz");
    EXPECT_EQ((std::pair{none.found, none.types.size()}), (std::pair{false, 3UL}));
}

TEST(FigureRows, SetClearedAndRefusedInTheCoresWords) {
    LocalFigures figures;
    EXPECT_EQ(SetFigureText(figures, "1、离婚案件", "200"), "");
    EXPECT_EQ(SetFigureText(figures, "1、离婚案件", "400"),
              "“1、离婚案件”的本地标准应在50元至300元之间（第十三条第（二）项第1目）");
    EXPECT_EQ(SetFigureText(figures, "1、离婚案件", "2.5"), "本地标准须为整数元：2.5");
    EXPECT_EQ(SetFigureText(figures, "1、财产案件", "50"),
              "“1、财产案件”的收费由《办法》规定为确定数额，不能设定本地标准");
    const std::vector<FigureRow> rows = FigureRows(figures);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front().type, "1、离婚案件");
    EXPECT_EQ(rows.front().range, "50元至300元（第十三条第（二）项第1目）");
    EXPECT_EQ(rows.front().inForce, "本地标准 200 元");
    EXPECT_EQ(rows.front().line(), "50元至300元（第十三条第（二）项第1目）：本地标准 200 元");
    EXPECT_EQ(rows.front().fieldName(), "1、离婚案件：本地标准（元）");
    EXPECT_EQ(SetFigureText(figures, "1、离婚案件", ""), "");
    EXPECT_EQ(FigureRows(figures).front().inForce, "按 300 元");
}

Texts Lines(const std::vector<ExplanationLine>& lines, LineStyle style) {
    Texts texts;
    for (const ExplanationLine& line : lines) {
        if (line.style == style) {
            texts.push_back(line.text);
        }
    }
    return texts;
}

TEST(Explanation, TheCalculationStepByStep) {
    const auto lines = ExplanationLines(ExplainFee("1、支付令、公示催告案件", "10001"));
    EXPECT_EQ(
        PlainText(lines),
        "案件类型：1、支付令、公示催告案件\n"
        "标的金额：10001 元\n"
        "依据：《诉讼费用交纳办法》第十四条第（三）项（申请费）\n"
        "规则：财产案件分段累计的三分之一\n"
        "分段累计：\n"
        "  不超过1万元的部分（每件）：50.00\n"
        "  超过1万元至10万元的部分：1.00 × 2.5% = 0.03\n"
        "  合计：50.03（未保留到分：50.025）\n"
        "比照财产案件受理费标准的1/3：50.025 ÷ 3 = 16.675，保留到分（四舍六入五成双）16.68\n"
        "说明：申请公示催告的，第十四条第（四）项规定每件交纳100元；本类型一律比照支付令，按财产"
        "案件受理费标准的1/3计算。\n"
        "说明：1/3保留到分时，恰为半分的按四舍六入五成双处理（16.675元计为16.68元），《办法》"
        "未规定舍入方法。\n"
        "预交：申请人，提出申请时或者在人民法院指定的期限内（第二十条、第二十二条）\n"
        "法院收费：16.68\n"
        "大写：人民币壹拾陆元陆角捌分\n");
    EXPECT_EQ(Lines(lines, LineStyle::Result),
              (Texts{"法院收费：16.68", "大写：人民币壹拾陆元陆角捌分"}));
    EXPECT_EQ(Lines(lines, LineStyle::Sentence).size(), 4U);
    EXPECT_TRUE(ExplanationLines(ExplainFee("1、财产案件", "abc")).empty());
}

TEST(Explanation, EveryKindOfStepInWords) {
    const auto words = [](const char* type, const char* amount) {
        const BreakdownWords w = WordsOf(ExplainFee(type, amount));
        std::string text = w.article + "|" + w.feeKind + "|";
        for (const BandWords& band : w.bands) {
            text += band.label + "=" + band.part + "×" + band.rate + "=" + band.amount + "|";
        }
        for (const std::string& line : w.adjustments) {
            text += line + "|";
        }
        return text;
    };
    EXPECT_EQ(words("1、离婚案件", "300000"),
              "第十三条第（二）项第1目|案件受理费|每件交纳50元至300元，按最高限额计算=×=300.00|"
              "超过20万元的部分=100000.00×0.5%=500.00|");
    EXPECT_TRUE(
        words("2、破产案件", "200000000")
            .ends_with(
                "超过2000万元的部分=180000000.00×0.5%=900000.00|"
                "按照财产案件受理费标准减半：1041800 ÷ 2 = 520900，保留到分（四舍六入五成双）"
                "520900.00|最高不超过30万元：300000.00|"));
    EXPECT_EQ(
        words("1、申请诉讼保全措施案件", "2000000"),
        "第十四条第（二）项|申请费|不超过1000元的部分（每件）=×=30.00|"
        "超过1000元至10万元的部分=99000.00×1%=990.00|超过10万元的部分=1900000.00×0.5%=9500.00|"
        "申请保全措施交纳的费用最多不超过5000元：5000.00|");
    EXPECT_EQ(
        words("2、知识产权案件", ""),
        "第十三条第（三）项|案件受理费|没有争议金额或者价额：每件交纳500元至1000元，按最高限额计算 "
        "1000.00|");
    EXPECT_EQ(
        words("2、知识产权案件", "1").ends_with("|有争议金额或者价额：按照财产案件的标准交纳|"),
        true);
    EXPECT_EQ(words("7、管辖异议不成立", ""),
              "第十三条第（六）项|案件受理费|每件交纳 100.00（50元至100元，按最高限额计算）|");
    EXPECT_EQ(words("6、劳动争议案件", ""), "第十三条第（四）项|案件受理费|每件交纳 10.00|");
    // The third of a whole-fen scale fee needs no word on the total.
    EXPECT_EQ(WordsOf(ExplainFee("1、支付令、公示催告案件", "1000000")).bandsTotal, "13800.00");
}

TEST(Explanation, NotesSayWhereTheFigureIsAChoice) {
    for (const auto& [type, amount, start] :
         {std::tuple{"1、执行案件", "", "没有执行金额或者价额的，第十四条第（一）项第1目"},
          std::tuple{"2、破产案件", "1", "减半保留到分时"},
          std::tuple{"1、行政执行案件", "1", "行政机关申请人民法院强制执行其行政决定的，不缴纳"},
          std::tuple{"1、申请承认外国法院民事判决、裁定案件", "",
                     "没有执行金额或者价额的，第十四条第（一）项第1目规定每件交纳50元至500元，本"
                     "程序按100元计收"}}) {
        const BreakdownWords words = WordsOf(ExplainFee(type, amount));
        ASSERT_EQ(words.notes.size(), 1U) << type;
        EXPECT_TRUE(words.notes[0].starts_with(start)) << words.notes[0];
    }
}

TEST(RuleWords, EachRuleFromItsScale) {
    for (const auto& [type, words] :
         {std::pair{"1、财产案件", "财产案件分段累计"},
          std::pair{"2、破产案件", "财产案件分段累计减半，最高 300000 元"},
          std::pair{"2、知识产权案件", "财产案件分段累计；无争议金额的 1000 元"},
          std::pair{"1、离婚案件", "300 元；超过 20 万元的部分按 0.5%"},
          std::pair{"3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件",
                    "500 元；超过 5 万元至 10 万元的部分按 1%，超过 10 万元的部分按 0.5%"},
          std::pair{
              "1、申请诉讼保全措施案件",
              "30 元；超过 1000 元至 10 万元的部分按 1%，超过 10 万元的部分按 0.5%，最高 5000 元"},
          std::pair{"1、执行案件",
                    "执行金额分段累计：50 元；超过 1 万元的部分按 1.5%、1%、0.5%、0.1%"},
          std::pair{"4.申请海事债权登记", "固定 1000 元"}}) {
        EXPECT_EQ(RuleInWords(catalogue::RuleOfType(type)), words) << type;
    }
}

TEST(Notices, EachRefusalInItsWords) {
    EXPECT_EQ(MessageBoxFlags(NoticeIcon::Warning), 48);
    EXPECT_EQ(MessageBoxFlags(NoticeIcon::Error), 16);
    EXPECT_EQ(RefusalLine({RefusalKind::CalculationFailed, FailureKind::DivisionByZero}),
              "计算错误：除数为零");
    EXPECT_EQ(CaseNote("1、财产案件", ComputeFee("1、财产案件", "abc")), "标的中请输入数字！");
    EXPECT_EQ(CaseNote("1、财产案件", ComputeFee("1、财产案件", "1")), "");
    // A type not in the catalogue is named, with the closest ones, whatever its amount.
    EXPECT_EQ(CaseNote("财产案件", ComputeFee("财产案件", "abc")),
              "未知的案件类型“财产案件”；最接近的类型：“1、财产案件”、“2、破产案件”、“1、离婚案件”"
              "（courtfee --list 列出全部类型）");
    const std::string longText = std::string(199, 'x') + "财产";
    EXPECT_NE(UnknownTypeMessage(longText).find("“" + std::string(199, 'x') + "…”"),
              std::string::npos);
}

TEST(ExtrasTexts, SplitAndAmountsInWords) {
    EXPECT_EQ(SplitNote("1、财产案件", SplitFee("101", "1、财产案件", "100")),
              "判决支持的金额应在0至标的金额（100）之间");
    EXPECT_EQ(SplitNote("1、财产案件", SplitFee("1", "1、财产案件", "0")),
              "按比例分担需要大于0的标的金额");
    EXPECT_EQ(SplitNote("1、财产案件", SplitFee("1e400", "1、财产案件", "5")), "计算错误：溢出");
    const FeeSplit split = SplitFee("0", "1、财产案件", "1000000");
    EXPECT_EQ(SplitLines("1、财产案件", split, "0")[2], "被告负担：0.00（人民币零元整）");
    EXPECT_EQ(
        AmountsText("1、申请诉讼保全措施案件",
                    FindAmountsForFee("1、申请诉讼保全措施案件", "5000")),
        "得出法院收费 5000.00 元的标的金额（1、申请诉讼保全措施案件）：\n  895999.00 元及以上\n");
    EXPECT_EQ(AmountsText("7、管辖异议不成立", FindAmountsForFee("7、管辖异议不成立", "100"))
                  .ends_with("\n  0.00 元及以上\n"),
              true);
    EXPECT_EQ(
        NoAmountSentence("2、破产案件", FindAmountsForFee("2、破产案件", "300000.01")),
        "没有标的金额得出法院收费 300000.01 元（2、破产案件）；最接近的可能收费：300000.00 元");
    EXPECT_TRUE(NoAmountSentence("1、财产案件", FindAmountsForFee("1、财产案件", "1e18"))
                    .ends_with("（标的金额只查至 100000000000000000.00 元）"));
    EXPECT_EQ(AmountsNote("1、财产案件", FindAmountsForFee("1、财产案件", "x")),
              "法院收费中请输入数字！");
}

TEST(StageTexts, TypeNamesAndKeptFigures) {
    EXPECT_EQ(TypeNameNote("离婚", catalogue::FindTypeName("离婚")), "按“1、离婚案件”计算");
    EXPECT_EQ(TypeNameNote("1、离婚案件", catalogue::FindTypeName("1、离婚案件")), "");
    EXPECT_TRUE(TypeNameNote("破产案", catalogue::FindTypeName("破产案")).starts_with("按"));
    EXPECT_TRUE(TypeNameNote("海事", catalogue::FindTypeName("海事"))
                    .starts_with("“海事”可指6种案件类型，未计算：“"));
    // Kept as "TYPE=YUAN" lines; what no longer holds is skipped and counted.
    int skipped = 0;
    const LocalFigures read = ReadFiguresText(
        "1、离婚案件=200\r\n\n1、财产案件=100\n7、管辖异议不成立=60\nx\n1、离婚案件=9999\n",
        &skipped);
    EXPECT_EQ(skipped, 3);
    EXPECT_EQ(FiguresText(read), "1、离婚案件=200\n7、管辖异议不成立=60\n");
    EXPECT_EQ(FiguresText(ReadFiguresText(FiguresText(read))), FiguresText(read));
}

TEST(FormLayout, OneControlATabStopAndEveryBuddyThere) {
    std::set<std::string_view> names;
    int tab = 0;
    for (const ControlPlace& control : Form1Controls()) {
        EXPECT_EQ(control.tabIndex, tab++) << control.name;
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        EXPECT_GE(control.rect.x, 0);
        EXPECT_LE(control.rect.x + control.rect.width, kForm1Width) << control.name;
        EXPECT_LE(control.rect.y + control.rect.height, kForm1Height) << control.name;
        EXPECT_TRUE(control.buddy.empty() || control.kind == ControlKind::Label);
    }
    for (const ControlPlace& control : Form1Controls()) {
        EXPECT_TRUE(control.buddy.empty() || names.contains(control.buddy)) << control.name;
    }
    EXPECT_EQ(Form1Controls()[0].caption, catalogue::ClassText(0));
    EXPECT_EQ(Form1Controls()[1].caption, catalogue::ClassText(1));
}

// The fee-rules window's 348 x 368 frame: right of the calculator, left of it at the screen's right
// edge, and on a screen too narrow for both against the edge that covers fewer of its controls;
// the top level with the calculator's and kept on the work area below a panel.
TEST(WindowPlace, TheFeeRulesBesideTheCalculator) {
    struct Case {
        Rect work;
        Rect calculator;
        Rect controls;
        Point at;
    };
    for (const Case& c :
         {Case{{0, 0, 1280, 800}, {454, 193, 371, 414}, {474, 245, 321, 349}, {825, 193}},
          Case{{0, 30, 1280, 770}, {900, 500, 371, 414}, {920, 552, 321, 349}, {552, 432}},
          Case{{0, 0, 640, 400}, {134, 0, 371, 414}, {154, 24, 321, 349}, {292, 0}},
          Case{{0, 0, 640, 400}, {20, 0, 371, 414}, {40, 24, 321, 349}, {292, 0}},
          Case{{0, 0, 640, 400}, {250, 0, 371, 414}, {270, 24, 321, 349}, {0, 0}}}) {
        const Point at = BesideOf(c.calculator, c.controls, 348, 368, c.work);
        EXPECT_EQ(at, c.at) << c.calculator.x << "," << c.calculator.y;
    }
}

}  // namespace
}  // namespace zq::present
