#pragma once

#include "solver/border_search.h"
#include "solver/root_bracket.h"
#include "solver/scan_grid.h"
#include "solver/side_difference.h"
#include "solver/sign_change_narrowing.h"

#include <cstdint>

// A sign change is stored as it stands when |d| at its newer point is below this bound;
// a steeper one is narrowed at once, to a root or to nothing.
inline constexpr long double SignChangeBound = 3;

// Evaluations spent at most on one place: its grid points evaluated again, then the
// costliest examination, a border whose search meets a steep sign change on the way.
inline constexpr int MaxEvaluationsPerPlace = 3 + MaxBorderEvaluations + MaxNarrowingEvaluations;

// Turns the places the scan's tracker points out into brackets, examining the sides
// there: steep sign changes are narrowed, borders of the domain followed to their end.
class EventAnalysis {
public:
    EventAnalysis(const DifferenceSource& sides, const ScanGrid& grid, BracketList& out)
        : sides_(sides), grid_(grid), out_(out) {}

    // The places, by grid index, as the tracker tells them.
    [[gnu::cold]] void zero(int64_t j);
    [[gnu::cold]] void signChange(int64_t from, int64_t to);
    [[gnu::cold]] void border(int64_t earliest, int64_t valid, int64_t failed);

private:
    Sample sample(int64_t j) const { return sampleAt(sides_, grid_.at(j)); }
    void signChange(const Sample& from, const Sample& to);

    const DifferenceSource& sides_;
    const ScanGrid grid_;
    BracketList& out_;
};

// Passes on only the places that involve a grid point before `start`: those a tracker of a
// later stretch of the grid could not see.
class EarlierPlaces {
public:
    EarlierPlaces(EventAnalysis& analysis, int64_t start) : analysis_(analysis), start_(start) {}

    void zero(int64_t) {}
    void signChange(int64_t from, int64_t to) {
        if (from < start_) {
            analysis_.signChange(from, to);
        }
    }
    void border(int64_t earliest, int64_t valid, int64_t failed) {
        if (earliest < start_) {
            analysis_.border(earliest, valid, failed);
        }
    }

private:
    EventAnalysis& analysis_;
    int64_t start_;
};
