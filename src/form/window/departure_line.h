#pragma once

#include <QString>

#include "interpreter/formelinterpreter.h"

// The line that names the first place where a compiled side is not read as typed, such as
// "Unbekanntes Wort auf der linken Seite: sinx" or "Fehlendes Malzeichen auf der rechten
// Seite: 2x"; empty when the side is read as typed. Translated in context Form1.
QString departureLine(const Formelinterpreter& side, bool leftSide);

// The line of the left side, or else of the right one.
QString departureLine(const Formelinterpreter& left, const Formelinterpreter& right);
