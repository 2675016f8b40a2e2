#include "solver/root_refinement.h"

NarrowedSignChange refineSignChange(const DifferenceSource& sides, long double lower,
                                    long double upper) {
    return narrowSignChange(sides, sampleAt(sides, lower), sampleAt(sides, upper));
}

long double refineBracket(const DifferenceSource& sides, long double XL, long double XR,
                          bool& Fehler) {
    const NarrowedSignChange refined = refineSignChange(sides, XL, XR);
    Fehler = refined.kind != SignChangeKind::Root;
    return refined.root;
}
