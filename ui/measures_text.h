// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace zq::ui {

// Registers the program's resources (the Measures, the icons); safe to call more than once.
void EnsureResources();

// The published text of the Measures, exactly as the resource holds it (UTF-8, CR LF).
QByteArray MeasuresTextUtf8();

// The same text for the fee-rules window: CR LF becomes a line feed, since Qt's editors take
// "\n" as their line break and would show a stray CR.
QString MeasuresTextForDisplay();

}  // namespace zq::ui
