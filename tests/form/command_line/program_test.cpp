// The installed kind of run: the program itself, started without a display and without a
// platform named, in its text mode: what it prints, its exit codes, its help, the manual page.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Finished {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program with no display, no platform and a German locale.
Finished runProgram(const QStringList& arguments, const QString& stdoutFile = QString()) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    process.setProcessEnvironment(environment);
    if (!stdoutFile.isEmpty()) {
        process.setStandardOutputFile(stdoutFile);
    }
    process.start(QStringLiteral(QUINT_PROGRAM), arguments);
    Finished finished;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        return finished;
    }
    finished.exitCode = process.exitCode();
    finished.out = process.readAllStandardOutput();
    finished.err = process.readAllStandardError();
    return finished;
}

// The long options a text names, such as --half-width.
QSet<QString> longOptions(const QString& text) {
    static const QRegularExpression option(QStringLiteral("--([a-z][a-z-]+)"));
    QSet<QString> names;
    for (const QRegularExpressionMatch& match : option.globalMatch(text)) {
        names << match.captured(1);
    }
    return names;
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void solvesWithoutDisplay();
    void exitCodes_data();
    void exitCodes();
    void englishOutput();
    void failedOutputIsAnError();
    void helpAndManualNameTheSameOptions();
};

void ProgramTest::solvesWithoutDisplay() {
    const Finished run = runProgram({"--solve", "x^2 = 2", "--half-width", "10"});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray("x^2 = 2\n\n \nX1 = -1.414213562\nX2 =  1.414213562\n" +
                                 QByteArray(71, '-') + '\n'));
}

void ProgramTest::exitCodes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("version") << QStringList{"--version"} << 0;
    QTest::newRow("no root") << QStringList{"--solve", "x^2=-1", "--half-width", "5"} << 0;
    QTest::newRow("unknown option") << QStringList{"--plot-all"} << 1;
    QTest::newRow("missing value") << QStringList{"--system"} << 1;
    QTest::newRow("short unknown") << QStringList{"-v", "-q"} << 1;
    QTest::newRow("unreadable side") << QStringList{"--solve", "2x = 1"} << 2;
    QTest::newRow("missing file") << QStringList{"--system", "/nonexistent.csv"} << 1;
}

void ProgramTest::exitCodes() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    const Finished run = runProgram(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err.isEmpty(), exitCode == 0);
}

void ProgramTest::englishOutput() {
    const Finished run = runProgram({"--solve", "1/x = 0", "--half-width", "2", "--lang", "en"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("Pole at x = 0"), run.out.constData());
}

// Output that cannot be written is no success.
void ProgramTest::failedOutputIsAnError() {
    if (!QFile::exists(QStringLiteral("/dev/full"))) {
        QSKIP("no /dev/full");
    }
    const Finished run = runProgram({"--solve", "x = 1", "--half-width", "2"}, "/dev/full");
    QCOMPARE(run.exitCode, 1);
    QVERIFY(!run.err.isEmpty());
}

void ProgramTest::helpAndManualNameTheSameOptions() {
    const Finished help = runProgram({"--help"});
    QCOMPARE(help.exitCode, 0);
    QFile manual(QStringLiteral(QUINT_MANUAL_PAGE));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(manual.readAll()).remove(QLatin1Char('\\'));
    const QSet<QString> inHelp = longOptions(QString::fromUtf8(help.out));
    QCOMPARE(longOptions(page), inHelp);
    for (const char* option :
         {"solve", "centre", "half-width", "step", "system", "lang", "help", "version"}) {
        QVERIFY2(inHelp.contains(QString::fromLatin1(option)), option);
    }
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
