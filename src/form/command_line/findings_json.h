#pragma once

#include <QByteArray>

#include "form/equation/solve_record.h"

// The findings of a solve as JSON, from the rows of the findings table:
//   {"equation": "x^2 = 2", "interval_from": -1000, "interval_to": 1000, "step": 0.01,
//    "findings": [{"kind": "root", "x_from": -1.414213562, "x_to": -1.414213562}, ...]}
// The numbers are those the rows print.
QByteArray findingsJson(const SolveRecord& solve);
