// SPDX-License-Identifier: MIT
#include "present/case_notes.h"

#include "calc/catalogue.h"
#include "calc/type_search.h"
#include "present/notice.h"
#include "runtime/fee_capitals.h"

namespace zq::present {

std::string CaseNote(std::string_view typeText, const FeeOutcome& outcome) {
    // A type in the catalogue always leaves a fee or a refusal, so only then is it looked up.
    if ((outcome.feeText.empty() || outcome.refusal) && catalogue::FindType(typeText) == nullptr) {
        return UnknownTypeMessage(typeText);
    }
    return outcome.refusal ? RefusalLine(*outcome.refusal) : std::string();
}

std::string UnknownTypeMessage(std::string_view text) {
    std::string message = "未知的案件类型“";
    constexpr std::size_t kEchoLimit = 200;
    if (text.size() <= kEchoLimit) {
        message.append(text);
    } else {
        std::size_t cut = kEchoLimit;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) {
            --cut;  // never split a character
        }
        message.append(text.substr(0, cut)).append("…");
    }
    message.append("”；最接近的类型：");
    bool first = true;
    for (std::string_view type : catalogue::ClosestTypes(text, 3)) {
        if (!first) {
            message.append("、");
        }
        message.append("“").append(type).append("”");
        first = false;
    }
    message.append("（courtfee --list 列出全部类型）");
    return message;
}

std::string TypeNameNote(std::string_view name, const catalogue::TypeName& found) {
    switch (found.match) {
        case catalogue::NameMatch::Exact:
            return {};
        case catalogue::NameMatch::WithoutNumber:
        case catalogue::NameMatch::Word:
        case catalogue::NameMatch::Part:
            return "按“" + std::string(found.types.front()) + "”计算";
        case catalogue::NameMatch::Several: {
            std::string note = "“" + std::string(name) + "”可指" +
                               std::to_string(found.types.size()) + "种案件类型，未计算：";
            for (std::size_t i = 0; i < found.types.size(); ++i) {
                note += (i == 0 ? "“" : "、“") + std::string(found.types[i]) + "”";
            }
            return note + "（请写明其中之一）";
        }
        case catalogue::NameMatch::Unknown:
            return UnknownTypeMessage(name);
    }
    return {};
}

std::string WithCapitals(std::string_view fee) {
    const auto capitals = FeeCapitals(fee);
    return capitals ? std::string(fee) + "（人民币" + *capitals + "）" : std::string(fee);
}

std::string OnlyAcceptanceFeesNote(std::string_view typeText, std::string_view what) {
    return "“" + std::string(typeText) + "”收取的是申请费（第十四条）；" + std::string(what) +
           "只涉及案件受理费";
}

}  // namespace zq::present
