// SPDX-License-Identifier: MIT
#include "ui/fee_tooltip.h"

#include "ui/qt_values.h"

namespace zq::ui {

QString FeeTooltip(const std::vector<present::ExplanationLine>& lines) {
    if (lines.empty()) {
        return {};
    }
    QString html = QStringLiteral("<qt>");
    for (const present::ExplanationLine& line : lines) {
        const QString text = ToQString(line.text).toHtmlEscaped();
        switch (line.style) {
            case present::LineStyle::Step:
                html += QStringLiteral("<div style=\"white-space:pre\">") + text +
                        QStringLiteral("</div>");
                break;
            case present::LineStyle::Sentence:
                html += QStringLiteral("<div>") + text + QStringLiteral("</div>");
                break;
            case present::LineStyle::Result:
                html += QStringLiteral("<div style=\"white-space:pre\"><b>") + text +
                        QStringLiteral("</b></div>");
                break;
        }
    }
    // Rich text, so that a long sentence wraps instead of running off the screen.
    return html + QStringLiteral("</qt>");
}

}  // namespace zq::ui
