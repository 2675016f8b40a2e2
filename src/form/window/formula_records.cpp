#include "form/window/formula_records.h"

Formelinterpreter links;
Formelinterpreter rechts;

void compileEquation(std::string_view left, std::string_view right, EquationSides& sides) {
    links.setFormel(left);
    rechts.setFormel(right);
    links.Formel_compillieren();
    rechts.Formel_compillieren();
    sides.compile(links, rechts);
}

void keepLastX(long double x) {
    links.X = x;
    rechts.X = x;
}
