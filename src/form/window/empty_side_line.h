#pragma once

#include <QString>

#include "interpreter/formelinterpreter.h"

// "Die linke Seite ist leer" or "Die rechte Seite ist leer" when a compiled side holds no
// text but blanks, which would otherwise be evaluated as 0; empty for any other side.
// Translated in context Form1.
QString emptySideLine(const Formelinterpreter& side, bool leftSide);

// The line of the left side, or else of the right one.
QString emptySideLine(const Formelinterpreter& left, const Formelinterpreter& right);
