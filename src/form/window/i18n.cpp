#include "form/window/i18n.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

QString i18n(const char* text) {
    if (!text) {
        return QString();
    }
    if (!QCoreApplication::instance()) {
        return QString::fromUtf8(text);
    }
    return QCoreApplication::translate("i18n", text);
}

bool installTranslation(const QLocale& locale, const QString& directory) {
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::German) {
            return false;
        }
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(language, QStringLiteral("quintabor"), QStringLiteral("_"),
                             directory)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

QString translationDirectory() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral("../share/quintabor/translations"));
}
