// SPDX-License-Identifier: MIT
#include "calc/type_names.h"

#include <algorithm>
#include <array>
#include <utility>

#include "calc/catalogue.h"
#include "calc/type_search.h"
#include "runtime/numeric_text.h"

namespace zq::catalogue {
namespace {

// Everyday words for types whose catalogue texts do not hold them, or hold them in more than one
// type: what a lawyer says of a case, and the type it is priced as.
constexpr std::array<std::pair<std::string_view, std::string_view>, 43> kWords{{
    {"财产", "1、财产案件"},
    {"合同", "1、财产案件"},
    {"买卖合同", "1、财产案件"},
    {"借款", "1、财产案件"},
    {"借贷", "1、财产案件"},
    {"民间借贷", "1、财产案件"},
    {"买卖", "1、财产案件"},
    {"继承", "1、财产案件"},
    {"交通事故", "1、财产案件"},
    {"债务", "1、财产案件"},
    {"损害赔偿", "1、财产案件"},
    {"清算", "2、破产案件"},
    {"重整", "2、破产案件"},
    {"离婚纠纷", "1、离婚案件"},
    {"知产", "2、知识产权案件"},
    {"著作权", "2、知识产权案件"},
    {"版权", "2、知识产权案件"},
    {"商标侵权", "2、知识产权案件"},
    {"专利侵权", "2、知识产权案件"},
    {"不正当竞争", "2、知识产权案件"},
    {"人格权", "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件"},
    {"隐私权", "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件"},
    {"个人信息", "3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件"},
    {"行政诉讼", "5、其他行政案件"},
    {"劳动纠纷", "6、劳动争议案件"},
    {"劳动仲裁", "6、劳动争议案件"},
    {"劳动报酬", "6、劳动争议案件"},
    {"工资", "6、劳动争议案件"},
    {"管辖权异议", "7、管辖异议不成立"},
    {"保全", "1、申请诉讼保全措施案件"},
    {"财产保全", "1、申请诉讼保全措施案件"},
    {"诉讼保全", "1、申请诉讼保全措施案件"},
    {"诉前保全", "1、申请诉讼保全措施案件"},
    {"证据保全", "1、申请诉讼保全措施案件"},
    {"强制执行", "1、执行案件"},
    {"申请执行", "1、执行案件"},
    {"执行判决", "1、执行案件"},
    {"督促程序", "1、支付令、公示催告案件"},
    // The catalogue writes 公正 for 公证 (notarised debt instruments); a lawyer types 公证.
    {"公证", "1、公正执行案件"},
    {"公证执行", "1、公正执行案件"},
    {"公证债权文书", "1、公正执行案件"},
    {"外国判决", "1、申请承认外国法院民事判决、裁定案件"},
}};

// The text after a leading number and its "、", "." or "．": "1、财产案件" -> "财产案件".
std::string_view WithoutNumber(std::string_view text) {
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        ++digits;
    }
    if (digits == 0) {
        return text;
    }
    for (const std::string_view mark : {"、", ".", "．"}) {
        if (text.substr(digits).starts_with(mark)) {
            return text.substr(digits + mark.size());
        }
    }
    return text;
}

}  // namespace

TypeName FindTypeName(std::string_view name) {
    if (FindType(name) != nullptr) {
        return {NameMatch::Exact, {name}};
    }
    const std::string_view bare = WithoutNumber(TrimBlanksAround(name));
    if (bare.empty()) {
        return {NameMatch::Unknown, ClosestTypes(name, 3)};
    }
    // A part of a type's text, or of its kind's: "海事" is in 六、海事案件申请, whose
    // 船舶优先权催告 and 共同海损理算 do not say it.
    std::vector<std::string_view> parts;
    for (const CaseKind& kind : AllKinds()) {
        const bool inKind = kind.text.find(bare) != std::string_view::npos;
        for (const CaseType& type : kind.types) {
            if (WithoutNumber(type.text) == bare) {
                return {NameMatch::WithoutNumber, {type.text}};
            }
            if (inKind || type.text.find(bare) != std::string_view::npos) {
                parts.push_back(type.text);
            }
        }
    }
    for (const auto& [word, type] : kWords) {
        if (word == bare) {
            return {NameMatch::Word, {type}};
        }
    }
    if (parts.size() == 1) {
        return {NameMatch::Part, parts};
    }
    if (parts.empty()) {
        return {NameMatch::Unknown, ClosestTypes(name, 3)};
    }
    // The candidates in the order of their closeness to the name.
    std::vector<std::string_view> closest = ClosestTypes(bare, parts.size() + 40);
    std::erase_if(closest, [&parts](std::string_view type) {
        return std::find(parts.begin(), parts.end(), type) == parts.end();
    });
    return {NameMatch::Several, closest};
}

}  // namespace zq::catalogue
