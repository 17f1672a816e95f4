// SPDX-License-Identifier: MIT
#include "ui/ui_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace zq::ui {

QFont ChineseUiFont() {
    // Families in order of preference; Qt falls back along the list and then to the system's
    // default, without the cost of listing every installed font first.
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QStringList families{QStringLiteral("Noto Sans CJK SC"),
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
