// SPDX-License-Identifier: MIT
#include "cli/amounts_for_output.h"

#include <nlohmann/json.hpp>

#include "calc/catalogue.h"
#include "cli/type_suggestions.h"
#include "runtime/fen_text.h"

namespace zq::cli {
namespace {

using nlohmann::json;

json FenOrNull(const std::optional<std::uint64_t>& fen) {
    return fen ? json(FenText(*fen)) : json(nullptr);
}

}  // namespace

AmountsForAnswer AnswerAmountsFor(std::string_view typeText, std::string_view feeText) {
    AmountsForAnswer answer{std::string(typeText), std::string(feeText), {}, {}};
    const FenReading fee = ReadFen(feeText);
    if (catalogue::RuleOfType(typeText).rule == FeeRule::NoRule) {
        answer.note = UnknownTypeMessage(typeText);
        return answer;
    }
    if (!fee.numeric) {
        answer.note = "法院收费中请输入数字！";
        return answer;
    }
    // A negative fee or one with a digit below the fen lies between two whole fen: no amount
    // gives it, and the search still finds the fees on either side.
    const bool whole = fee.wholeFen && !fee.negative;
    if (whole) {
        answer.fee = FenText(fee.fen);
    }
    answer.result = *FindAmountsForFee(typeText, fee.negative ? 0 : fee.fen, whole);
    return answer;
}

std::string RenderAmountsFor(const AmountsForAnswer& answer) {
    std::string out = "得出法院收费 " + answer.fee + " 元的标的金额（" + answer.type + "）：\n";
    for (const AmountRange& range : answer.result.ranges) {
        out += "  " + FenText(range.minFen);
        if (!range.maxFen) {
            out += " 元及以上";
        } else if (*range.maxFen != range.minFen) {
            out += " 至 " + FenText(*range.maxFen) + " 元";
        } else {
            out += " 元";
        }
        out += "\n";
    }
    return out;
}

std::string NoAmountSentence(const AmountsForAnswer& answer) {
    std::string out = "没有标的金额得出法院收费 " + answer.fee + " 元（" + answer.type + "）";
    const auto& below = answer.result.nearestBelowFen;
    const auto& above = answer.result.nearestAboveFen;
    if (below || above) {
        out += "；最接近的可能收费：";
        out += below ? FenText(*below) + " 元" : "";
        out += below && above ? "、" : "";
        out += above ? FenText(*above) + " 元" : "";
    }
    if (answer.result.beyondSearch) {
        out += "（标的金额只查至 " + FenText(kLargestAmountFen) + " 元）";
    }
    return out;
}

std::string AmountsForJson(const AmountsForAnswer& answer) {
    json amounts = json::array();
    for (const AmountRange& range : answer.result.ranges) {
        amounts.push_back({{"min", FenText(range.minFen)},
                           {"max", range.maxFen ? json(FenText(*range.maxFen)) : json(nullptr)}});
    }
    json object{{"type", answer.type}, {"fee", answer.fee}};
    if (answer.ok()) {
        object["amounts"] = amounts;
        object["nearest_below"] = FenOrNull(answer.result.nearestBelowFen);
        object["nearest_above"] = FenOrNull(answer.result.nearestAboveFen);
    }
    object["message"] = answer.ok() ? json(nullptr) : json(answer.note);
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace zq::cli
