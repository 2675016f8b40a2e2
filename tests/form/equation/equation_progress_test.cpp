// The progress dialog of the equation tab: how it is made, which phases drive it, and
// how its cancel ends a request.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "equation_test_support.h"
#include "form/equation/equation_page.h"
#include "form/equation/equation_state.h"
#include "form/window/form1.h"
#include "qt_test_main.h"

namespace {

// A window that asks the progress dialog to cancel while it refines bracket number
// cancelAt (from 1), as a click on the dialog's button would.
class CancellingForm : public Form1 {
public:
    int cancelAt = 0;
    int refinements = 0;

    long double X_Regula_Falsi(long double XL, long double XR, bool& Fehler) override {
        ++refinements;
        if (refinements == cancelAt) {
            porgressDialog->cancel();
        }
        return Form1::X_Regula_Falsi(XL, XR, Fehler);
    }
};

// 0.5 sin(10 x) = 0 at x = k pi / 10, |k| <= 10000 / pi: 2 * 3183 + 1 roots in [-1000, 1000].
constexpr int SineRoots = 6367;

// The roots of tan(x) = x in [from, to]: beside each pole (k + 1/2) pi, by Newton's method on
// x - atan(x) - k pi, whose derivative x^2 / (1 + x^2) is near 1 there.
std::vector<long double> tangentEqualsXRoots(long double from, long double to) {
    const long double pi = std::numbers::pi_v<long double>;
    std::vector<long double> roots;
    for (long k = std::lround(std::floor(from / pi)) - 1; k * pi <= to + pi; ++k) {
        long double x = k * pi + (k == 0 ? 0 : (k > 0 ? pi / 2 : -pi / 2));
        for (int i = 0; i < 60 && x != 0; ++i) {
            x -= (x - std::atan(x) - k * pi) * (1 + x * x) / (x * x);
        }
        if (x >= from && x <= to) {
            roots.push_back(x);
        }
    }
    return roots;
}

} // namespace

class EquationProgressTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CancellingForm> form;

    void solve(const QString& left, const QString& right) {
        QTest::keyClicks(form->GleichLinks_LineEdit, left);
        QTest::keyClicks(form->GleichRechts_LineEdit, right);
        QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    }
    // A first short request creates the dialog; its lines are cleared.
    void createDialog() {
        solve("x", "1");
        QTest::mouseClick(form->clearEingabe_pushButton, Qt::LeftButton);
        QTest::mouseClick(form->clearAusgabe_pushButton, Qt::LeftButton);
        QVERIFY(porgressDialog != nullptr);
    }
    // The values the dialog's bar took.
    static std::unique_ptr<QSignalSpy> spyOnBar() {
        return std::make_unique<QSignalSpy>(porgressDialog->findChild<QProgressBar*>(),
                                            &QProgressBar::valueChanged);
    }
    static QList<int> values(const QSignalSpy& spy) {
        QList<int> taken;
        for (const QList<QVariant>& call : spy) {
            taken << call.at(0).toInt();
        }
        return taken;
    }
    static bool anyTimerRunning(const QObject* object) {
        for (const QTimer* timer : object->findChildren<QTimer*>()) {
            if (timer->isActive()) {
                return true;
            }
        }
        return false;
    }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void firstRequestCreatesTheDialog();
    void laterRequestsKeepTheDialog();
    void refinementUsesTheDialogFrom500Brackets_data();
    void refinementUsesTheDialogFrom500Brackets();
    void exampleWithManyBracketsDrivesTheDialog();
    void cancelDuringRefinementEndsTheList();
    void cancelDuringLongScanSaysHowFarItCame_data();
    void cancelDuringLongScanSaysHowFarItCame();
    void longScanIsNotCancelledByItself();
    void cancelDuringSearchKeepsTheRootsFound();
    void dialogDiesWithItsWindow();
};

void EquationProgressTest::init() {
    Schrittweite = 100;
    Index_Beispiel = 0;
    form = startWindow<CancellingForm>();
    QVERIFY(form != nullptr);
}

void EquationProgressTest::firstRequestCreatesTheDialog() {
    QVERIFY(porgressDialog == nullptr);
    solve("X^2", "2");
    QVERIFY(porgressDialog != nullptr);
    QCOMPARE(porgressDialog->parent(), form.get());
    // The text's runs of tabs and blanks show as single blanks, and the dialog is as wide as
    // its text needs.
    QCOMPARE(porgressDialog->labelText(),
             QString::fromUtf8("F\u00fchre Berechnungen durch.\n\nBitte warten!"));
    QVERIFY(porgressDialog->sizeHint().width() < 400);
    QVERIFY(porgressDialog->width() < 400);
    const QPushButton* cancelButton = porgressDialog->findChild<QPushButton*>();
    QVERIFY(cancelButton != nullptr);
    QCOMPARE(cancelButton->text(), "&Abbruch");
    QCOMPARE(porgressDialog->minimum(), 0);
    QCOMPARE(porgressDialog->maximum(), 100);
    QCOMPARE(porgressDialog->minimumDuration(), 100000);
    QVERIFY(porgressDialog->isModal());
    QVERIFY(porgressDialog->objectName().isEmpty());
    QVERIFY(!porgressDialog->isVisible());
    // The dialog's clock is stopped: it does not pop up by itself later.
    QVERIFY(!anyTimerRunning(porgressDialog));
}

void EquationProgressTest::laterRequestsKeepTheDialog() {
    solve("X^2", "2");
    QProgressDialog* const first = porgressDialog;
    QTest::mouseClick(form->IstGleich_pushButton, Qt::LeftButton);
    QCOMPARE(porgressDialog, first);
    QCOMPARE(form->findChildren<QProgressDialog*>().size(), 1);
}

void EquationProgressTest::refinementUsesTheDialogFrom500Brackets_data() {
    QTest::addColumn<int>("halfWidth");
    QTest::addColumn<int>("brackets");
    QTest::addColumn<bool>("usesDialog");

    // 0.5 sin((x - 0.5) pi / 2) = 0 at x = 2 k + 0.5: in [-499, 499] for k = -249 ... 249,
    // in [-500, 500] for k = -250 ... 249. Scans of at most 100,000 steps.
    QTest::newRow("499 brackets") << 499 << 499 << false;
    QTest::newRow("500 brackets") << 500 << 500 << true;
}

void EquationProgressTest::refinementUsesTheDialogFrom500Brackets() {
    QFETCH(int, halfWidth);
    QFETCH(int, brackets);
    QFETCH(bool, usesDialog);
    form->Delta_spinBox->setValue(halfWidth);
    createDialog();
    const auto spy = spyOnBar();
    solve("0.5*sin((x-0.5)*pi/2)", "0");
    QCOMPARE(form->Ergebnisse_ListBox->count(), 3 + brackets + 1);
    QList<int> expected;
    if (usesDialog) {
        for (int step = 0; step <= brackets; ++step) {
            expected << step;
        }
    }
    QCOMPARE(values(*spy), expected);
    QCOMPARE(porgressDialog->maximum(), usesDialog ? brackets : 100);
    QCOMPARE(Inc_porgressDialog, usesDialog ? brackets : 0);
    QVERIFY(!anyTimerRunning(porgressDialog));
}

void EquationProgressTest::exampleWithManyBracketsDrivesTheDialog() {
    // Example 19, 0.5*sin(x*10)+x=x, has 6367 brackets in a scan of 200,000 steps.
    createDialog();
    const auto spy = spyOnBar();
    Index_Beispiel = 18;
    QTest::mouseClick(form->Beispiel_pushButton, Qt::LeftButton);
    QCOMPARE(form->Beispiel_pushButton->text(), "Beispiel:19");

    // Started at 0, advanced by one per bracket, reset at the end.
    QList<int> expected;
    for (int step = 0; step <= SineRoots; ++step) {
        expected << step;
    }
    QCOMPARE(values(*spy), expected);
    QCOMPARE(porgressDialog->maximum(), SineRoots);
    QCOMPARE(porgressDialog->value(), -1);
    QCOMPARE(Inc_porgressDialog, SineRoots);
    QVERIFY(!porgressDialog->isVisible());
    QVERIFY(!anyTimerRunning(porgressDialog));
    QVERIFY(work);

    const QStringList all = lines(form->Ergebnisse_ListBox);
    const QStringList block = all.mid(all.indexOf("0.5*sin(x*10)+x = x"));
    QCOMPARE(block.size(), 3 + SineRoots + 1);
    const double pi = std::acos(-1.0);
    for (int k = -3183; k <= 3183; ++k) {
        const QString line = block[3 + 3183 + k];
        const double root = line.mid(line.indexOf(" = ") + 3).toDouble();
        QVERIFY2(std::fabs(root - k * pi / 10) < 1e-6, qPrintable(line));
    }
}

void EquationProgressTest::cancelDuringRefinementEndsTheList() {
    createDialog();
    form->cancelAt = 10;
    solve("0.5*sin(x*10)", "0");
    // The tenth root is written before the cancel is seen; the eleventh bracket is
    // refined but not written.
    QCOMPARE(form->refinements, 11);
    QVERIFY(!work);
    const QStringList expected{"0.5*sin(x*10) = 0",
                               "",
                               " ",
                               "X1 = -999.9689416",
                               "X2 = -999.6547824",
                               "X3 = -999.3406231",
                               "X4 = -999.0264638",
                               "X5 = -998.7123046",
                               "X6 = -998.3981453",
                               "X7 = -998.083986",
                               "X8 = -997.7698268",
                               "X9 = -997.4556675",
                               "X10 = -997.1415082",
                               "Abgebrochen: die Liste reicht bis x = -997.14",
                               Closing};
    QCOMPARE(lines(form->Ergebnisse_ListBox), expected);
    QVERIFY(!porgressDialog->isVisible());
    QVERIFY(!porgressDialog->wasCanceled());
    QVERIFY(!anyTimerRunning(porgressDialog));
}

void EquationProgressTest::cancelDuringLongScanSaysHowFarItCame_data() {
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<bool>("manyBrackets");

    // Both sides add the same six powers, about 200 ns of library calls per step on two
    // cores, so that the dialog's prediction exceeds 100 s on a fast machine too. The term
    // tan(x*1000)*0 is 0 at every point but has a pole in every stretch an enclosure could
    // take, so that no stretch of the scan is passed over.
    const QString costly = "+(x^2+1)^0.25+(x^2+2)^0.25+(x^2+3)^0.25+(x^2+4)^0.25+"
                           "(x^2+5)^0.25+(x^2+6)^0.25";
    QTest::newRow("few brackets") << "sin(x)+cos(x)+sqrt(x^2+1)+tan(x*1000)*0" + costly
                                  << "ln(x^2+1)" + costly << false;
    // Ten roots per pi: thousands of brackets before the cancel, which the refinement
    // phase takes as its total steps before the request ends.
    QTest::newRow("many brackets")
        << "0.5*sin(x*10)+sqrt(x^2+1)" + costly << "sqrt(x^2+1)" + costly << true;
}

void EquationProgressTest::cancelDuringLongScanSaysHowFarItCame() {
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(bool, manyBrackets);
    // 2,000,000 x 1000 grid steps: the dialog shows once the first progress predicts more
    // than 100 s, and a click on its button ends the request.
    createDialog();
    form->Delta_spinBox->setValue(1000000);
    QTest::mouseClick(form->tusendstel_radioButton, Qt::LeftButton);

    bool shown = false;
    QTimer canceller;
    canceller.setInterval(10);
    connect(&canceller, &QTimer::timeout, this, [&shown] {
        if (porgressDialog->isVisible()) {
            shown = true;
            QPushButton* button = porgressDialog->findChild<QPushButton*>();
            QTest::mouseClick(button, Qt::LeftButton);
        }
    });
    canceller.start();
    QElapsedTimer clock;
    clock.start();
    solve(left, right);
    canceller.stop();

    QVERIFY(shown);
    QVERIFY(!work);
    const QStringList written = lines(form->Ergebnisse_ListBox);
    QCOMPARE(written.size(), 4);
    QCOMPARE(written.mid(0, 2), (QStringList{left + " = " + right, ""}));
    QVERIFY2(written[2].startsWith("Abgebrochen: gesucht bis x = "), qPrintable(written[2]));
    const double reached = written[2].mid(written[2].lastIndexOf(' ') + 1).toDouble();
    QVERIFY2(reached >= -1000000 && reached <= 1000000, qPrintable(written[2]));
    QCOMPARE(written[3], Closing);
    if (manyBrackets) {
        QVERIFY(porgressDialog->maximum() > 499);
        QVERIFY(porgressDialog->maximum() < 2000000000);
    } else {
        QCOMPARE(porgressDialog->maximum(), 2000000000);
    }
    // Hidden, and its clock stopped: it does not come back by itself.
    QVERIFY(!porgressDialog->isVisible());
    QVERIFY(!anyTimerRunning(porgressDialog));
    QVERIFY2(clock.elapsed() < 60000, "the cancel came late");
    qInfo("scan of 2e9 steps cancelled after %lld ms", static_cast<long long>(clock.elapsed()));

    // The next request runs as usual.
    QTest::mouseClick(form->hunderstel_radioButton, Qt::LeftButton);
    form->Delta_spinBox->setValue(1000);
    QTest::mouseClick(form->clearEingabe_pushButton, Qt::LeftButton);
    solve("X^2", "2");
    QCOMPARE(form->Ergebnisse_ListBox->count(), 4 + 6);
    QVERIFY(work);
}

void EquationProgressTest::longScanIsNotCancelledByItself() {
    // 1,000,000 steps (the smallest scan that uses the dialog): x = 0.5 on [0, 10000].
    createDialog();
    form->Mitte_spinBox->setValue(5000);
    form->Delta_spinBox->setValue(5000);
    const auto spy = spyOnBar();
    solve("x", "0.5");
    QCOMPARE(lines(form->Ergebnisse_ListBox),
             (QStringList{"x = 0.5", "", " ", "X1 =  0.5", Closing}));
    // The dialog counts the scan's steps and then the steps searched inside: the scan's progress
    // every 1,000,000 / 100 steps from 0 to its end, then the search's, rising to the end of both.
    QCOMPARE(porgressDialog->maximum(), 2000000);
    const QList<int> taken = values(*spy);
    QList<int> scanned;
    for (int step = 0; step <= 1000000; step += 10000) {
        scanned << step;
    }
    QCOMPARE(taken.mid(0, scanned.size()), scanned);
    QVERIFY(std::is_sorted(taken.begin(), taken.end()));
    QCOMPARE(taken.last(), 2000000);
    QVERIFY(work);
    QVERIFY(!anyTimerRunning(porgressDialog));
}

void EquationProgressTest::cancelDuringSearchKeepsTheRootsFound() {
    // tan(x) = x over 2,000,000 steps: the scan is quick, the search beside each pole is not.
    // The cancel comes once the dialog counts the search, past the scan's half of its range.
    createDialog();
    form->Delta_spinBox->setValue(10000);
    QProgressBar* bar = porgressDialog->findChild<QProgressBar*>();
    bool cancelled = false;
    connect(bar, &QProgressBar::valueChanged, this, [&cancelled](int value) {
        if (!cancelled && value > porgressDialog->maximum() / 2 + porgressDialog->maximum() / 20) {
            cancelled = true;
            porgressDialog->cancel();
        }
    });
    solve("tan(x)", "x");
    QVERIFY(cancelled);

    // The roots found stay listed, in order and right to the printed digits; the list says up
    // to where it reaches, and it holds every root up to there.
    const QStringList written = lines(form->Ergebnisse_ListBox);
    QVERIFY(written.size() > 5);
    QCOMPARE(written.last(), Closing);
    const QString end = written[written.size() - 2];
    QVERIFY2(end.startsWith("Abgebrochen: die Liste reicht bis x = "), qPrintable(end));
    const long double reached = end.mid(end.lastIndexOf(' ') + 1).toDouble();
    QVERIFY2(reached > -10000 && reached < 10000, qPrintable(end));
    QStringList roots;
    for (const QString& line : written) {
        if (line.startsWith('X')) {
            roots << line;
        }
    }
    // Every root up to there; those listed beyond it are the next ones.
    const std::vector<long double> expected = tangentEqualsXRoots(-10000, 10000);
    const auto upToReached = std::count_if(expected.begin(), expected.end(),
                                           [reached](long double x) { return x <= reached; });
    QVERIFY(upToReached > 0);
    QVERIFY2(roots.size() >= upToReached, qPrintable(QString("%1 roots listed, %2 up to %3")
                                                         .arg(roots.size())
                                                         .arg(upToReached)
                                                         .arg(static_cast<double>(reached))));
    QVERIFY(roots.size() < static_cast<qsizetype>(expected.size()));
    for (qsizetype i = 0; i < roots.size(); ++i) {
        const double root = roots[i].mid(roots[i].indexOf(" = ") + 3).toDouble();
        QVERIFY2(std::fabs(root - static_cast<double>(expected[i])) <=
                     1e-9 * std::max(1.0, std::fabs(root)),
                 qPrintable(roots[i]));
    }
    QVERIFY(!porgressDialog->isVisible());
    QVERIFY(!anyTimerRunning(porgressDialog));
}

void EquationProgressTest::dialogDiesWithItsWindow() {
    createDialog();
    form.reset();
    QVERIFY(porgressDialog == nullptr);
    // A new window makes a dialog of its own with its first request.
    init();
    solve("x", "1");
    QVERIFY(porgressDialog != nullptr);
    QCOMPARE(porgressDialog->parent(), form.get());
}

QUINT_QTEST_MAIN(EquationProgressTest)
#include "equation_progress_test.moc"
