#include "form/window/safe_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace {

QString failure(const QString& path, const QString& cause) {
    return QCoreApplication::translate("Form1", "Die Datei %1 wurde nicht geschrieben: %2")
        .arg(QDir::toNativeSeparators(path), cause);
}

} // namespace

QString writeSafely(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(path, file.errorString());
    }
    if (!write(file)) {
        const QString cause = file.error() != QFileDevice::NoError
                                  ? file.errorString()
                                  : QCoreApplication::translate("Form1", "Schreibfehler");
        file.cancelWriting();
        return failure(path, cause);
    }
    // A full disk shows here at the latest, when the buffered rest is flushed.
    if (!file.commit()) {
        return failure(path, file.errorString());
    }
    return {};
}
