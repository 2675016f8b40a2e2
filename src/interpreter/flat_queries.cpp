#include "interpreter/flat_program.h"

bool FlatProgram::readsX() const {
    for (int i = 0; i < count; ++i) {
        switch (ops[i].kind) {
        case LoadX:
        case LoadNegX:
        case AddX:
        case SubX:
        case MulX:
        case DivX:
        case PowX:
        case XAddC:
        case XSubC:
        case XMulC:
        case XPowInt:
        case XFunction:
        case XDivC:
        case CDivX:
        case SubRevX:
        case DivRevX:
        case PowRevX:
            return true;
        default:
            break;
        }
    }
    return false;
}
