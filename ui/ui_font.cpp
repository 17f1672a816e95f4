// SPDX-License-Identifier: MIT
#include "ui/ui_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace zq::ui {

QFont ChineseUiFont() {
    static const QStringList kPreferred{QStringLiteral("Noto Sans CJK SC"),
                                        QStringLiteral("Source Han Sans SC"),
                                        QStringLiteral("WenQuanYi Micro Hei"),
                                        QStringLiteral("Microsoft YaHei"),
                                        QStringLiteral("SimSun"),
                                        QStringLiteral("PingFang SC")};
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString& family : kPreferred) {
        if (families.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    // Pixels, not points: the window's layout is fixed in pixels, and Qt scales both together
    // on high-DPI screens.
    font.setPixelSize(12);
    return font;
}

}  // namespace zq::ui
