#include "interpreter/flat_program.h"

bool FlatProgram::readsX() const {
    for (int i = 0; i < count; ++i) {
        if (flat::readsX(ops[i].kind)) {
            return true;
        }
    }
    return false;
}

bool FlatProgram::seesXAsDouble() const {
    for (int i = 0; i < count; ++i) {
        const Kind kind = ops[i].kind;
        if (flat::readsX(kind) && !flat::callsLibrary(kind)) {
            return false;
        }
    }
    return true;
}
