// Accuracy of the linear-system page through its table: the lines it prints for singular,
// badly scaled and ill-conditioned systems. Expected values are the exact solutions of the
// typed cells (each the double nearest its text), computed offline with Python's
// fractions.Fraction and rounded to the page's ten significant digits; each lies at least
// 3e-11 (relative) away from a rounding boundary of that format.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "equation_test_support.h"
#include "form/linear_system/linear_system_examples.h"
#include "form/window/form1.h"
#include "linear_system_test_support.h"
#include "qt_test_main.h"

namespace {

const QStringList NoSolution{QStringLiteral("Keine Loesung!")};
const QStringList InfinitelyMany{QStringLiteral("Unendlich viele Loesungen!")};

} // namespace

class LinearSystemAccuracyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void fill(const Rows& rows) { fillTable(form->GleichungenXYZ_table, rows); }
    QStringList lines() const { return ::lines(form->AusgabeXYZ_listBox); }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void solve_data();
    void solve();
    void hilbertEight();
    void fourthExample();
    void noInfinityOrNaN_data();
    void noInfinityOrNaN();
};

void LinearSystemAccuracyTest::init() {
    BeispielNr = 0;
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->menuGleichungenXYZ_Action->trigger();
}

void LinearSystemAccuracyTest::solve_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QStringList>("expected");

    // Row 2 on the left is 1.1 times row 1, its right-hand side is not.
    QTest::newRow("singular decimals")
        << Rows{{"-0.700", "0.830", "-0.350"}, {"-0.769", "0.913", "-0.385"}} << NoSolution;
    // The same with decimal commas and the right-hand side 1.1 times too: X2 free,
    // X1 = -70/83 + 35/83 X2.
    QTest::newRow("singular decimal commas, consistent")
        << Rows{{"-0,7", "0,83", "-0,35"}, {"-0,77", "0,913", "-0,385"}}
        << InfinitelyMany + QStringList{"X2 frei", "X1 = -0.843373494 + 0.421686747*X2"};
    // Row 3 = row 1 + row 2 on the left, in decimals with commas; 2,2 != 0,6 + 1,5.
    QTest::newRow("row sum in decimal commas") << Rows{{"0,6", "0,1", "0,2", "0,3"},
                                                       {"1,5", "0,4", "0,5", "0,6"},
                                                       {"2,2", "0,5", "0,7", "0,9"}}
                                               << NoSolution;
    // Row 3 = row 1 + row 2, right-hand side included: X3 free, X1 = X3, X2 = 3 - 2 X3.
    QTest::newRow("row sum in decimal commas, consistent")
        << Rows{{"0,6", "0,1", "0,2", "0,3"},
                {"1,5", "0,4", "0,5", "0,6"},
                {"2,1", "0,5", "0,7", "0,9"}}
        << InfinitelyMany + QStringList{"X3 frei", "X1 = 1*X3", "X2 = 3 - 2*X3"};
    // Row 3 = row 1 + row 2 on the left; 7 != 1 + 2.
    QTest::newRow("inconsistent whole numbers") << Rows{{"1", "2", "1", "-1", "3"},
                                                        {"2", "1", "3", "2", "-1"},
                                                        {"7", "3", "4", "1", "2"},
                                                        {"4", "4", "-2", "1", "5"}}
                                                << NoSolution;
    // Row 3 = 2 row 2 - row 1: X3 free, X1 = X3, X2 = 3 - 2 X3.
    QTest::newRow("one to nine")
        << Rows{{"6", "1", "2", "3"}, {"15", "4", "5", "6"}, {"24", "7", "8", "9"}}
        << InfinitelyMany + QStringList{"X3 frei", "X1 = 1*X3", "X2 = 3 - 2*X3"};
    // Equation 2 alone gives X1 = 4.19 / 6.8466453951e112.
    QTest::newRow("extreme scales")
        << Rows{{"-0.71", "7.85", "-1.00239996e195"}, {"-4.19", "-6.8466453951e112", "0"}}
        << QStringList{"X1 =  6.119785323E-113", "X2 =  7.083001081E-196"};
    // The first pivot is 1e-20; exact solution 1 / (1 - 1e-20) and (1 - 2e-20) / (1 - 1e-20).
    QTest::newRow("row exchange") << Rows{{"1", "1e-20", "1"}, {"2", "1", "1"}}
                                  << QStringList{"X1 =  1", "X2 =  1"};
    // Hilbert matrices typed to 12 decimals with commas, right-hand sides their row sums.
    QTest::newRow("Hilbert 4") << Rows{{"2,083333333333", "1,000000000000", "0,500000000000",
                                        "0,333333333333", "0,250000000000"},
                                       {"1,283333333333", "0,500000000000", "0,333333333333",
                                        "0,250000000000", "0,200000000000"},
                                       {"0,950000000000", "0,333333333333", "0,250000000000",
                                        "0,200000000000", "0,166666666667"},
                                       {"0,759523809524", "0,250000000000", "0,200000000000",
                                        "0,166666666667", "0,142857142857"}}
                               << QStringList{"X1 =  1", "X2 =  1", "X3 =  1", "X4 =  1"};
}

void LinearSystemAccuracyTest::solve() {
    QFETCH(Rows, rows);
    QFETCH(QStringList, expected);
    fill(rows);
    QTest::mouseClick(form->istGleichXYZ_pushButton, Qt::LeftButton);
    QCOMPARE(lines(), expected << Separator);
}

// Hilbert matrix of order 8 typed to 12 decimals with commas, right-hand sides its row
// sums. Its condition number, about 3.4e10, times the long double unit roundoff 5.4e-20
// allows errors near 1e-9, so the values are compared with that tolerance instead of as
// lines.
void LinearSystemAccuracyTest::hilbertEight() {
    fill(Rows{
        {"2,717857142857", "1,000000000000", "0,500000000000", "0,333333333333", "0,250000000000",
         "0,200000000000", "0,166666666667", "0,142857142857", "0,125000000000"},
        {"1,828968253968", "0,500000000000", "0,333333333333", "0,250000000000", "0,200000000000",
         "0,166666666667", "0,142857142857", "0,125000000000", "0,111111111111"},
        {"1,428968253968", "0,333333333333", "0,250000000000", "0,200000000000", "0,166666666667",
         "0,142857142857", "0,125000000000", "0,111111111111", "0,100000000000"},
        {"1,186544011544", "0,250000000000", "0,200000000000", "0,166666666667", "0,142857142857",
         "0,125000000000", "0,111111111111", "0,100000000000", "0,090909090909"},
        {"1,019877344877", "0,200000000000", "0,166666666667", "0,142857142857", "0,125000000000",
         "0,111111111111", "0,100000000000", "0,090909090909", "0,083333333333"},
        {"0,896800421800", "0,166666666667", "0,142857142857", "0,125000000000", "0,111111111111",
         "0,100000000000", "0,090909090909", "0,083333333333", "0,076923076923"},
        {"0,801562326562", "0,142857142857", "0,125000000000", "0,111111111111", "0,100000000000",
         "0,090909090909", "0,083333333333", "0,076923076923", "0,071428571429"},
        {"0,725371850372", "0,125000000000", "0,111111111111", "0,100000000000", "0,090909090909",
         "0,083333333333", "0,076923076923", "0,071428571429", "0,066666666667"}});
    QTest::mouseClick(form->istGleichXYZ_pushButton, Qt::LeftButton);
    const double truth[] = {1.0000000000013698, 0.9999999999153839, 1.0000000012020196,
                            0.9999999931263959, 1.0000000192337808, 0.9999999720008009,
                            1.0000000203626664, 0.9999999941559256};
    const QStringList printed = lines();
    QCOMPARE(printed.size(), 9);
    for (int i = 0; i < 8; ++i) {
        QVERIFY2(printed[i].startsWith(QStringLiteral("X%1 = ").arg(i + 1)),
                 qPrintable(printed[i]));
        const double value = printed[i].section(QLatin1Char('='), 1).toDouble();
        QVERIFY2(std::fabs(value - truth[i]) <= 1e-9 * truth[i], qPrintable(printed[i]));
    }
    QCOMPARE(printed.last(), Separator);
}

// Exact fractions: 133480/75287, 1524412/376435, -1991577/1882175, -168720/75287.
void LinearSystemAccuracyTest::fourthExample() {
    for (int click = 0; click < 4; ++click) {
        QTest::mouseClick(form->BeispieleXYZ_pushButton, Qt::LeftButton);
    }
    QCOMPARE(lines().mid(lines().size() - 5),
             (QStringList{"X1 =  1.772948849", "X2 =  4.049602189", "X3 = -1.058125307",
                          "X4 = -2.241024347", Separator}));
}

void LinearSystemAccuracyTest::noInfinityOrNaN_data() {
    QTest::addColumn<Rows>("rows");
    QTest::newRow("largest over smallest")
        << Rows{{"1.7e308", "4.9e-324", "0"}, {"1e-300", "1e300", "1e-320"}};
    QTest::newRow("nearly equal huge rows")
        << Rows{{"1e308", "1e308", "1e308"}, {"-1e308", "1e308", "1.0000000000000002e308"}};
    QTest::newRow("tiny everywhere")
        << Rows{{"1e-320", "3e-320", "1e-321"}, {"5e-324", "1e-322", "2e-323"}};
}

// Whatever the size of the typed numbers, a line shows a finite value or no solution.
void LinearSystemAccuracyTest::noInfinityOrNaN() {
    QFETCH(Rows, rows);
    fill(rows);
    QTest::mouseClick(form->istGleichXYZ_pushButton, Qt::LeftButton);
    const QStringList printed = lines();
    QVERIFY(!printed.isEmpty());
    for (const QString& line : printed) {
        QVERIFY2(!line.contains(QLatin1String("INF")) && !line.contains(QLatin1String("NAN")),
                 qPrintable(line));
        if (line != Separator && line != NoSolution.first() && line != InfinitelyMany.first()) {
            const std::string value = line.section(QLatin1Char('='), 1).toStdString();
            QVERIFY2(std::isfinite(std::strtold(value.c_str(), nullptr)), qPrintable(line));
        }
    }
}

QUINT_QTEST_MAIN(LinearSystemAccuracyTest)
#include "linear_system_accuracy_test.moc"
