#pragma once

#include <cstdint>
#include <vector>

// A scan keeps at most this many brackets, those with the smallest x.
inline constexpr int MaxBrackets = 99999;

// What a scan found at one place: a sign change to be refined, or a root settled already.
enum class BracketKind : uint8_t {
    SignChange, // d changes sign from lower to upper, a gentle step still to be refined
    ExactZero,  // d is exactly 0 at a grid point
    SteepRoot,  // a sign change narrowed to a root, steep or inside a grid step
    Touch,      // d touches 0 without changing sign (an even multiplicity)
    Border,     // d tends to 0 at a border of the domain
    ZeroRun,    // d is exactly 0 at every grid point from lower to upper
    Identity,   // a run where the sides are equal for every x, as far as can be told
    Plateau,    // a run where the sides differ, but not in the precision they are computed in
    Undecided,  // a place from lower to upper that could not be decided
};

struct RootBracket {
    long double lower;
    long double upper; // equal to lower for the kinds that settle one root
    BracketKind kind;
    // The grid indices of an exact zero or of a run of them; -1 for the other kinds.
    int64_t first = -1;
    int64_t last = -1;
};

// A run of exact zeros takes this many consecutive grid points at least; shorter ones are
// single roots.
inline constexpr int64_t ShortestZeroRun = 3;

// Brackets in increasing order of their ends, each once, at most `capacity` of them: once
// full, a new bracket displaces the largest one if it lies below it. Exact zeros at
// consecutive grid points join into one run, which counts once.
class BracketList {
public:
    explicit BracketList(int capacity) : capacity_(capacity) {}

    void add(const RootBracket& bracket);
    bool full() const { return static_cast<int>(brackets_.size()) >= capacity_; }
    const std::vector<RootBracket>& brackets() const { return brackets_; }

private:
    bool joinRun(std::vector<RootBracket>::iterator place, const RootBracket& zeros);

    int capacity_;
    std::vector<RootBracket> brackets_;
};
