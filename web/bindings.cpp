// SPDX-License-Identifier: MIT
// The JavaScript face of the core: plain values in, plain JavaScript objects out. Nothing here
// computes a fee; every answer comes from calc/ and runtime/ as the window gets it.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <string_view>
#include <vector>

#include "calc/catalogue.h"
#include "calc/price.h"

namespace {

using emscripten::val;

// ComputeFee's outcome as JavaScript sees it: message is null or {prompt, title, flags}.
struct JsFeeOutcome {
    std::string amountText;
    std::string feeText;
    val message = val::null();
};

val MessageValue(const zq::Message& message) {
    val out = val::object();
    out.set("prompt", message.prompt);
    out.set("title", message.title);
    out.set("flags", message.flags);
    return out;
}

val TextArray(const std::vector<std::string_view>& texts) {
    val out = val::array();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out.set(i, std::string(texts[i]));
    }
    return out;
}

JsFeeOutcome ComputeFeeJs(const std::string& typeText, const std::string& amountText) {
    zq::FeeOutcome outcome = zq::ComputeFee(typeText, amountText);
    JsFeeOutcome out{std::move(outcome.amountText), std::move(outcome.feeText), val::null()};
    if (outcome.message) {
        out.message = MessageValue(*outcome.message);
    }
    return out;
}

std::string ClassTextJs(int classIndex) { return std::string(zq::catalogue::ClassText(classIndex)); }

val KindsOfJs(int classIndex) { return TextArray(zq::catalogue::KindsOfClass(classIndex)); }

val TypesOfJs(const std::string& kindText) { return TextArray(zq::catalogue::TypesOfKind(kindText)); }

}  // namespace

EMSCRIPTEN_BINDINGS(courtfee) {
    emscripten::value_object<JsFeeOutcome>("FeeOutcome")
        .field("amountText", &JsFeeOutcome::amountText)
        .field("feeText", &JsFeeOutcome::feeText)
        .field("message", &JsFeeOutcome::message);

    emscripten::function("computeFee", &ComputeFeeJs);
    emscripten::function("classText", &ClassTextJs);
    emscripten::function("kindsOf", &KindsOfJs);
    emscripten::function("typesOf", &TypesOfJs);
}
