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
    QTest::newRow("equal equations")
        << Rows{{"1", "1", "1"}, {"1", "1", "1"}} << QStringList{"Unendlich viele Loesungen!"};
    QTest::newRow("equal left sides, other right-hand sides")
        << Rows{{"1", "1", "1"}, {"2", "1", "1"}} << QStringList{"Keine Loesung!"};
    // 0 = 0 * X1 holds for every X1.
    QTest::newRow("lone zero equation") << Rows{{"0"}} << QStringList{"Unendlich viele Loesungen!"};
    // Row 2 is 1.1 times row 1, right-hand side included; then row 2's right-hand side off
    // by 0.001.
    QTest::newRow("proportional, decimal commas")
        << Rows{{"-0,7", "0,83", "-0,35"}, {"-0,77", "0,913", "-0,385"}}
        << QStringList{"Unendlich viele Loesungen!"};
    QTest::newRow("proportional left sides, decimal commas")
        << Rows{{"-0,7", "0,83", "-0,35"}, {"-0,771", "0,913", "-0,385"}}
        << QStringList{"Keine Loesung!"};
    // The same, row 1 scaled by 1e120 and row 2 by 1e-80.
    QTest::newRow("proportional, scaled")
        << Rows{{"-0,7e120", "0,83e120", "-0,35e120"}, {"-0,77e-80", "0,913e-80", "-0,385e-80"}}
        << QStringList{"Unendlich viele Loesungen!"};
    QTest::newRow("proportional left sides, scaled")
        << Rows{{"-0,7e120", "0,83e120", "-0,35e120"}, {"-0,771e-80", "0,913e-80", "-0,385e-80"}}
        << QStringList{"Keine Loesung!"};
    // X2 has no coefficient; 3 = X1 twice.
    QTest::newRow("unknown without coefficients")
        << Rows{{"3", "1", "0"}, {"3", "1"}} << QStringList{"Unendlich viele Loesungen!"};
    QTest::newRow("empty first right-hand side") << Rows{{"", "1"}, {"3", "1"}} << QStringList{};
    // Row 2 ends the system: neither it, nor row 3, nor column 3 is read.
    QTest::newRow("text right-hand side in row 2") << Rows{{"3", "1", "1", "7"},
                                                           {"1", "1", "-1", "7"},
                                                           {"abc", "1", "1", "1"},
                                                           {"4", "1", "2", "3"}}
                                                   << QStringList{"X1 =  2", "X2 =  1"};
    QTest::newRow("text outside the system")
        << Rows{{"3", "1", "1", "zwei"}, {"1", "1", "-1"}, {"x", "y"}}
        << QStringList{"X1 =  2", "X2 =  1"};
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
    // 6 = 2 X1, 5 = 5 X2; the blank right-hand side of row 2 ends the system.
    QTest::newRow("blank cells") << Rows{{"6", "2", "  "}, {"5", "   ", "5"}, {"  ", "1", "1"}}
                                 << QStringList{"X1 =  3", "X2 =  1"};
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

QUINT_QTEST_MAIN(LinearSystemPageTest)
#include "linear_system_page_test.moc"
