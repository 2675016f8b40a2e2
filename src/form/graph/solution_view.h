#pragma once

// The zoom and horizontal pan that show an interval of x whole in a frame, as the view's
// rules allow them: the zoom 100 * 2^k within its limits, the pan whole pixels within the
// range of its scroll bar.
struct IntervalView {
    long double groesse;
    long double xOffset;
};

// The largest zoom at which from ... to fits the width less a margin on either side, and the
// pan that puts the interval's middle in the frame's centre column.
IntervalView solutionIntervalView(int width, long double from, long double to);
