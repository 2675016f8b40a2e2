#include "form/equation/findings_table.h"

#include "form/equation/result_lines.h"
#include "form/window/c_locale_format.h"

namespace {

const char* kindName(FindingKind kind) {
    switch (kind) {
    case FindingKind::Root:
        return "root";
    case FindingKind::Identity:
        return "identity";
    case FindingKind::Plateau:
        return "plateau";
    case FindingKind::Pole:
        return "pole";
    case FindingKind::Hole:
        return "hole";
    case FindingKind::Undecided:
        return "undecided";
    }
    return "";
}

QString csvField(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r'))) {
        return field;
    }
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvLine(const QStringList& fields) {
    QStringList out;
    for (const QString& field : fields) {
        out << csvField(field);
    }
    return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

std::vector<FindingRow> findingRows(const SolveRecord& solve) {
    std::vector<FindingRow> rows;
    const QString equation = equationText(solve);
    const QString step = QString::fromStdString(formatNumber("%.10Lg", solve.step));
    for (const Finding& f : solve.findings) {
        const bool stretch = f.kind == FindingKind::Identity || f.kind == FindingKind::Plateau ||
                             f.kind == FindingKind::Undecided;
        FindingRow row;
        row.kind = QLatin1String(kindName(f.kind));
        if (stretch) {
            std::tie(row.lower, row.upper) = stretchEnds(f.lower, f.upper);
        } else {
            row.lower = row.upper = printedPlace(f.lower);
        }
        row.equation = equation;
        row.intervalFrom = solve.MinX;
        row.intervalTo = solve.MaxX;
        row.step = step;
        rows.push_back(row);
    }
    return rows;
}

QStringList findingColumns() {
    return {"kind", "x_from", "x_to", "equation", "interval_from", "interval_to", "step"};
}

QStringList findingFields(const FindingRow& row) {
    return {row.kind,
            row.lower,
            row.upper,
            row.equation,
            QString::number(row.intervalFrom),
            QString::number(row.intervalTo),
            row.step};
}

QString findingsCsv(const std::vector<FindingRow>& rows) {
    QString csv = csvLine(findingColumns());
    for (const FindingRow& row : rows) {
        csv += csvLine(findingFields(row));
    }
    return csv;
}
