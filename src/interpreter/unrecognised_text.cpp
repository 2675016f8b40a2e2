#include "interpreter/unrecognised_text.h"

namespace {

bool isUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The span the compiler recorded, a character outside ASCII widened to its whole form.
UnrecognisedText within(std::string_view text, int begin, int end, int unknown) {
    if (unknown == 0 || begin < 0 || end > static_cast<int>(text.size()) || begin >= end) {
        return {{}, false};
    }
    const auto first = static_cast<std::size_t>(begin);
    auto last = static_cast<std::size_t>(end);
    const bool word = text[first] >= 'a' && text[first] <= 'z';
    if (!word && static_cast<unsigned char>(text[first]) >= 0xC0) {
        while (last < text.size() && isUtf8Continuation(text[last])) {
            ++last;
        }
    }
    return {text.substr(first, last - first), word};
}

FirstDeparture departureIn(std::string_view text, const Formelinterpreter& compiled) {
    const Departure kind = compiled.firstDepartureKind;
    if (kind == Departure::UnknownWord || kind == Departure::UnknownCharacter) {
        return {kind, within(text, compiled.firstUnknownBegin, compiled.firstUnknownEnd,
                             compiled.AnzahlFehler)
                          .text};
    }
    const int begin = compiled.firstDepartureBegin;
    const int end = compiled.firstDepartureEnd;
    if (kind == Departure::None || begin < 0 || end > static_cast<int>(text.size()) ||
        begin >= end) {
        return {Departure::None, {}};
    }
    return {kind,
            text.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin))};
}

Formelinterpreter& compiledScratch(std::string_view text) {
    static thread_local Formelinterpreter scratch;
    scratch.setFormel(text);
    scratch.Formel_compillieren();
    return scratch;
}

} // namespace

UnrecognisedText firstUnrecognisedText(const Formelinterpreter& compiled) {
    return within(compiled.Formel, compiled.firstUnknownBegin, compiled.firstUnknownEnd,
                  compiled.AnzahlFehler);
}

UnrecognisedText firstUnrecognisedText(std::string_view text) {
    const Formelinterpreter& scratch = compiledScratch(text);
    return within(text, scratch.firstUnknownBegin, scratch.firstUnknownEnd, scratch.AnzahlFehler);
}

FirstDeparture firstDeparture(const Formelinterpreter& compiled) {
    return departureIn(compiled.Formel, compiled);
}

FirstDeparture firstDeparture(std::string_view text) {
    return departureIn(text, compiledScratch(text));
}
