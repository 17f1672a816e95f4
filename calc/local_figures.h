// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace zq {

// The figures a court charges where the Measures give a range: the last paragraph of Article 13
// lets each province fix them for Article 13, items (二), (三) and (六), and courts fix those of
// Article 14 within theirs. Kept by the catalogue type they are for; none by default, when every
// type charges the catalogue's own figure.
class LocalFigures {
  public:
    enum class Refusal {
        None,
        UnknownType,  // the text is not a catalogue type
        NoRange,      // the Measures set the type's fee outright
        OutOfRange,   // the figure is outside the Measures' range
    };

    // Keeps the figure for the type when it lies within the type's range.
    Refusal Set(std::string_view typeText, int yuan);
    void Clear(std::string_view typeText);

    std::optional<int> Of(std::string_view typeText) const;
    const std::map<std::string, int, std::less<>>& all() const { return figures_; }
    bool empty() const { return figures_.empty(); }

  private:
    std::map<std::string, int, std::less<>> figures_;
};

}  // namespace zq
