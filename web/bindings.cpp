// SPDX-License-Identifier: MIT
// The JavaScript face of the core: plain values in, plain JavaScript objects out. Nothing here
// computes or words anything: the page drives present::Calculator, other scripts get the answers
// of calc/ in the words of present/, as the window and courtfee get them. What this file adds is
// only the shape JavaScript sees: texts, arrays, null for nothing, and enums as names.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/amounts_for_fee.h"
#include "calc/catalogue.h"
#include "calc/explain.h"
#include "calc/fee_split.h"
#include "calc/halve.h"
#include "calc/price.h"
#include "calc/stages.h"
#include "present/calculator.h"
#include "present/explanation.h"
#include "present/extras_texts.h"
#include "present/figure_rows.h"
#include "present/form_layout.h"
#include "present/notice.h"
#include "present/stage_texts.h"
#include "present/type_finder.h"
#include "runtime/fee_capitals.h"

namespace {

using emscripten::val;
namespace present = zq::present;

val Text(std::string_view text) { return val(std::string(text)); }

val TextOrNull(const std::optional<std::string>& text) { return text ? val(*text) : val::null(); }

val FenOrNull(const std::optional<zq::Fen>& fen) { return fen ? val(fen->Text()) : val::null(); }

template <typename Texts>
val TextArray(const Texts& texts) {
    val out = val::array();
    for (const auto& text : texts) {
        out.call<void>("push", Text(text));
    }
    return out;
}

// The message box as other scripts have always had it: {prompt, title, flags}.
struct JsMessage {
    std::string prompt;
    std::string title;
    int flags = 0;
};

// Converting a registered value object takes one call into JavaScript where setting three
// properties takes six.
val MessageOf(const std::optional<zq::Refusal>& refusal) {
    if (!refusal) {
        return val::null();
    }
    present::Notice notice = present::NoticeOf(*refusal);
    return val(JsMessage{std::move(notice.prompt), std::move(notice.title),
                         present::MessageBoxFlags(notice.icon)});
}

// The notice the page shows: {title, prompt, icon, flags}, icon "warning" or "error".
val NoticeValue(const std::optional<present::Notice>& notice) {
    if (!notice) {
        return val::null();
    }
    val out = val::object();
    out.set("title", notice->title);
    out.set("prompt", notice->prompt);
    out.set("icon", notice->icon == present::NoticeIcon::Error ? "error" : "warning");
    out.set("flags", present::MessageBoxFlags(notice->icon));
    return out;
}

// ---- The public functions, for other pages and scripts (courtfee.d.ts) ----

struct JsFeeOutcome {
    std::string amountText;
    std::string feeText;
    val message = val::null();
};

JsFeeOutcome ComputeFeeJs(const std::string& typeText, const std::string& amountText) {
    zq::FeeOutcome outcome = zq::ComputeFee(typeText, amountText);
    return {std::move(outcome.amountText), std::move(outcome.feeText), MessageOf(outcome.refusal)};
}

std::string ClassTextJs(int classIndex) {
    return std::string(zq::catalogue::ClassText(classIndex));
}

val KindsOfJs(int classIndex) { return TextArray(zq::catalogue::KindsOfClass(classIndex)); }

val TypesOfJs(const std::string& kindText) {
    return TextArray(zq::catalogue::TypesOfKind(kindText));
}

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

JsBreakdown ExplainFeeJs(const std::string& typeText, const std::string& amountText) {
    const zq::FeeBreakdown breakdown = zq::ExplainFee(typeText, amountText);
    present::BreakdownWords words = present::WordsOf(breakdown);
    JsBreakdown out;
    out.type = breakdown.type;
    out.amountText = breakdown.outcome.amountText;
    out.feeText = breakdown.outcome.feeText;
    out.message = MessageOf(breakdown.outcome.refusal);
    out.priced = breakdown.priced();
    const zq::LegalBasis& basis = breakdown.basis;
    out.basis = {basis.kind == zq::FeeKind::AcceptanceFee ? "acceptance" : "application",
                 std::move(words.article), basis.range.low, basis.range.high};
    out.ruleWords = std::move(words.rule);
    for (const present::BandWords& band : words.bands) {
        val step = val::object();
        step.set("label", band.label);
        step.set("part", band.part);
        step.set("rate", band.rate);
        step.set("amount", band.amount);
        out.bands.call<void>("push", step);
    }
    out.bandsTotal = std::move(words.bandsTotal);
    out.adjustments = TextArray(words.adjustments);
    out.notes = TextArray(words.notes);
    out.chargedAtTopOfRange = breakdown.chargedAtTopOfRange;
    return out;
}

struct JsHalvingReason {
    std::string chinese;
    std::string ascii;
    std::string article;
};

val HalvingReasonsJs() {
    val out = val::array();
    for (const zq::HalvingReasonName& name : zq::HalvingReasonNames()) {
        out.call<void>("push",
                       val(JsHalvingReason{std::string(name.chinese), std::string(name.ascii),
                                           std::string(zq::ArticleOf(name.reason))}));
    }
    return out;
}

struct JsHalvedFee {
    std::string amountText;
    std::string feeText;  // the full fee
    val message = val::null();
    std::string halvedFee;
    std::string articles;
    std::string refusal;  // why an application fee is not halved
};

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
    zq::HalvedFee halving = zq::HalveFee(reasons, typeText, amountText);
    JsHalvedFee out;
    out.message = MessageOf(halving.outcome.refusal);
    out.halvedFee = halving.done() ? halving.halved->Text() : std::string();
    out.articles = present::ArticlesText(halving.articles);
    out.refusal = halving.applicationFee ? present::HalvingNote(typeText, halving) : std::string();
    out.amountText = std::move(halving.outcome.amountText);
    out.feeText = std::move(halving.outcome.feeText);
    return out;
}

// The grounds for a refund, as halvingReasons() gives the grounds for halving.
val RefundGroundsJs() {
    val out = val::array();
    for (const zq::RefundGroundName& name : zq::RefundGroundNames()) {
        out.call<void>("push",
                       val(JsHalvingReason{std::string(name.chinese), std::string(name.ascii),
                                           std::string(zq::ArticleOf(name.ground))}));
    }
    return out;
}

// A case type found from what a person typed: {found, types, note}.
val SearchTypeJs(const std::string& text) {
    const present::TypeSearch search = present::SearchType(text);
    val out = val::object();
    out.set("found", search.found);
    out.set("types", TextArray(search.types));
    out.set("note", search.note);
    return out;
}

val FeeCapitalsJs(const std::string& shownFee) { return TextOrNull(zq::FeeCapitals(shownFee)); }

struct JsAmountsForFee {
    std::string fee;
    val ranges = val::array();  // [{min, max}], max null when unbounded
    val nearestBelow = val::null();
    val nearestAbove = val::null();
    bool beyondSearch = false;
};

// Null when the fee could not be searched for: a type not in the catalogue, a fee that is not a
// number or is beyond the double range.
val AmountsForFeeJs(const std::string& typeText, const std::string& feeText) {
    zq::AmountsForFee found = zq::FindAmountsForFee(typeText, feeText);
    if (found.refusal != zq::AmountsRefusal::None) {
        return val::null();
    }
    JsAmountsForFee out;
    out.fee = std::move(found.fee);
    for (const zq::AmountRange& range : found.ranges) {
        val shown = val::object();
        shown.set("min", range.min.Text());
        shown.set("max", FenOrNull(range.max));
        out.ranges.call<void>("push", shown);
    }
    out.nearestBelow = FenOrNull(found.nearestBelow);
    out.nearestAbove = FenOrNull(found.nearestAbove);
    out.beyondSearch = found.beyondSearch;
    return val(out);
}

struct JsFeeSplit {
    std::string amountText;
    std::string fee;
    std::string plaintiffShare;
    std::string defendantShare;
    std::string note;
    std::string reference;
};

JsFeeSplit SplitFeeJs(const std::string& awardedText, const std::string& typeText,
                      const std::string& amountText) {
    const zq::FeeSplit split = zq::SplitFee(awardedText, typeText, amountText);
    const bool done = split.done();
    return {split.outcome.amountText,
            done ? split.outcome.feeText : std::string(),
            done ? split.plaintiffShare.ShownText() : std::string(),
            done ? split.defendantShare.ShownText() : std::string(),
            present::SplitNote(typeText, split),
            std::string(present::kSplitIsAReference)};
}

// ---- The window as data, for the site builder: present/form_layout.h ----

val RectValue(const present::Rect& rect) {
    val out = val::object();
    out.set("left", rect.x);
    out.set("top", rect.y);
    out.set("width", rect.width);
    out.set("height", rect.height);
    return out;
}

val RgbValue(const present::Rgb& rgb) {
    val out = val::array();
    for (const int part : {rgb.red, rgb.green, rgb.blue}) {
        out.call<void>("push", part);
    }
    return out;
}

const char* KindName(present::ControlKind kind) {
    switch (kind) {
        case present::ControlKind::OptionButton:
            return "OptionButton";
        case present::ControlKind::ListBox:
            return "ListBox";
        case present::ControlKind::TextBox:
            return "TextBox";
        case present::ControlKind::Button:
            return "Button";
        case present::ControlKind::Label:
            return "Label";
    }
    return "";
}

const char* ColourName(present::TextColour colour) {
    switch (colour) {
        case present::TextColour::Default:
            return "default";
        case present::TextColour::Grey:
            return "grey";
        case present::TextColour::Blue:
            return "blue";
    }
    return "";
}

val ControlTableJs() {
    val controls = val::array();
    for (const present::ControlPlace& place : present::Form1Controls()) {
        val control = RectValue(place.rect);
        control.set("name", Text(place.name));
        control.set("kind", KindName(place.kind));
        control.set("caption", Text(place.caption));
        control.set("tabIndex", place.tabIndex);
        control.set("colour", ColourName(place.colour));
        control.set("buddy", Text(place.buddy));
        controls.call<void>("push", control);
    }
    val form1 = val::object();
    form1.set("title", Text(present::kForm1Title));
    form1.set("width", present::kForm1Width);
    form1.set("height", present::kForm1Height);
    form1.set("listRowHeight", present::kListRowHeight);
    form1.set("line1", RectValue(present::kLine1));
    form1.set("controls", controls);
    val colours = val::object();
    colours.set("grey", RgbValue(present::kGreyText));
    colours.set("blue", RgbValue(present::kBlueText));
    form1.set("colours", colours);
    form1.set("makerAddressShown", Text(present::kMakerAddressShown));
    form1.set("makerHost", Text(present::kMakerHost));
    val form2 = val::object();
    form2.set("title", Text(present::kForm2Title));
    form2.set("width", present::kForm2Width);
    form2.set("height", present::kForm2Height);
    form2.set("text1", RectValue(present::kText1));
    form2.set("text1Name", Text(present::kText1Name));
    val out = val::object();
    out.set("form1", form1);
    out.set("form2", form2);
    return out;
}

// ---- The calculator window's behaviour, for the page: present::Calculator ----

val Command1ClickJs(present::Calculator& calculator) {
    return NoticeValue(calculator.Command1Click());
}

val KindsJs(const present::Calculator& calculator) { return TextArray(calculator.kinds()); }

val TypesJs(const present::Calculator& calculator) { return TextArray(calculator.types()); }

std::string TypeTextJs(const present::Calculator& calculator) {
    return std::string(calculator.typeText());
}

std::string AmountTextJs(const present::Calculator& calculator) { return calculator.amountText(); }

std::string FeeTextJs(const present::Calculator& calculator) { return calculator.feeText(); }

std::string AwardedTextJs(const present::Calculator& calculator) {
    return calculator.awardedText();
}

bool HalvingReasonTickedJs(const present::Calculator& calculator, int index) {
    return index >= 0 && calculator.halvingReasonTicked(static_cast<std::size_t>(index));
}

const char* StyleName(present::LineStyle style) {
    switch (style) {
        case present::LineStyle::Step:
            return "step";
        case present::LineStyle::Sentence:
            return "sentence";
        case present::LineStyle::Result:
            return "result";
    }
    return "";
}

val ExplanationJs(const present::Calculator& calculator) {
    val out = val::array();
    for (const present::ExplanationLine& line : calculator.explanation()) {
        val shown = val::object();
        shown.set("text", line.text);
        shown.set("style", StyleName(line.style));
        out.call<void>("push", shown);
    }
    return out;
}

val ExtrasJs(const present::Calculator& calculator) {
    const present::CalculatorExtras& extras = calculator.extras();
    val out = val::object();
    out.set("shown", extras.shown);
    out.set("applicable", extras.applicable);
    out.set("halving", extras.halving);
    out.set("halvingCapitals", extras.halvingCapitals);
    out.set("split", extras.split);
    out.set("copyText", extras.copyText);
    out.set("copiedMessage", extras.copiedMessage);
    out.set("prepay", extras.prepay);
    out.set("notes", TextArray(extras.notes));
    out.set("change", extras.change);
    out.set("appeal", extras.appeal);
    out.set("refund", extras.refund);
    out.set("capitals", extras.capitals);
    out.set("summary", extras.summary);
    out.set("shareText", extras.shareText);
    return out;
}

std::string ChangedAmountTextJs(const present::Calculator& calculator) {
    return calculator.changedAmountText();
}

std::string AppealedTextJs(const present::Calculator& calculator) {
    return calculator.appealedText();
}

bool ChooseTypeJs(present::Calculator& calculator, const std::string& typeText) {
    return calculator.ChooseType(typeText);
}

// claims: an array of texts; unit: "元" or "万元", as the page's unit list holds them.
void TypeClaimsJs(present::Calculator& calculator, const val& claims, const std::string& unit) {
    calculator.TypeClaims(emscripten::vecFromJSArray<std::string>(claims),
                          unit == "万元" ? present::AmountUnit::Wan : present::AmountUnit::Yuan);
}

std::string AmountsAnswerJs(const present::Calculator& calculator, const std::string& fee) {
    return calculator.AmountsAnswer(fee);
}

// The court's figures: set or cleared one at a time, kept as text and read back.
std::string SetFigureJs(present::Calculator& calculator, const std::string& typeText,
                        const std::string& yuanText) {
    zq::LocalFigures figures = calculator.localFigures();
    std::string note = present::SetFigureText(figures, typeText, yuanText);
    if (note.empty()) {
        calculator.SetLocalFigures(std::move(figures));
    }
    return note;
}

std::string FiguresTextJs(const present::Calculator& calculator) {
    return present::FiguresText(calculator.localFigures());
}

int ReadFiguresJs(present::Calculator& calculator, const std::string& text) {
    int skipped = 0;
    calculator.SetLocalFigures(present::ReadFiguresText(text, &skipped));
    return skipped;
}

val FigureRowsJs(const present::Calculator& calculator) {
    val out = val::array();
    for (const present::FigureRow& row : present::FigureRows(calculator.localFigures())) {
        val shown = val::object();
        shown.set("type", row.type);
        shown.set("range", row.range);
        shown.set("inForce", row.inForce);
        shown.set("line", row.line());
        shown.set("fieldName", row.fieldName());
        out.call<void>("push", shown);
    }
    return out;
}

void TickHalvingReasonJs(present::Calculator& calculator, int index, bool ticked) {
    if (index >= 0) {
        calculator.TickHalvingReason(static_cast<std::size_t>(index), ticked);
    }
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
    emscripten::function("refundGrounds", &RefundGroundsJs);
    emscripten::function("searchType", &SearchTypeJs);
    emscripten::function("controlTable", &ControlTableJs);

    // The window's handlers by their names, and its state; after any handler the page draws the
    // state again.
    using present::Calculator;
    emscripten::class_<Calculator>("Calculator")
        .constructor<>()
        .function("FormLoad", &Calculator::FormLoad)
        .function("Option1Click", &Calculator::Option1Click)
        .function("List1Click", &Calculator::List1Click)
        .function("List2Click", &Calculator::List2Click)
        .function("TypeAmount", &Calculator::TypeAmount)
        .function("TypeFee", &Calculator::TypeFee)
        .function("Command1Click", &Command1ClickJs)
        .function("TickHalvingReason", &TickHalvingReasonJs)
        .function("TypeAwarded", &Calculator::TypeAwarded)
        .function("TypeChangedAmount", &Calculator::TypeChangedAmount)
        .function("TypeAppealed", &Calculator::TypeAppealed)
        .function("ChooseRefundGround", &Calculator::ChooseRefundGround)
        .function("ChooseType", &ChooseTypeJs)
        .function("TypeClaims", &TypeClaimsJs)
        .function("Reckon", &Calculator::Reckon)
        .function("amountsAnswer", &AmountsAnswerJs)
        .function("setFigure", &SetFigureJs)
        .function("figuresText", &FiguresTextJs)
        .function("readFigures", &ReadFiguresJs)
        .function("figureRows", &FigureRowsJs)
        .function("classOn", &Calculator::classOn)
        .function("kinds", &KindsJs)
        .function("kindRow", &Calculator::kindRow)
        .function("types", &TypesJs)
        .function("typeRow", &Calculator::typeRow)
        .function("typeText", &TypeTextJs)
        .function("kindsVersion", &Calculator::kindsVersion)
        .function("typesVersion", &Calculator::typesVersion)
        .function("amountText", &AmountTextJs)
        .function("feeText", &FeeTextJs)
        .function("explanation", &ExplanationJs)
        .function("announcement", &Calculator::announcement)
        .function("extras", &ExtrasJs)
        .function("halvingReasonTicked", &HalvingReasonTickedJs)
        .function("awardedText", &AwardedTextJs)
        .function("changedAmountText", &ChangedAmountTextJs)
        .function("appealedText", &AppealedTextJs)
        .function("refundGround", &Calculator::refundGround);
}
