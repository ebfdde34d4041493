// The window's texts in the user's language: the program's own catalogue and
// the toolkit's, chosen by the locale's languages in the user's order.
#pragma once

#include <QLocale>

class QCoreApplication;

// Installs into App the program's catalogue for the first of Locale's
// languages that has one (from the program's resources), then the toolkit's
// for that language (from Qt's folder). A locale with none, C or English,
// installs nothing, so every text stays as designed.
void InstallTranslations(QCoreApplication& App, const QLocale& Locale = QLocale::system());
