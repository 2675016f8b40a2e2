#include "interpreter/flat_program.h"

bool FlatProgram::readsX() const {
    for (int i = 0; i < count; ++i) {
        if (flat::readsX(ops[i].kind)) {
            return true;
        }
    }
    return false;
}
