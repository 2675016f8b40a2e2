// The command line against the window: for the example catalogue and a random sweep of
// equations, intervals and steps, the block --solve prints is, byte for byte, the block the
// window lists; --system prints the block of the linear-system page; the exit codes.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <memory>
#include <random>

#include "../../support/random_formulas.h"
#include "equation_test_support.h"
#include "examples/equation_texts.h"
#include "form/command_line/command_line.h"
#include "form/window/form1.h"
#include "linear_system_test_support.h"
#include "qt_test_main.h"

namespace {

CommandLineRun run(QStringList arguments) {
    // German, the language of the window under test, whatever the system's.
    if (!arguments.contains(QStringLiteral("--lang"))) {
        arguments << QStringLiteral("--lang") << QStringLiteral("de");
    }
    arguments.prepend(QStringLiteral("quintabor"));
    return runCommandLine(arguments);
}

QByteArray printed(const QStringList& lines) {
    QByteArray text;
    for (const QString& line : lines) {
        text += line.toUtf8() + '\n';
    }
    return text;
}

// The lines the window appends to a list while f runs.
template <class F> QStringList appended(QListWidget* list, F f) {
    const int before = list->count();
    f();
    QStringList added;
    for (int row = before; row < list->count(); ++row) {
        added << list->item(row)->text();
    }
    return added;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    // The window's block for the equation on the interval and step given.
    QStringList windowBlock(const QString& left, const QString& right, int centre, int halfWidth,
                            bool thousandths) {
        form->GleichLinks_LineEdit->setText(left);
        form->GleichRechts_LineEdit->setText(right);
        form->Mitte_spinBox->setValue(centre);
        form->Delta_spinBox->setValue(halfWidth);
        QTest::mouseClick(thousandths ? form->tusendstel_radioButton : form->hunderstel_radioButton,
                          Qt::LeftButton);
        return appended(form->Ergebnisse_ListBox,
                        [&] { QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton); });
    }

    // Compares the command line's output for the equation with the window's block: on stdout
    // with exit code 0, or, for a refused equation, its line on stderr with exit code 2.
    int refusedBlocks = 0;
    int blocksWithRoots = 0;

    void compareWithWindow(const QString& left, const QString& right, int centre, int halfWidth,
                           bool thousandths) {
        const QStringList block = windowBlock(left, right, centre, halfWidth, thousandths);
        const CommandLineRun cli = run(
            {QStringLiteral("--solve"), left + QLatin1Char('=') + right, QStringLiteral("--centre"),
             QString::number(centre), QStringLiteral("--half-width"), QString::number(halfWidth),
             QStringLiteral("--step"),
             thousandths ? QStringLiteral("0.001") : QStringLiteral("0.01")});
        QVERIFY(block.size() >= 4);
        const bool refused = block.at(2) != QLatin1String(" ");
        refusedBlocks += refused ? 1 : 0;
        for (const QString& line : block) {
            if (line.startsWith(QLatin1String("X1 = "))) {
                ++blocksWithRoots;
            }
        }
        if (refused) {
            QCOMPARE(cli.exitCode, ExitUnreadable);
            QCOMPARE(cli.out, QByteArray());
            QCOMPARE(cli.err, "quintabor: " + block.at(2).toUtf8() + '\n');
        } else {
            QCOMPARE(cli.exitCode, ExitSolved);
            QCOMPARE(cli.err, QByteArray());
            QCOMPARE(cli.out, printed(block));
        }
    }

private slots:
    void initTestCase() {
        form = startWindow<Form1>();
        QVERIFY(form != nullptr);
    }
    void cleanupTestCase() { form.reset(); }

    void closedForm();
    void catalogue_data();
    void catalogue();
    void randomSweep();
    void findingsAsJsonAndCsv_data() { catalogue_data(); }
    void findingsAsJsonAndCsv();
    void plotFile();
    void system_data();
    void system();
    void exitCodes_data();
    void exitCodes();
};

// x^2 = 2 at the start settings: the roots are -sqrt(2) and sqrt(2) to ten digits.
void CommandLineTest::closedForm() {
    const CommandLineRun cli = run({QStringLiteral("--solve"), QStringLiteral("X^2 = 2")});
    QCOMPARE(cli.exitCode, ExitSolved);
    QCOMPARE(cli.out, QByteArray("x^2 = 2\n\n \nX1 = -1.414213562\nX2 =  1.414213562\n" +
                                 QByteArray(71, '-') + '\n'));
}

void CommandLineTest::catalogue_data() {
    QTest::addColumn<QString>("equation");
    int number = 0;
    for (const char* text : BeispielTexte) {
        QTest::newRow(qPrintable(QStringLiteral("example %1").arg(++number)))
            << QString::fromLatin1(text);
    }
}

// Each example as the example button loads it: centre 0, half-width 1000, step 0.01.
void CommandLineTest::catalogue() {
    QFETCH(QString, equation);
    const qsizetype equals = equation.indexOf(QLatin1Char('='));
    compareWithWindow(equation.left(equals), equation.mid(equals + 1), 0, 1000, false);
}

// Random sides from the grammar of the language, with blanks and upper case as typed, on
// random intervals and steps; some of them refused.
void CommandLineTest::randomSweep() {
    std::mt19937 random(3030);
    FormulaMaker maker(random);
    std::uniform_int_distribution<int> centre(-30, 30);
    std::uniform_int_distribution<int> halfWidth(1, 40);
    std::uniform_int_distribution<int> coin(0, 1);
    const char* const oddSides[] = {"sinx", "2x", "", "x$", "(x", "X ^ 2", " 3 * X "};
    refusedBlocks = 0;
    blocksWithRoots = 0;
    for (int i = 0; i < 60; ++i) {
        QString left = QString::fromStdString(maker.make(2));
        QString right = QString::fromStdString(maker.make(1));
        if (i % 10 == 9) {
            right = QString::fromLatin1(oddSides[(i / 10) % std::size(oddSides)]);
        }
        if (coin(random)) {
            left = left.toUpper();
        }
        compareWithWindow(left, right, centre(random), halfWidth(random), coin(random) == 1);
        if (QTest::currentTestFailed()) {
            qWarning("failed for %s = %s", qPrintable(left), qPrintable(right));
            return;
        }
    }
    // The sweep reaches both kinds of block, and blocks that list roots.
    QVERIFY(refusedBlocks >= 3);
    QVERIFY(blocksWithRoots >= 10);
}

// --format json parses, and its findings are the block's: its heading, one root per root
// line with the value the line prints, as many poles and holes as the block names; --format
// csv has the same rows.
void CommandLineTest::findingsAsJsonAndCsv() {
    QFETCH(QString, equation);
    const CommandLineRun block = run({QStringLiteral("--solve"), equation});
    const CommandLineRun json = run(
        {QStringLiteral("--solve"), equation, QStringLiteral("--format"), QStringLiteral("json")});
    const CommandLineRun csv = run(
        {QStringLiteral("--solve"), equation, QStringLiteral("--format"), QStringLiteral("csv")});
    QCOMPARE(json.exitCode, block.exitCode);
    QCOMPARE(csv.exitCode, block.exitCode);
    if (block.exitCode != ExitSolved) {
        return;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject root = document.object();
    const QStringList lines = QString::fromUtf8(block.out).split(QLatin1Char('\n'));
    QCOMPARE(root.value(QStringLiteral("equation")).toString(), lines.first());
    QCOMPARE(root.value(QStringLiteral("interval_from")).toInt(), -1000);
    QCOMPARE(root.value(QStringLiteral("interval_to")).toInt(), 1000);
    QCOMPARE(root.value(QStringLiteral("step")).toDouble(), 0.01);

    QStringList rootLines;
    int poleLines = 0;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('X'))) {
            rootLines << line;
        }
        poleLines += line.startsWith(QLatin1String("Polstelle bei")) ? 1 : 0;
    }
    const QJsonArray findings = root.value(QStringLiteral("findings")).toArray();
    int roots = 0;
    int poles = 0;
    for (const QJsonValue& finding : findings) {
        const QJsonObject f = finding.toObject();
        if (f.value(QStringLiteral("kind")).toString() == QLatin1String("root")) {
            QVERIFY(roots < rootLines.size());
            const QString printedValue = rootLines[roots].section(QLatin1String(" = "), 1);
            QCOMPARE(f.value(QStringLiteral("x_from")).toDouble(), printedValue.toDouble());
            QCOMPARE(rootLines[roots].section(QLatin1String(" = "), 0, 0),
                     QStringLiteral("X%1").arg(roots + 1));
            ++roots;
        }
        poles += f.value(QStringLiteral("kind")).toString() == QLatin1String("pole") ? 1 : 0;
    }
    QCOMPARE(roots, rootLines.size());
    if (poleLines > 0) {
        QCOMPARE(poles, poleLines);
    }
    // The CSV: a header and one line per finding of the JSON, its kind first.
    const QStringList csvLines =
        QString::fromUtf8(csv.out).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(csvLines.size(), findings.size() + 1);
    QVERIFY(csvLines.first().startsWith(QLatin1String("kind,")));
    for (int i = 0; i < findings.size(); ++i) {
        QCOMPARE(csvLines[i + 1].section(QLatin1Char(','), 0, 0),
                 findings[i].toObject().value(QStringLiteral("kind")).toString());
    }
}

// --plot draws both sides and their difference into the file its suffix names.
void CommandLineTest::plotFile() {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("plot.png"));
    const CommandLineRun drawn =
        run({QStringLiteral("--solve"), QStringLiteral("x^3 = x"), QStringLiteral("--half-width"),
             QStringLiteral("3"), QStringLiteral("--plot"), png});
    QCOMPARE(drawn.exitCode, ExitSolved);
    QVERIFY(drawn.out.startsWith("x^3 = x\n"));
    const QImage image(png);
    QVERIFY(!image.isNull());
    // The difference x^3 - x crosses the x axis at the frame's centre (x = 0) in green.
    QSet<QRgb> colours;
    for (int x = 0; x < image.width(); x += 3) {
        for (int y = 0; y < image.height(); y += 3) {
            colours.insert(image.pixel(x, y));
        }
    }
    QVERIFY(colours.size() > 3);

    const QString nowhere = dir.filePath(QStringLiteral("missing/plot.svg"));
    const CommandLineRun failed = run(
        {QStringLiteral("--solve"), QStringLiteral("x = 1"), QStringLiteral("--plot"), nowhere});
    QCOMPARE(failed.exitCode, ExitOtherError);
    QVERIFY(QString::fromUtf8(failed.err).contains(nowhere));
    QVERIFY(!QFile::exists(nowhere));
}

void CommandLineTest::system_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<Rows>("cells");
    QTest::newRow("three unknowns")
        << QByteArray("18,1,1,1\n12,1,1,-1\n-8,1,-1,-1\n")
        << Rows{{"18", "1", "1", "1"}, {"12", "1", "1", "-1"}, {"-8", "1", "-1", "-1"}};
    QTest::newRow("decimal comma in quotes, CRLF")
        << QByteArray("\"1,5\",1\r\n") << Rows{{"1,5", "1"}};
    QTest::newRow("no solution") << QByteArray("1,1,1\n2,1,1\n")
                                 << Rows{{"1", "1", "1"}, {"2", "1", "1"}};
    QTest::newRow("free unknown") << QByteArray("2,1,1\n") << Rows{{"2", "1", "1"}};
    QTest::newRow("empty row between")
        << QByteArray("3,1,1\n\n1,1,-1\n") << Rows{{"3", "1", "1"}, {}, {"1", "1", "-1"}};
    QTest::newRow("formulas in cells") << QByteArray("sqrt(2),2*pi\n") << Rows{{"sqrt(2)", "2*pi"}};
}

// The CSV's block equals the block of the page for the same cells typed into the table.
void CommandLineTest::system() {
    QFETCH(QByteArray, csv);
    QFETCH(Rows, cells);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(csv);
    file.close();
    form->clearTabeleXYZ_Slot();
    fillTable(form->GleichungenXYZ_table, cells);
    const QStringList block = appended(form->AusgabeXYZ_listBox, [&] {
        QTest::mouseClick(form->istGleichXYZ_pushButton, Qt::LeftButton);
    });
    const CommandLineRun cli = run({QStringLiteral("--system"), file.fileName()});
    QCOMPARE(cli.err, QByteArray());
    QCOMPARE(cli.exitCode, ExitSolved);
    QCOMPARE(cli.out, printed(block));
}

void CommandLineTest::exitCodes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("csv"); // the file --system FILE names, when not empty
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("stderrHolds");

    const QString usage = QStringLiteral("quintabor [--solve");
    QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << QString();
    QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0 << QString();
    QTest::newRow("no root is solved")
        << QStringList{"--solve", "x^2 = -1"} << QByteArray() << 0 << QString();
    QTest::newRow("unknown option") << QStringList{"--solv", "x=1"} << QByteArray() << 1 << usage;
    QTest::newRow("missing value") << QStringList{"--solve"} << QByteArray() << 1 << usage;
    QTest::newRow("centre not a number")
        << QStringList{"--solve", "x=1", "--centre", "1.5"} << QByteArray() << 1 << usage;
    QTest::newRow("centre out of range")
        << QStringList{"--solve", "x=1", "--centre", "1000000001"} << QByteArray() << 1 << usage;
    QTest::newRow("half-width 0") << QStringList{"--solve", "x=1", "--half-width", "0"}
                                  << QByteArray() << 1 << usage;
    QTest::newRow("step 0.1") << QStringList{"--solve", "x=1", "--step", "0.1"} << QByteArray() << 1
                              << usage;
    QTest::newRow("centre without solve")
        << QStringList{"--centre", "3"} << QByteArray() << 1 << usage;
    QTest::newRow("solve and system")
        << QStringList{"--solve", "x=1", "--system", "a.csv"} << QByteArray() << 1 << usage;
    QTest::newRow("positional argument")
        << QStringList{"--solve", "x=1", "extra"} << QByteArray() << 1 << usage;
    QTest::newRow("no task") << QStringList{"--lang", "en"} << QByteArray() << 1 << usage;
    QTest::newRow("language fr") << QStringList{"--lang", "fr", "--version"} << QByteArray() << 1
                                 << usage;
    QTest::newRow("format xml") << QStringList{"--solve", "x=1", "--format", "xml"} << QByteArray()
                                << 1 << usage;
    QTest::newRow("format without solve")
        << QStringList{"--format", "csv"} << QByteArray() << 1 << usage;
    QTest::newRow("plot gif") << QStringList{"--solve", "x=1", "--plot", "a.gif"} << QByteArray()
                              << 1 << usage;
    QTest::newRow("misread side") << QStringList{"--solve", "sinx = 1"} << QByteArray() << 2
                                  << QStringLiteral("sinx");
    QTest::newRow("empty right side")
        << QStringList{"--solve", "x^2"} << QByteArray() << 2 << QStringLiteral("rechte Seite");
    QTest::newRow("missing file") << QStringList{"--system", "/nonexistent/system.csv"}
                                  << QByteArray() << 1 << QStringLiteral("/nonexistent/system.csv");
    QTest::newRow("cell no number") << QStringList{"--system"} << QByteArray("1,a\n") << 2
                                    << QStringLiteral("Keine Zahl in G1, k1*X1: a");
    QTest::newRow("eleven rows") << QStringList{"--system"} << QByteArray("1,1\n").repeated(11) << 2
                                 << QStringLiteral("11 Zeilen");
    QTest::newRow("twelve columns")
        << QStringList{"--system"} << QByteArray("1,2,3,4,5,6,7,8,9,10,11,12\n") << 2
        << QStringLiteral("Zeile 1 hat 12 Spalten");
    QTest::newRow("open quote") << QStringList{"--system"} << QByteArray("1,\"2\n") << 2
                                << QStringLiteral("Zeile 1");
    QTest::newRow("not UTF-8") << QStringList{"--system"} << QByteArray("1,\xff\n") << 2
                               << QStringLiteral("UTF-8");
    QTest::newRow("empty file") << QStringList{"--system"} << QByteArray("\n\n") << 2
                                << QStringLiteral("keine Zeile");
}

void CommandLineTest::exitCodes() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, csv);
    QFETCH(int, exitCode);
    QFETCH(QString, stderrHolds);
    QTemporaryFile file;
    if (!csv.isEmpty()) {
        QVERIFY(file.open());
        file.write(csv);
        file.close();
        arguments << file.fileName();
    }
    const CommandLineRun cli = run(arguments);
    QCOMPARE(cli.exitCode, exitCode);
    QVERIFY2(QString::fromUtf8(cli.err).contains(stderrHolds), cli.err.constData());
    if (exitCode != ExitSolved) {
        QCOMPARE(cli.out, QByteArray());
    } else {
        QVERIFY(!cli.out.isEmpty());
    }
}

QUINT_QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
