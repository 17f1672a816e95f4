// SPDX-License-Identifier: MIT
#include "ui/fee_tooltip.h"

#include <QStringList>
#include <string>

#include "calc/explain.h"
#include "calc/fee_capitals.h"

namespace zq::ui {
namespace {

QString Escaped(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
}

// A step of the calculation stays on one line; the tooltip is as wide as the longest step.
QString Line(const std::string& text) {
    return QStringLiteral("<div style=\"white-space:pre\">") + Escaped(text) +
           QStringLiteral("</div>");
}

// Sentences (adjustments, notes) wrap at that width.
QString Sentence(const std::string& text) {
    return QStringLiteral("<div>") + Escaped(text) + QStringLiteral("</div>");
}

}  // namespace

QString FeeTooltip(std::string_view typeText, std::string_view amountText) {
    const FeeBreakdown ex = ExplainFee(typeText, amountText);
    if (!ex.priced() || ex.outcome.feeText.empty()) {
        return {};
    }
    QStringList lines;
    // The case first: the list may since have moved to another type, and the fee field still
    // shows this case's fee until 计算 is pressed again.
    lines << Line("案件类型：" + ex.type);
    lines << Line("标的金额：" + ex.outcome.amountText + " 元");
    lines << Line("依据：《诉讼费用交纳办法》" + std::string(ex.basis.article) +
                  (ex.basis.kind == FeeKind::AcceptanceFee ? "（案件受理费）" : "（申请费）"));
    lines << Line("规则：" + ex.ruleWords);
    for (const BandStep& band : ex.bands) {
        std::string step = band.label + "：";
        if (!band.part.empty()) {
            step += band.part + " × " + band.rate + " = ";
        }
        lines << Line("  " + step + band.amount);
    }
    if (!ex.bands.empty()) {
        lines << Line("  合计：" + ex.bandsTotal);
    }
    for (const std::string& adjustment : ex.adjustments) {
        lines << Sentence(adjustment);
    }
    if (ex.chargedAtTopOfRange) {
        lines << Line("注：有收费范围的，按最高限额计算。");
    }
    for (const std::string& note : ex.notes) {
        lines << Sentence("说明：" + note);
    }
    lines << QStringLiteral("<b>") + Line("法院收费：" + ex.outcome.feeText);
    if (const auto capitals = FeeCapitals(ex.outcome.feeText)) {
        lines << Line("大写：人民币" + *capitals);
    }
    lines << QStringLiteral("</b>");
    // Rich text, so that a long note wraps instead of running off the screen.
    return QStringLiteral("<qt>") + lines.join(QString()) + QStringLiteral("</qt>");
}

}  // namespace zq::ui
