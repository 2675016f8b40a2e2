#pragma once

#include <QString>

// Translates a UTF-8 text through the application's translators in the context "i18n".
// Without an application object, or for a null text, it returns the text decoded as UTF-8.
QString i18n(const char* text);

class QLocale;

// Loads the window's translation for the first of the locale's languages that has one and
// installs it in the application; German, the language of the source texts, ends the
// search with none. directory holds quintabor_<language>.qm. True when one was installed.
bool installTranslation(const QLocale& locale, const QString& directory);

// Where the translations of the program lie: share/quintabor/translations beside the bin
// directory that holds it, as installed and as in the build tree.
QString translationDirectory();
