#pragma once

#include "solver/finding.h"
#include "solver/part_search.h"
#include "solver/side_difference.h"

#include <vector>

// The findings the marks of a search stand for, in increasing x. Marks that meet are one place:
// a failing value with the sides defined on both sides is a hole, or a pole where |d| grows
// beyond the outer |d| of its steps on both sides; else a root where d changes sign or is exactly
// 0, at a border where d tends to 0, or where d cannot be told from 0 within printed reach. Where
// d cannot be told from 0 over more than the printed places show, a plateau follows. Places that
// print alike are one; undecided stretches that meet are one. Where d touches 0, the root is where
// the exact slope changes sign, read from sides.
std::vector<Finding> findingsOf(const std::vector<Mark>& marks, const DifferenceSource& sides);
