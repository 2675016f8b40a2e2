#include "interpreter/integer_power.h"

#include <gtest/gtest.h>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>

namespace {

using integer_power::fastPower;
using integer_power::guardedPower;
using integer_power::guardedSquare;

using Guard = bool (*)(double, int, double&);
bool squareOnly(double b, int, double& d) {
    return guardedSquare(b, d);
}

// Fewer random arguments under the sanitizers, which slow every call several times.
#if defined(__SANITIZE_ADDRESS__)
constexpr long RandomArguments = 10'000'000;
#else
constexpr long RandomArguments = 100'000'000;
#endif

__extension__ typedef unsigned __int128 Wide;

int bitLength(Wide v) {
    int bits = 0;
    for (; v != 0; v >>= 1) {
        ++bits;
    }
    return bits;
}

// Distance in ulps from the exact m^n to the nearest midpoint between two doubles, by
// integer arithmetic: the top 54 bits of the exact value put the midpoints on odd
// integers, two units apart per ulp. Needs m^|n| below 2^74 for negative n, 2^127 else.
double midpointDistance(uint64_t m, int n) {
    Wide power = 1;
    for (int k = 0; k < std::abs(n); ++k) {
        power *= m;
    }
    Wide top;
    double fraction;
    if (n > 0) {
        const int shift = bitLength(power) - 54;
        if (shift <= 0) {
            return 0.5; // exact in a double
        }
        top = power >> shift;
        const Wide rest = power & ((static_cast<Wide>(1) << shift) - 1);
        fraction = std::ldexp(static_cast<double>(rest), -shift);
    } else {
        if ((power & (power - 1)) == 0) {
            return 0.5; // a power of two has an exact reciprocal
        }
        const Wide scaled = static_cast<Wide>(1) << (53 + bitLength(power));
        top = scaled / power;
        fraction = static_cast<double>(scaled % power) / static_cast<double>(power);
    }
    return ((top & 1) != 0 ? fraction : 1 - fraction) / 2;
}

// The library call the evaluator would make, with its errno.
double libraryPower(double b, int n, int& error) {
    errno = 0;
    const double r = std::pow(b, static_cast<double>(n));
    error = errno;
    return r;
}

::testing::AssertionResult agreesWithPow(Guard guard, double b, int n) {
    int error = 0;
    const double expected = libraryPower(b, n, error);
    double d = 0;
    if (!guard(b, n, d)) {
        return ::testing::AssertionSuccess();
    }
    if (std::bit_cast<uint64_t>(d) == std::bit_cast<uint64_t>(expected) && error == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << std::hexfloat << "pow(" << b << ", " << n << ") is "
                                         << expected << " errno " << error << ", guarded " << d;
}

// Doubles m * 2^k with a random significand of at most significandBits bits.
double randomBase(std::mt19937_64& random, int significandBits, uint64_t& m) {
    m = (random() >> (64 - significandBits)) | (uint64_t{1} << (significandBits - 1));
    std::uniform_int_distribution<int> exponent(-40, 40);
    return std::ldexp(static_cast<double>(m), exponent(random) - significandBits);
}

struct HardCase {
    int n;
    int significandBits; // keeps m^|n| within the integer arithmetic
};

const HardCase hardCases[] = {{2, 53}, {3, 42}, {4, 31}, {-1, 53}, {-2, 37}};

// Exact powers within 0.06 ulp of a midpoint, where pow is not always correctly rounded:
// the guard must leave every one to pow.
TEST(IntegerPower, HardCasesNearMidpointsGoToPow) {
    std::mt19937_64 random(2024);
    for (const HardCase& c : hardCases) {
        int found = 0;
        while (found < 20000) {
            uint64_t m = 0;
            const double b = randomBase(random, c.significandBits, m);
            if (midpointDistance(m, c.n) >= 0.06) {
                continue;
            }
            ++found;
            double d = 0;
            ASSERT_FALSE(guardedPower(b, c.n, d)) << std::hexfloat << b << " ^ " << c.n;
            ASSERT_FALSE(guardedPower(-b, c.n, d)) << std::hexfloat << -b << " ^ " << c.n;
            ASSERT_FALSE(fastPower(b, c.n, d)) << std::hexfloat << b << " ^ " << c.n;
        }
    }
}

// Farther than 0.07 ulp from every midpoint the fast path is taken, and gives pow's bits.
TEST(IntegerPower, CasesAwayFromMidpointsAreFastAndExact) {
    std::mt19937_64 random(77);
    for (const HardCase& c : hardCases) {
        for (int k = 0; k < 100000; ++k) {
            uint64_t m = 0;
            const double b = randomBase(random, c.significandBits, m);
            const double distance = midpointDistance(m, c.n);
            for (Guard guard : {guardedPower, fastPower}) {
                double d = 0;
                const bool fast = guard(b, c.n, d);
                const bool powerOfTwo = (std::bit_cast<uint64_t>(d) << 12) == 0;
                if (distance > 0.07 && !powerOfTwo) {
                    ASSERT_TRUE(fast) << std::hexfloat << b << " ^ " << c.n;
                }
                ASSERT_TRUE(agreesWithPow(guard, b, c.n));
            }
        }
    }
}

TEST(IntegerPower, SpecialArgumentsGoToPow) {
    const double specials[] = {0.0,
                               -0.0,
                               INFINITY,
                               -INFINITY,
                               NAN,
                               1.0,
                               -2.0,
                               0.5,
                               std::numeric_limits<double>::denorm_min(),
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::max(),
                               -std::numeric_limits<double>::max(),
                               1e160,
                               1e-160,
                               0x1.fffffffffffffp-1,
                               0x1.0000000000001p+0};
    for (double b : specials) {
        for (int n = -integer_power::MaxExponent; n <= integer_power::MaxExponent; ++n) {
            if (n != 0) {
                EXPECT_TRUE(agreesWithPow(guardedPower, b, n)) << std::hexfloat << b << " ^ " << n;
                EXPECT_TRUE(agreesWithPow(fastPower, b, n)) << std::hexfloat << b << " ^ " << n;
            }
        }
        EXPECT_TRUE(agreesWithPow(squareOnly, b, 2)) << std::hexfloat << b;
    }
    double d = 0;
    EXPECT_FALSE(guardedPower(1e160, 2, d));  // overflows
    EXPECT_FALSE(guardedPower(1e-160, 2, d)); // underflows
    EXPECT_FALSE(guardedPower(2.0, 2, d));    // a power of two
    EXPECT_FALSE(guardedSquare(2.0, d));
    EXPECT_FALSE(guardedSquare(1e160, d));
    EXPECT_FALSE(guardedSquare(1e-160, d));
    ASSERT_TRUE(guardedSquare(-3.0, d));
    EXPECT_EQ(d, 9.0);
    ASSERT_TRUE(guardedPower(3.0, 2, d));
    EXPECT_EQ(d, 9.0);
    ASSERT_TRUE(guardedPower(-3.0, -1, d));
    EXPECT_EQ(d, -1.0 / 3);
}

// Random arguments over the whole double range and over ordinary ranges, every exponent
// the guards take, against the library bit for bit and errno for errno.
TEST(IntegerPower, RandomArgumentsAgreeWithPow) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> ordinary(-1000, 1000);
    std::uniform_int_distribution<int> exponent(-integer_power::MaxExponent,
                                                integer_power::MaxExponent);
    const int common[] = {2, 2, 3, 4, -1, -2};
    long squares = 0;
    long fastSquares = 0;
    for (long k = 0; k < RandomArguments; ++k) {
        const uint64_t bits = random();
        const bool anyBits = (bits & 3) == 0;
        const double b = anyBits ? std::bit_cast<double>(bits) : ordinary(random);
        int n = (bits & 4) != 0 ? exponent(random) : common[(bits >> 3) % std::size(common)];
        if (n == 0) {
            n = 2;
        }
        int error = 0;
        const double expected = libraryPower(b, n, error);
        double d = 0;
        const bool fast = fastPower(b, n, d);
        if (fast && (std::bit_cast<uint64_t>(d) != std::bit_cast<uint64_t>(expected) || error)) {
            FAIL() << std::hexfloat << "pow(" << b << ", " << n << ") is " << expected << " errno "
                   << error << ", guarded " << d;
        }
        if (n == 2 && !anyBits) {
            ++squares;
            fastSquares += fast;
        }
    }
    // About 1 - 258/2048 of ordinary squares lie far enough from a midpoint.
    EXPECT_GT(static_cast<double>(fastSquares), 0.85 * static_cast<double>(squares));
}

} // namespace
