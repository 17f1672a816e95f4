// SPDX-License-Identifier: MIT
#include "cli/json_output.h"

#include <nlohmann/json.hpp>

#include "calc/fee_capitals.h"
#include "cli/halving_text.h"
#include "runtime/numeric_text.h"

namespace zq::cli {
namespace {

using nlohmann::json;

json FeeValue(const std::string& fee) {
    const NumberReading reading = ReadNumber(fee);
    return fee.empty() || !reading.numeric ? json(nullptr) : json(reading.value);
}

// The capitals of a shown fee; null without a fee and from 1 万亿 yuan up.
json Capitals(const std::string& fee) {
    const auto capitals = FeeCapitals(fee);
    return capitals ? json(*capitals) : json(nullptr);
}

json Message(const std::string& note) { return note.empty() ? json(nullptr) : json(note); }

std::string Dump(const json& object) {
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string CaseJson(std::string_view type, const CaseAnswer& answer) {
    return Dump({{"type", type},
                 {"amount", answer.amountText},
                 {"fee", answer.feeText},
                 {"fee_value", FeeValue(answer.feeText)},
                 {"fee_capitals", Capitals(answer.feeText)},
                 {"message", Message(answer.note)}});
}

std::string ExplanationJson(const FeeBreakdown& ex) {
    json steps = json::array();
    for (const BandStep& band : ex.bands) {
        steps.push_back({{"label", band.label},
                         {"part", band.part.empty() ? json(nullptr) : json(band.part)},
                         {"rate", band.rate.empty() ? json(nullptr) : json(band.rate)},
                         {"amount", band.amount}});
    }
    json object{{"type", ex.type},
                {"amount", ex.outcome.amountText},
                {"fee", ex.outcome.feeText},
                {"fee_value", FeeValue(ex.outcome.feeText)},
                {"fee_capitals", Capitals(ex.outcome.feeText)},
                {"message", Message(NoteOf(ex.type, ex.outcome))}};
    if (ex.priced()) {
        object["basis"] = {
            {"article", ex.basis.article},
            {"fee_kind", ex.basis.kind == FeeKind::AcceptanceFee ? "案件受理费" : "申请费"}};
        object["rule"] = ex.ruleWords;
        object["steps"] = steps;
        object["bands_total"] = ex.bandsTotal.empty() ? json(nullptr) : json(ex.bandsTotal);
        object["adjustments"] = ex.adjustments;
        object["notes"] = ex.notes;
        object["top_of_range"] = ex.chargedAtTopOfRange;
    }
    return Dump(object);
}

std::string HalvingJson(std::string_view type, const HalvedFee& halving) {
    return Dump(
        {{"type", type},
         {"amount", halving.outcome.amountText},
         {"fee", halving.outcome.feeText},
         {"fee_value", FeeValue(halving.outcome.feeText)},
         {"fee_capitals", Capitals(halving.outcome.feeText)},
         {"halved_fee", halving.halvedFee.empty() ? json(nullptr) : json(halving.halvedFee)},
         {"halved_fee_capitals", Capitals(halving.halvedFee)},
         {"articles", halving.articles},
         {"message", Message(HalvingNote(type, halving))}});
}

}  // namespace zq::cli
