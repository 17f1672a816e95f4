// SPDX-License-Identifier: MIT
#include "ui/measures_text.h"

#include <QFile>

// The resources live in a static library, whose registration the linker would otherwise drop.
// Q_INIT_RESOURCE must be used at global scope.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace zq::ui {

void EnsureResources() {
    static const bool registered = [] {
        RegisterResources();
        return true;
    }();
    static_cast<void>(registered);
}

QByteArray MeasuresTextUtf8() {
    EnsureResources();
    QFile file(QStringLiteral(":/measures.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};  // the resource is built into the program; this cannot happen
    }
    return file.readAll();
}

QString MeasuresTextForDisplay() {
    QString text = QString::fromUtf8(MeasuresTextUtf8());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

}  // namespace zq::ui
