// The lines a request's findings make: poles and gaps one line each up to ten, then one line;
// undecided places up to three, then one line for the rest; a cancel or the cap saying how far
// the list reaches; stretch ends printed with one precision that tells them apart.
#include <QTest>

#include <vector>

#include "form/equation/result_lines.h"
#include "qt_test_main.h"

Q_DECLARE_METATYPE(std::vector<Finding>)
Q_DECLARE_METATYPE(SearchOutcome)
Q_DECLARE_METATYPE(long double)

namespace {

Finding at(long double x, FindingKind kind) {
    return Finding{x, x, kind, Certainty::Evaluated};
}

Finding over(long double lower, long double upper, FindingKind kind) {
    return Finding{lower, upper, kind, Certainty::Resolution};
}

// Poles or gaps at 1, 2, ..., count.
std::vector<Finding> numbered(int count, FindingKind kind) {
    std::vector<Finding> places;
    for (int k = 1; k <= count; ++k) {
        places.push_back(at(k, kind));
    }
    return places;
}

} // namespace

class ResultLinesTest : public QObject {
    Q_OBJECT

private slots:
    void linesOfFindings_data();
    void linesOfFindings();
    void stretchEndsTellApart_data();
    void stretchEndsTellApart();
};

void ResultLinesTest::linesOfFindings_data() {
    QTest::addColumn<std::vector<Finding>>("findings");
    QTest::addColumn<SearchOutcome>("search");
    QTest::addColumn<QStringList>("expected");

    SearchOutcome plain;
    QTest::newRow("roots and the plateau about one")
        << std::vector<Finding>{at(-1.5L, FindingKind::Root), at(0, FindingKind::Root),
                                over(-1e-9L, 2e-9L, FindingKind::Plateau)}
        << plain
        << QStringList{"X1 = -1.5", "X2 =  0",
                       "Gleich im Rahmen der Rechengenauigkeit: x von -0.000000001 bis "
                       "0.000000002"};
    QTest::newRow("ten poles, one line each")
        << numbered(10, FindingKind::Pole) << plain
        << QStringList{"Polstelle bei x = 1", "Polstelle bei x = 2", "Polstelle bei x = 3",
                       "Polstelle bei x = 4", "Polstelle bei x = 5", "Polstelle bei x = 6",
                       "Polstelle bei x = 7", "Polstelle bei x = 8", "Polstelle bei x = 9",
                       "Polstelle bei x = 10"};
    QTest::newRow("eleven poles, one line") << numbered(11, FindingKind::Pole) << plain
                                            << QStringList{"11 Polstellen von x = 1 bis 11"};
    QTest::newRow("gaps after the poles")
        << std::vector<Finding>{at(0, FindingKind::Hole), at(1.5707963268L, FindingKind::Pole)}
        << plain << QStringList{"Polstelle bei x = 1.570796327", "Definitionslücke bei x = 0"};
    QTest::newRow("twelve gaps") << numbered(12, FindingKind::Hole) << plain
                                 << QStringList{"12 Definitionslücken von x = 1 bis 12"};

    std::vector<Finding> undecided;
    for (int k = 0; k < 5; ++k) {
        undecided.push_back(over(k, k + 0.25L, FindingKind::Undecided));
    }
    QTest::newRow("three undecided lines, then one for the rest")
        << undecided << plain
        << QStringList{"Nicht entschieden: x von 0.00 bis 0.25",
                       "Nicht entschieden: x von 1.00 bis 1.25",
                       "Nicht entschieden: x von 2.00 bis 2.25",
                       "… und 2 weitere nicht entschiedene Stellen zwischen x = 3.00 und x = "
                       "4.25"};

    SearchOutcome cancelled;
    cancelled.cancelled = true;
    cancelled.reached = -997.14L;
    QTest::newRow("a cancel ends the list where the search came")
        << std::vector<Finding>{at(-999, FindingKind::Root),
                                over(-998, -997.5L, FindingKind::Undecided)}
        << cancelled << QStringList{"X1 = -999", "Abgebrochen: die Liste reicht bis x = -997.14"};

    SearchOutcome capped;
    capped.capReached = true;
    capped.listedUpTo = 12.25L;
    QTest::newRow("the cap says how far the list reaches")
        << std::vector<Finding>{at(12, FindingKind::Root)} << capped
        << QStringList{"X1 =  12", "Nur die ersten 1 Nullstellen: die Liste reicht bis x = 12.25"};

    SearchOutcome none;
    none.provenNoRoot = true;
    QTest::newRow("no root, with the gap named")
        << std::vector<Finding>{at(0, FindingKind::Hole)} << none
        << QStringList{"Definitionslücke bei x = 0", "Keine Nullstelle im Intervall"};
}

void ResultLinesTest::linesOfFindings() {
    QFETCH(std::vector<Finding>, findings);
    QFETCH(SearchOutcome, search);
    QFETCH(QStringList, expected);
    SettledFindings settled;
    settled.findings = findings;
    QCOMPARE(resultLines(search, settled), expected);
}

void ResultLinesTest::stretchEndsTellApart_data() {
    QTest::addColumn<long double>("from");
    QTest::addColumn<long double>("to");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    // One precision for both ends: as many decimals as the longer one needs.
    QTest::newRow("mixed lengths") << -7.853981634L << -7.85L << "-7.853981634"
                                   << "-7.850000000";
    QTest::newRow("whole numbers") << -1000.0L << 1000.0L << "-1000"
                                   << "1000";
    // Ends that print alike at ten decimals: significant digits until they differ.
    QTest::newRow("closer than the printed places")
        << 1.00000000001L << 1.00000000003L << "1.00000000001"
        << "1.00000000003";
    QTest::newRow("about 0") << -5.7e-8L << 5.7e-8L << "-0.000000057"
                             << "0.000000057";
}

void ResultLinesTest::stretchEndsTellApart() {
    QFETCH(long double, from);
    QFETCH(long double, to);
    QFETCH(QString, first);
    QFETCH(QString, second);
    const auto [a, b] = stretchEnds(from, to);
    QCOMPARE(a, first);
    QCOMPARE(b, second);
}

QUINT_QTEST_MAIN(ResultLinesTest)
#include "result_lines_test.moc"
