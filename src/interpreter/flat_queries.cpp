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

int FlatProgram::exactEnclosureWeight() const {
    int weight = 0;
    for (int i = 0; i < count; ++i) {
        const flat::Rule rule = flat::ruleOf(ops[i].kind);
        weight += rule == flat::Rule::Power ? 16 : flat::callsLibrary(rule) ? 2 : 0;
    }
    return weight;
}
