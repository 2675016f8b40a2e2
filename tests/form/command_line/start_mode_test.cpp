// The choice between the window and the text mode, made from the arguments alone.
#include <QTest>

#include <vector>

#include "form/command_line/start_mode.h"

class StartModeTest : public QObject {
    Q_OBJECT

private slots:
    void mode_data();
    void mode();
};

void StartModeTest::mode_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("textMode");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("drawsPlot");
    QTest::newRow("none") << QStringList{} << false << QString() << false;
    QTest::newRow("Qt's own") << QStringList{"-platform", "offscreen", "-style", "fusion"} << false
                              << QString() << false;
    QTest::newRow("lang en alone") << QStringList{"--lang", "en"} << false << "en" << false;
    QTest::newRow("lang=de alone") << QStringList{"--lang=de"} << false << "de" << false;
    QTest::newRow("lang fr") << QStringList{"--lang", "fr"} << true << QString() << false;
    QTest::newRow("lang without value") << QStringList{"--lang"} << true << QString() << false;
    QTest::newRow("solve") << QStringList{"--solve", "x=1"} << true << QString() << false;
    QTest::newRow("lang and solve")
        << QStringList{"--lang", "en", "--solve", "x=1"} << true << QString() << false;
    QTest::newRow("help short") << QStringList{"-h"} << true << QString() << false;
    QTest::newRow("version short") << QStringList{"-v"} << true << QString() << false;
    QTest::newRow("unknown long") << QStringList{"--whatever"} << true << QString() << false;
    QTest::newRow("plot") << QStringList{"--solve", "x=1", "--plot", "a.svg"} << true << QString()
                          << true;
    QTest::newRow("plot=") << QStringList{"--solve", "x=1", "--plot=a.png"} << true << QString()
                           << true;
    QTest::newRow("double dash") << QStringList{"--"} << true << QString() << false;
}

void StartModeTest::mode() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, textMode);
    QFETCH(QString, language);
    QFETCH(bool, drawsPlot);
    std::vector<QByteArray> bytes{QByteArray("quintabor")};
    for (const QString& argument : arguments) {
        bytes.push_back(argument.toLocal8Bit());
    }
    std::vector<const char*> argv;
    for (const QByteArray& b : bytes) {
        argv.push_back(b.constData());
    }
    const StartMode mode = startMode(static_cast<int>(argv.size()), argv.data());
    QCOMPARE(mode.textMode, textMode);
    QCOMPARE(mode.language, language);
    QCOMPARE(mode.drawsPlot, drawsPlot);
}

QTEST_GUILESS_MAIN(StartModeTest)
#include "start_mode_test.moc"
