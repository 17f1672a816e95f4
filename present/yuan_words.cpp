// SPDX-License-Identifier: MIT
#include "present/yuan_words.h"

#include <cmath>

#include "runtime/number_text.h"

namespace zq::present {

std::string YuanWords(double yuan, std::string_view gap) {
    if (yuan >= 10000 && std::fmod(yuan, 10000) == 0) {
        return NumberToText(yuan / 10000) + std::string(gap) + "万元";
    }
    return NumberToText(yuan) + std::string(gap) + "元";
}

}  // namespace zq::present
