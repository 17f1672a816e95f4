// SPDX-License-Identifier: MIT
// The start-up baseline: the least a Qt Widgets program can do to show a window the size of the
// calculator. It quits at its first paint, as the calculator does under the same probe.
// With --with-label it also shows one short label: the cost of setting up fonts at all, which
// the empty window never pays.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

#include "present/form_layout.h"
#include "ui/first_paint_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(zq::present::kForm1Width, zq::present::kForm1Height);
    if (argc > 1 && std::strcmp(argv[1], "--with-label") == 0) {
        (new QLabel(QStringLiteral("计算"), &window))->move(20, 20);
    }
    zq::ui::InstallFirstPaintProbe(&window);
    window.show();
    return QApplication::exec();
}
