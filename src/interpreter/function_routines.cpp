#include "interpreter/formelinterpreter.h"
#include "interpreter/function_table.h"

// Each routine evaluates the parenthesised argument that follows its code.
#define QUINT_FUNCTION_ROUTINE(name, code, word, routine, ...)                                     \
    long double Formelinterpreter::routine() { return applyFunction(name, functionArgument()); }
QUINT_FUNCTIONS(QUINT_FUNCTION_ROUTINE)
#undef QUINT_FUNCTION_ROUTINE
