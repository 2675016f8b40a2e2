#include "form/window/c_locale_format.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

std::string formatInCLocale(const char* format, ...) {
    static const locale_t numericC = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    const locale_t previous = numericC ? uselocale(numericC) : locale_t{};
    char text[128];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    if (numericC) {
        uselocale(previous);
    }
    return text;
}
