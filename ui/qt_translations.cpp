// SPDX-License-Identifier: MIT
#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace zq::ui {
namespace {

// Qt's Chinese says 撤消 for Undo; the standard word today, and the one this program uses, is 撤销.
class UndoWording final : public QTranslator {
  public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* /*context*/, const char* sourceText,
                      const char* /*disambiguation*/, int /*n*/) const override {
        return qstrcmp(sourceText, "&Undo") == 0 ? QStringLiteral("撤销(&U)") : QString();
    }
};

}  // namespace

bool InstallQtChineseTexts(QCoreApplication& app) {
    // Every text the user sees is Simplified Chinese, so Qt's texts are too, even on a system
    // set to English; the program's own texts need no translation.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // Installed last, so asked first.
    return QCoreApplication::installTranslator(translator) &&
           QCoreApplication::installTranslator(new UndoWording(&app));
}

}  // namespace zq::ui
