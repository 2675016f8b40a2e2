// The findings of a solve as rows and CSV: the fields as the result block prints them, one row
// per finding, RFC 4180 quoting; the CSV saved from the window matches the lines of its list;
// the text saved is the list; a write that fails leaves no file.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <vector>

#include "equation_test_support.h"
#include "form/equation/findings_table.h"
#include "form/window/export_actions.h"
#include "form/window/safe_write.h"
#include "qt_test_main.h"

namespace {

Finding at(long double x, FindingKind kind) {
    return Finding{x, x, kind, Certainty::Evaluated};
}

// The records of a CSV text without quoted line breaks: its lines split at commas outside
// quotes, quotes undone.
QList<QStringList> parseCsv(const QString& csv) {
    QList<QStringList> records;
    for (const QString& line : csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        QStringList fields{QString()};
        bool quoted = false;
        for (int i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
                fields.last() += '"';
                ++i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == ',' && !quoted) {
                fields << QString();
            } else {
                fields.last() += c;
            }
        }
        records << fields;
    }
    return records;
}

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class FindingsTableTest : public QObject {
    Q_OBJECT

private slots:
    void rowsOfASolve();
    void quoting_data();
    void quoting();
    void csvMatchesThePrintedLines_data();
    void csvMatchesThePrintedLines();
    void textIsTheList();
    void failedWriteLeavesNoFile_data();
    void failedWriteLeavesNoFile();
    void failedWriteKeepsTheOldFile();
};

void FindingsTableTest::rowsOfASolve() {
    SolveRecord solve{"1/(x-2)", "x", -10, 10, 0.01L, {}};
    solve.findings = {at(-1.5L, FindingKind::Root), at(0, FindingKind::Hole),
                      at(2, FindingKind::Pole),
                      Finding{3, 3.25L, FindingKind::Undecided, Certainty::Resolution},
                      at(1.0L / 3, FindingKind::Root)};
    const QString csv = findingsCsv(findingRows(solve));
    QCOMPARE(csv, QStringLiteral("kind,x_from,x_to,equation,interval_from,interval_to,step\r\n"
                                 "root,-1.5,-1.5,1/(x-2) = x,-10,10,0.01\r\n"
                                 "hole,0,0,1/(x-2) = x,-10,10,0.01\r\n"
                                 "pole,2,2,1/(x-2) = x,-10,10,0.01\r\n"
                                 "undecided,3.00,3.25,1/(x-2) = x,-10,10,0.01\r\n"
                                 "root,0.3333333333,0.3333333333,1/(x-2) = x,-10,10,0.01\r\n"));
}

void FindingsTableTest::quoting_data() {
    QTest::addColumn<QString>("equation");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "x = 1"
                           << "x = 1";
    QTest::newRow("comma") << "max(x,1) = 2"
                           << "\"max(x,1) = 2\"";
    QTest::newRow("quote") << "a\"b = 2"
                           << "\"a\"\"b = 2\"";
    QTest::newRow("line break") << "x\n = 2"
                                << "\"x\n = 2\"";
}

void FindingsTableTest::quoting() {
    QFETCH(QString, equation);
    QFETCH(QString, field);
    FindingRow row;
    row.kind = "root";
    row.lower = row.upper = "1";
    row.equation = equation;
    row.step = "0.001";
    QCOMPARE(findingsCsv({row}).section("\r\n", 1, 1), "root,1,1," + field + ",0,0,0.001");
}

void FindingsTableTest::csvMatchesThePrintedLines_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("delta");
    QTest::addColumn<QList<double>>("roots");
    QTest::addColumn<QList<double>>("poles");
    const double r5 = 1 / std::sqrt(5.0);
    QTest::newRow("two roots") << "x^2"
                               << "2" << 1000 << QList<double>{-std::sqrt(2.0), std::sqrt(2.0)}
                               << QList<double>{};
    QTest::newRow("roots beside a pole")
        << "1/(x-2)^2"
        << "5" << 5 << QList<double>{2 - r5, 2 + r5} << QList<double>{2};
}

// Each row's x is the number of its line in the list, and lies at the closed form.
void FindingsTableTest::csvMatchesThePrintedLines() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(int, delta);
    QFETCH(QList<double>, roots);
    QFETCH(QList<double>, poles);
    auto form = startWindow<Form1>();
    QVERIFY(form);
    // The solves of earlier windows are process-wide.
    clearListedSolves();
    form->GleichLinks_LineEdit->setText(left);
    form->GleichRechts_LineEdit->setText(right);
    form->Delta_spinBox->setValue(delta);
    form->IstGleich_pushButton->click();
    const QStringList list = lines(form->Ergebnisse_ListBox);

    QTemporaryDir dir;
    const QString path = dir.filePath("results.csv");
    auto* actions = form->findChild<ExportActions*>();
    QVERIFY(actions);
    QCOMPARE(actions->saveResults(path), QString());
    const QList<QStringList> records = parseCsv(readAll(path));
    QCOMPARE(records.size(), 1 + roots.size() + poles.size());
    QCOMPARE(records[0], findingColumns());
    int root = 0;
    int pole = 0;
    for (int i = 1; i < records.size(); ++i) {
        const QStringList& r = records[i];
        QCOMPARE(r[3], list[0]); // the heading
        QCOMPARE(r[4], QString::number(-delta));
        QCOMPARE(r[5], QString::number(delta));
        QCOMPARE(r[6], QStringLiteral("0.01"));
        QCOMPARE(r[1], r[2]);
        if (r[0] == "root") {
            ++root;
            QVERIFY2(list.contains(QStringLiteral("X%1 = %2%3")
                                       .arg(root)
                                       .arg(r[1].startsWith('-') ? "" : " ", r[1])),
                     qPrintable(r.join(',')));
            QVERIFY(std::fabs(r[1].toDouble() - roots[root - 1]) < 1e-9);
        } else {
            QCOMPARE(r[0], QStringLiteral("pole"));
            ++pole;
            QVERIFY(list.contains("Polstelle bei x = " + r[1]));
            QVERIFY(std::fabs(r[1].toDouble() - poles[pole - 1]) < 1e-9);
        }
    }
    QCOMPARE(root, roots.size());
    QCOMPARE(pole, poles.size());
}

void FindingsTableTest::textIsTheList() {
    auto form = startWindow<Form1>();
    QVERIFY(form);
    form->GleichLinks_LineEdit->setText("x^2");
    form->GleichRechts_LineEdit->setText("x+2");
    form->IstGleich_pushButton->click();
    QTemporaryDir dir;
    const QString path = dir.filePath("results.txt");
    QCOMPARE(form->findChild<ExportActions*>()->saveResults(path), QString());
    QCOMPARE(readAll(path), QStringLiteral("x^2 = x+2\n\n \nX1 = -1\nX2 =  2\n") + Closing + "\n");
}

void FindingsTableTest::failedWriteLeavesNoFile_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("missing directory") << "missing/results.txt";
    QTest::newRow("a directory's name") << "taken";
}

void FindingsTableTest::failedWriteLeavesNoFile() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("taken"));
    const QString path = dir.filePath(name);
    const QString failure =
        writeSafely(path, [](QIODevice& device) { return device.write("text\n") == 5; });
    QVERIFY(failure.contains(QDir::toNativeSeparators(path)));
    QVERIFY(!QFileInfo(path).isFile());
    // Nothing else is left behind either.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

// A write that breaks off halfway leaves the file that was there as it was, and no other.
void FindingsTableTest::failedWriteKeepsTheOldFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("results.txt");
    QCOMPARE(writeSafely(path, [](QIODevice& device) { return device.write("old\n") == 4; }),
             QString());
    const QString failure = writeSafely(path, [](QIODevice& device) {
        device.write("half of the new");
        return false;
    });
    QVERIFY(!failure.isEmpty());
    QCOMPARE(readAll(path), QStringLiteral("old\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"results.txt"});
}

QUINT_QTEST_MAIN(FindingsTableTest)
#include "findings_table_test.moc"
