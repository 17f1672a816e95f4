// SPDX-License-Identifier: MIT
// A case's fees as lawyers ask for them, article by article: names as typed, several claims, the
// local figures within the Measures' ranges, the stages of a case, refunds, who prepays and who
// bears the fee.
#include <gtest/gtest.h>

#include <string>

#include "calc/amounts_for_fee.h"
#include "calc/claims.h"
#include "calc/explain.h"
#include "calc/fee_split.h"
#include "calc/prepay.h"
#include "calc/stages.h"
#include "calc/type_names.h"

namespace zq {
namespace {

Fen Shown(const std::string& fee) { return Fen::FromShownFee(fee).value(); }

TEST(TypeNames, AsLawyersTypeThem) {
    using enum catalogue::NameMatch;
    for (const auto& [name, match, type] : {
             std::tuple{"1、财产案件", Exact, "1、财产案件"},
             std::tuple{"财产案件", WithoutNumber, "1、财产案件"},
             std::tuple{" 1.财产案件 ", WithoutNumber, "1、财产案件"},
             std::tuple{"申请海事强制令", WithoutNumber, "2.申请海事强制令"},
             std::tuple{"破产", Part, "2、破产案件"},
             std::tuple{"管辖异议", Part, "7、管辖异议不成立"},
             std::tuple{"公示催告", Part, "1、支付令、公示催告案件"},
             std::tuple{"离婚", Part, "1、离婚案件"},
             std::tuple{"劳动争议", Part, "6、劳动争议案件"},
             std::tuple{"隐私权", Word, "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件"},
             std::tuple{"督促程序", Word, "1、支付令、公示催告案件"},
             std::tuple{"保全", Word, "1、申请诉讼保全措施案件"},
             std::tuple{"合同", Word, "1、财产案件"},
             std::tuple{"公证", Word, "1、公正执行案件"},
         }) {
        const catalogue::TypeName found = catalogue::FindTypeName(name);
        EXPECT_EQ(found.match, match) << name;
        ASSERT_EQ(found.types.size(), 1U) << name;
        EXPECT_EQ(found.types[0], type) << name;
    }
}

TEST(TypeNames, NeverAGuessBetweenTwo) {
    const catalogue::TypeName arbitration = catalogue::FindTypeName("仲裁");
    EXPECT_EQ(arbitration.match, catalogue::NameMatch::Several);
    EXPECT_EQ(arbitration.types.size(), 8U);
    // Four types say 海事, two more stand in its kind.
    EXPECT_EQ(catalogue::FindTypeName("海事").types.size(), 6U);
    const catalogue::TypeName none = catalogue::FindTypeName("刑事附带民事");
    EXPECT_EQ(none.match, catalogue::NameMatch::Unknown);
    EXPECT_FALSE(none.found());
    EXPECT_FALSE(catalogue::FindTypeName("").found());
}

TEST(Claims, SeveralArePricedOnTheirExactSum) {
    for (const auto& [claims, sum] :
         {std::pair{std::vector<std::string>{"1234567.89", "50000"}, "1284567.89"},
          std::pair{std::vector<std::string>{"0.1", "0.2"}, "0.3"},
          std::pair{std::vector<std::string>{"1,000", "１００", "", "1e3"}, "2100"},
          std::pair{std::vector<std::string>{"9999999999999.99", "0.01"}, "10000000000000"},
          std::pair{std::vector<std::string>{"12"}, "12"}}) {
        const ClaimsSum total = SumOfClaims(claims);
        EXPECT_EQ(total.amountText, sum);
        EXPECT_FALSE(total.refusal.has_value());
    }
    EXPECT_EQ(ComputeFee("1、财产案件", SumOfClaims({"1234567.89", "50000"}).amountText).feeText,
              "16361.11");
    for (const auto& [claims, refusal] :
         {std::pair{std::vector<std::string>{"1", "abc"}, RefusalKind::AmountNotNumeric},
          std::pair{std::vector<std::string>{"1", "-2"}, RefusalKind::AmountNegative},
          std::pair{std::vector<std::string>{"1e400", "1"}, RefusalKind::CalculationFailed}}) {
        EXPECT_EQ(SumOfClaims(claims).refusal->kind, refusal);
    }
}

TEST(Claims, AmountsIn10000YuanAreExact) {
    for (const auto& [wan, yuan] :
         {std::pair{"12.5", "125000"}, std::pair{"0.00001", "0.1"},
          std::pair{"１,２３４.５６７８９", "12345678.9"}, std::pair{"1e11", "1000000000000000"},
          std::pair{"-3", "-30000"}, std::pair{"0", "0"}, std::pair{"abc", "abc"},
          std::pair{"1e400", "1e400"}}) {
        EXPECT_EQ(YuanOfWan(wan), yuan) << wan;
    }
}

// The last paragraph of Article 13: each province fixes the figure within the range.
TEST(LocalFigures, ReplaceTheCataloguesFigureWithinTheRange) {
    LocalFigures figures;
    using enum LocalFigures::Refusal;
    EXPECT_EQ(figures.Set("1、离婚案件", 301), OutOfRange);
    EXPECT_EQ(figures.Set("1、离婚案件", 49), OutOfRange);
    EXPECT_EQ(figures.Set("1、财产案件", 100), NoRange);
    EXPECT_EQ(figures.Set("离婚", 100), UnknownType);
    EXPECT_TRUE(figures.empty());
    for (const auto& [type, yuan] :
         {std::pair{"1、离婚案件", 200},
          std::pair{"3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件", 100},
          std::pair{"2、知识产权案件", 800}, std::pair{"1、执行案件", 300},
          std::pair{"7、管辖异议不成立", 50}, std::pair{"8、其他非财产案件", 80}}) {
        EXPECT_EQ(figures.Set(type, yuan), None) << type;
    }
    for (const auto& [type, amount, fee] :
         {std::tuple{"1、离婚案件", "300000", "700.00"},
          std::tuple{"3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件", "100001", "600.01"},
          std::tuple{"2、知识产权案件", "", "800.00"},
          std::tuple{"2、知识产权案件", "10000", "50.00"}, std::tuple{"1、执行案件", "", "300.00"},
          std::tuple{"1、执行案件", "10000", "50.00"},
          std::tuple{"7、管辖异议不成立", "1", "50.00"},
          std::tuple{"8、其他非财产案件", "1", "80.00"},
          std::tuple{"2.申请海事强制令", "", "5000.00"}}) {
        EXPECT_EQ(ComputeFee(type, amount, nullptr, &figures).feeText, fee) << type << amount;
    }
    const FeeBreakdown divorce = ExplainFee("1、离婚案件", "300000", &figures);
    EXPECT_TRUE(divorce.localFigure && !divorce.chargedAtTopOfRange);
    EXPECT_EQ(divorce.bands[0].amount, Shown("200.00"));
    EXPECT_EQ(divorce.departures, std::vector{Departure::LocalFigure});
    // Without an amount an enforcement now costs its figure: the amounts behind 300 are two.
    EXPECT_EQ(FindAmountsForFee("1、执行案件", "300", &figures).ranges.size(), 2U);
    figures.Clear("1、执行案件");
    EXPECT_EQ(ComputeFee("1、执行案件", "", nullptr, &figures).feeText, "50.00");
}

TEST(Stages, AChangedClaimTopsUpOrRefundsTheDifference) {
    const ClaimChange raised = ChangeClaim("1、财产案件", "1000000", "2000000");
    ASSERT_TRUE(raised.done());
    EXPECT_EQ(raised.topUp, Shown("9000.00"));
    EXPECT_FALSE(raised.refund.has_value());
    const ClaimChange reduced = ChangeClaim("1、财产案件", "1000000", "500000");
    EXPECT_EQ(reduced.refund, Shown("5000.00"));
    EXPECT_FALSE(reduced.topUp.has_value());
    const ClaimChange same = ChangeClaim("1、离婚案件", "100", "150000");
    EXPECT_TRUE(same.done() && !same.topUp && !same.refund);
    EXPECT_TRUE(ChangeClaim("1、执行案件", "1", "2").applicationFee);
    EXPECT_FALSE(ChangeClaim("1、财产案件", "1", "abc").done());
    const ClaimChange unread = ChangeClaim("1、财产案件", "abc", "100000");
    EXPECT_FALSE(unread.topUp || unread.refund);
}

TEST(Stages, RefundsByTheirGround) {
    using enum RefundGround;
    for (const auto& [ground, type, refund, kept] :
         {std::tuple{Mediation, "1、财产案件", "25.01", "25.02"},
          std::tuple{Withdrawal, "1、财产案件", "25.01", "25.02"},
          std::tuple{Remand, "1、财产案件", "50.03", "0.00"},
          std::tuple{NotAccepted, "1、财产案件", "50.03", "0.00"},
          std::tuple{Dismissed, "1、财产案件", "50.03", "0.00"},
          std::tuple{Criminal, "1、财产案件", "50.03", "0.00"},
          std::tuple{Suspended, "1、财产案件", "0.00", "50.03"},
          std::tuple{Terminated, "1、财产案件", "0.00", "50.03"},
          std::tuple{Suspended, "1、执行案件", "0.00", "50.02"}}) {
        const Refund answer = RefundFee(ground, type, "10001");
        ASSERT_TRUE(answer.done()) << static_cast<int>(ground);
        EXPECT_EQ(answer.refund, Shown(refund)) << static_cast<int>(ground);
        EXPECT_EQ(answer.kept, Shown(kept)) << static_cast<int>(ground);
    }
    EXPECT_TRUE(RefundFee(Mediation, "1、执行案件", "10001").applicationFee);
    // Article 8 (三): an appeal on a jurisdiction objection pays nothing, so a remand refunds
    // nothing.
    EXPECT_TRUE(AppealPaysFee("1、财产案件"));
    EXPECT_FALSE(AppealPaysFee("7、管辖异议不成立"));
    EXPECT_EQ(RefundFee(Remand, "7、管辖异议不成立", "").refund, Fen());
    EXPECT_EQ(ParseRefundGround("移送刑事"), Criminal);
    EXPECT_EQ(ParseRefundGround("remand"), Remand);
    EXPECT_FALSE(ParseRefundGround("退费").has_value());
}

// Article 20: who prepays, and Article 22: when.
TEST(Prepayment, ByTheStageAndTheKindOfFee) {
    using enum CaseStage;
    for (const auto& [type, stage, by, when, defer] :
         {std::tuple{"1、财产案件", FirstInstance, Payer::Plaintiff, PayTime::WithinSevenDays,
                     false},
          std::tuple{"6、劳动争议案件", FirstInstance, Payer::Plaintiff, PayTime::WithinSevenDays,
                     true},
          std::tuple{"1、财产案件", Counterclaim, Payer::Defendant, PayTime::WithinSevenDaysOfClaim,
                     false},
          std::tuple{"1、财产案件", ThirdParty, Payer::ThirdParty, PayTime::WithinSevenDays, false},
          std::tuple{"1、离婚案件", Appeal, Payer::Appellant, PayTime::WithTheAppeal, false},
          std::tuple{"1、财产案件", Retrial, Payer::RetrialApplicant, PayTime::AsTheCourtDirects,
                     false},
          std::tuple{"1、执行案件", Appeal, Payer::Applicant, PayTime::AfterEnforcement, false},
          std::tuple{"2、破产案件", FirstInstance, Payer::Applicant, PayTime::AfterLiquidation,
                     false},
          std::tuple{"1、申请诉讼保全措施案件", FirstInstance, Payer::Applicant,
                     PayTime::WithTheApplication, false},
          std::tuple{"7、管辖异议不成立", FirstInstance, Payer::Objector,
                     PayTime::WhenTheObjectionFails, false}}) {
        const Prepayment prepayment = PrepaymentOf(type, stage);
        EXPECT_EQ(prepayment.by, by) << type;
        EXPECT_EQ(prepayment.when, when) << type;
        EXPECT_EQ(prepayment.mayDefer, defer) << type;
    }
}

// Articles 29 to 38: who bears the fee, by the type and how the case ended.
TEST(Burden, TheArticleThatGovernsTheTypeAndTheOutcome) {
    using enum HalvingReason;
    using enum BurdenRule;
    for (const auto& [type, outcome, rule, article] :
         {std::tuple{"1、财产案件", std::vector<HalvingReason>{}, Proportional, "第二十九条"},
          std::tuple{"1、财产案件", std::vector{Summary}, Proportional, "第二十九条"},
          std::tuple{"1、财产案件", std::vector{Mediation}, Negotiated, "第三十一条"},
          std::tuple{"1、财产案件", std::vector{Withdrawal}, PlaintiffBears, "第三十四条"},
          std::tuple{"1、离婚案件", std::vector<HalvingReason>{}, Negotiated, "第三十三条"},
          std::tuple{"7、管辖异议不成立", std::vector<HalvingReason>{}, ObjectorBears,
                     "第十三条第（六）项"},
          std::tuple{"1、支付令、公示催告案件", std::vector<HalvingReason>{}, DebtorUnlessObjected,
                     "第三十六条、第三十七条"},
          std::tuple{"1、执行案件", std::vector<HalvingReason>{}, EnforcedPartyBears, "第三十八条"},
          std::tuple{"1、申请诉讼保全措施案件", std::vector<HalvingReason>{}, ApplicantBears,
                     "第三十八条、第三十九条"}}) {
        const Burden burden = BurdenOf(type, outcome);
        EXPECT_EQ(burden.rule, rule) << type;
        EXPECT_EQ(burden.article, article) << type;
    }
}

TEST(Burden, AHalvedFeeIsSplitHalved) {
    const FeeSplit split = SplitFee("5000", "1、财产案件", "10001", {HalvingReason::Summary});
    ASSERT_TRUE(split.proportional());
    EXPECT_EQ(split.fee, Shown("25.02"));
    EXPECT_EQ(split.plaintiffShare + split.defendantShare, Shown("25.02"));
    // Mediated: no proportion, the parties agree (Article 31).
    const FeeSplit mediated = SplitFee("5000", "1、财产案件", "10001", {HalvingReason::Mediation});
    EXPECT_TRUE(mediated.done() && !mediated.proportional());
    EXPECT_TRUE(mediated.defendantShare.IsZero() && mediated.plaintiffShare.IsZero());
    EXPECT_EQ(SplitFee("1", "7、管辖异议不成立", "1").refusal, SplitRefusal::NotSplit);
}

TEST(Halving, SmallClaimsAndAThirdPartyHalveToo) {
    EXPECT_EQ(ParseHalvingReasons("小额诉讼,第三人"),
              (std::vector{HalvingReason::SmallClaims, HalvingReason::ThirdParty}));
    const HalvedFee halved =
        HalveFee({HalvingReason::SmallClaims, HalvingReason::ThirdParty}, "1、财产案件", "10001");
    EXPECT_EQ(halved.halved, Shown("25.02"));
    EXPECT_EQ(halved.articles, (std::vector<std::string_view>{"第十六条", "第十八条"}));
}

}  // namespace
}  // namespace zq
