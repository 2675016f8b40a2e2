// The example button of the linear-system page: the four systems it writes into the table,
// the lines it writes into the result list, its label and the wrap after the fourth.
#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include <cmath>
#include <memory>

#include "form/form1.h"
#include "form/linear_system_examples.h"
#include "qt_test_main.h"

namespace {

// Cells of the table, row by row from row 0; each row from column 0 (right-hand side).
using Rows = QList<QStringList>;
using Values = QList<double>;

const QString Separator(78, QLatin1Char('-'));

QString heading(int number, const char* blank, int hyphens) {
    return QStringLiteral("Beispiel: %1%2").arg(number).arg(QLatin1String(blank)) +
           QString(hyphens, QLatin1Char('-'));
}

const Rows Example1{{"18", "1", "1", "1"}, {"12", "1", "1", "-1"}, {"-8", "1", "-1", "-1"}};
const QStringList Example1Lines{heading(1, " ", 62),
                                "G1: 18 = 1*X1 + 1*X2 + 1*X3",
                                "G2: 12 = 1*x1 + 1*x2 - 1*x3",
                                "G3: -8 = 1*x1 - 1*x2 - 1*x3",
                                "X1 =  5",
                                "X2 =  10",
                                "X3 =  3",
                                Separator};

} // namespace

class LinearSystemExamplesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void clickExample() { QTest::mouseClick(form->BeispieleXYZ_pushButton, Qt::LeftButton); }
    QStringList lines() const {
        QStringList texts;
        for (int i = 0; i < form->AusgabeXYZ_listBox->count(); ++i)
            texts << form->AusgabeXYZ_listBox->item(i)->text();
        return texts;
    }
    // The table holds exactly these cells; every other cell is empty.
    void verifyTable(const Rows& rows) const;

private slots:
    void init();
    void cleanup() { form.reset(); }

    void example_data();
    void example();
    void blocksFollowEachOther();
    void fifthClickWrapsToFirst();
    void clearingKeepsTheCount();
};

void LinearSystemExamplesTest::verifyTable(const Rows& rows) const {
    const QTableWidget* table = form->GleichungenXYZ_table;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QString expected =
                row < rows.size() && column < rows[row].size() ? rows[row][column] : QString();
            const QTableWidgetItem* item = table->item(row, column);
            const QString actual = item ? item->text() : QString();
            QVERIFY2(actual == expected, qPrintable(QStringLiteral("cell %1,%2: '%3' != '%4'")
                                                        .arg(row)
                                                        .arg(column)
                                                        .arg(actual, expected)));
        }
    }
}

void LinearSystemExamplesTest::init() {
    BeispielNr = 0;
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->menuGleichungenXYZ_Action->trigger();
}

void LinearSystemExamplesTest::example_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<Rows>("cells");
    // The lines of the block; for example 4 without the values of the unknowns.
    QTest::addColumn<QStringList>("expected");
    // Values of the unknowns, checked with a tolerance, when the block leaves them out.
    QTest::addColumn<Values>("values");

    QTest::newRow("1") << 1 << Example1 << Example1Lines << Values{};
    // 29 = 2*3 + 3*5 + 2*4, 31 = 3*3 + 2*5 + 3*4, 40 = 4*3 + 4*5 + 2*4.
    QTest::newRow("2") << 2
                       << Rows{{"29", "2", "3", "2"}, {"31", "3", "2", "3"}, {"40", "4", "4", "2"}}
                       << QStringList{heading(2, "", 63),
                                      "G1: 29 = 2*X1 + 3*X2 + 2*X3",
                                      "G2: 31 = 3*x1 + 2*x2 + 3*x3",
                                      "G3: 40 = 4*x1 + 4*x2 + 2*x3",
                                      "X1 =  3",
                                      "X2 =  5",
                                      "X3 =  4",
                                      Separator}
                       << Values{};
    // By hand: X1 = 70/37, X2 = 15/37, X3 = 55/37.
    QTest::newRow("3") << 3
                       << Rows{{"20", "8", "12", "0"},
                               {"10", "0", "-12", "10"},
                               {"0", "-1", "1", "1"}}
                       << QStringList{heading(3, " ", 61), "X1 =  1.891891892",
                                      "X2 =  0.4054054054", "X3 =  1.486486486", Separator}
                       << Values{};
    // Exact fractions: 133480/75287, 1524412/376435, -1991577/1882175, -168720/75287.
    QTest::newRow("4") << 4
                       << Rows{{"-2", "0", "-2", "-10", "2"},
                               {"32", "4.71", "8.3", "-16", "12"},
                               {"16.72", "1", "2", "2", "-4"},
                               {"-32", "1", "-10", "0", "-3"}}
                       << QStringList{heading(4, " ", 60), Separator}
                       << Values{1.7729488490708867, 4.0496021889569249, -1.0581253071579422,
                                 -2.2410243468327864};
}

void LinearSystemExamplesTest::example() {
    QFETCH(int, number);
    QFETCH(Rows, cells);
    QFETCH(QStringList, expected);
    QFETCH(Values, values);
    for (int earlier = 1; earlier < number; ++earlier)
        clickExample();
    QTest::mouseClick(form->clearlListBoxXYZ_pushButton, Qt::LeftButton);
    form->GleichungenXYZ_table->setItem(9, 10, new QTableWidgetItem("99"));
    clickExample();

    QCOMPARE(form->BeispieleXYZ_pushButton->text(), QStringLiteral("Beispiel Nr:%1").arg(number));
    verifyTable(cells);
    QStringList actual = lines();
    const QRegularExpression valueLine(QStringLiteral("^X(\\d+) = ([ -])(\\d\\.\\d{9})$"));
    for (int i = 0; i < values.size(); ++i) {
        QVERIFY(actual.size() > 1);
        const QString line = actual.takeAt(1);
        const QRegularExpressionMatch match = valueLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QCOMPARE(match.captured(1).toInt(), i + 1);
        const double value = (match.captured(2).trimmed() + match.captured(3)).toDouble();
        QVERIFY2(std::fabs(value - values[i]) <= 1e-9 * std::fabs(values[i]), qPrintable(line));
    }
    QCOMPARE(actual, expected);
}

void LinearSystemExamplesTest::blocksFollowEachOther() {
    clickExample();
    clickExample();
    const QStringList all = lines();
    QCOMPARE(all.size(), 16);
    QCOMPARE(all.mid(0, 8), Example1Lines);
    QCOMPARE(all.at(8), heading(2, "", 63));
    QCOMPARE(all.at(15), Separator);
}

void LinearSystemExamplesTest::fifthClickWrapsToFirst() {
    for (int click = 1; click <= 4; ++click)
        clickExample();
    QCOMPARE(form->BeispieleXYZ_pushButton->text(), QStringLiteral("Beispiel Nr:4"));
    QTest::mouseClick(form->clearlListBoxXYZ_pushButton, Qt::LeftButton);
    clickExample();
    QCOMPARE(form->BeispieleXYZ_pushButton->text(), QStringLiteral("Beispiel Nr:1"));
    // Row 3 and column 4 of example 4 are gone.
    verifyTable(Example1);
    QCOMPARE(lines(), Example1Lines);
}

void LinearSystemExamplesTest::clearingKeepsTheCount() {
    clickExample();
    QTest::mouseClick(form->clearTableXYZ_pushButton, Qt::LeftButton);
    QTest::mouseClick(form->clearlListBoxXYZ_pushButton, Qt::LeftButton);
    clickExample();
    QCOMPARE(form->BeispieleXYZ_pushButton->text(), QStringLiteral("Beispiel Nr:2"));
    QCOMPARE(lines().first(), heading(2, "", 63));
}

QUINT_QTEST_MAIN(LinearSystemExamplesTest)
#include "linear_system_examples_test.moc"
