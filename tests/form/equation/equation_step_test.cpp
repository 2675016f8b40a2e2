// The grid-step buttons: the step they choose and the line each click writes to
// standard output at once.
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <functional>
#include <memory>
#include <unistd.h>

#include "equation_test_support.h"
#include "form/equation/equation_state.h"
#include "form/window/application_setup.h"
#include "form/window/form1.h"

namespace {

// Runs action with standard output going to a temporary file and returns what reached
// the file. The stream is not flushed before the file is read: only what the action
// flushed itself is seen.
QByteArray writtenToStdout(const std::function<void()>& action) {
    std::fflush(stdout);
    QTemporaryFile file;
    if (!file.open()) {
        return "no temporary file";
    }
    const int saved = dup(STDOUT_FILENO);
    dup2(file.handle(), STDOUT_FILENO);
    action();
    QFile reader(file.fileName());
    const QByteArray written = reader.open(QIODevice::ReadOnly) ? reader.readAll() : "unread";
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    return written;
}

} // namespace

class EquationStepTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> form;

    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

private slots:
    void init();
    void cleanup() { form.reset(); }

    void stepButtonsPrintTheStep();
    void clickOnTheCheckedButtonPrintsAgain();
    void otherIdsKeepTheStep();
    void stepChangesTheRoots();
};

void EquationStepTest::init() {
    Schrittweite = 100;
    form = startWindow<Form1>();
    QVERIFY(form != nullptr);
}

void EquationStepTest::stepButtonsPrintTheStep() {
    QCOMPARE(writtenToStdout([this] { click(form->tusendstel_radioButton); }),
             "Schrittweite:1000\n");
    QCOMPARE(Schrittweite, 1000.0L);
    QVERIFY(form->tusendstel_radioButton->isChecked());
    QCOMPARE(writtenToStdout([this] { click(form->hunderstel_radioButton); }),
             "Schrittweite:100\n");
    QCOMPARE(Schrittweite, 100.0L);
}

void EquationStepTest::clickOnTheCheckedButtonPrintsAgain() {
    QVERIFY(form->hunderstel_radioButton->isChecked());
    QCOMPARE(writtenToStdout([this] {
                 click(form->hunderstel_radioButton);
                 click(form->hunderstel_radioButton);
             }),
             "Schrittweite:100\nSchrittweite:100\n");
}

void EquationStepTest::otherIdsKeepTheStep() {
    click(form->tusendstel_radioButton);
    QCOMPARE(writtenToStdout([this] { form->SchrittweiteSlot(2); }), "Schrittweite:1000\n");
    QCOMPARE(writtenToStdout([this] { form->SchrittweiteSlot(-1); }), "Schrittweite:1000\n");
    QCOMPARE(Schrittweite, 1000.0L);
}

void EquationStepTest::stepChangesTheRoots() {
    // All four roots lie within one step of 0.01, and 0.0035 between grid points of 0.001
    // too: either step lists each of them once.
    QTest::keyClicks(form->GleichLinks_LineEdit, "(x-0.001)*(x-0.004)*(x-0.007)*(x-0.0035)");
    QTest::keyClicks(form->GleichRechts_LineEdit, "0");
    for (QRadioButton* step : {form->hunderstel_radioButton, form->tusendstel_radioButton}) {
        form->Ergebnisse_ListBox->clear();
        click(step);
        click(form->IstGleich_pushButton);
        QCOMPARE(
            lines(form->Ergebnisse_ListBox).mid(3),
            (QStringList{"X1 =  0.001", "X2 =  0.0035", "X3 =  0.004", "X4 =  0.007", Closing}));
    }
}

int main(int argc, char* argv[]) {
    // Fully buffered, as when the output goes to a pipe: only a flush writes it out.
    std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);
    QApplication application(argc, argv);
    setupApplication();
    EquationStepTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "equation_step_test.moc"
