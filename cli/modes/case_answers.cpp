// SPDX-License-Identifier: MIT
#include "cli/modes/case_answers.h"

#include "calc/amounts_for_fee.h"
#include "calc/catalogue.h"
#include "calc/explain.h"
#include "calc/fee_split.h"
#include "present/case_notes.h"
#include "present/catalogue_listing.h"
#include "present/explanation.h"
#include "present/extras_texts.h"
#include "present/rule_words.h"
#include "runtime/fee_capitals.h"
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

json TextOrNull(const std::string& text) { return text.empty() ? json(nullptr) : json(text); }

json FenOrNull(const std::optional<Fen>& fen) { return fen ? json(fen->Text()) : json(nullptr); }

}  // namespace

std::string Dump(const json& object) {
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

CaseAnswer PriceCase(std::string_view typeText, std::string_view amountText) {
    FeeOutcome outcome = ComputeFee(typeText, amountText);
    std::string note = present::CaseNote(typeText, outcome);
    return {std::move(outcome.amountText), std::move(outcome.feeText), std::move(note)};
}

json CaseObject(std::string_view type, const CaseAnswer& answer) {
    return {{"type", type},
            {"amount", answer.amountText},
            {"fee", answer.feeText},
            {"fee_value", FeeValue(answer.feeText)},
            {"fee_capitals", Capitals(answer.feeText)},
            {"message", TextOrNull(answer.note)}};
}

ModeAnswer AnswerPrice(const ModeRequest& request) {
    const CaseAnswer answer = PriceCase(request.type, request.amount);
    ModeAnswer out{answer.note, CaseObject(request.type, answer), !answer.ok(), true, {}};
    if (answer.ok()) {
        out.text = request.capitals ? present::WithCapitals(answer.feeText) : answer.feeText;
        // Bills are not written in capitals from 1 万亿 yuan up; the fee still stands.
        if (request.capitals && !FeeCapitals(answer.feeText)) {
            out.warning =
                "courtfee: 1万亿元及以上的金额不写大写 / no capitals for amounts of 1 万亿 yuan or "
                "more";
        }
    }
    return out;
}

ModeAnswer AnswerExplain(const ModeRequest& request) {
    const FeeBreakdown ex = ExplainFee(request.type, request.amount);
    const std::string note = present::CaseNote(ex.type, ex.outcome);
    json object{{"type", ex.type},
                {"amount", ex.outcome.amountText},
                {"fee", ex.outcome.feeText},
                {"fee_value", FeeValue(ex.outcome.feeText)},
                {"fee_capitals", Capitals(ex.outcome.feeText)},
                {"message", TextOrNull(note)}};
    if (!ex.priced()) {
        // Without a fee there is nothing to explain, and a refused amount is no amount to echo.
        return {note + "\n", object, true, true, {}};
    }
    const present::BreakdownWords words = present::WordsOf(ex);
    json steps = json::array();
    for (const present::BandWords& band : words.bands) {
        steps.push_back({{"label", band.label},
                         {"part", TextOrNull(band.part)},
                         {"rate", TextOrNull(band.rate)},
                         {"amount", band.amount}});
    }
    object["basis"] = {{"article", words.article}, {"fee_kind", words.feeKind}};
    object["rule"] = words.rule;
    object["steps"] = steps;
    object["bands_total"] = TextOrNull(words.bandsTotal);
    object["adjustments"] = words.adjustments;
    object["notes"] = words.notes;
    object["top_of_range"] = ex.chargedAtTopOfRange;
    return {present::PlainText(present::ExplanationLines(ex)), object, false, true, {}};
}

ModeAnswer AnswerHalve(const ModeRequest& request) {
    const HalvedFee halving = HalveFee(request.reasons, request.type, request.amount);
    const std::string note = present::HalvingNote(request.type, halving);
    const std::string halved = halving.done() ? halving.halved->Text() : std::string();
    const json object{{"type", request.type},
                      {"amount", halving.outcome.amountText},
                      {"fee", halving.outcome.feeText},
                      {"fee_value", FeeValue(halving.outcome.feeText)},
                      {"fee_capitals", Capitals(halving.outcome.feeText)},
                      {"halved_fee", TextOrNull(halved)},
                      {"halved_fee_capitals", Capitals(halved)},
                      {"articles", present::ArticlesText(halving.articles)},
                      {"message", TextOrNull(note)}};
    return {
        halving.done() ? present::HalvedLine(halving) : note, object, !halving.done(), true, {}};
}

ModeAnswer AnswerAmountFor(const ModeRequest& request) {
    const AmountsForFee answer = FindAmountsForFee(request.type, request.amount);
    const std::string note = present::AmountsNote(request.type, answer);
    json object{{"type", request.type}, {"fee", answer.fee}};
    if (note.empty()) {
        json amounts = json::array();
        for (const AmountRange& range : answer.ranges) {
            amounts.push_back({{"min", range.min.Text()}, {"max", FenOrNull(range.max)}});
        }
        object["amounts"] = amounts;
        object["nearest_below"] = FenOrNull(answer.nearestBelow);
        object["nearest_above"] = FenOrNull(answer.nearestAbove);
    }
    object["message"] = TextOrNull(note);
    if (!note.empty()) {
        return {note, object, true, true, {}};
    }
    if (!answer.found()) {
        return {present::NoAmountSentence(request.type, answer), object, false, false, {}};
    }
    return {present::AmountsText(request.type, answer), object, false, true, {}};
}

ModeAnswer AnswerSplit(const ModeRequest& request) {
    const FeeSplit split = SplitFee(request.awarded, request.type, request.amount);
    const std::string note = present::SplitNote(request.type, split);
    const std::string fee = split.done() ? split.outcome.feeText : std::string();
    const std::string plaintiff = split.done() ? split.plaintiffShare.ShownText() : std::string();
    const std::string defendant = split.done() ? split.defendantShare.ShownText() : std::string();
    const json object{{"type", request.type},
                      {"amount", split.outcome.amountText},
                      {"awarded", request.awarded},
                      {"fee", TextOrNull(fee)},
                      {"fee_capitals", Capitals(fee)},
                      {"plaintiff_share", TextOrNull(plaintiff)},
                      {"plaintiff_share_capitals", Capitals(plaintiff)},
                      {"defendant_share", TextOrNull(defendant)},
                      {"defendant_share_capitals", Capitals(defendant)},
                      {"basis", split.done() ? json(present::SplitBasis()) : json(nullptr)},
                      {"message", TextOrNull(note)}};
    if (!split.done()) {
        return {note, object, true, true, {}};
    }
    std::string text;
    for (const std::string& line : present::SplitLines(split, request.awarded)) {
        text += line + "\n";
    }
    return {text, object, false, true, {}};
}

ModeAnswer AnswerList(const ModeRequest& /*request*/) {
    json classes = json::array();
    for (int c = 0; c < catalogue::kClassCount; ++c) {
        json kinds = json::array();
        for (const catalogue::CaseKind& kind : catalogue::AllKinds()) {
            if (kind.classIndex != c) {
                continue;
            }
            json types = json::array();
            for (const catalogue::CaseType& type : kind.types) {
                types.push_back({{"type", type.text}, {"rule", present::RuleInWords(type.choice)}});
            }
            kinds.push_back({{"kind", kind.text}, {"types", types}});
        }
        classes.push_back({{"class", catalogue::ClassText(c)}, {"kinds", kinds}});
    }
    return {present::CatalogueTree(), {{"classes", classes}}, false, true, {}};
}

}  // namespace zq::cli
