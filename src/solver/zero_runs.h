#pragma once

#include "solver/finding.h"
#include "solver/side_difference.h"

#include <optional>

// A stretch where d is computed 0 at its ends: an identity where no exact enclosure shows the
// sides to differ, a plateau of the precision where one does but d is computed 0 there all the
// same; none of them where d is computed other than 0 there, so that its zeros are roots.
std::optional<FindingKind> zeroRunKind(const DifferenceSource& sides, long double lower,
                                       long double upper);
