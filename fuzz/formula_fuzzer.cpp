// libFuzzer target: compiles any byte string as a formula and evaluates it at a few x.
#include "interpreter/formelinterpreter.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Formelinterpreter f;
    f.setFormel(std::string_view(reinterpret_cast<const char*>(data), size));
    f.Formel_compillieren();
    if (f.AnzahlToken < 1 || f.AnzahlToken >= Formelinterpreter::ProgramSize) {
        std::abort();
    }
    for (long double x : {0.0L, 2.0L, -3.5L, 1e300L, static_cast<long double>(INFINITY)}) {
        f.X = x;
        const long double value = f.Formel_Berechnen();
        const int status = f.Fehlercode;
        if (status != 0 && status != 255 && status != EDOM && status != ERANGE) {
            std::abort();
        }
        if ((status == EDOM || status == ERANGE) && (value != 0 || errno != status)) {
            std::abort();
        }
    }
    return 0;
}
