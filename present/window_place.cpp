// SPDX-License-Identifier: MIT
#include "present/window_place.h"

#include <algorithm>

namespace zq::present {
namespace {

int Right(const Rect& rect) { return rect.x + rect.width; }

// How much of the span [left, right) a frame at x of this width covers.
int Covered(int x, int width, int left, int right) {
    return std::max(0, std::min(x + width, right) - std::max(x, left));
}

}  // namespace

Point BesideOf(const Rect& calculator, const Rect& controls, int width, int height,
               const Rect& work) {
    const int top = std::max(work.y, std::min(calculator.y, work.y + work.height - height));
    if (Right(calculator) + width <= Right(work)) {
        return {Right(calculator), top};
    }
    if (calculator.x - width >= work.x) {
        return {calculator.x - width, top};
    }
    const int right = Right(work) - width;
    const bool rightCoversLess = Covered(right, width, controls.x, Right(controls)) <=
                                 Covered(work.x, width, controls.x, Right(controls));
    return {std::max(work.x, rightCoversLess ? right : work.x), top};
}

}  // namespace zq::present
