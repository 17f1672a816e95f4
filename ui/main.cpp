// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>

#include "present/kept_figures.h"
#include "ui/first_paint_probe.h"
#include "ui/form1.h"
#include "ui/link_opener.h"
#include "ui/qt_message_box.h"
#include "ui/qt_translations.h"
#include "ui/ui_font.h"

namespace {

// Without any display Qt would abort with a page of platform-plugin advice; say it in one line.
bool HasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs(
            "zorvikquillet: 没有图形显示（DISPLAY 未设置）/ no display available; "
            "在命令行中请用 courtfee / use courtfee on the command line.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZorvikQuillet"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/main.png")));
    QApplication::setFont(zq::ui::ChineseUiFont());
    zq::ui::InstallQtChineseTexts(app);

    zq::ui::QtMessageBoxService messages;
    zq::ui::DesktopLinkOpener opener;
    auto* form1 = new zq::ui::Form1(messages, opener);
    form1->setAttribute(Qt::WA_DeleteOnClose);  // "退出" unloads it; the fee rules may stay open
    messages.setOwner(form1);
    // The figures kept with courtfee --set-figure, in the user's configuration.
    form1->SetLocalFigures(zq::present::LoadKeptFigures());
    zq::ui::InstallFirstPaintProbe(form1);
    form1->showCentred();
    return QApplication::exec();
}
