// SPDX-License-Identifier: MIT
#include "ui/ui_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

namespace zq::ui {

QFont ChineseUiFont() {
    // Families in order of preference; Qt falls back along the list and then to the system's
    // default, without the cost of listing every installed font first.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // First WenQuanYi Zen Hei Sharp: its 12-pixel bitmap strike draws crisp one-pixel strokes, and
    // its line is 12 px with full-width characters 12 px and half-width 6 px wide, the measures
    // the window was laid out in. The outline fonts after it stand in where it is missing, with
    // taller lines (14 to 17 px) that the 12-px rows and labels clip a little.
    QStringList families{QStringLiteral("WenQuanYi Zen Hei Sharp"),
                         QStringLiteral("Noto Sans CJK SC"),
                         QStringLiteral("Source Han Sans SC"),
                         QStringLiteral("WenQuanYi Micro Hei"),
                         QStringLiteral("Microsoft YaHei"),
                         QStringLiteral("SimSun"),
                         QStringLiteral("PingFang SC")};
    families.append(font.families());
    font.setFamilies(families);
    // Pixels, not points: the window's layout is fixed in pixels, and Qt scales both together
    // on high-DPI screens.
    font.setPixelSize(12);
    // Qt draws a font's embedded bitmaps only when it does not anti-alias it: without this it
    // draws WenQuanYi Zen Hei Sharp's outlines with grey edges, as fontconfig asks for every
    // family. Its strikes are 12 to 16 pixels, so on a screen scaled beyond that the outlines,
    // anti-aliased, are the better drawing; so are any other family's.
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() <= 1.0 &&
        QFontInfo(font).family() == families.front()) {
        font.setStyleStrategy(QFont::NoAntialias);
        // Full hinting takes each glyph's advance from the strike too; with the outlines'
        // advances the strike's Latin letters and digits stood unevenly ("123456 7.89").
        font.setHintingPreference(QFont::PreferFullHinting);
    }
    return font;
}

}  // namespace zq::ui
