#include "form/linear_system/linear_system_examples.h"

#include <QtGlobal>

int BeispielNr = 0;

namespace linear_system_examples {

const Example Examples[Count] = {
    {QT_TRANSLATE_NOOP(
         "Form1", "Beispiel: 1 --------------------------------------------------------------"),
     3,
     {{"18", "1", "1", "1"}, {"12", "1", "1", "-1"}, {"-8", "1", "-1", "-1"}},
     {QT_TRANSLATE_NOOP("Form1", "G1: 18 = 1*X1 + 1*X2 + 1*X3"),
      QT_TRANSLATE_NOOP("Form1", "G2: 12 = 1*x1 + 1*x2 - 1*x3"),
      QT_TRANSLATE_NOOP("Form1", "G3: -8 = 1*x1 - 1*x2 - 1*x3")}},
    {QT_TRANSLATE_NOOP(
         "Form1", "Beispiel: 2---------------------------------------------------------------"),
     3,
     {{"29", "2", "3", "2"}, {"31", "3", "2", "3"}, {"40", "4", "4", "2"}},
     {QT_TRANSLATE_NOOP("Form1", "G1: 29 = 2*X1 + 3*X2 + 2*X3"),
      QT_TRANSLATE_NOOP("Form1", "G2: 31 = 3*x1 + 2*x2 + 3*x3"),
      QT_TRANSLATE_NOOP("Form1", "G3: 40 = 4*x1 + 4*x2 + 2*x3")}},
    {QT_TRANSLATE_NOOP("Form1",
                       "Beispiel: 3 -------------------------------------------------------------"),
     3,
     {{"20", "8", "12", "0"}, {"10", "0", "-12", "10"}, {"0", "-1", "1", "1"}},
     {}},
    {QT_TRANSLATE_NOOP("Form1",
                       "Beispiel: 4 ------------------------------------------------------------"),
     4,
     {{"-2", "0", "-2", "-10", "2"},
      {"32", "4.71", "8.3", "-16", "12"},
      {"16.72", "1", "2", "2", "-4"},
      {"-32", "1", "-10", "0", "-3"}},
     {}},
};

} // namespace linear_system_examples
