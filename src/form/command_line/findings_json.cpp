#include "form/command_line/findings_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "form/equation/findings_table.h"

QByteArray findingsJson(const SolveRecord& solve) {
    const std::vector<FindingRow> rows = findingRows(solve);
    QJsonArray findings;
    for (const FindingRow& row : rows) {
        findings.append(QJsonObject{{QStringLiteral("kind"), row.kind},
                                    {QStringLiteral("x_from"), row.lower.toDouble()},
                                    {QStringLiteral("x_to"), row.upper.toDouble()}});
    }
    // A solve without findings still names its equation, interval and step.
    const QJsonObject root{{QStringLiteral("equation"), equationText(solve)},
                           {QStringLiteral("interval_from"), solve.MinX},
                           {QStringLiteral("interval_to"), solve.MaxX},
                           {QStringLiteral("step"), static_cast<double>(solve.step)},
                           {QStringLiteral("findings"), findings}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
