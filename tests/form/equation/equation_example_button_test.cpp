// The example button: each click loads the next example of the catalogue into the line
// edits, labels the button with its number and solves it on a half-width of 1000.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <cmath>
#include <memory>

#include "equation_test_support.h"
#include "form/equation/equation_page.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// The roots of one block: the values of its lines "X<r> = <value>", checking the numbers.
QList<double> roots(const QStringList& block) {
    QList<double> values;
    for (const QString& line : block) {
        if (line.startsWith('X')) {
            const qsizetype equals = line.indexOf(" = ");
            const QString expectedPrefix = QStringLiteral("X%1").arg(values.size() + 1);
            if (line.left(equals) != expectedPrefix) {
                return {};
            }
            values << line.mid(equals + 3).toDouble();
        }
    }
    return values;
}

} // namespace

class EquationExampleButtonTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void clickExample() { QTest::mouseClick(form->Beispiel_pushButton, Qt::LeftButton); }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void catalogueIsBuiltOnce();
    void firstClickLoadsAndSolvesExampleOne();
    void exampleKeepsTheCentreAndSetsTheHalfWidth();
    void clicksRunThroughTheCatalogueAndWrap();
    void tangentExampleFindsEveryRootAndNamesThePoles();
};

void EquationExampleButtonTest::init() {
    Schrittweite = 100;
    Index_Beispiel = 0;
    form = startWindow<Form1>();
    QVERIFY(form != nullptr);
}

void EquationExampleButtonTest::catalogueIsBuiltOnce() {
    QCOMPARE(AnzahlGleichungen, 67);
    QVERIFY(BeispielGleichung[0] == nullptr);
    QVERIFY(BeispielGleichung[68] == nullptr);
    char* const first = BeispielGleichung[1];
    form->BeispielGleichungen();
    QCOMPARE(BeispielGleichung[1], first);
    QCOMPARE(AnzahlGleichungen, 67);
}

void EquationExampleButtonTest::firstClickLoadsAndSolvesExampleOne() {
    QCOMPARE(form->Beispiel_pushButton->text(), "Beispiel");
    clickExample();
    QCOMPARE(Index_Beispiel, 1);
    QCOMPARE(form->GleichLinks_LineEdit->text(), "X^2");
    QCOMPARE(form->GleichRechts_LineEdit->text(), "2");
    QCOMPARE(form->Beispiel_pushButton->text(), "Beispiel:1");
    QCOMPARE(form->Delta_spinBox->value(), 1000);
    QCOMPARE(lines(form->Ergebnisse_ListBox),
             (QStringList{"x^2 = 2", "", " ", "X1 = -1.414213562", "X2 =  1.414213562", Closing}));
}

void EquationExampleButtonTest::exampleKeepsTheCentreAndSetsTheHalfWidth() {
    // x^2 = x + 2 has the roots -1 and 2; around the centre 5 only 2 lies in [-995, 1005].
    form->Mitte_spinBox->setValue(5);
    form->Delta_spinBox->setValue(3);
    Index_Beispiel = 1;
    clickExample();
    QCOMPARE(form->Mitte_spinBox->value(), 5);
    QCOMPARE(form->Delta_spinBox->value(), 1000);
    QCOMPARE(form->vonX_lb->text(), "-995");
    QCOMPARE(form->bisX_lb->text(), "1005");
    QCOMPARE(lines(form->Ergebnisse_ListBox),
             (QStringList{"x^2 = x+2", "", " ", "X1 = -1", "X2 =  2", Closing}));
}

void EquationExampleButtonTest::clicksRunThroughTheCatalogueAndWrap() {
    for (int click = 1; click <= 68; ++click) {
        const int row = click <= 67 ? click : 1;
        form->clearAusgabe_pushButton->click();
        clickExample();
        QCOMPARE(form->Beispiel_pushButton->text(), QStringLiteral("Beispiel:%1").arg(row));
        const QString loaded =
            form->GleichLinks_LineEdit->text() + "=" + form->GleichRechts_LineEdit->text();
        QCOMPARE(loaded, QString::fromLatin1(BeispielGleichung[row]));
        const QStringList block = lines(form->Ergebnisse_ListBox);
        QCOMPARE(block.value(1), QString());
        QCOMPARE(block.value(2), " ");
        QCOMPARE(block.last(), Closing);
    }
    QCOMPARE(Index_Beispiel, 1);
    QCOMPARE(form->GleichLinks_LineEdit->text(), "X^2");
    QCOMPARE(form->GleichRechts_LineEdit->text(), "2");
    QCOMPARE(lines(form->Ergebnisse_ListBox).first(), "x^2 = 2");
    QCOMPARE(roots(lines(form->Ergebnisse_ListBox)).size(), 2);
}

void EquationExampleButtonTest::tangentExampleFindsEveryRootAndNamesThePoles() {
    for (int click = 1; click <= 20; ++click) {
        clickExample();
    }
    QCOMPARE(form->Beispiel_pushButton->text(), "Beispiel:20");
    QCOMPARE(form->GleichLinks_LineEdit->text(), "tan(x)");
    const QStringList all = lines(form->Ergebnisse_ListBox);
    const QStringList block = all.mid(all.lastIndexOf("tan(x) = 0.5"));
    QCOMPARE(block.size(), 3 + 637 + 1 + 1);
    QCOMPARE(block.last(), Closing);
    const double pi = std::acos(-1.0);
    // The poles at (k + 1/2) pi, k = -318 ... 317, in one line.
    const QString poles = block[block.size() - 2];
    static const QRegularExpression polesLine(
        QStringLiteral("^636 Polstellen von x = (\\S+) bis (\\S+)$"));
    const QRegularExpressionMatch match = polesLine.match(poles);
    QVERIFY2(match.hasMatch(), qPrintable(poles));
    QVERIFY(std::fabs(match.captured(1).toDouble() - (-318 + 0.5) * pi) < 1e-6);
    QVERIFY(std::fabs(match.captured(2).toDouble() - (317 + 0.5) * pi) < 1e-6);

    // tan x = 0.5 at x = atan(0.5) + k pi; those in [-1000, 1000] have k = -318 ... 318.
    const QList<double> found = roots(block);
    QCOMPARE(found.size(), 637);
    for (int i = 0; i < found.size(); ++i) {
        const double expected = std::atan(0.5) + (i - 318) * pi;
        // Ten significant digits of a value below 1000 are good to 5e-7.
        QVERIFY2(std::fabs(found[i] - expected) < 1e-6, qPrintable(block[3 + i]));
    }
    QCOMPARE(block[3], "X1 = -998.5628162");
    QCOMPARE(block[3 + 636], "X637 =  999.4901115");

    // The newest line is scrolled into view.
    QListWidget* list = form->Ergebnisse_ListBox;
    QCOMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
    QVERIFY(list->viewport()->rect().intersects(list->visualItemRect(list->item(all.size() - 1))));
}

QUINT_QTEST_MAIN(EquationExampleButtonTest)
#include "equation_example_button_test.moc"
