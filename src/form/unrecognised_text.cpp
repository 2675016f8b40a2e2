#include "form/unrecognised_text.h"

#include "interpreter/formelinterpreter.h"

namespace {

// Words are runs of these letters; anything else separates them.
bool isLetter(char c) {
    return c >= 'a' && c <= 'z';
}

bool isUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int unrecognisedCount(std::string_view text) {
    Formelinterpreter scratch{};
    scratch.setFormel(text);
    scratch.Formel_compillieren();
    return scratch.AnzahlFehler;
}

} // namespace

// A prefix that does not cut a word compiles to the first codes of the whole text, so the
// first such prefix with an unrecognised code ends with the text sought.
UnrecognisedText firstUnrecognisedText(std::string_view text) {
    if (unrecognisedCount(text) == 0) {
        return {{}, false};
    }
    for (std::size_t end = 1; end <= text.size(); ++end) {
        if (end < text.size() && isLetter(text[end - 1]) && isLetter(text[end])) {
            continue;
        }
        if (unrecognisedCount(text.substr(0, end)) == 0) {
            continue;
        }
        std::size_t begin = end - 1;
        if (!isLetter(text[begin])) {
            while (end < text.size() && static_cast<unsigned char>(text[begin]) >= 0xC0 &&
                   isUtf8Continuation(text[end])) {
                ++end;
            }
            return {text.substr(begin, end - begin), false};
        }
        while (begin > 0 && isLetter(text[begin - 1])) {
            --begin;
        }
        return {text.substr(begin, end - begin), true};
    }
    return {{}, false};
}
