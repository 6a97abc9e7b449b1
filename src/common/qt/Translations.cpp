#include "common/qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace remont {

QTranslator* InstallQtTranslations() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  // "qt" loads qtbase and the other modules' catalogues that the system holds.
  if (!translator->load(QLocale(QLocale::Russian, QLocale::Russia), "qt", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  QCoreApplication::installTranslator(translator);
  return translator;
}

}  // namespace remont
