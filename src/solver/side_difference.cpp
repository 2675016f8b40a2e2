#include "solver/side_difference.h"

DifferenceBlock DifferenceSource::atBlock(const long double* x, int count,
                                          DifferenceBlock::Storage& storage) const {
    static constexpr long double zero = 0;
    static constexpr int none = 0;
    FlatProgram::BlockOutcome& d = storage.left;
    for (int i = 0; i < count; ++i) {
        const SideDifference value = at(x[i]);
        d.value[i] = value.d;
        d.error[i] = value.failed ? 1 : 0;
        d.status[i] = value.skippedDivision ? SkippedDivisionStatus : 0;
    }
    return {DifferenceBlock::sideOf(d), DifferenceBlock::constantSide(zero, none, none)};
}
