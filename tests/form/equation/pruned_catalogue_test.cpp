// The catalogue clicked through the real window at step 0.001, where the scan passes over the
// stretches its enclosures prove empty: every printed root must be the root the scan of every
// grid point gives, refined and printed alike.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include <cstdio>
#include <memory>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "interpreter/round.h"
#include "qt_test_main.h"
#include "solver/bracket_scan.h"
#include "solver/equation_sides.h"
#include "solver/root_refinement.h"

namespace {

// The lines of a block without those naming poles and gaps, which the search adds to what the
// full scan's brackets give.
QStringList withoutNamedPoints(const QStringList& block) {
    static const QRegularExpression named(
        QStringLiteral("^(Polstelle bei|\\d+ Polstellen von|Definitionslücke bei|\\d+ "
                       "Definitionslücken von) x = "));
    QStringList kept;
    for (const QString& line : block) {
        if (!named.match(line).hasMatch()) {
            kept << line;
        }
    }
    return kept;
}

// The lines of one request from the scan of every grid point.
QStringList fullScanLines(const QString& left, const QString& right, int a, int b) {
    EquationSides sides;
    sides.compile(left.toStdString(), right.toStdString());
    ParallelScanOptions full;
    full.prune = false;
    const ScanOutcome outcome = scanGridForRoots(sides, makeGrid(a, b, 1000), nullptr, full);
    QStringList lines{QString::fromLatin1(sides.leftRecord().Formel) + " = " +
                          QString::fromLatin1(sides.rightRecord().Formel),
                      "", " "};
    int r = 0;
    for (const RootBracket& bracket : outcome.brackets) {
        bool fehler = false;
        const long double root = bracket.lower == bracket.upper
                                     ? bracket.lower
                                     : refineBracket(sides, bracket.lower, bracket.upper, fehler);
        if (!fehler) {
            char line[64];
            std::snprintf(line, sizeof line, "X%d = % .10Lg", ++r, Round(root, 10));
            lines << QString::fromLatin1(line);
        }
    }
    lines << Closing;
    return lines;
}

} // namespace

class PrunedCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void catalogueAtTheFineStepPrintsTheFullScansLines();
};

void PrunedCatalogueTest::catalogueAtTheFineStepPrintsTheFullScansLines() {
    const std::unique_ptr<Form1> form = startWindow<Form1>();
    QVERIFY(form != nullptr);
    QTest::mouseClick(form->tusendstel_radioButton, Qt::LeftButton);
    QCOMPARE(Schrittweite, 1000.0L);
    for (int example = 1; example <= 67; ++example) {
        const int before = form->Ergebnisse_ListBox->count();
        QTest::mouseClick(form->Beispiel_pushButton, Qt::LeftButton);
        const QStringList shown = withoutNamedPoints(lines(form->Ergebnisse_ListBox).mid(before));
        const QStringList expected =
            fullScanLines(form->GleichLinks_LineEdit->text(), form->GleichRechts_LineEdit->text(),
                          form->Mitte_spinBox->value() - form->Delta_spinBox->value(),
                          form->Mitte_spinBox->value() + form->Delta_spinBox->value());
        QVERIFY2(shown == expected, qPrintable(QStringLiteral("example %1").arg(example)));
    }
}

QUINT_QTEST_MAIN(PrunedCatalogueTest)
#include "pruned_catalogue_test.moc"
