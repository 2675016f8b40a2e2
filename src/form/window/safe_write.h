#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Writes a file whole or not at all: the content goes to a temporary file in the target's
// directory, which replaces the target only once everything was written. write() returns
// false when it could not produce the content. Returns an empty text on success, else a
// message naming the file and the cause; no file is left under the name then, and a file
// that was there before stays as it was.
QString writeSafely(const QString& path, const std::function<bool(QIODevice&)>& write);
