#pragma once

#include <QString>

#include "form/linear_system/table_system.h"

class Form1;

// What the user has typed and chosen in the window: the kept work of a run and of a session.
struct WindowInputs {
    QString left;
    QString right;
    int centre = 0;
    int halfWidth = 1000;
    bool thousandths = false; // the grid step 0.001, else 0.01
    int page = 0;             // 0: one equation, 1: linear systems
    int equationTab = 0;      // the tab of page 0
    int systemTab = 0;        // the tab of page 1
    CellTexts cells;          // the coefficient table, row by row

    bool operator==(const WindowInputs&) const = default;
};

WindowInputs inputsOf(const Form1& window);

// Puts the inputs into the window as if typed and chosen: the interval read-outs follow the
// spin boxes and the step is the one the search uses; values beyond a control's range are
// brought into it, cells beyond the table are left out. Prints nothing.
void applyInputs(Form1& window, const WindowInputs& inputs);
