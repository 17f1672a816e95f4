// SPDX-License-Identifier: MIT
#include "cli/modes/case_answers.h"

#include <algorithm>
#include <unordered_map>

#include "calc/amounts_for_fee.h"
#include "calc/catalogue.h"
#include "calc/fee_split.h"
#include "present/case_notes.h"
#include "present/catalogue_listing.h"
#include "present/explanation.h"
#include "present/extras_texts.h"
#include "present/rule_words.h"
#include "present/stage_texts.h"
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

json PrepayObject(const FeeBreakdown& ex) {
    if (!ex.priced()) {
        return nullptr;
    }
    const present::PrepayWords words = present::WordsOf(PrepaymentOf(ex.type, ex.stage));
    return {{"by", words.by},
            {"when", words.when},
            {"article", words.article},
            {"note", TextOrNull(words.note)}};
}

CaseStage StageOf(const std::vector<HalvingReason>& reasons) {
    for (const HalvingReason reason : reasons) {
        if (reason == HalvingReason::Counterclaim) {
            return CaseStage::Counterclaim;
        }
        if (reason == HalvingReason::ThirdParty) {
            return CaseStage::ThirdParty;
        }
    }
    return CaseStage::FirstInstance;
}

FeeBreakdown Explain(const Prepared& prepared, const ModeRequest& request, CaseStage stage) {
    FeeBreakdown ex = ExplainFee(prepared.type, prepared.amount.amountText, &request.figures);
    ex.stage = stage;
    ex.claims = request.amounts;
    return ex;
}

// What stderr says beside a plain answer: the type a name was priced as, and the notes a reader of
// the fee alone must still see.
std::string Beside(const Prepared& prepared, const FeeBreakdown& ex) {
    std::string said = prepared.nameNote;
    for (const std::string& note :
         present::NotesBesideTheFee(ex, prepared.given != prepared.type)) {
        said += (said.empty() ? "说明：" : "\n说明：") + note;
    }
    return said;
}

// The answer for a case that has no fee: the note, and the fields of a case.
ModeAnswer NoFee(const Prepared& prepared, const FeeBreakdown& ex) {
    return {present::CaseNote(ex.type, ex.outcome),
            CaseFields(prepared, ex),
            true,
            true,
            prepared.nameNote,
            {}};
}

// An application fee (Article 14) where an answer is about acceptance fees only.
ModeAnswer OnlyAcceptanceFees(const Prepared& prepared, const FeeBreakdown& ex,
                              std::string_view what) {
    ModeAnswer answer{present::OnlyAcceptanceFeesNote(prepared.type, what),
                      CaseFields(prepared, ex),
                      true,
                      true,
                      prepared.nameNote,
                      {}};
    answer.object["message"] = answer.text;
    return answer;
}

}  // namespace

std::string Dump(const json& object) {
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

CaseAnswer PriceCase(std::string_view typeText, std::string_view amountText, bool withNotes,
                     const LocalFigures* figures) {
    FeeTrace trace;
    FeeOutcome outcome = ComputeFee(typeText, amountText, withNotes ? &trace : nullptr, figures);
    std::string note = present::CaseNote(typeText, outcome);
    CaseAnswer answer{
        std::move(outcome.amountText), std::move(outcome.feeText), std::move(note), {}};
    if (withNotes && answer.ok()) {
        answer.notes = present::NotesOf(typeText, trace, figures);
    }
    return answer;
}

json CaseObject(std::string_view type, const CaseAnswer& answer) {
    // Who prepays depends on the type alone here; a batch asks it for every line.
    static std::unordered_map<std::string, json> prepayOf;
    json prepay = nullptr;
    if (answer.ok()) {
        auto found = prepayOf.find(std::string(type));
        if (found == prepayOf.end()) {
            const present::PrepayWords words =
                present::WordsOf(PrepaymentOf(type, CaseStage::FirstInstance));
            found = prepayOf
                        .emplace(std::string(type), json{{"by", words.by},
                                                         {"when", words.when},
                                                         {"article", words.article},
                                                         {"note", TextOrNull(words.note)}})
                        .first;
        }
        prepay = found->second;
    }
    return {{"type", type},
            {"amount", answer.amountText},
            {"fee", answer.feeText},
            {"fee_value", FeeValue(answer.feeText)},
            {"fee_capitals", Capitals(answer.feeText)},
            {"message", TextOrNull(answer.note)},
            {"notes", answer.notes},
            {"prepay", prepay}};
}

Prepared Prepare(const ModeRequest& request) {
    Prepared prepared;
    prepared.given = request.type;
    prepared.name = catalogue::FindTypeName(request.type);
    prepared.type = prepared.name.found() ? std::string(prepared.name.types.front()) : request.type;
    prepared.nameNote = present::TypeNameNote(request.type, prepared.name);
    prepared.amount =
        SumOfClaims(request.amounts.empty() ? std::vector<std::string>{""} : request.amounts);
    return prepared;
}

ModeAnswer Unpriced(const Prepared& prepared) {
    json candidates = json::array();
    for (std::string_view type : prepared.name.types) {
        candidates.push_back(type);
    }
    return {prepared.nameNote,
            {{"type", prepared.given},
             {"type_given", prepared.given},
             {"candidates",
              prepared.name.match == catalogue::NameMatch::Several ? candidates : json::array()},
             {"message", prepared.nameNote}},
            true,
            true,
            {},
            {}};
}

json CaseFields(const Prepared& prepared, const FeeBreakdown& ex) {
    const std::string& fee = ex.outcome.feeText;
    json object{{"type", prepared.type},
                {"type_given", prepared.given},
                {"amount", ex.outcome.amountText},
                {"fee", fee},
                {"fee_value", FeeValue(fee)},
                {"fee_capitals", Capitals(fee)},
                {"message", TextOrNull(present::CaseNote(ex.type, ex.outcome))},
                {"notes", present::WordsOf(ex).notes},
                {"prepay", PrepayObject(ex)}};
    if (ex.claims.size() > 1) {
        object["claims"] = ex.claims;
    }
    return object;
}

json CaseFieldsSchema() {
    const json text{{"type", "string"}};
    const json textOrNull{{"type", json::array({"string", "null"})}};
    return {{"type", text},
            {"type_given", text},
            {"amount", text},
            {"claims", {{"type", "array"}, {"items", text}}},
            {"fee", text},
            {"fee_value", {{"type", json::array({"number", "null"})}}},
            {"fee_capitals", textOrNull},
            {"message", textOrNull},
            {"notes", {{"type", "array"}, {"items", text}}},
            {"prepay",
             {{"type", json::array({"object", "null"})},
              {"properties",
               {{"by", text}, {"when", text}, {"article", text}, {"note", textOrNull}}}}}};
}

ModeAnswer AnswerPrice(const ModeRequest& request) {
    const Prepared prepared = Prepare(request);
    if (!prepared.found()) {
        return Unpriced(prepared);
    }
    const FeeBreakdown ex = Explain(prepared, request, CaseStage::FirstInstance);
    if (!ex.priced()) {
        return NoFee(prepared, ex);
    }
    const std::string& fee = ex.outcome.feeText;
    ModeAnswer out{request.capitals ? present::WithCapitals(fee) : fee,
                   CaseFields(prepared, ex),
                   false,
                   true,
                   Beside(prepared, ex),
                   {}};
    // Bills are not written in capitals from 1 万亿 yuan up; the fee still stands.
    if (request.capitals && !FeeCapitals(fee)) {
        out.warning =
            "courtfee: 1万亿元及以上的金额不写大写 / no capitals for amounts of 1 万亿 yuan or "
            "more";
    }
    return out;
}

ModeAnswer AnswerExplain(const ModeRequest& request) {
    const Prepared prepared = Prepare(request);
    if (!prepared.found()) {
        return Unpriced(prepared);
    }
    const FeeBreakdown ex = Explain(prepared, request, CaseStage::FirstInstance);
    if (!ex.priced()) {
        // Without a fee there is nothing to explain, and a refused amount is no amount to echo.
        ModeAnswer answer = NoFee(prepared, ex);
        answer.text += "\n";
        return answer;
    }
    const present::BreakdownWords words = present::WordsOf(ex);
    json steps = json::array();
    for (const present::BandWords& band : words.bands) {
        steps.push_back({{"label", band.label},
                         {"part", TextOrNull(band.part)},
                         {"rate", TextOrNull(band.rate)},
                         {"amount", band.amount}});
    }
    json object = CaseFields(prepared, ex);
    object["basis"] = {{"article", words.article}, {"fee_kind", words.feeKind}};
    object["rule"] = words.rule;
    object["steps"] = steps;
    object["bands_total"] = TextOrNull(words.bandsTotal);
    object["adjustments"] = words.adjustments;
    object["top_of_range"] = ex.chargedAtTopOfRange;
    return {present::PlainText(present::ExplanationLines(ex)),
            object,
            false,
            true,
            prepared.nameNote,
            {}};
}

ModeAnswer AnswerHalve(const ModeRequest& request) {
    const Prepared prepared = Prepare(request);
    if (!prepared.found()) {
        return Unpriced(prepared);
    }
    const FeeBreakdown ex = Explain(prepared, request, StageOf(request.reasons));
    const HalvedFee halving = HalveFee(request.reasons, prepared.type, ex.outcome);
    const std::string note = present::HalvingNote(prepared.type, halving);
    const std::string halved = halving.done() ? halving.halved->Text() : std::string();
    json object = CaseFields(prepared, ex);
    object["halved_fee"] = TextOrNull(halved);
    object["halved_fee_capitals"] = Capitals(halved);
    object["articles"] = present::ArticlesText(halving.articles);
    object["message"] = TextOrNull(note);
    const std::string compounding = present::CompoundingNote(halving);
    if (!compounding.empty()) {
        object["notes"].push_back(compounding);
    }
    const std::string line =
        halving.done() ? present::HalvedLine(halving, request.capitals) : std::string();
    const std::string text = !halving.done()       ? note
                             : compounding.empty() ? line
                                                   : line + "\n说明：" + compounding;
    return {text, object, !halving.done(), true, Beside(prepared, ex), {}};
}

namespace {

// An appeal (Article 17) or a retrial that pays (Article 19): the acceptance fee of the part
// appealed or contested, with when it is due at all.
ModeAnswer AnswerStage(const ModeRequest& request, CaseStage stage) {
    const Prepared prepared = Prepare(request);
    if (!prepared.found()) {
        return Unpriced(prepared);
    }
    const FeeBreakdown ex = Explain(prepared, request, stage);
    if (!ex.priced()) {
        return NoFee(prepared, ex);
    }
    const bool appeal = stage == CaseStage::Appeal;
    if (!IsAcceptanceFee(prepared.type)) {
        return OnlyAcceptanceFees(
            prepared, ex, appeal ? "上诉案件受理费（第十七条）" : "再审案件受理费（第十九条）");
    }
    json object = CaseFields(prepared, ex);
    if (appeal && !AppealPaysFee(prepared.type)) {
        object["fee"] = "0.00";
        object["fee_value"] = 0;
        object["fee_capitals"] = Capitals("0.00");
        object["article"] = "第八条第（三）项";
        object["when_due"] = present::NoAppealFeeText();
        object["prepay"] = nullptr;
        return {"0.00（上诉，依第八条第（三）项不交纳）",
                object,
                false,
                true,
                Beside(prepared, ex),
                {}};
    }
    object["article"] = appeal ? "第十七条" : "第十九条";
    object["when_due"] = appeal ? present::AppealNote() : present::RetrialNote();
    return {ex.outcome.feeText + "（" + (appeal ? "上诉，依第十七条" : "再审，依第十九条") + "）",
            object,
            false,
            true,
            Beside(prepared, ex),
            {}};
}

}  // namespace

ModeAnswer AnswerAppeal(const ModeRequest& request) {
    return AnswerStage(request, CaseStage::Appeal);
}

ModeAnswer AnswerRetrial(const ModeRequest& request) {
    return AnswerStage(request, CaseStage::Retrial);
}

ModeAnswer AnswerChange(const ModeRequest& request) {
    const Prepared prepared = Prepare(request);
    if (!prepared.found()) {
        return Unpriced(prepared);
    }
    const ClaimChange change =
        ChangeClaim(prepared.type, prepared.amount.amountText, request.changed, &request.figures);
    const std::string note = change.done() ? "" : present::ChangeNote(prepared.type, change);
    const FeeBreakdown after = ExplainFee(prepared.type, request.changed, &request.figures);
    const json object{{"type", prepared.type},
                      {"type_given", prepared.given},
                      {"amount", change.before.amountText},
                      {"changed", change.after.amountText},
                      {"fee_before", TextOrNull(change.before.feeText)},
                      {"fee_after", TextOrNull(change.after.feeText)},
                      {"top_up", FenOrNull(change.topUp)},
                      {"refund", FenOrNull(change.refund)},
                      {"article", "第二十一条"},
                      {"message", TextOrNull(note)},
                      {"notes", present::WordsOf(after).notes},
                      {"prepay", PrepayObject(after)}};
    if (!change.done()) {
        return {note, object, true, true, prepared.nameNote, {}};
    }
    std::string text;
    for (const std::string& line : present::ChangeLines(change)) {
        text += line + "\n";
    }
    return {text, object, false, true, Beside(prepared, after), {}};
}

ModeAnswer AnswerRefund(const ModeRequest& request) {
    const Prepared prepared = Prepare(request);
    if (!prepared.found()) {
        return Unpriced(prepared);
    }
    const Refund refund =
        RefundFee(request.ground, prepared.type, prepared.amount.amountText, &request.figures);
    const FeeBreakdown paid = Explain(prepared, request, CaseStage::FirstInstance);
    const std::string note =
        refund.done() ? "" : present::RefundNote(prepared.type, request.ground, refund);
    const json object{
        {"type", prepared.type},
        {"type_given", prepared.given},
        {"amount", refund.outcome.amountText},
        {"fee", refund.outcome.feeText},
        {"ground", RefundGroundNames()[static_cast<std::size_t>(request.ground)].chinese},
        {"article", ArticleOf(request.ground)},
        {"refund", refund.done() ? json(refund.refund.Text()) : json(nullptr)},
        {"kept", refund.done() ? json(refund.kept.Text()) : json(nullptr)},
        {"message", TextOrNull(note)},
        {"notes", present::WordsOf(paid).notes},
        {"prepay", PrepayObject(paid)}};
    return {refund.done() ? present::RefundLine(request.ground, refund) : note,
            object,
            !refund.done(),
            true,
            Beside(prepared, paid),
            {}};
}

ModeAnswer AnswerAmountFor(const ModeRequest& request) {
    ModeRequest asked = request;
    asked.amounts.clear();  // the fee is not a claim to sum
    const Prepared prepared = Prepare(asked);
    if (!prepared.found()) {
        return Unpriced(prepared);
    }
    const std::string fee = request.amounts.empty() ? "" : request.amounts.front();
    const AmountsForFee answer = FindAmountsForFee(prepared.type, fee, &request.figures);
    const std::string note = present::AmountsNote(prepared.type, answer);
    json object{{"type", prepared.type}, {"type_given", prepared.given}, {"fee", answer.fee}};
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
        return {note, object, true, true, prepared.nameNote, {}};
    }
    if (!answer.found()) {
        return {present::NoAmountSentence(prepared.type, answer),
                object,
                false,
                false,
                prepared.nameNote,
                {}};
    }
    return {
        present::AmountsText(prepared.type, answer), object, false, true, prepared.nameNote, {}};
}

ModeAnswer AnswerSplit(const ModeRequest& request) {
    const Prepared prepared = Prepare(request);
    if (!prepared.found()) {
        return Unpriced(prepared);
    }
    const FeeBreakdown ex = Explain(prepared, request, StageOf(request.reasons));
    const FeeSplit split = SplitFee(request.awarded, prepared.type, ex.outcome, request.reasons);
    const std::string note = present::SplitNote(prepared.type, split);
    const bool shares = split.proportional();
    const std::string fee = split.done() ? split.fee.ShownText() : std::string();
    const std::string plaintiff = shares ? split.plaintiffShare.ShownText() : std::string();
    const std::string defendant = shares ? split.defendantShare.ShownText() : std::string();
    json object = CaseFields(prepared, ex);
    object["awarded"] = request.awarded;
    object["split_fee"] = TextOrNull(fee);
    object["split_fee_capitals"] = Capitals(fee);
    object["halved"] = split.halving.has_value();
    object["plaintiff_share"] = TextOrNull(plaintiff);
    object["plaintiff_share_capitals"] = Capitals(plaintiff);
    object["defendant_share"] = TextOrNull(defendant);
    object["defendant_share_capitals"] = Capitals(defendant);
    object["burden"] = {{"article", split.burden.article},
                        {"rule", present::BurdenText(prepared.type, split)},
                        {"proportional", split.burden.rule == BurdenRule::Proportional}};
    object["basis"] =
        split.done() ? json(present::SplitBasis(prepared.type, split)) : json(nullptr);
    object["message"] = TextOrNull(note);
    if (!split.done()) {
        return {note, object, true, true, prepared.nameNote, {}};
    }
    std::string text;
    for (const std::string& line : present::SplitLines(prepared.type, split, request.awarded)) {
        text += line + "\n";
    }
    return {text, object, false, true, Beside(prepared, ex), {}};
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
    return {present::CatalogueTree(), {{"classes", classes}}, false, true, {}, {}};
}

ModeAnswer AnswerFigures(const ModeRequest& request) {
    json figures = json::array();
    for (const catalogue::CaseKind& kind : catalogue::AllKinds()) {
        for (const catalogue::CaseType& type : kind.types) {
            const FeeRange& range = type.basis.range;
            if (range.given()) {
                const std::optional<int> local = request.figures.Of(type.text);
                figures.push_back({{"type", type.text},
                                   {"low", range.low},
                                   {"high", range.high},
                                   {"article", range.article},
                                   {"catalogue", type.choice.figure},
                                   {"local", local ? json(*local) : json(nullptr)}});
            }
        }
    }
    return {present::FiguresListing(request.figures), {{"figures", figures}}, false, true, {}, {}};
}

}  // namespace zq::cli
