#pragma once

#include <string>

// printf formatting with the decimal point of the "C" locale, whatever locale the
// application has set (Qt sets the user's).
std::string formatInCLocale(const char* format, ...) __attribute__((format(printf, 1, 2)));

// One long double under a format that takes exactly one, such as "%+.4LG".
inline std::string formatNumber(const char* format, long double value) {
    return formatInCLocale(format, value);
}
