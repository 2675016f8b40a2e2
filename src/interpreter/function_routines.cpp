#include "interpreter/formelinterpreter.h"
#include "interpreter/function_formulas.h"

// Each routine evaluates the parenthesised argument that follows its code.

long double Formelinterpreter::SINUS() {
    return applyFunction(Sin, functionArgument());
}
long double Formelinterpreter::COSINUS() {
    return applyFunction(Cos, functionArgument());
}
long double Formelinterpreter::TANGENS() {
    return applyFunction(Tan, functionArgument());
}
long double Formelinterpreter::COTANGENS() {
    return applyFunction(Cot, functionArgument());
}
long double Formelinterpreter::ASINUS() {
    return applyFunction(ASin, functionArgument());
}
long double Formelinterpreter::ACOSINUS() {
    return applyFunction(ACos, functionArgument());
}
long double Formelinterpreter::ATANGENS() {
    return applyFunction(ATan, functionArgument());
}
long double Formelinterpreter::ACOTANGENS() {
    return applyFunction(ACot, functionArgument());
}
long double Formelinterpreter::SINUS_DEG() {
    return applyFunction(SinD, functionArgument());
}
long double Formelinterpreter::COSINUS_DEG() {
    return applyFunction(CosD, functionArgument());
}
long double Formelinterpreter::TANGENS_DEG() {
    return applyFunction(TanD, functionArgument());
}
long double Formelinterpreter::COTANGENS_DEG() {
    return applyFunction(CotD, functionArgument());
}
long double Formelinterpreter::ASINUS_DEG() {
    return applyFunction(ASinD, functionArgument());
}
long double Formelinterpreter::ACOSINUS_DEG() {
    return applyFunction(ACosD, functionArgument());
}
long double Formelinterpreter::ATANGENS_DEG() {
    return applyFunction(ATanD, functionArgument());
}
long double Formelinterpreter::ACOTANGENS_DEG() {
    return applyFunction(ACotD, functionArgument());
}
long double Formelinterpreter::SINUSH() {
    return applyFunction(SinH, functionArgument());
}
long double Formelinterpreter::COSINUSH() {
    return applyFunction(CosH, functionArgument());
}
long double Formelinterpreter::TANGENSH() {
    return applyFunction(TanH, functionArgument());
}
long double Formelinterpreter::QWURZEL() {
    return applyFunction(Sqrt, functionArgument());
}
long double Formelinterpreter::LOG() {
    return applyFunction(Log, functionArgument());
}
long double Formelinterpreter::LN() {
    return applyFunction(Ln, functionArgument());
}
long double Formelinterpreter::EXP_Z() {
    return applyFunction(ExpZ, functionArgument());
}
long double Formelinterpreter::EXP_N() {
    return applyFunction(ExpN, functionArgument());
}
