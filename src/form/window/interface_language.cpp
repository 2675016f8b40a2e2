#include "form/window/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "form/window/i18n.h"

QLocale interfaceLanguage(const QString& named, const QLocale& system, const QString& directory) {
    if (!named.isEmpty()) {
        return QLocale(named);
    }
    for (const QString& name : system.uiLanguages()) {
        const QLocale language(name);
        QTranslator probe;
        if (language.language() == QLocale::German ||
            probe.load(language, QStringLiteral("quintabor"), QStringLiteral("_"), directory)) {
            return language;
        }
    }
    return QLocale(QLocale::German);
}

bool loadQtCatalogue(QTranslator& translator, const QLocale& language) {
    return translator.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void installInterfaceLanguage(const QLocale& language, const QString& directory) {
    installTranslation(language, directory);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (loadQtCatalogue(*qt, language)) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
}
