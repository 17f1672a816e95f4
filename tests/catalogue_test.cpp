// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "calc/catalogue.h"

namespace zq {
namespace {

using catalogue::KindsOfClass;
using catalogue::RuleOfType;
using catalogue::TypesOfKind;
using Texts = std::vector<std::string_view>;

TEST(Catalogue, KindsOfEachClassInDisplayOrder) {
    EXPECT_EQ(KindsOfClass(0), (Texts{"一、财产案件", "二、非财产案件", "三、申请诉讼保全措施案件",
                                      "四、执行案件", "五、支付令、公示催告案件"}));
    EXPECT_EQ(KindsOfClass(1), (Texts{"一、仲裁案件", "二、申请承认外国法院民事判决、裁定案件",
                                      "三、申请认可台湾地区法院民事判决、裁定、调解书案件",
                                      "四、行政执行案件", "五、公正执行案件", "六、海事案件申请"}));
    EXPECT_TRUE(KindsOfClass(2).empty());
    EXPECT_TRUE(KindsOfClass(-1).empty());
}

TEST(Catalogue, TypesOfKindsInDisplayOrder) {
    EXPECT_EQ(TypesOfKind("一、财产案件"), (Texts{"1、财产案件", "2、破产案件"}));
    EXPECT_EQ(
        TypesOfKind("二、非财产案件"),
        (Texts{"1、离婚案件", "2、知识产权案件",
               "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件", "4、商标、专利、海事行政案件",
               "5、其他行政案件", "6、劳动争议案件", "7、管辖异议不成立"}));
    EXPECT_EQ(TypesOfKind("一、仲裁案件"),
              (Texts{"1、申请执行仲裁裁决（涉外）", "2、申请撤销仲裁裁决的案件",
                     "3、申请确认仲裁协议效力的案件", "4、申请承认外国仲裁裁决的案件",
                     "5、申请执行外国仲裁裁决的案件", "6、同时申请承认和执行外国仲裁裁决的案件",
                     "7、申请执行香港特区作出的仲裁裁决的案件", "8、申请涉外仲裁财产保全的案件"}));
    EXPECT_EQ(TypesOfKind("六、海事案件申请"),
              (Texts{"1.申请设立海事赔偿责任限制基金", "2.申请海事强制令", "3.申请船舶优先权催告",
                     "4.申请海事债权登记", "5.申请共同海损理算"}));
    for (const char* single : {"三、申请诉讼保全措施案件", "四、执行案件",
                               "五、支付令、公示催告案件", "二、申请承认外国法院民事判决、裁定案件",
                               "三、申请认可台湾地区法院民事判决、裁定、调解书案件",
                               "四、行政执行案件", "五、公正执行案件"}) {
        EXPECT_EQ(TypesOfKind(single).size(), 1U) << single;
    }
}

TEST(Catalogue, EveryTypeHasOneRuleAndADistinctText) {
    std::set<std::string_view> seen;
    for (int classIndex = 0; classIndex < catalogue::kClassCount; ++classIndex) {
        for (std::string_view kind : KindsOfClass(classIndex)) {
            const Texts types = TypesOfKind(kind);
            EXPECT_FALSE(types.empty()) << kind;
            for (std::string_view type : types) {
                EXPECT_NE(RuleOfType(type).rule, FeeRule::NoRule) << type;
                EXPECT_TRUE(seen.insert(type).second) << "duplicate " << type;
            }
        }
    }
    EXPECT_EQ(seen.size(), 29U);  // 12 litigation types, 17 non-litigation
}

TEST(Catalogue, TextsMatchExactlyOrNotAtAll) {
    for (const char* nearMiss :
         {"1、财产案件 ", " 1、财产案件", "1.财产案件", "1、申请设立海事赔偿责任限制基金",
          "1、申请执行仲裁裁决(涉外)", "三、申请诉讼保全措施案件", "", "财产案件"}) {
        EXPECT_EQ(RuleOfType(nearMiss).rule, FeeRule::NoRule) << nearMiss;
    }
    EXPECT_TRUE(TypesOfKind("一、财产案件 ").empty());
    EXPECT_TRUE(TypesOfKind("1、申请诉讼保全措施案件").empty());
    EXPECT_TRUE(TypesOfKind("").empty());
}

}  // namespace
}  // namespace zq
