#include "solver/root_finder.h"

#include "solver/equation_search.h"
#include "solver/root_refinement.h"

std::vector<FoundRoot> findRoots(const DifferenceSource& sides, const ScanGrid& grid,
                                 ProgressReporter* progress) {
    std::vector<FoundRoot> roots;
    for (const RootBracket& bracket : searchEquation(sides, grid, progress).brackets) {
        if (bracket.kind == BracketKind::Identity || bracket.kind == BracketKind::Plateau) {
            continue;
        }
        const std::optional<long double> root =
            settleBracket(bracket.lower, bracket.upper,
                          [&sides](long double lower, long double upper, bool& Fehler) {
                              return refineBracket(sides, lower, upper, Fehler);
                          });
        if (root) {
            roots.push_back({*root, bracket.kind});
        }
    }
    return roots;
}
