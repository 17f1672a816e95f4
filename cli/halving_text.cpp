// SPDX-License-Identifier: MIT
#include "cli/halving_text.h"

#include <algorithm>

#include "cli/batch.h"

namespace zq::cli {

std::optional<std::vector<HalvingReason>> ParseHalvingReasons(std::string_view text) {
    const auto names = HalvingReasonNames();
    std::vector<HalvingReason> reasons;
    bool more = !text.empty();
    while (more) {
        // A Chinese input method types "，" or "、" where an English keyboard types ",".
        std::size_t cut = std::string_view::npos;
        std::size_t skip = 0;
        for (const std::string_view separator : {",", "，", "、"}) {
            const std::size_t at = text.find(separator);
            if (at < cut) {
                cut = at;
                skip = separator.size();
            }
        }
        const std::string_view word = text.substr(0, cut);
        more = cut != std::string_view::npos;  // a separator promises another word
        text = more ? text.substr(cut + skip) : std::string_view();
        const auto found = std::find_if(names.begin(), names.end(), [word](const auto& name) {
            return name.chinese == word || name.ascii == word;
        });
        if (found == names.end()) {
            return std::nullopt;
        }
        reasons.push_back(found->reason);
    }
    return reasons.empty() ? std::nullopt : std::optional(reasons);
}

std::string HalvedLine(const HalvedFee& halving) {
    return halving.halvedFee + "（全额 " + halving.outcome.feeText + "，依" + halving.articles +
           "减半交纳）";
}

std::string HalvingNote(std::string_view type, const HalvedFee& halving) {
    return halving.refusal.empty() ? NoteOf(type, halving.outcome) : halving.refusal;
}

}  // namespace zq::cli
