#include "form/window/session_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "form/equation/equation_block.h"
#include "form/linear_system/linear_system_table_labels.h"

namespace {

const QString FormatName = QStringLiteral("quintabor-session");

QJsonArray linesArray(const QStringList& lines) {
    QJsonArray array;
    for (const QString& line : lines) {
        array.append(line);
    }
    return array;
}

// Reads the members of a session, each checked for its kind and range; the first that fails
// is the problem, named by its path such as equation.centre.
class SessionReader {
public:
    QString problem;

    QJsonObject object(const QJsonObject& parent, const QString& key, const QString& path) {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined()) {
            return {};
        }
        if (!value.isObject()) {
            fail(path);
            return {};
        }
        return value.toObject();
    }

    void text(const QJsonObject& parent, const QString& key, const QString& path, QString& out) {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined()) {
            return;
        }
        if (!value.isString()) {
            fail(path);
            return;
        }
        out = value.toString();
    }

    void whole(const QJsonObject& parent, const QString& key, const QString& path, int low,
               int high, int& out) {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined()) {
            return;
        }
        const double number = value.toDouble(low - 1.0);
        if (!value.isDouble() || number != static_cast<double>(static_cast<long long>(number)) ||
            number < low || number > high) {
            fail(path);
            return;
        }
        out = static_cast<int>(number);
    }

    void lines(const QJsonObject& parent, const QString& key, const QString& path,
               QStringList& out) {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined()) {
            return;
        }
        if (!value.isArray()) {
            fail(path);
            return;
        }
        QStringList read;
        for (const QJsonValue& line : value.toArray()) {
            if (!line.isString()) {
                fail(path);
                return;
            }
            read << line.toString();
        }
        out = read;
    }

    void cells(const QJsonObject& parent, const QString& key, const QString& path, CellTexts& out) {
        const QJsonValue value = parent.value(key);
        if (value.isUndefined()) {
            return;
        }
        if (!value.isArray() || value.toArray().size() > xyz_table_labels::Rows) {
            fail(path);
            return;
        }
        CellTexts read;
        for (const QJsonValue& row : value.toArray()) {
            QStringList texts;
            if (!row.isArray() || row.toArray().size() > xyz_table_labels::Columns) {
                fail(path);
                return;
            }
            for (const QJsonValue& cell : row.toArray()) {
                if (!cell.isString()) {
                    fail(path);
                    return;
                }
                texts << cell.toString();
            }
            read << texts;
        }
        out = read;
    }

private:
    void fail(const QString& path) {
        if (problem.isEmpty()) {
            problem = Session::tr("Ungültiger Eintrag: %1").arg(path);
        }
    }
};

} // namespace

QByteArray sessionJson(const Session& session) {
    const WindowInputs& in = session.inputs;
    QJsonArray cells;
    for (const QStringList& row : in.cells) {
        cells.append(linesArray(row));
    }
    const QJsonObject equation{
        {QStringLiteral("left"), in.left},
        {QStringLiteral("right"), in.right},
        {QStringLiteral("centre"), in.centre},
        {QStringLiteral("halfWidth"), in.halfWidth},
        {QStringLiteral("step"), in.thousandths ? QStringLiteral("0.001") : QStringLiteral("0.01")},
        {QStringLiteral("tab"), in.equationTab}};
    const QJsonObject system{{QStringLiteral("cells"), cells},
                             {QStringLiteral("tab"), in.systemTab}};
    const QJsonObject results{{QStringLiteral("equation"), linesArray(session.equationResults)},
                              {QStringLiteral("system"), linesArray(session.systemResults)}};
    const QJsonObject root{
        {QStringLiteral("format"), FormatName}, {QStringLiteral("version"), SessionFormatVersion},
        {QStringLiteral("equation"), equation}, {QStringLiteral("system"), system},
        {QStringLiteral("page"), in.page},      {QStringLiteral("results"), results}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SessionRead readSessionJson(const QByteArray& json) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return {std::nullopt, Session::tr("beschädigt oder abgeschnitten: %1 bei Zeichen %2")
                                  .arg(parseError.errorString())
                                  .arg(parseError.offset)};
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QStringLiteral("format")).toString() != FormatName) {
        return {std::nullopt, Session::tr("keine Sitzung von Quintabor")};
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    const double number = version.toDouble(0);
    if (!version.isDouble() || number < 1 ||
        number != static_cast<double>(static_cast<int>(number))) {
        return {std::nullopt, Session::tr("ohne gültige Formatversion")};
    }
    if (number > SessionFormatVersion) {
        return {std::nullopt,
                Session::tr("Format %1 einer neueren Fassung; diese liest bis Format %2")
                    .arg(static_cast<int>(number))
                    .arg(SessionFormatVersion)};
    }

    Session session;
    WindowInputs& in = session.inputs;
    in.cells = CellTexts(xyz_table_labels::Rows, QStringList(xyz_table_labels::Columns));
    SessionReader reader;
    const QJsonObject equation =
        reader.object(root, QStringLiteral("equation"), QStringLiteral("equation"));
    reader.text(equation, QStringLiteral("left"), QStringLiteral("equation.left"), in.left);
    reader.text(equation, QStringLiteral("right"), QStringLiteral("equation.right"), in.right);
    reader.whole(equation, QStringLiteral("centre"), QStringLiteral("equation.centre"),
                 -CentreLimit, CentreLimit, in.centre);
    reader.whole(equation, QStringLiteral("halfWidth"), QStringLiteral("equation.halfWidth"),
                 MinHalfWidth, MaxHalfWidth, in.halfWidth);
    QString step = QStringLiteral("0.01");
    reader.text(equation, QStringLiteral("step"), QStringLiteral("equation.step"), step);
    if (step != QLatin1String("0.01") && step != QLatin1String("0.001") &&
        reader.problem.isEmpty()) {
        reader.problem = Session::tr("Ungültiger Eintrag: %1").arg(QStringLiteral("equation.step"));
    }
    in.thousandths = step == QLatin1String("0.001");
    reader.whole(equation, QStringLiteral("tab"), QStringLiteral("equation.tab"), 0, 2,
                 in.equationTab);
    const QJsonObject system =
        reader.object(root, QStringLiteral("system"), QStringLiteral("system"));
    CellTexts cells;
    reader.cells(system, QStringLiteral("cells"), QStringLiteral("system.cells"), cells);
    for (int row = 0; row < cells.size(); ++row) {
        for (int column = 0; column < cells[row].size(); ++column) {
            in.cells[row][column] = cells[row][column];
        }
    }
    reader.whole(system, QStringLiteral("tab"), QStringLiteral("system.tab"), 0, 1, in.systemTab);
    reader.whole(root, QStringLiteral("page"), QStringLiteral("page"), 0, 1, in.page);
    const QJsonObject results =
        reader.object(root, QStringLiteral("results"), QStringLiteral("results"));
    reader.lines(results, QStringLiteral("equation"), QStringLiteral("results.equation"),
                 session.equationResults);
    reader.lines(results, QStringLiteral("system"), QStringLiteral("results.system"),
                 session.systemResults);
    if (!reader.problem.isEmpty()) {
        return {std::nullopt, reader.problem};
    }
    return {session, QString()};
}

QString writeSessionFile(const QString& path, const Session& session) {
    QSaveFile file(path);
    const QByteArray json = sessionJson(session);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.commit()) {
        return Session::tr("%1 kann nicht geschrieben werden: %2").arg(path, file.errorString());
    }
    return QString();
}

SessionRead readSessionFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {std::nullopt, Session::tr("%1 ist nicht lesbar: %2").arg(path, file.errorString())};
    }
    const QByteArray json = file.read(MaxSessionFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return {std::nullopt, Session::tr("%1 ist nicht lesbar: %2").arg(path, file.errorString())};
    }
    if (json.size() > MaxSessionFileSize) {
        return {std::nullopt, Session::tr("%1: zu groß für eine Sitzung").arg(path)};
    }
    SessionRead read = readSessionJson(json);
    if (!read.problem.isEmpty()) {
        read.problem = QStringLiteral("%1: %2").arg(path, read.problem);
    }
    return read;
}
