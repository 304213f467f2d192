#include "app/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vellmora {

bool InstallGermanQtTranslations(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  const bool loaded = translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded) QCoreApplication::installTranslator(translator);
  return loaded;
}

}  // namespace vellmora
