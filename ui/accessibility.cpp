// SPDX-License-Identifier: MIT
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QFrame>

#include "ui/clickable_label.h"

namespace zq::ui {
namespace {

class LinkAccessible final : public QAccessibleWidget {
  public:
    explicit LinkAccessible(ClickableLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? link()->text() : QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            link()->activate();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

  private:
    ClickableLabel* link() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* Interface(const QString& className, QObject* object) {
    if (className == QLatin1String("zq::ui::Form1") ||
        className == QLatin1String("zq::ui::Form2")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    if (className == QLatin1String("QFrame")) {
        auto* frame = static_cast<QFrame*>(object);
        const bool line =
            frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine;
        return line ? new QAccessibleWidget(frame, QAccessible::Separator) : nullptr;
    }
    if (className == QLatin1String("zq::ui::ClickableLabel")) {
        auto* label = static_cast<ClickableLabel*>(object);
        return label->isLink() ? new LinkAccessible(label) : nullptr;
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Interface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace zq::ui
