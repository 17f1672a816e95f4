// SPDX-License-Identifier: MIT
#include "ui/first_paint_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace zq::ui {
namespace {

long PeakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').front().toLong();
        }
    }
    return -1;
}

class FirstPaintProbe final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            // After this paint has been delivered, so that it is counted whole.
            QTimer::singleShot(0, this, [now] {
                std::fprintf(stderr, "first_paint_ns=%lld peak_rss_kb=%ld\n",
                             static_cast<long long>(
                                 std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                             PeakResidentKb());
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

}  // namespace

void InstallFirstPaintProbe(QWidget* window) {
    if (std::getenv("ZQ_FIRST_PAINT_PROBE") == nullptr) {
        return;
    }
    window->installEventFilter(new FirstPaintProbe(window));
}

}  // namespace zq::ui
