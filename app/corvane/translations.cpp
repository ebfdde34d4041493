#include "app/corvane/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The catalogue Name_xx of the first of Locale's languages that Folder holds.
QTranslator* Load(QCoreApplication& App, const QLocale& Locale, const QString& Name,
                  const QString& Folder) {
  auto* Catalogue = new QTranslator(&App);
  if (Catalogue->load(Locale, Name, "_", Folder)) {
    App.installTranslator(Catalogue);
    return Catalogue;
  }
  delete Catalogue;
  return nullptr;
}

}  // namespace

// The toolkit's texts (its dialogs' buttons, the entry fields' menus) follow
// the language the program's own catalogue was found for, so that a window
// never mixes two languages.
void InstallTranslations(QCoreApplication& App, const QLocale& Locale) {
  if (const QTranslator* Own = Load(App, Locale, "corvane", ":/i18n"))
    Load(App, QLocale(Own->language()), "qtbase",
         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
