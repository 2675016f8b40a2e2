#pragma once

#include <cstdint>
#include <vector>

// A scan keeps at most this many brackets, those with the smallest x.
inline constexpr int MaxBrackets = 99999;

// What a scan found at one place: a sign change to be refined, or a root settled already.
enum class BracketKind : uint8_t {
    SignChange, // d changes sign from lower to upper, a gentle step still to be refined
    ExactZero,  // d is exactly 0 at a grid point
    SteepRoot,  // a steep sign change narrowed to a root
    Touch,      // d touches 0 without changing sign (an even multiplicity)
    Border,     // d tends to 0 at a border of the domain
};

struct RootBracket {
    long double lower;
    long double upper; // equal to lower for every kind but SignChange
    BracketKind kind;
};

// Brackets in increasing order of their ends, each once, at most `capacity` of them: once
// full, a new bracket displaces the largest one if it lies below it.
class BracketList {
public:
    explicit BracketList(int capacity) : capacity_(capacity) {}

    void add(const RootBracket& bracket);
    bool full() const { return static_cast<int>(brackets_.size()) >= capacity_; }
    const std::vector<RootBracket>& brackets() const { return brackets_; }

private:
    int capacity_;
    std::vector<RootBracket> brackets_;
};
