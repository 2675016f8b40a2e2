#include "solver/ordered_values.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

__extension__ using Key = __int128;

// x87 extended: 64-bit significand with its explicit leading bit, then sign and 15-bit
// exponent. Within one sign, (exponent, significand without the leading bit) counts the
// values in order, subnormals included.
Key keyOf(long double x) {
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &x, 10);
    uint64_t significand = 0;
    uint16_t signAndExponent = 0;
    std::memcpy(&significand, bytes, 8);
    std::memcpy(&signAndExponent, bytes + 8, 2);
    const Key exponent = signAndExponent & 0x7fff;
    const Key magnitude = (exponent << 63) | (significand & 0x7fffffffffffffffULL);
    return (signAndExponent & 0x8000) ? -magnitude : magnitude;
}

long double valueOf(Key key) {
    const bool negative = key < 0;
    const Key magnitude = negative ? -key : key;
    const uint16_t exponent = static_cast<uint16_t>(magnitude >> 63);
    uint64_t significand = static_cast<uint64_t>(magnitude) & 0x7fffffffffffffffULL;
    if (exponent != 0) {
        significand |= 0x8000000000000000ULL;
    }
    const uint16_t signAndExponent = static_cast<uint16_t>(exponent | (negative ? 0x8000 : 0));
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &significand, 8);
    std::memcpy(bytes + 8, &signAndExponent, 2);
    long double x = 0;
    std::memcpy(&x, bytes, sizeof x);
    return x;
}

} // namespace

bool adjacentValues(long double a, long double b) {
    const Key ka = keyOf(a);
    const Key kb = keyOf(b);
    const Key gap = ka < kb ? kb - ka : ka - kb;
    return gap <= 1;
}

long double splitPoint(long double a, long double b) {
    const Key ka = keyOf(a);
    const Key kb = keyOf(b);
    return valueOf(ka + (kb - ka) / 2);
}

long double stepsBetween(long double a, long double b) {
    return static_cast<long double>(keyOf(b) - keyOf(a));
}
