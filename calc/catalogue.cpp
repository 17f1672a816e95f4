// SPDX-License-Identifier: MIT
#include "calc/catalogue.h"

#include <array>
#include <cstdint>
#include <unordered_map>

#include "calc/scales.h"

namespace zq::catalogue {
namespace {

constexpr RuleChoice Rule(FeeRule rule, long long figure = 0) {
    return {rule, static_cast<int>(figure)};
}
constexpr RuleChoice Flat(int yuan) { return {FeeRule::FlatFee, yuan}; }
constexpr LegalBasis Acceptance(std::string_view article, FeeRange range = {}) {
    return {FeeKind::AcceptanceFee, article, range};
}
constexpr LegalBasis Application(std::string_view article, FeeRange range = {}) {
    return {FeeKind::ApplicationFee, article, range};
}
// A fixed fee that the Measures give as a range: the catalogue charges its top.
constexpr CaseType FlatAtTop(std::string_view text, LegalBasis basis) {
    return {text, Flat(basis.range.high), basis};
}

// Article 14, item (一) 1: an application to enforce or recognise without an amount.
constexpr FeeRange kWithoutAmount{50, 500, "第十四条第（一）项第1目", true};
// An application to enforce: by the amount to be enforced (item (一) 2), 50 yuan without one.
constexpr CaseType Enforcement(std::string_view text) {
    return {text,
            Rule(FeeRule::EnforcementScale, scales::kEnforcement.baseFee),
            {FeeKind::ApplicationFee, "第十四条第（一）项", kWithoutAmount}};
}

// Class 0: 诉讼类 (Article 13, acceptance fees; Article 14 for the applications among them).
constexpr std::array kPropertyTypes{
    CaseType{"1、财产案件", Rule(FeeRule::PropertyScale), Acceptance("第十三条第（一）项")},
    CaseType{"2、破产案件", Rule(FeeRule::BankruptcyHalf), Application("第十四条第（六）项")},
};
constexpr std::array kNonPropertyTypes{
    CaseType{"1、离婚案件", Rule(FeeRule::DivorceScale, scales::kDivorce.baseFee),
             Acceptance("第十三条第（二）项第1目",
                        {50, scales::kDivorce.baseFee, "第十三条第（二）项第1目"})},
    // Without an amount: 500 to 1000 yuan, charged at the top; with one, the property scale.
    CaseType{"2、知识产权案件", Rule(FeeRule::IntellectualProperty, 1000),
             Acceptance("第十三条第（三）项", {500, 1000, "第十三条第（三）项", true})},
    CaseType{"3、侵害姓名权、名称权、肖像权、名誉权、荣誉权的案件",
             Rule(FeeRule::PersonalityScale, scales::kPersonality.baseFee),
             Acceptance("第十三条第（二）项第2目",
                        {100, scales::kPersonality.baseFee, "第十三条第（二）项第2目"})},
    CaseType{"4、商标、专利、海事行政案件", Flat(100), Acceptance("第十三条第（五）项第1目")},
    CaseType{"5、其他行政案件", Flat(50), Acceptance("第十三条第（五）项第2目")},
    CaseType{"6、劳动争议案件", Flat(10), Acceptance("第十三条第（四）项")},
    FlatAtTop(kJurisdictionObjection,
              Acceptance("第十三条第（六）项", {50, 100, "第十三条第（六）项"})),
    FlatAtTop("8、其他非财产案件",
              Acceptance("第十三条第（二）项第3目", {50, 100, "第十三条第（二）项第3目"})),
};
constexpr std::array kPreservationTypes{
    CaseType{"1、申请诉讼保全措施案件", Rule(FeeRule::PreservationScale),
             Application("第十四条第（二）项")},
};
constexpr std::array kEnforcementTypes{Enforcement("1、执行案件")};
constexpr std::array kPaymentOrderTypes{
    CaseType{"1、支付令、公示催告案件", Rule(FeeRule::PaymentOrderThird),
             Application("第十四条第（三）项")},
};

// Class 1: 非诉讼类 (Article 14, application fees).
constexpr std::array kArbitrationTypes{
    Enforcement("1、申请执行仲裁裁决（涉外）"),
    CaseType{"2、申请撤销仲裁裁决的案件", Flat(400), Application("第十四条第（五）项")},
    CaseType{"3、申请确认仲裁协议效力的案件", Flat(400), Application("第十四条第（五）项")},
    FlatAtTop("4、申请承认外国仲裁裁决的案件", Application("第十四条第（一）项", kWithoutAmount)),
    Enforcement("5、申请执行外国仲裁裁决的案件"),
    Enforcement("6、同时申请承认和执行外国仲裁裁决的案件"),
    Enforcement("7、申请执行香港特区作出的仲裁裁决的案件"),
    CaseType{"8、申请涉外仲裁财产保全的案件", Rule(FeeRule::PreservationScale),
             Application("第十四条第（二）项")},
};
// Recognition without an amount: 100 yuan, within the 50 to 500 of Article 14, item (一) 1.
constexpr std::array kForeignJudgmentTypes{
    CaseType{"1、申请承认外国法院民事判决、裁定案件", Flat(100),
             Application("第十四条第（一）项", kWithoutAmount)},
};
constexpr std::array kTaiwanJudgmentTypes{
    CaseType{"1、申请认可台湾地区法院民事判决、裁定、调解书案件", Flat(100),
             Application("第十四条第（一）项", kWithoutAmount)},
};
constexpr std::array kAdministrativeEnforcementTypes{Enforcement("1、行政执行案件")};
// "公正" where the Measures write 公证 (notarised): the catalogue's texts are matched exactly, and
// the scripts and case files that name this type use this spelling.
constexpr std::array kNotarialEnforcementTypes{Enforcement("1、公正执行案件")};
// The maritime types number with "1." where every other type has "1、".
constexpr std::array kMaritimeTypes{
    FlatAtTop("1.申请设立海事赔偿责任限制基金",
              Application("第十四条第（七）项第1目", {1000, 10000, "第十四条第（七）项第1目"})),
    FlatAtTop("2.申请海事强制令",
              Application("第十四条第（七）项第2目", {1000, 5000, "第十四条第（七）项第2目"})),
    FlatAtTop("3.申请船舶优先权催告",
              Application("第十四条第（七）项第3目", {1000, 5000, "第十四条第（七）项第3目"})),
    CaseType{"4.申请海事债权登记", Flat(1000), Application("第十四条第（七）项第4目")},
    CaseType{"5.申请共同海损理算", Flat(1000), Application("第十四条第（七）项第5目")},
};

constexpr std::array kKinds{
    CaseKind{0, "一、财产案件", kPropertyTypes},
    CaseKind{0, "二、非财产案件", kNonPropertyTypes},
    CaseKind{0, "三、申请诉讼保全措施案件", kPreservationTypes},
    CaseKind{0, "四、执行案件", kEnforcementTypes},
    CaseKind{0, "五、支付令、公示催告案件", kPaymentOrderTypes},
    CaseKind{1, "一、仲裁案件", kArbitrationTypes},
    CaseKind{1, "二、申请承认外国法院民事判决、裁定案件", kForeignJudgmentTypes},
    CaseKind{1, "三、申请认可台湾地区法院民事判决、裁定、调解书案件", kTaiwanJudgmentTypes},
    CaseKind{1, "四、行政执行案件", kAdministrativeEnforcementTypes},
    CaseKind{1, "五、公正执行案件", kNotarialEnforcementTypes},
    CaseKind{1, "六、海事案件申请", kMaritimeTypes},
};

}  // namespace

std::string_view ClassText(int classIndex) {
    return classIndex >= 0 && classIndex < kClassCount
               ? kClassTexts[static_cast<std::size_t>(classIndex)]
               : std::string_view();
}

std::span<const CaseKind> AllKinds() { return kKinds; }

std::vector<std::string_view> KindsOfClass(int classIndex) {
    std::vector<std::string_view> kinds;
    for (const CaseKind& kind : kKinds) {
        if (kind.classIndex == classIndex) {
            kinds.push_back(kind.text);
        }
    }
    return kinds;
}

std::vector<std::string_view> TypesOfKind(std::string_view kindText) {
    std::vector<std::string_view> types;
    for (const CaseKind& kind : kKinds) {
        if (kind.text == kindText) {
            for (const CaseType& type : kind.types) {
                types.push_back(type.text);
            }
            break;
        }
    }
    return types;
}

namespace {

// Type texts differ in their length or their last characters, so hashing the length and the
// last eight bytes spreads them well at a fraction of the cost of hashing every byte.
struct TailHash {
    std::size_t operator()(std::string_view text) const noexcept {
        std::uint64_t hash = 14695981039346656037ULL ^ text.size();
        const std::size_t from = text.size() > 8 ? text.size() - 8 : 0;
        for (std::size_t i = from; i < text.size(); ++i) {
            hash = (hash ^ static_cast<unsigned char>(text[i])) * 1099511628211ULL;
        }
        return static_cast<std::size_t>(hash);
    }
};

}  // namespace

const CaseType* FindType(std::string_view typeText) {
    // Built once; batches look a type up for every line.
    static const std::unordered_map<std::string_view, const CaseType*, TailHash> kTypes = [] {
        std::unordered_map<std::string_view, const CaseType*, TailHash> types;
        for (const CaseKind& kind : kKinds) {
            for (const CaseType& type : kind.types) {
                types.emplace(type.text, &type);
            }
        }
        return types;
    }();
    const auto found = kTypes.find(typeText);
    return found == kTypes.end() ? nullptr : found->second;
}

RuleChoice RuleOfType(std::string_view typeText) {
    const CaseType* type = FindType(typeText);
    return type == nullptr ? RuleChoice{} : type->choice;
}

}  // namespace zq::catalogue

namespace zq {

LegalBasis LegalBasisOf(std::string_view typeText) {
    const catalogue::CaseType* type = catalogue::FindType(typeText);
    return type == nullptr ? LegalBasis{} : type->basis;
}

bool IsAcceptanceFee(std::string_view typeText) {
    const catalogue::CaseType* type = catalogue::FindType(typeText);
    return type != nullptr && type->basis.kind == FeeKind::AcceptanceFee;
}

}  // namespace zq
