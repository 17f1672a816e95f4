// SPDX-License-Identifier: MIT
#include "cli/amounts_for_output.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "calc/catalogue.h"
#include "calc/price.h"
#include "cli/type_suggestions.h"
#include "runtime/calc_failure.h"
#include "runtime/decimal15.h"
#include "runtime/fen_text.h"
#include "runtime/numeric_text.h"

namespace zq::cli {
namespace {

using nlohmann::json;

json FenOrNull(const std::optional<std::uint64_t>& fen) {
    return fen ? json(FenText(*fen)) : json(nullptr);
}

// The fee asked about, written as a fee whatever way it was typed: plain digits and at least two
// decimals ("-1" -> "-1.00", "1e20" -> "100000000000000000000.00"); a digit below the fen stays
// ("51.005"), for rounding it away would name a fee that some amount may well give.
std::string FeeEcho(double value) {
    const Decimal15 d = Decimal15::From(value);
    std::string whole =
        d.pointPos > 0 ? d.digits.substr(0, static_cast<std::size_t>(d.pointPos)) : std::string();
    if (d.pointPos > static_cast<int>(d.digits.size())) {
        whole.append(static_cast<std::size_t>(d.pointPos) - d.digits.size(), '0');
    }
    std::string fraction =
        d.pointPos < 0 ? std::string(static_cast<std::size_t>(-d.pointPos), '0') : std::string();
    if (d.pointPos < static_cast<int>(d.digits.size())) {
        fraction += d.digits.substr(static_cast<std::size_t>(std::max(d.pointPos, 0)));
    }
    if (fraction.size() < 2) {
        fraction.append(2 - fraction.size(), '0');
    }
    return (d.negative ? "-" : "") + (whole.empty() ? std::string("0") : whole) + "." + fraction;
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
    const NumberReading number = ReadNumber(feeText);
    if (number.overflow) {  // beyond a double: no fee to write, nor to search for
        answer.note = std::string(kCalcErrorTitle) + "：" +
                      std::string(CalcFailure(FailureKind::Overflow).description());
        return answer;
    }
    // A negative fee or one with a digit below the fen lies between two whole fen: no amount
    // gives it, and the search still finds the fees on either side.
    const bool whole = fee.wholeFen && !fee.negative;
    answer.fee = whole ? FenText(fee.fen) : FeeEcho(number.value);
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
