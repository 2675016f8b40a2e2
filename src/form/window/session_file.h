#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

#include "form/window/window_inputs.h"

// A session: the window's inputs and the lines its two result lists show, kept in one JSON
// file with the suffix .quintabor:
//   {"format": "quintabor-session", "version": 1,
//    "equation": {"left", "right", "centre", "halfWidth", "step": "0.01" | "0.001", "tab"},
//    "system": {"cells": [[text, ...], ...], "tab"}, "page",
//    "results": {"equation": [line, ...], "system": [line, ...]}}
// Every member but format and version may be missing, as in files of versions before a member
// was added; it then takes the value of a window just started.
struct Session {
    Q_DECLARE_TR_FUNCTIONS(Session)

public:
    WindowInputs inputs;
    QStringList equationResults;
    QStringList systemResults;

    bool operator==(const Session&) const = default;
};

inline constexpr int SessionFormatVersion = 1;
inline constexpr const char* SessionSuffix = "quintabor";
// Larger files are refused unread.
inline constexpr qint64 MaxSessionFileSize = qint64(64) << 20;

QByteArray sessionJson(const Session& session);

struct SessionRead {
    std::optional<Session> session;
    // Why the text is no session this program reads; empty when it is one.
    QString problem;
};

// Reads a session from its JSON text. Anything that is not a session of a version up to
// SessionFormatVersion, with every member of its kind and within its range, is refused whole.
SessionRead readSessionJson(const QByteArray& json);

// Writes the session to path through a temporary file that replaces path only once it is
// complete. Returns the problem, naming the file, or an empty text.
QString writeSessionFile(const QString& path, const Session& session);

// Reads the session of the file at path; a problem names the file.
SessionRead readSessionFile(const QString& path);
