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

#include "form/linear_system/linear_system_examples.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// Cells of the table, row by row from row 0; each row from column 0 (right-hand side).
using Rows = QList<QStringList>;
using Values = QList<double>;

const QString Separator(78, QLatin1Char('-'));

const linear_system_examples::Example& exampleNo(int number) {
    return linear_system_examples::Examples[number - 1];
}

// The table rows as the example defines them.
Rows cellsOf(int number) {
    const linear_system_examples::Example& example = exampleNo(number);
    Rows rows;
    for (int row = 0; row < example.rows; ++row) {
        QStringList cells;
        for (int column = 0; column <= example.rows; ++column) {
            cells << QString::fromLatin1(example.cells[row][column]);
        }
        rows << cells;
    }
    return rows;
}

// The lines the button writes before solving: the heading, then the readable rows.
QStringList linesBeforeSolving(int number) {
    const linear_system_examples::Example& example = exampleNo(number);
    QStringList lines{QString::fromLatin1(example.heading)};
    for (int row = 0; row < example.rows; ++row) {
        if (example.lines[row]) {
            lines << QString::fromLatin1(example.lines[row]);
        }
    }
    return lines;
}

QStringList example1Lines() {
    return linesBeforeSolving(1) + QStringList{"X1 =  5", "X2 =  10", "X3 =  3", Separator};
}

} // namespace

class LinearSystemExamplesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void clickExample() { QTest::mouseClick(form->BeispieleXYZ_pushButton, Qt::LeftButton); }
    QStringList lines() const {
        QStringList texts;
        for (int i = 0; i < form->AusgabeXYZ_listBox->count(); ++i) {
            texts << form->AusgabeXYZ_listBox->item(i)->text();
        }
        return texts;
    }
    // The table holds exactly these cells; every other cell is empty.
    void verifyTable(const Rows& rows) const;

private slots:
    void init();
    void cleanup() { form.reset(); }

    void example_data();
    void example();
    void readableLinesStateTheirRows_data();
    void readableLinesStateTheirRows();
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
    // The value lines of the block; for example 4 checked by value instead.
    QTest::addColumn<QStringList>("valueLines");
    // Values of the unknowns: the solution of the system in the table.
    QTest::addColumn<Values>("values");

    QTest::newRow("1") << 1 << QStringList{"X1 =  5", "X2 =  10", "X3 =  3"} << Values{5, 10, 3};
    QTest::newRow("2") << 2 << QStringList{"X1 =  3", "X2 =  5", "X3 =  4"} << Values{3, 5, 4};
    // By hand: X1 = 70/37, X2 = 15/37, X3 = 55/37.
    QTest::newRow("3") << 3
                       << QStringList{"X1 =  1.891891892", "X2 =  0.4054054054",
                                      "X3 =  1.486486486"}
                       << Values{70.0 / 37, 15.0 / 37, 55.0 / 37};
    // Exact fractions: 133480/75287, 1524412/376435, -1991577/1882175, -168720/75287.
    QTest::newRow("4") << 4 << QStringList{}
                       << Values{1.7729488490708867, 4.0496021889569249, -1.0581253071579422,
                                 -2.2410243468327864};
}

void LinearSystemExamplesTest::example() {
    QFETCH(int, number);
    QFETCH(QStringList, valueLines);
    QFETCH(Values, values);
    for (int earlier = 1; earlier < number; ++earlier) {
        clickExample();
    }
    QTest::mouseClick(form->clearlListBoxXYZ_pushButton, Qt::LeftButton);
    form->GleichungenXYZ_table->setItem(9, 10, new QTableWidgetItem("99"));
    clickExample();

    QCOMPARE(form->BeispieleXYZ_pushButton->text(), QStringLiteral("Beispiel Nr:%1").arg(number));
    const Rows cells = cellsOf(number);
    verifyTable(cells);
    // The expected values solve the rows written into the table.
    for (const QStringList& row : cells) {
        double sum = 0;
        for (int column = 1; column < row.size(); ++column) {
            sum += row[column].toDouble() * values[column - 1];
        }
        QVERIFY2(std::fabs(sum - row[0].toDouble()) < 1e-9 * (1 + std::fabs(sum)),
                 qPrintable(row.join(' ')));
    }

    // The heading names the example and runs on as a line of hyphens.
    const QRegularExpression heading(QStringLiteral("^Beispiel: %1 ?-{60,}$").arg(number));
    QVERIFY(heading.match(QString::fromLatin1(exampleNo(number).heading)).hasMatch());

    QStringList actual = lines();
    const int firstValue = static_cast<int>(linesBeforeSolving(number).size());
    const QRegularExpression valueLine(QStringLiteral("^X(\\d+) = ([ -])(\\d+(\\.\\d+)?)$"));
    for (int i = 0; i < values.size(); ++i) {
        QVERIFY(actual.size() > firstValue);
        const QString line = actual.takeAt(firstValue);
        const QRegularExpressionMatch match = valueLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QCOMPARE(match.captured(1).toInt(), i + 1);
        const double value = (match.captured(2).trimmed() + match.captured(3)).toDouble();
        QVERIFY2(std::fabs(value - values[i]) <= 1e-9 * std::fabs(values[i]), qPrintable(line));
        if (!valueLines.isEmpty()) {
            QCOMPARE(line, valueLines[i]);
        }
    }
    QCOMPARE(actual, linesBeforeSolving(number) + QStringList{Separator});
}

// Each readable line states the row of the table: "G<r>: <value> = <k1>*X1 + <k2>*x2 ...".
void LinearSystemExamplesTest::readableLinesStateTheirRows_data() {
    QTest::addColumn<int>("number");
    for (int number = 1; number <= linear_system_examples::Count; ++number) {
        QTest::addRow("%d", number) << number;
    }
}

void LinearSystemExamplesTest::readableLinesStateTheirRows() {
    QFETCH(int, number);
    const linear_system_examples::Example& example = exampleNo(number);
    const Rows cells = cellsOf(number);
    static const QRegularExpression term(QStringLiteral("([+-]) (\\d+)\\*[xX](\\d+)"));
    for (int row = 0; row < example.rows; ++row) {
        if (!example.lines[row]) {
            continue;
        }
        const QString line = QString::fromLatin1(example.lines[row]);
        const QString start = QStringLiteral("G%1: %2 = ").arg(row + 1).arg(cells[row][0]);
        QVERIFY2(line.startsWith(start), qPrintable(line));
        const QString terms = QStringLiteral("+ ") + line.mid(start.size());
        int unknown = 0;
        for (const QRegularExpressionMatch& match : term.globalMatch(terms)) {
            ++unknown;
            QCOMPARE(match.captured(3).toInt(), unknown);
            const QString coefficient = (match.captured(1) == "-" ? "-" : "") + match.captured(2);
            QCOMPARE(coefficient.toDouble(), cells[row][unknown].toDouble());
        }
        QCOMPARE(unknown, example.rows);
    }
}

void LinearSystemExamplesTest::blocksFollowEachOther() {
    clickExample();
    clickExample();
    const QStringList all = lines();
    QCOMPARE(all.size(), 16);
    QCOMPARE(all.mid(0, 8), example1Lines());
    QCOMPARE(all.at(8), linesBeforeSolving(2).first());
    QCOMPARE(all.at(15), Separator);
}

void LinearSystemExamplesTest::fifthClickWrapsToFirst() {
    for (int click = 1; click <= 4; ++click) {
        clickExample();
    }
    QCOMPARE(form->BeispieleXYZ_pushButton->text(), QStringLiteral("Beispiel Nr:4"));
    QTest::mouseClick(form->clearlListBoxXYZ_pushButton, Qt::LeftButton);
    clickExample();
    QCOMPARE(form->BeispieleXYZ_pushButton->text(), QStringLiteral("Beispiel Nr:1"));
    // Row 3 and column 4 of example 4 are gone.
    verifyTable(cellsOf(1));
    QCOMPARE(lines(), example1Lines());
}

void LinearSystemExamplesTest::clearingKeepsTheCount() {
    clickExample();
    QTest::mouseClick(form->clearTableXYZ_pushButton, Qt::LeftButton);
    QTest::mouseClick(form->clearlListBoxXYZ_pushButton, Qt::LeftButton);
    clickExample();
    QCOMPARE(form->BeispieleXYZ_pushButton->text(), QStringLiteral("Beispiel Nr:2"));
    QCOMPARE(lines().first(), linesBeforeSolving(2).first());
}

QUINT_QTEST_MAIN(LinearSystemExamplesTest)
#include "linear_system_examples_test.moc"
