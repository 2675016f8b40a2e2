#include "interpreter/formelinterpreter.h"

#include <algorithm>
#include <cstring>

void Formelinterpreter::setFormel(std::string_view text) {
    const size_t length = std::min(text.size(), static_cast<size_t>(MaxTextLength));
    std::memcpy(Formel, text.data(), length);
    Formel[length] = '\0';
}
