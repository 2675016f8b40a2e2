#pragma once

// What a long computation reports to and asks of its progress display. The equation page
// implements it with its modal progress dialog; the root search needs no toolkit.
class ProgressReporter {
public:
    virtual ~ProgressReporter() = default;

    // Sets the number of steps of the phase that starts now.
    virtual void setTotalSteps(int total) = 0;
    // Shows that this many steps are done.
    virtual void setProgress(int done) = 0;
    // True once the user asked to stop.
    virtual bool wasCancelled() = 0;
    // Ends the phase.
    virtual void reset() = 0;
    // Called about every 20 ms while the scan runs on worker threads: the display may
    // serve pending events meanwhile.
    virtual void whileWaiting() {}
};
