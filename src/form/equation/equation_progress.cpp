#include "form/equation/equation_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QStringList>

#include "form/window/i18n.h"

namespace {

constexpr int InitialSteps = 100;
constexpr int MinimumDurationMs = 100000;

// The text's tabs line nothing up on screen; shown as they are, they stretch the dialog to
// over a thousand pixels. Each line is shown with its runs of blanks and tabs as one blank.
QString shownText(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line = line.simplified();
    }
    return lines.join(QLatin1Char('\n')).trimmed();
}

} // namespace

QProgressDialog* createEquationProgressDialog(QWidget* parent) {
    auto* dialog = new QProgressDialog(
        shownText(i18n(QT_TRANSLATE_NOOP("i18n", "\t\t\t\t\t\t\t\tFühre Berechnungen \t\t  "
                                                 "durch.\t\t\t\t\t\t\t\t\n\nBitte\twarten!\n"))),
        i18n(QT_TRANSLATE_NOOP("i18n", "&Abbruch")), 0, InitialSteps, parent, Qt::WindowFlags());
    dialog->setModal(true);
    dialog->setMinimumDuration(MinimumDurationMs);
    // The dialog starts its clock when it is created and would pop up by itself once the
    // minimum duration has passed in the event loop.
    dialog->reset();
    return dialog;
}

void DialogProgress::setTotalSteps(int total) {
    dialog_->setMaximum(total);
    dialog_->setValue(0);
}

void DialogProgress::setProgress(int done) {
    if (!dialog_->wasCanceled()) {
        dialog_->setValue(done);
    }
}

bool DialogProgress::wasCancelled() {
    return dialog_->wasCanceled();
}

void DialogProgress::reset() {
    dialog_->reset();
}

void DialogProgress::whileWaiting() {
    if (dialog_->isVisible()) {
        QCoreApplication::processEvents();
    } else {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}
