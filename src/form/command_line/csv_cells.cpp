#include "form/command_line/csv_cells.h"
#include "form/command_line/command_line_texts.h"

#include <QStringDecoder>

namespace {

// The fields of one line, or a problem naming it.
bool splitLine(const QString& line, int number, QStringList& fields, QString& problem) {
    QString field;
    bool quoted = false;
    bool afterQuote = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                quoted = false;
                afterQuote = true;
            }
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
            afterQuote = false;
        } else if (afterQuote) {
            problem = CommandLine::tr("Zeile %1: Text nach dem schließenden Anführungszeichen")
                          .arg(number);
            return false;
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else {
            field += c;
        }
    }
    if (quoted) {
        problem =
            CommandLine::tr("Zeile %1: ein Anführungszeichen ist nicht geschlossen").arg(number);
        return false;
    }
    fields << field;
    return true;
}

// Drops the empty fields at the end of a row.
void dropEmptyEnd(QStringList& fields) {
    while (!fields.isEmpty() && fields.back().trimmed().isEmpty()) {
        fields.removeLast();
    }
}

} // namespace

CsvCells readCsvCells(const QByteArray& text, int rows, int columns) {
    CsvCells read;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(text);
    if (decoder.hasError()) {
        read.problem = CommandLine::tr("kein Text in UTF-8");
        return read;
    }
    QStringList lines = decoded.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) {
        lines.removeLast();
    }
    if (lines.isEmpty()) {
        read.problem = CommandLine::tr("keine Zeile mit einer Gleichung");
        return read;
    }
    if (lines.size() > rows) {
        read.problem = CommandLine::tr("%1 Zeilen, die Tabelle hat %2").arg(lines.size()).arg(rows);
        return read;
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        QStringList fields;
        if (!splitLine(lines[i], number, fields, read.problem)) {
            read.cells.clear();
            return read;
        }
        dropEmptyEnd(fields);
        if (fields.size() > columns) {
            read.problem = CommandLine::tr("Zeile %1 hat %2 Spalten, die Tabelle hat %3")
                               .arg(number)
                               .arg(fields.size())
                               .arg(columns);
            read.cells.clear();
            return read;
        }
        read.cells << fields;
    }
    return read;
}
