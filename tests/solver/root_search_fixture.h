#pragma once

#include "reference_sides.h"
#include "solver/bracket_scan.h"
#include "solver/equation_search.h"
#include "solver/equation_sides.h"
#include "solver/progress_reporter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

struct Bracket {
    long double lower;
    long double upper;
};

// The scan that runs on every core, and the point-by-point reference.
enum class ScanPath { Parallel, Sequential };

// An equation under test: its sides recorded as flat programs, and the same sides through
// the reference evaluator.
class RootSearchTest : public testing::Test {
protected:
    void setEquation(std::string_view left, std::string_view right);

    // Runs the scan with the given grid steps per unit and returns its brackets. The parallel
    // scan runs on the flat programs, the sequential reference on the reference evaluator.
    std::vector<Bracket> scanWith(int a, int b, long double stepsPerUnit,
                                  ProgressReporter* progress = nullptr,
                                  ScanPath path = ScanPath::Parallel,
                                  const ParallelScanOptions& options = {});

    // Searches as the equation page does, then settles every root: a settled one as it stands,
    // a sign change refined and dropped when the refinement fails. Returns the roots.
    std::vector<long double> solveWith(int a, int b, long double stepsPerUnit,
                                       const ParallelScanOptions& options = {});

    // The outcome of the last solveWith, and its findings with every root settled.
    const SearchOutcome& lastSearch() const { return search_; }
    const std::vector<Finding>& lastFindings() const { return findings_; }
    // The findings of one kind of the last solveWith.
    std::vector<Finding> findingsOf(FindingKind kind) const;

    // The outcome of the last scanWith.
    const ScanOutcome& lastScan() const { return last_; }

    const EquationSides& sides() const { return sides_; }
    const ReferenceSides& reference() const { return reference_; }

private:
    EquationSides sides_;
    ReferenceSides reference_;
    ScanOutcome last_{};
    SearchOutcome search_{};
    std::vector<Finding> findings_;
};

// The same brackets (count, order, kinds, every end to the last bit) and the same end.
::testing::AssertionResult sameOutcome(const ScanOutcome& pruned, const ScanOutcome& full);

// A root as the equation page prints it: rounded to 10 decimals, 10 significant digits.
std::string printedRoot(long double root);

// Every x = first + k * period inside [a, b], in increasing order.
std::vector<long double> periodic(long double first, long double period, long double a,
                                  long double b);
