// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

#include "present/form_layout.h"

// The presentation layer's plain values as Qt takes them.
namespace zq::ui {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QRect ToQRect(const present::Rect& rect) {
    return {rect.x, rect.y, rect.width, rect.height};
}

inline present::Rect ToRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

inline QColor ToQColor(const present::Rgb& colour) {
    return {colour.red, colour.green, colour.blue};
}

}  // namespace zq::ui
