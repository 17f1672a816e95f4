// SPDX-License-Identifier: MIT
#include "cli/explanation.h"

#include "calc/fee_capitals.h"
#include "cli/batch.h"

namespace zq::cli {

std::string RenderExplanation(const FeeBreakdown& ex) {
    // Without a fee there is nothing to explain, and a refused amount is no amount to echo.
    if (!ex.priced()) {
        return NoteOf(ex.type, ex.outcome) + "\n";
    }
    std::string out = "案件类型：" + ex.type + "\n";
    out += "标的金额：" + ex.outcome.amountText + " 元\n";
    out += "依据：《诉讼费用交纳办法》" + std::string(ex.basis.article) +
           (ex.basis.kind == FeeKind::AcceptanceFee ? "（案件受理费）\n" : "（申请费）\n");
    out += "规则：" + ex.ruleWords + "\n";
    if (!ex.bands.empty()) {
        out += "分段累计：\n";
        for (const BandStep& band : ex.bands) {
            out += "  " + band.label + "：";
            if (!band.part.empty()) {
                out += band.part + " × " + band.rate + " = ";
            }
            out += band.amount + "\n";
        }
        out += "  合计：" + ex.bandsTotal + "\n";
    }
    for (const std::string& adjustment : ex.adjustments) {
        out += adjustment + "\n";
    }
    if (ex.chargedAtTopOfRange) {
        out += "注：有收费范围的，按最高限额计算。\n";
    }
    for (const std::string& note : ex.notes) {
        out += "说明：" + note + "\n";
    }
    out += "法院收费：" + ex.outcome.feeText + "\n";
    if (const auto capitals = FeeCapitals(ex.outcome.feeText)) {
        out += "大写：人民币" + *capitals + "\n";
    }
    return out;
}

}  // namespace zq::cli
