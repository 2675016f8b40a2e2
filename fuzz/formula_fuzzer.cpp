// libFuzzer target: compiles any byte string as a formula and evaluates it at a few x with the
// reference evaluator and with its flat program, one point at a time and as a block. Stops at
// the first point where the flat program differs in value (bit for bit), errno or status.
#include "interpreter/flat_program.h"
#include "interpreter/formelinterpreter.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <limits>
#include <string_view>

namespace {

constexpr long double Points[] = {0.0L,
                                  -0.0L,
                                  2.0L,
                                  -3.5L,
                                  0.5L,
                                  -1.0L,
                                  1.0e-3L,
                                  1.0e300L,
                                  -1.0e6L,
                                  1.0e-310L,
                                  1.0e4000L,
                                  std::numeric_limits<long double>::infinity(),
                                  -std::numeric_limits<long double>::infinity(),
                                  std::numeric_limits<long double>::quiet_NaN()};
static_assert(std::size(Points) <= FlatProgram::BlockSize);

struct Outcome {
    long double value;
    int error;
    int status;
};

bool sameValue(long double a, long double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
    }
    return std::memcmp(&a, &b, 10) == 0;
}

void check(const Formelinterpreter& f, const char* path, long double x, const Outcome& expected,
           const Outcome& actual) {
    if (sameValue(expected.value, actual.value) && expected.error == actual.error &&
        expected.status == actual.status) {
        return;
    }
    std::fprintf(stderr,
                 "%s differs for \"%s\" at x = %Lg: reference %Lg errno %d status %d, flat %Lg "
                 "errno %d status %d\n",
                 path, f.Formel, x, expected.value, expected.error, expected.status, actual.value,
                 actual.error, actual.status);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Formelinterpreter f;
    static FlatProgram flat;
    f.setFormel(std::string_view(reinterpret_cast<const char*>(data), size));
    f.Formel_compillieren();
    if (f.AnzahlToken < 1 || f.AnzahlToken >= Formelinterpreter::ProgramSize) {
        std::abort();
    }
    flat.compile(f);
    if (flat.opCount() > FlatProgram::MaxOps) {
        std::abort();
    }

    constexpr int n = static_cast<int>(std::size(Points));
    Outcome reference[n];
    for (int i = 0; i < n; ++i) {
        f.X = Points[i];
        reference[i].value = f.Formel_Berechnen();
        reference[i].error = errno;
        reference[i].status = f.Fehlercode;
        const int status = reference[i].status;
        if (status != 0 && status != SkippedDivisionStatus && status != EDOM && status != ERANGE) {
            std::abort();
        }
        if ((status == EDOM || status == ERANGE) &&
            (reference[i].value != 0 || reference[i].error != status)) {
            std::abort();
        }
        Outcome point;
        point.value = flat.evaluate(Points[i], point.status);
        point.error = errno;
        check(f, "point", Points[i], reference[i], point);
    }

    FlatProgram::BlockOutcome block;
    flat.evaluateBlock(Points, n, block);
    for (int i = 0; i < n; ++i) {
        check(f, "block", Points[i], reference[i],
              {block.value[i], block.error[i], block.status[i]});
    }
    return 0;
}
