// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "cli/windows/windows_text.h"

namespace zq::win {

// present/ speaks UTF-8, Windows' controls UTF-16.
inline std::wstring Wide(std::string_view utf8) { return cli::Widen(65001 /* CP_UTF8 */, utf8); }
inline std::string Utf8(std::wstring_view wide) { return cli::ToUtf8(wide); }

}  // namespace zq::win
