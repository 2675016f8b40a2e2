// The linear-system page through its widgets: the table is filled as a user would, the
// buttons are clicked, and the lines of the result list are compared with values worked
// out by hand.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

#include <clocale>
#include <cstdio>
#include <memory>
#include <string>

#include "equation_test_support.h"
#include "form/window/application_setup.h"
#include "form/window/form1.h"
#include "linear_system_test_support.h"
#include "qt_test_main.h"

namespace {

// "X<i> = <value>" with a blank in front of a non-negative whole number.
QString wholeResult(int i, int value) {
    return QStringLiteral("X%1 = %2%3").arg(i).arg(value < 0 ? "" : " ").arg(value);
}

// Puts the process locale back as it was when it leaves scope.
class LocaleGuard {
public:
    LocaleGuard() : m_saved(std::setlocale(LC_ALL, nullptr)) {}
    ~LocaleGuard() { std::setlocale(LC_ALL, m_saved.c_str()); }

private:
    std::string m_saved;
};

} // namespace

class LinearSystemPageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void fill(const Rows& rows) { fillTable(form->GleichungenXYZ_table, rows); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void clickSolve() { click(form->istGleichXYZ_pushButton); }
    QStringList lines() const { return ::lines(form->AusgabeXYZ_listBox); }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void solve_data();
    void solve();
    void tenEquations();
    void typedIntoEditors();
    void solvingTwiceAppendsTwoBlocks();
    void newestLineScrollsIntoView();
    void clearTable();
    void clearList();
    void germanLocale_data();
    void germanLocale();
    void tableGrowsWithTheWindow();
};

void LinearSystemPageTest::init() {
    form = std::make_unique<Form1>();
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    form->menuGleichungenXYZ_Action->trigger();
    QCOMPARE(form->widgetStack->currentWidget(), form->WStackPage_2);
}

void LinearSystemPageTest::solve_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QStringList>("expected");

    // 3 = X1 + X2, 1 = X1 - X2.
    QTest::newRow("two equations")
        << Rows{{"3", "1", "1"}, {"1", "1", "-1"}} << QStringList{"X1 =  2", "X2 =  1"};
    QTest::newRow("lone right-hand side") << Rows{{"5"}} << QStringList{"Keine Loesung!"};
    // X1 + X2 = 1 twice: X2 free, X1 = 1 - X2.
    QTest::newRow("equal equations")
        << Rows{{"1", "1", "1"}, {"1", "1", "1"}}
        << QStringList{"Unendlich viele Loesungen!", "X2 frei", "X1 = 1 - 1*X2"};
    QTest::newRow("equal left sides, other right-hand sides")
        << Rows{{"1", "1", "1"}, {"2", "1", "1"}} << QStringList{"Keine Loesung!"};
    // 0 = 0 * X1 holds for every X1.
    QTest::newRow("lone zero equation")
        << Rows{{"0"}} << QStringList{"Unendlich viele Loesungen!", "X1 frei"};
    // Row 2 is 1.1 times row 1, right-hand side included: X1 = (-0.7 + 0.35 X2) / 0.83,
    // that is -70/83 + 35/83 X2 = -0.8433734940 + 0.4216867470 X2. Then row 2's right-hand
    // side off by 0.001.
    QTest::newRow("proportional, decimal commas")
        << Rows{{"-0,7", "0,83", "-0,35"}, {"-0,77", "0,913", "-0,385"}}
        << QStringList{"Unendlich viele Loesungen!", "X2 frei",
                       "X1 = -0.843373494 + 0.421686747*X2"};
    QTest::newRow("proportional left sides, decimal commas")
        << Rows{{"-0,7", "0,83", "-0,35"}, {"-0,771", "0,913", "-0,385"}}
        << QStringList{"Keine Loesung!"};
    // The same, row 1 scaled by 1e120 and row 2 by 1e-80.
    QTest::newRow("proportional, scaled")
        << Rows{{"-0,7e120", "0,83e120", "-0,35e120"}, {"-0,77e-80", "0,913e-80", "-0,385e-80"}}
        << QStringList{"Unendlich viele Loesungen!", "X2 frei",
                       "X1 = -0.843373494 + 0.421686747*X2"};
    QTest::newRow("proportional left sides, scaled")
        << Rows{{"-0,7e120", "0,83e120", "-0,35e120"}, {"-0,771e-80", "0,913e-80", "-0,385e-80"}}
        << QStringList{"Keine Loesung!"};
    // X2 has no coefficient other than 0; 3 = X1 twice.
    QTest::newRow("unknown without coefficients")
        << Rows{{"3", "1", "0"}, {"3", "1"}}
        << QStringList{"Unendlich viele Loesungen!", "X2 frei", "X1 =  3"};
    // The empty right-hand side counts as 0, as an empty coefficient does: 0 = X1, 3 = X1.
    QTest::newRow("empty first right-hand side")
        << Rows{{"", "1"}, {"3", "1"}} << QStringList{"Keine Loesung!"};
    // Every cell is read: the text is named and nothing is solved.
    QTest::newRow("text right-hand side in row 2") << Rows{{"3", "1", "1", "7"},
                                                           {"1", "1", "-1", "7"},
                                                           {"abc", "1", "1", "1"},
                                                           {"4", "1", "2", "3"}}
                                                   << QStringList{"Keine Zahl in G3, Wert=: abc"};
    QTest::newRow("text beside the square")
        << Rows{{"3", "1", "1", "zwei"}, {"1", "1", "-1"}, {"x", "y"}}
        << QStringList{"Keine Zahl in G1, k3*X3: zwei"};
    // Every order the rotations try keeps a zero on the diagonal.
    QTest::newRow("rotations give up")
        << Rows{{"2", "0", "1", "0"}, {"1", "1", "0", "0"}, {"3", "0", "0", "1"}}
        << QStringList{"X1 =  1", "X2 =  2", "X3 =  3"};
    QTest::newRow("third") << Rows{{"1", "3"}} << QStringList{"X1 =  0.3333333333"};
    QTest::newRow("negative") << Rows{{"-1", "2"}} << QStringList{"X1 = -0.5"};
    QTest::newRow("exponent form") << Rows{{"1", "1E15"}} << QStringList{"X1 =  1E-15"};
    QTest::newRow("decimal comma") << Rows{{"9,42", "4,71"}} << QStringList{"X1 =  2"};
    QTest::newRow("decimal point") << Rows{{"9.42", "4.71"}} << QStringList{"X1 =  2"};
    // 4.5 = X1 + X2, 0.5 = X1 - X2: the comma counts for the number of equations too.
    QTest::newRow("both decimal marks")
        << Rows{{"4,5", "1", "1"}, {"0.5", "1", "-1"}} << QStringList{"X1 =  2.5", "X2 =  2"};
    // 6 = 2 X1, 5 = 5 X2; row 3 with its blank right-hand side says 0 = X1 + X2, which
    // X1 = 3, X2 = 1 do not satisfy.
    QTest::newRow("blank cells") << Rows{{"6", "2", "  "}, {"5", "   ", "5"}, {"  ", "1", "1"}}
                                 << QStringList{"Keine Loesung!"};
    QTest::newRow("blank cells, two equations")
        << Rows{{"6", "2", "  "}, {"5", "   ", "5"}} << QStringList{"X1 =  3", "X2 =  1"};
    // 3 = X1 + X2, 1 = X1 - X2 + 2 X3: X3 free, X1 = 2 - X3, X2 = 1 + X3.
    QTest::newRow("two equations in three unknowns")
        << Rows{{"3", "1", "1"}, {"1", "1", "-1", "2"}}
        << QStringList{"Unendlich viele Loesungen!", "X3 frei", "X1 = 2 - 1*X3", "X2 = 1 + 1*X3"};
    // 6 = X1 + 2 X2 + 3 X3 alone.
    QTest::newRow("one equation in three unknowns")
        << Rows{{"6", "1", "2", "3"}}
        << QStringList{"Unendlich viele Loesungen!", "X2 frei", "X3 frei", "X1 = 6 - 2*X2 - 3*X3"};
    // X1 appears nowhere: it is free, 0 = X2 - 1 and the rest fix X2 and X3.
    QTest::newRow("first unknown nowhere")
        << Rows{{"2", "0", "1"}, {"5", "", "2", "1"}}
        << QStringList{"Unendlich viele Loesungen!", "X1 frei", "X2 =  2", "X3 =  1"};
    // 1/3 = X1 + X2.
    QTest::newRow("underdetermined, formula on the right")
        << Rows{{"1/3", "1", "1"}}
        << QStringList{"Unendlich viele Loesungen!", "X2 frei", "X1 = 0.3333333333 - 1*X2"};
    // Three equations in X1 = 2, X2 = 1.
    QTest::newRow("overdetermined") << Rows{{"3", "1", "1"}, {"1", "1", "-1"}, {"5", "2", "1"}}
                                    << QStringList{"X1 =  2", "X2 =  1"};
    // The third says 2 X1 + X2 = 6, the first two give 5.
    QTest::newRow("overdetermined, contradicting")
        << Rows{{"3", "1", "1"}, {"1", "1", "-1"}, {"6", "2", "1"}}
        << QStringList{"Keine Loesung!"};
    // 4 = 2 X1, 6 = 3 X1, 10 = 5 X1.
    QTest::newRow("one unknown, three equations")
        << Rows{{"4", "2"}, {"6", "3"}, {"10", "5"}} << QStringList{"X1 =  2"};
    // The gap is named and the rows below it are solved with the others.
    QTest::newRow("empty row between") << Rows{{"3", "1", "1"}, {}, {"1", "1", "-1"}}
                                       << QStringList{"G2 ist leer", "X1 =  2", "X2 =  1"};
    QTest::newRow("empty first rows")
        << Rows{{}, {" "}, {"4", "2"}} << QStringList{"G1 ist leer", "G2 ist leer", "X1 =  2"};
    // Two gaps in four equations of X1 = 1, X2 = -1.
    QTest::newRow("two gaps, overdetermined")
        << Rows{{"0", "1", "1"}, {}, {"2", "1", "-1"}, {}, {"-1", "1", "2"}}
        << QStringList{"G2 ist leer", "G4 ist leer", "X1 =  1", "X2 = -1"};
    // Formulas without x, read by the formula interpreter: 1/3 = X1; 1 = X1 / 3.
    QTest::newRow("right-hand side 1/3") << Rows{{"1/3", "1"}} << QStringList{"X1 =  0.3333333333"};
    QTest::newRow("coefficient 1/3") << Rows{{"1", "1/3"}} << QStringList{"X1 =  3"};
    // 2 = sqrt(2) X1: X1 = sqrt(2).
    QTest::newRow("square root") << Rows{{"2", "sqrt(2)"}} << QStringList{"X1 =  1.414213562"};
    QTest::newRow("pi") << Rows{{"2*pi", "pi"}} << QStringList{"X1 =  2"};
    QTest::newRow("power") << Rows{{"1", "10^(0-3)"}} << QStringList{"X1 =  1000"};
    // 1/2 = X1 + X2, 1/4 = X1 - X2 with blanks and a decimal comma: X1 = 3/8, X2 = 1/8.
    QTest::newRow("formulas with blanks") << Rows{{" 1 / 2 ", "1", "1"}, {"0,5 ^ 2", "1", "-1"}}
                                          << QStringList{"X1 =  0.375", "X2 =  0.125"};
    // Cells that hold no number are named and nothing is solved.
    QTest::newRow("x in a cell") << Rows{{"2*x", "1"}}
                                 << QStringList{"Keine Zahl in G1, Wert=: 2*x"};
    QTest::newRow("division by zero")
        << Rows{{"1/0", "1"}} << QStringList{"Keine Zahl in G1, Wert=: 1/0"};
    QTest::newRow("square root of -1")
        << Rows{{"1", "sqrt(0-1)"}} << QStringList{"Keine Zahl in G1, k1*X1: sqrt(0-1)"};
    QTest::newRow("logarithm of 0")
        << Rows{{"1", "1"}, {"2", "ln(0)"}} << QStringList{"Keine Zahl in G2, k1*X1: ln(0)"};
    QTest::newRow("function without argument")
        << Rows{{"1", "sin2"}} << QStringList{"Keine Zahl in G1, k1*X1: sin2"};
    QTest::newRow("unclosed parenthesis")
        << Rows{{"(1", "1"}} << QStringList{"Keine Zahl in G1, Wert=: (1"};
    QTest::newRow("doubled operator")
        << Rows{{"1", "2*-3"}} << QStringList{"Keine Zahl in G1, k1*X1: 2*-3"};
    QTest::newRow("number split by a blank")
        << Rows{{"1", "2 3"}} << QStringList{"Keine Zahl in G1, k1*X1: 2 3"};
    QTest::newRow("letter outside ASCII")
        << Rows{{"1", QString::fromUtf8("\xc3\xa4")}}
        << QStringList{QString::fromUtf8("Keine Zahl in G1, k1*X1: \xc3\xa4")};
    QTest::newRow("NUL inside") << Rows{{"1",
                                         QStringLiteral("1") + QChar(0) + QStringLiteral("+5")}}
                                << QStringList{QStringLiteral("Keine Zahl in G1, k1*X1: 1") +
                                               QChar(0) + QStringLiteral("+5")};
    // 1+1+...+1 with 200 ones is 399 characters, more than a formula holds.
    QTest::newRow("formula longer than the interpreter holds")
        << Rows{{"1", QStringList(200, "1").join('+')}}
        << QStringList{"Keine Zahl in G1, k1*X1: " + QStringList(200, "1").join('+')};
    // 1+1+...+1 with 128 ones is 255 characters: read whole.
    QTest::newRow("formula as long as the interpreter holds")
        << Rows{{QStringList(128, "1").join('+'), "1"}} << QStringList{"X1 =  128"};
    QTest::newRow("word in a coefficient")
        << Rows{{"6", "1", "1", "1"}, {"5", "1", "0", "2x"}, {"1", "1", "1", "0"}}
        << QStringList{"Keine Zahl in G2, k3*X3: 2x"};
    QTest::newRow("letter l for one")
        << Rows{{"1", "l"}} << QStringList{"Keine Zahl in G1, k1*X1: l"};
    QTest::newRow("overflowing coefficient")
        << Rows{{"1", "1e999"}} << QStringList{"Keine Zahl in G1, k1*X1: 1e999"};
    QTest::newRow("first faulty cell named")
        << Rows{{"1", "1", "a"}, {"1", "b", "1"}} << QStringList{"Keine Zahl in G1, k2*X2: a"};
}

void LinearSystemPageTest::solve() {
    QFETCH(Rows, rows);
    QFETCH(QStringList, expected);
    fill(rows);
    clickSolve();
    QCOMPARE(lines(), expected << Separator);
}

void LinearSystemPageTest::tenEquations() {
    // The solution 1, -2, 3, ..., -10; right-hand sides computed from it in integers.
    const auto solution = [](int j) { return j % 2 == 1 ? j : -j; };
    const auto coefficient = [](int i, int j) { return i == j ? 12 + i : (3 * i + 5 * j) % 7 - 3; };
    QStringList expected;
    for (int i = 1; i <= 10; ++i) {
        int wert = 0;
        for (int j = 1; j <= 10; ++j) {
            wert += coefficient(i, j) * solution(j);
            form->GleichungenXYZ_table->setItem(
                i - 1, j, new QTableWidgetItem(QString::number(coefficient(i, j))));
        }
        form->GleichungenXYZ_table->setItem(i - 1, 0, new QTableWidgetItem(QString::number(wert)));
        expected << wholeResult(i, solution(i));
    }
    clickSolve();
    QCOMPARE(lines(), expected << Separator);
}

void LinearSystemPageTest::typedIntoEditors() {
    QTableWidget* table = form->GleichungenXYZ_table;
    const Rows rows{{"3", "1", "1"}, {"1", "1", "-1"}};
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            table->setCurrentCell(row, column);
            table->edit(table->currentIndex());
            auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(editor != nullptr);
            QTest::keyClicks(editor, rows[row][column]);
            QTest::keyClick(editor, Qt::Key_Return);
            // The editor hands its text to the table once the event loop runs.
            QTRY_VERIFY(table->item(row, column) != nullptr);
            QCOMPARE(table->item(row, column)->text(), rows[row][column]);
        }
    }
    clickSolve();
    QCOMPARE(lines(), (QStringList{"X1 =  2", "X2 =  1", Separator}));
}

void LinearSystemPageTest::solvingTwiceAppendsTwoBlocks() {
    fill({{"3", "1", "1"}, {"1", "1", "-1"}});
    clickSolve();
    clickSolve();
    const QStringList block{"X1 =  2", "X2 =  1", Separator};
    QCOMPARE(lines(), block + block);
}

void LinearSystemPageTest::newestLineScrollsIntoView() {
    QListWidget* list = form->AusgabeXYZ_listBox;
    fill({{"3", "1", "1"}, {"1", "1", "-1"}});
    for (int solve = 0; solve < 20; ++solve) {
        clickSolve();
    }
    QCoreApplication::processEvents();
    QVERIFY(list->verticalScrollBar()->maximum() > 0);
    // The list scrolls as far down as it can, the newest line in view, the first one not.
    QCOMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    const QRect view = list->viewport()->rect();
    const QRect newest = list->visualItemRect(list->item(list->count() - 1));
    QVERIFY(newest.top() >= view.top() && newest.bottom() <= view.bottom());
    QVERIFY(list->visualItemRect(list->item(0)).bottom() < view.top());
}

void LinearSystemPageTest::clearTable() {
    QTableWidget* table = form->GleichungenXYZ_table;
    QCOMPARE(table->rowCount(), 10);
    QCOMPARE(table->columnCount(), 11);
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 11; ++column) {
            table->setItem(row, column, new QTableWidgetItem(QString::number(row + column + 1)));
        }
    }
    clickSolve();
    const QStringList before = lines();
    click(form->clearTableXYZ_pushButton);
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 11; ++column) {
            QVERIFY2(!table->item(row, column) || table->item(row, column)->text().isEmpty(),
                     qPrintable(QStringLiteral("cell %1,%2").arg(row).arg(column)));
        }
    }
    QCOMPARE(lines(), before);
    clickSolve();
    QCOMPARE(lines(), before + QStringList{Separator});
}

void LinearSystemPageTest::clearList() {
    fill({{"3", "1", "1"}, {"1", "1", "-1"}});
    clickSolve();
    QCOMPARE(form->AusgabeXYZ_listBox->count(), 3);
    click(form->clearlListBoxXYZ_pushButton);
    QCOMPARE(form->AusgabeXYZ_listBox->count(), 0);
    QCOMPARE(form->GleichungenXYZ_table->item(1, 2)->text(), QStringLiteral("-1"));
    clickSolve();
    QCOMPARE(lines(), (QStringList{"X1 =  2", "X2 =  1", Separator}));
}

void LinearSystemPageTest::germanLocale_data() {
    QTest::addColumn<bool>("applicationSetup");
    QTest::newRow("as the program starts") << true;
    QTest::newRow("German numeric locale") << false;
}

void LinearSystemPageTest::germanLocale() {
    QFETCH(bool, applicationSetup);
    LocaleGuard guard;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        QSKIP("the locale de_DE.UTF-8 is not installed (tools/setup generates it)");
    }
    if (applicationSetup) {
        setupApplication();
    } else {
        char probe[8];
        std::snprintf(probe, sizeof probe, "%.1f", 0.5);
        QCOMPARE(QByteArray(probe), QByteArray("0,5"));
    }
    // 4.5 = X1 + X2, 0.5 = X1 - X2, 1 = 3 X3.
    fill({{"4,5", "1", "1", "0"}, {"0.5", "1", "-1", "0"}, {"1", "0", "0", "3"}});
    clickSolve();
    QCOMPARE(lines(), (QStringList{"X1 =  2.5", "X2 =  2", "X3 =  0.3333333333", Separator}));
}

// A taller window shows every row of the table and gives the rest to the result list.
void LinearSystemPageTest::tableGrowsWithTheWindow() {
    QTableWidget* table = form->GleichungenXYZ_table;
    const auto rowsShown = [table] {
        int shown = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            const int bottom = table->rowViewportPosition(row) + table->rowHeight(row);
            shown += table->rowViewportPosition(row) >= 0 && bottom <= table->viewport()->height();
        }
        return shown;
    };
    QCoreApplication::processEvents();
    const int heightAtStart = table->height();
    const int listAtStart = form->AusgabeXYZ_listBox->height();
    QVERIFY(rowsShown() < 10);

    form->resize(1200, 900);
    QTRY_VERIFY(table->height() > heightAtStart);
    QTRY_COMPARE(rowsShown(), 10);
    QVERIFY(form->AusgabeXYZ_listBox->height() > listAtStart);
    // Every row shows with room to spare in the table: no more than one row's height.
    QVERIFY(table->viewport()->height() - (table->rowViewportPosition(9) + table->rowHeight(9)) <=
            table->rowHeight(9));

    form->resize(1200, 1400);
    QTRY_VERIFY(form->AusgabeXYZ_listBox->height() > 500);
    QCOMPARE(rowsShown(), 10);
}

QUINT_QTEST_MAIN(LinearSystemPageTest)
#include "linear_system_page_test.moc"
