// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;

namespace zq::ui {

// Installs Qt's own Simplified Chinese texts (the message boxes' buttons, the text boxes' context
// menu) from the Qt installation, whatever the system's locale. False when they are missing.
bool InstallQtChineseTexts(QCoreApplication& app);

}  // namespace zq::ui
