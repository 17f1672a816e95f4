// SPDX-License-Identifier: MIT
#include "ui/hand_cursor.h"

#include <QBitmap>
#include <QImage>
#include <array>
#include <string_view>

namespace zq::ui {
namespace {

// X black, o white, anything else transparent. Rows are padded to 32 pixels.
constexpr std::array<std::string_view, 21> kHand{
    "      XX",          "     XooX",         "     XooX",         "     XooX",
    "     XooX",         "     XooXXX",       "     XooXooXXX",    "     XooXooXooXX",
    " XX  XooXooXooXoX", "XooX XooooooooooX", "XoooXXooooooooooX", " XooXoooooooooooX",
    "  XoXoooooooooooX", "  XooooooooooooX",  "   XoooooooooooX",  "   XooooooooooX",
    "    XoooooooooX",   "    XooooooooX",    "     XoooooooX",    "     XoooooooX",
    "     XXXXXXXXX",
};

}  // namespace

QCursor HandCursor() {
    // A cursor's bitmaps are read as Qt::color1 (black: ink in the shape, opaque in the mask) and
    // Qt::color0 (white: paper in the shape, transparent in the mask). QBitmap::fromImage inverts
    // an image whose index 1 is white, so the colour table says outright that index 1 is black.
    const QList<QRgb> colours{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    QImage shape(kHandCursorSize, kHandCursorSize, QImage::Format_Mono);
    QImage mask(kHandCursorSize, kHandCursorSize, QImage::Format_Mono);
    shape.setColorTable(colours);
    mask.setColorTable(colours);
    shape.fill(0);
    mask.fill(0);
    for (int y = 0; y < static_cast<int>(kHand.size()); ++y) {
        const std::string_view row = kHand[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(row.size()); ++x) {
            const char c = row[static_cast<std::size_t>(x)];
            if (c == 'X' || c == 'o') {
                mask.setPixel(x, y, 1);
                shape.setPixel(x, y, c == 'X' ? 1 : 0);
            }
        }
    }
    return QCursor(QBitmap::fromImage(shape), QBitmap::fromImage(mask), kHandHotSpotX,
                   kHandHotSpotY);
}

}  // namespace zq::ui
