#include "form/window/i18n.h"

#include <QCoreApplication>

QString i18n(const char* text) {
    if (!text) {
        return QString();
    }
    if (!QCoreApplication::instance()) {
        return QString::fromUtf8(text);
    }
    return QCoreApplication::translate("i18n", text);
}
