// SPDX-License-Identifier: MIT
#include "ui/ui_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace zq::ui {

QFont ChineseUiFont() {
    // Families in order of preference; Qt falls back along the list and then to the system's
    // default, without the cost of listing every installed font first.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    // First WenQuanYi Zen Hei Sharp: its 12-px bitmap strike draws crisp one-pixel strokes, and
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
    return font;
}

}  // namespace zq::ui
