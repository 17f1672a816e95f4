// SPDX-License-Identifier: MIT
#include "calc/local_figures.h"

#include "calc/catalogue.h"

namespace zq {

LocalFigures::Refusal LocalFigures::Set(std::string_view typeText, int yuan) {
    const catalogue::CaseType* type = catalogue::FindType(typeText);
    if (type == nullptr) {
        return Refusal::UnknownType;
    }
    const FeeRange& range = type->basis.range;
    if (!range.given()) {
        return Refusal::NoRange;
    }
    if (yuan < range.low || yuan > range.high) {
        return Refusal::OutOfRange;
    }
    figures_.insert_or_assign(std::string(typeText), yuan);
    return Refusal::None;
}

void LocalFigures::Clear(std::string_view typeText) {
    const auto found = figures_.find(typeText);
    if (found != figures_.end()) {
        figures_.erase(found);
    }
}

std::optional<int> LocalFigures::Of(std::string_view typeText) const {
    const auto found = figures_.find(typeText);
    return found == figures_.end() ? std::nullopt : std::optional(found->second);
}

}  // namespace zq
