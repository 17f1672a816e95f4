// SPDX-License-Identifier: MIT
#include "cli/split_output.h"

#include <nlohmann/json.hpp>

#include "calc/fee_capitals.h"

namespace zq::cli {
namespace {

using nlohmann::json;

std::string WithCapitals(const std::string& fee) {
    const auto capitals = FeeCapitals(fee);
    return capitals ? fee + "（人民币" + *capitals + "）" : fee;
}

json CapitalsOrNull(const std::string& fee) {
    const auto capitals = FeeCapitals(fee);
    return capitals ? json(*capitals) : json(nullptr);
}

json TextOrNull(const std::string& text) { return text.empty() ? json(nullptr) : json(text); }

}  // namespace

std::string RenderSplit(const FeeSplit& split, std::string_view awarded) {
    return "案件受理费：" + WithCapitals(split.fee) + "\n" + "原告负担：" +
           WithCapitals(split.plaintiffShare) + "\n" + "被告负担：" +
           WithCapitals(split.defendantShare) + "\n" + "按判决支持 " + std::string(awarded) +
           " 元占诉讼请求 " + split.amountText + " 元的比例分担，" +
           std::string(kSplitIsAReference) + "\n";
}

std::string SplitJson(std::string_view type, std::string_view awarded, const FeeSplit& split) {
    const json object{{"type", type},
                      {"amount", split.amountText},
                      {"awarded", awarded},
                      {"fee", TextOrNull(split.fee)},
                      {"fee_capitals", CapitalsOrNull(split.fee)},
                      {"plaintiff_share", TextOrNull(split.plaintiffShare)},
                      {"plaintiff_share_capitals", CapitalsOrNull(split.plaintiffShare)},
                      {"defendant_share", TextOrNull(split.defendantShare)},
                      {"defendant_share_capitals", CapitalsOrNull(split.defendantShare)},
                      {"basis", split.ok() ? json("按判决支持的金额占诉讼请求的比例分担，" +
                                                  std::string(kSplitIsAReference))
                                           : json(nullptr)},
                      {"message", TextOrNull(split.note)}};
    return object.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace zq::cli
