#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

// The language of the interface: the one named ("de" or "en"), or else the first of the
// system's languages that is German or has a translation in directory; German when none has.
QLocale interfaceLanguage(const QString& named, const QLocale& system, const QString& directory);

// Loads Qt's own catalogue of texts (standard buttons, context menus, the command-line
// parser) for the language from Qt's translations directory. False when Qt has none.
bool loadQtCatalogue(QTranslator& translator, const QLocale& language);

// Installs, for the life of the application, the program's translation and Qt's catalogue for
// the language. directory holds quintabor_<language>.qm.
void installInterfaceLanguage(const QLocale& language, const QString& directory);
