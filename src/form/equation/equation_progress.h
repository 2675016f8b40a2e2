#pragma once

#include "solver/progress_reporter.h"

class QProgressDialog;
class QWidget;

// Creates the modal progress dialog of the equation page with its German texts, 100 steps
// and a minimum duration of 100 s, so that only long computations show it. Its clock is
// stopped: it appears only while a phase reports progress.
QProgressDialog* createEquationProgressDialog(QWidget* parent);

// The root search's progress display, shown by a progress dialog. Each phase starts the
// dialog's clock at its minimum, so that the dialog appears only for phases that run long.
class DialogProgress : public ProgressReporter {
public:
    explicit DialogProgress(QProgressDialog* dialog) : dialog_(dialog) {}

    // Sets the maximum and starts the phase at 0.
    void setTotalSteps(int total) override;
    // Sets the value; ignored once the user has cancelled, so that the dialog the cancel
    // closed does not appear again.
    void setProgress(int done) override;
    bool wasCancelled() override;
    void reset() override;
    // Serves pending events while the scan runs on other threads: all of them once the
    // modal dialog shows, before that only those that are not user input, so that the
    // window repaints but takes no clicks.
    void whileWaiting() override;

private:
    QProgressDialog* dialog_;
};
