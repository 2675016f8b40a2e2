#include "solver/root_finder.h"

#include "solver/root_refinement.h"

std::vector<FoundRoot> findRoots(const DifferenceSource& sides, const ScanGrid& grid,
                                 ProgressReporter* progress) {
    std::vector<FoundRoot> roots;
    for (const RootBracket& bracket : scanGridForRoots(sides, grid, progress).brackets) {
        if (bracket.kind != BracketKind::SignChange) {
            roots.push_back({bracket.lower, bracket.kind});
            continue;
        }
        const NarrowedSignChange refined = refineSignChange(sides, bracket.lower, bracket.upper);
        if (refined.kind == SignChangeKind::Root) {
            roots.push_back({refined.root, BracketKind::SignChange});
        }
    }
    return roots;
}
