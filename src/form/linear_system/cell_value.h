#pragma once

#include <QString>

#include <optional>

// The number a cell of the coefficient table holds: a decimal number, with "," or "." as
// its decimal point, read as the double nearest it; or else a formula without x that the
// formula interpreter reads as typed and evaluates without failing, such as 1/3, sqrt(2),
// 2*pi or 10^(0-3). Nothing for any other text, an empty one included.
std::optional<long double> cellValue(const QString& text);
