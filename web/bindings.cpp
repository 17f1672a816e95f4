// SPDX-License-Identifier: MIT
// The JavaScript face of the core: plain values in, plain JavaScript objects out. Nothing here
// computes a fee; every answer comes from calc/ and runtime/ as the window and courtfee get it.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/amounts_for_fee.h"
#include "calc/catalogue.h"
#include "calc/explain.h"
#include "calc/fee_capitals.h"
#include "calc/fee_split.h"
#include "calc/halve.h"
#include "calc/price.h"
#include "runtime/fen_text.h"
#include "runtime/numeric_text.h"

namespace {

using emscripten::val;

// ComputeFee's outcome as JavaScript sees it: message is null or {prompt, title, flags}.
struct JsFeeOutcome {
    std::string amountText;
    std::string feeText;
    val message = val::null();
};

struct JsBasis {
    std::string feeKind;  // "acceptance" (Article 13) or "application" (Article 14)
    std::string article;
    int rangeLow = 0;
    int rangeHigh = 0;
};

struct JsBreakdown {
    std::string type;
    std::string amountText;
    std::string feeText;
    val message = val::null();
    bool priced = false;
    JsBasis basis;
    std::string ruleWords;
    val bands = val::array();  // [{label, part, rate, amount}]
    std::string bandsTotal;
    val adjustments = val::array();
    val notes = val::array();
    bool chargedAtTopOfRange = false;
};

struct JsAmountsForFee {
    std::string fee;            // "13800.00"; as given when it is not a whole number of fen
    val ranges = val::array();  // [{min, max}], max null when unbounded
    val nearestBelow = val::null();
    val nearestAbove = val::null();
    bool beyondSearch = false;
};

struct JsFeeSplit {
    std::string amountText;
    std::string fee;
    std::string plaintiffShare;
    std::string defendantShare;
    std::string note;
    std::string reference;
};

struct JsHalvingReason {
    std::string chinese;
    std::string ascii;
    std::string article;
};

struct JsHalvedFee {
    std::string amountText;
    std::string feeText;  // the full fee
    val message = val::null();
    std::string halvedFee;
    std::string articles;
    std::string refusal;
};

struct JsMessage {
    std::string prompt;
    std::string title;
    int flags = 0;
};

// Null, or the message as an object; converting a registered value object takes one call into
// JavaScript where setting three properties takes six.
val MessageValue(const std::optional<zq::Message>& message) {
    if (!message) {
        return val::null();
    }
    return val(JsMessage{message->prompt, message->title, message->flags});
}

template <typename Text>
val TextArray(const std::vector<Text>& texts) {
    val out = val::array();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out.set(i, std::string(texts[i]));
    }
    return out;
}

JsFeeOutcome ComputeFeeJs(const std::string& typeText, const std::string& amountText) {
    zq::FeeOutcome outcome = zq::ComputeFee(typeText, amountText);
    return {std::move(outcome.amountText), std::move(outcome.feeText),
            MessageValue(outcome.message)};
}

std::string ClassTextJs(int classIndex) {
    return std::string(zq::catalogue::ClassText(classIndex));
}

val KindsOfJs(int classIndex) { return TextArray(zq::catalogue::KindsOfClass(classIndex)); }

val TypesOfJs(const std::string& kindText) {
    return TextArray(zq::catalogue::TypesOfKind(kindText));
}

JsBreakdown ExplainFeeJs(const std::string& typeText, const std::string& amountText) {
    const zq::FeeBreakdown breakdown = zq::ExplainFee(typeText, amountText);
    JsBreakdown out;
    out.type = breakdown.type;
    out.amountText = breakdown.outcome.amountText;
    out.feeText = breakdown.outcome.feeText;
    out.message = MessageValue(breakdown.outcome.message);
    out.priced = breakdown.priced();
    out.basis = {breakdown.basis.kind == zq::FeeKind::AcceptanceFee ? "acceptance" : "application",
                 std::string(breakdown.basis.article), breakdown.basis.rangeLow,
                 breakdown.basis.rangeHigh};
    out.ruleWords = breakdown.ruleWords;
    for (std::size_t i = 0; i < breakdown.bands.size(); ++i) {
        const zq::BandStep& band = breakdown.bands[i];
        val step = val::object();
        step.set("label", band.label);
        step.set("part", band.part);
        step.set("rate", band.rate);
        step.set("amount", band.amount);
        out.bands.set(i, step);
    }
    out.bandsTotal = breakdown.bandsTotal;
    out.adjustments = TextArray(breakdown.adjustments);
    out.notes = TextArray(breakdown.notes);
    out.chargedAtTopOfRange = breakdown.chargedAtTopOfRange;
    return out;
}

val TextOrNull(const std::optional<std::string>& text) { return text ? val(*text) : val::null(); }

val FenOrNull(const std::optional<std::uint64_t>& fen) {
    return fen ? val(zq::FenText(*fen)) : val::null();
}

val FeeCapitalsJs(const std::string& shownFee) { return TextOrNull(zq::FeeCapitals(shownFee)); }

// The fee is read like an amount ("13800", "13800.00", "１３８００"). Null for a type that is not
// in the catalogue or a fee that is not a number. A fee between two whole fen (a digit below the
// fen, or below zero) has no amounts, only the nearest fees that some amount gives.
val AmountsForFeeJs(const std::string& typeText, const std::string& feeText) {
    const zq::FenReading fee = zq::ReadFen(feeText);
    if (!fee.numeric || zq::ReadNumber(feeText).overflow ||
        zq::catalogue::RuleOfType(typeText).rule == zq::FeeRule::NoRule) {
        return val::null();
    }
    const bool whole = fee.wholeFen && !fee.negative;
    const zq::AmountsForFee found =
        *zq::FindAmountsForFee(typeText, fee.negative ? 0 : fee.fen, whole);
    JsAmountsForFee out;
    out.fee = whole ? zq::FenText(fee.fen) : feeText;
    for (std::size_t i = 0; i < found.ranges.size(); ++i) {
        val range = val::object();
        range.set("min", zq::FenText(found.ranges[i].minFen));
        range.set("max", FenOrNull(found.ranges[i].maxFen));
        out.ranges.set(i, range);
    }
    out.nearestBelow = FenOrNull(found.nearestBelowFen);
    out.nearestAbove = FenOrNull(found.nearestAboveFen);
    out.beyondSearch = found.beyondSearch;
    return val(out);
}

JsFeeSplit SplitFeeJs(const std::string& awardedText, const std::string& typeText,
                      const std::string& amountText) {
    zq::FeeSplit split = zq::SplitFee(awardedText, typeText, amountText);
    return {std::move(split.amountText),     std::move(split.fee),
            std::move(split.plaintiffShare), std::move(split.defendantShare),
            std::move(split.note),           std::string(zq::kSplitIsAReference)};
}

val HalvingReasonsJs() {
    val out = val::array();
    std::size_t i = 0;
    for (const zq::HalvingReasonName& name : zq::HalvingReasonNames()) {
        out.set(i++, JsHalvingReason{std::string(name.chinese), std::string(name.ascii),
                                     std::string(zq::ArticleOf(name.reason))});
    }
    return out;
}

// reasons: an array of the words of halvingReasons(), Chinese or ASCII; anything else is a
// RangeError, as it is a caller's mistake and not a lawyer's input.
JsHalvedFee HalveFeeJs(const val& reasonWords, const std::string& typeText,
                       const std::string& amountText) {
    const auto names = zq::HalvingReasonNames();
    std::vector<zq::HalvingReason> reasons;
    for (const std::string& word : emscripten::vecFromJSArray<std::string>(reasonWords)) {
        const auto found = std::find_if(names.begin(), names.end(), [&word](const auto& name) {
            return name.chinese == word || name.ascii == word;
        });
        if (found == names.end()) {
            val::global("RangeError").new_("not a ground for halving: " + word).throw_();
        }
        reasons.push_back(found->reason);
    }
    zq::HalvedFee halved = zq::HalveFee(reasons, typeText, amountText);
    return {std::move(halved.outcome.amountText), std::move(halved.outcome.feeText),
            MessageValue(halved.outcome.message), std::move(halved.halvedFee),
            std::move(halved.articles),           std::move(halved.refusal)};
}

}  // namespace

EMSCRIPTEN_BINDINGS(courtfee) {
    using emscripten::value_object;
    value_object<JsMessage>("Message")
        .field("prompt", &JsMessage::prompt)
        .field("title", &JsMessage::title)
        .field("flags", &JsMessage::flags);
    value_object<JsFeeOutcome>("FeeOutcome")
        .field("amountText", &JsFeeOutcome::amountText)
        .field("feeText", &JsFeeOutcome::feeText)
        .field("message", &JsFeeOutcome::message);
    value_object<JsBasis>("LegalBasis")
        .field("feeKind", &JsBasis::feeKind)
        .field("article", &JsBasis::article)
        .field("rangeLow", &JsBasis::rangeLow)
        .field("rangeHigh", &JsBasis::rangeHigh);
    value_object<JsBreakdown>("FeeBreakdown")
        .field("type", &JsBreakdown::type)
        .field("amountText", &JsBreakdown::amountText)
        .field("feeText", &JsBreakdown::feeText)
        .field("message", &JsBreakdown::message)
        .field("priced", &JsBreakdown::priced)
        .field("basis", &JsBreakdown::basis)
        .field("ruleWords", &JsBreakdown::ruleWords)
        .field("bands", &JsBreakdown::bands)
        .field("bandsTotal", &JsBreakdown::bandsTotal)
        .field("adjustments", &JsBreakdown::adjustments)
        .field("notes", &JsBreakdown::notes)
        .field("chargedAtTopOfRange", &JsBreakdown::chargedAtTopOfRange);
    value_object<JsAmountsForFee>("AmountsForFee")
        .field("fee", &JsAmountsForFee::fee)
        .field("ranges", &JsAmountsForFee::ranges)
        .field("nearestBelow", &JsAmountsForFee::nearestBelow)
        .field("nearestAbove", &JsAmountsForFee::nearestAbove)
        .field("beyondSearch", &JsAmountsForFee::beyondSearch);
    value_object<JsFeeSplit>("FeeSplit")
        .field("amountText", &JsFeeSplit::amountText)
        .field("fee", &JsFeeSplit::fee)
        .field("plaintiffShare", &JsFeeSplit::plaintiffShare)
        .field("defendantShare", &JsFeeSplit::defendantShare)
        .field("note", &JsFeeSplit::note)
        .field("reference", &JsFeeSplit::reference);
    value_object<JsHalvingReason>("HalvingReason")
        .field("chinese", &JsHalvingReason::chinese)
        .field("ascii", &JsHalvingReason::ascii)
        .field("article", &JsHalvingReason::article);
    value_object<JsHalvedFee>("HalvedFee")
        .field("amountText", &JsHalvedFee::amountText)
        .field("feeText", &JsHalvedFee::feeText)
        .field("message", &JsHalvedFee::message)
        .field("halvedFee", &JsHalvedFee::halvedFee)
        .field("articles", &JsHalvedFee::articles)
        .field("refusal", &JsHalvedFee::refusal);

    emscripten::function("computeFee", &ComputeFeeJs);
    emscripten::function("classText", &ClassTextJs);
    emscripten::function("kindsOf", &KindsOfJs);
    emscripten::function("typesOf", &TypesOfJs);
    emscripten::function("explainFee", &ExplainFeeJs);
    emscripten::function("halvingReasons", &HalvingReasonsJs);
    emscripten::function("halveFee", &HalveFeeJs);
    emscripten::function("feeCapitals", &FeeCapitalsJs);
    emscripten::function("amountsForFee", &AmountsForFeeJs);
    emscripten::function("splitFee", &SplitFeeJs);
}
