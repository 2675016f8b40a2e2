// An empty side is named and nothing is solved: the equation page writes one line in the
// style of the misread-input lines instead of solving the side as 0. (The graph page's
// legends for empty sides are checked with the plot.)
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// A window that counts the scans of the interval.
class CountingForm : public Form1 {
public:
    int scans = 0;

    int X_ungefaehr(int a, int b) override {
        ++scans;
        return Form1::X_ungefaehr(a, b);
    }
};

} // namespace

class EmptySideLineTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CountingForm> form;

private slots:
    void init();
    void cleanup() { form.reset(); }

    void emptySideIsNamed_data();
    void emptySideIsNamed();
    void sidesWithTextAreSolved();
};

void EmptySideLineTest::init() {
    Schrittweite = 100;
    form = startWindow<CountingForm>();
    QVERIFY(form != nullptr);
}

void EmptySideLineTest::emptySideIsNamed_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("line");
    QTest::newRow("left empty") << ""
                                << "5"
                                << " = 5"
                                << "Die linke Seite ist leer";
    QTest::newRow("right empty") << "x^2"
                                 << ""
                                 << "x^2 = "
                                 << "Die rechte Seite ist leer";
    QTest::newRow("both empty") << ""
                                << ""
                                << " = "
                                << "Die linke Seite ist leer";
    QTest::newRow("left only blanks") << "    "
                                      << "x"
                                      << " = x"
                                      << "Die linke Seite ist leer";
    QTest::newRow("right only blanks") << "x"
                                       << " "
                                       << "x = "
                                       << "Die rechte Seite ist leer";
    // An empty side is named before a misread one.
    QTest::newRow("left empty, right misread") << ""
                                               << "2x"
                                               << " = 2x"
                                               << "Die linke Seite ist leer";
    QTest::newRow("left misread, right empty") << "sinx"
                                               << ""
                                               << "sinx = "
                                               << "Die rechte Seite ist leer";
}

void EmptySideLineTest::emptySideIsNamed() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, heading);
    QFETCH(QString, line);
    form->GleichLinks_LineEdit->setText(left);
    form->GleichRechts_LineEdit->setText(right);
    QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(lines(form->Ergebnisse_ListBox), (QStringList{heading, "", line, Closing}));
    QCOMPARE(form->scans, 0);
}

// The control: "0" is a side, and 0 = 0 holds for every x.
void EmptySideLineTest::sidesWithTextAreSolved() {
    form->GleichLinks_LineEdit->setText("0");
    form->GleichRechts_LineEdit->setText("0");
    QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(form->scans, 1);
    QCOMPARE(
        lines(form->Ergebnisse_ListBox),
        (QStringList{"0 = 0", "", " ", "Jedes x von -1000 bis 1000 löst die Gleichung", Closing}));
}

QUINT_QTEST_MAIN(EmptySideLineTest)
#include "empty_side_line_test.moc"
