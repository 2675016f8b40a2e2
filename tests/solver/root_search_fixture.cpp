#include "root_search_fixture.h"

#include "interpreter/round.h"
#include "reference_scan.h"
#include "solver/equation_search.h"
#include "solver/root_refinement.h"
#include "solver/settle_roots.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <sstream>

void RootSearchTest::setEquation(std::string_view left, std::string_view right) {
    sides_.compile(left, right);
    reference_.compile(left, right);
}

std::vector<Bracket> RootSearchTest::scanWith(int a, int b, long double stepsPerUnit,
                                              ProgressReporter* progress, ScanPath path,
                                              const ParallelScanOptions& options) {
    const ScanGrid grid = makeGrid(a, b, stepsPerUnit);
    last_ = path == ScanPath::Parallel ? scanGridForRoots(sides_, grid, progress, options)
                                       : scanSequentially(reference_, grid, progress);
    std::vector<Bracket> brackets;
    for (const RootBracket& bracket : last_.brackets) {
        brackets.push_back({bracket.lower, bracket.upper});
    }
    return brackets;
}

std::vector<long double> RootSearchTest::solveWith(int a, int b, long double stepsPerUnit,
                                                   const ParallelScanOptions& options) {
    search_ = searchEquation(sides_, makeGrid(a, b, stepsPerUnit), nullptr, options);
    findings_ = settleRoots(
                    search_.findings,
                    [this](long double lower, long double upper, bool& Fehler) {
                        return refineBracket(sides_, lower, upper, Fehler);
                    },
                    [] { return true; }, [] {})
                    .findings;
    std::vector<long double> roots;
    for (const Finding& f : findings_) {
        if (f.kind == FindingKind::Root) {
            roots.push_back(f.lower);
        }
    }
    return roots;
}

std::vector<Finding> RootSearchTest::findingsOf(FindingKind kind) const {
    std::vector<Finding> found;
    for (const Finding& f : findings_) {
        if (f.kind == kind) {
            found.push_back(f);
        }
    }
    return found;
}

namespace {

bool sameBits(long double a, long double b) {
    return std::memcmp(&a, &b, 10) == 0;
}

} // namespace

::testing::AssertionResult sameOutcome(const ScanOutcome& pruned, const ScanOutcome& full) {
    if (pruned.brackets.size() != full.brackets.size()) {
        return ::testing::AssertionFailure() << pruned.brackets.size() << " brackets pruned, "
                                             << full.brackets.size() << " in full";
    }
    for (size_t i = 0; i < full.brackets.size(); ++i) {
        const RootBracket& p = pruned.brackets[i];
        const RootBracket& f = full.brackets[i];
        if (!sameBits(p.lower, f.lower) || !sameBits(p.upper, f.upper) || p.kind != f.kind) {
            std::ostringstream out;
            out.precision(21);
            out << "bracket " << i << ": pruned [" << p.lower << ", " << p.upper << "] kind "
                << static_cast<int>(p.kind) << ", in full [" << f.lower << ", " << f.upper
                << "] kind " << static_cast<int>(f.kind);
            return ::testing::AssertionFailure() << out.str();
        }
    }
    if (pruned.cancelled != full.cancelled || !sameBits(pruned.lastX, full.lastX)) {
        return ::testing::AssertionFailure() << "a different end of the scan";
    }
    return ::testing::AssertionSuccess();
}

std::string printedRoot(long double root) {
    char text[64];
    std::snprintf(text, sizeof text, "% .10Lg", Round(root, 10));
    return text;
}

std::vector<long double> periodic(long double first, long double period, long double a,
                                  long double b) {
    std::vector<long double> roots;
    const long double k0 = std::ceil((a - first) / period);
    for (long double k = k0; first + k * period <= b; ++k) {
        roots.push_back(first + k * period);
    }
    return roots;
}
