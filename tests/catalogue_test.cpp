// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calc/type_search.h"

namespace zq::catalogue {
namespace {

// Every type is listed once, under the kinds of its class, with a rule and its basis in the
// Measures: an acceptance fee (Article 13) or an application fee (Article 14).
TEST(Catalogue, EveryTypeHasOneTextOneRuleAndItsArticle) {
    std::set<std::string_view> seen;
    for (int classIndex = 0; classIndex < kClassCount; ++classIndex) {
        for (std::string_view kind : KindsOfClass(classIndex)) {
            const auto types = TypesOfKind(kind);
            EXPECT_FALSE(types.empty()) << kind;
            for (std::string_view type : types) {
                EXPECT_TRUE(seen.insert(type).second) << "listed twice: " << type;
                const CaseType* row = FindType(type);
                ASSERT_NE(row, nullptr) << type;
                EXPECT_NE(row->choice.rule, FeeRule::NoRule) << type;
                const bool acceptance = row->basis.kind == FeeKind::AcceptanceFee;
                EXPECT_TRUE(row->basis.article.starts_with(acceptance ? "第十三条" : "第十四条"))
                    << type;
                // Non-litigation cases are applications; a figure stands within its range.
                EXPECT_TRUE(classIndex == 0 || !acceptance) << type;
                const FeeRange& range = row->basis.range;
                if (range.given()) {
                    EXPECT_TRUE(range.low <= row->choice.figure && row->choice.figure <= range.high)
                        << type;
                    EXPECT_FALSE(range.article.empty()) << type;
                }
            }
        }
    }
    EXPECT_EQ(KindsOfClass(0).size(), 5U);
    EXPECT_EQ(KindsOfClass(1).size(), 6U);
    EXPECT_EQ(seen.size(), 30U);
    EXPECT_TRUE(KindsOfClass(2).empty() && KindsOfClass(-1).empty());
    EXPECT_TRUE(ClassText(2).empty() && ClassText(-1).empty());
}

TEST(Catalogue, TextsMatchExactlyOrNotAtAll) {
    for (const char* nearMiss :
         {"1、财产案件 ", " 1、财产案件", "1.财产案件", "1、申请设立海事赔偿责任限制基金",
          "1、申请执行仲裁裁决(涉外)", "三、申请诉讼保全措施案件", "", "财产案件"}) {
        EXPECT_EQ(RuleOfType(nearMiss).rule, FeeRule::NoRule) << nearMiss;
        EXPECT_TRUE(LegalBasisOf(nearMiss).article.empty()) << nearMiss;
    }
    EXPECT_EQ(RuleOfType("7、管辖异议不成立"), (RuleChoice{FeeRule::FlatFee, 100}));
    EXPECT_TRUE(TypesOfKind("一、财产案件 ").empty());
    EXPECT_TRUE(TypesOfKind("1、申请诉讼保全措施案件").empty());
    EXPECT_EQ(TypesOfKind("一、财产案件").front(), "1、财产案件");
}

TEST(TypeSearch, NamesTheClosestTypesFirst) {
    EXPECT_EQ(ClosestTypes("1、财产案", 1).front(), "1、财产案件");
    EXPECT_EQ(ClosestTypes("1、申请设立海事赔偿责任限制基金", 1).front(),
              "1.申请设立海事赔偿责任限制基金");
    EXPECT_EQ(ClosestTypes("执行案件", 1).front(), "1、执行案件");
    EXPECT_EQ(ClosestTypes("\xFF\xFE", 3).size(), 3U);
}

}  // namespace
}  // namespace zq::catalogue
