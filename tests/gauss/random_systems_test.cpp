// Random systems with a fixed seed. Nonsingular ones are built from whole-number
// coefficients and a chosen solution in eighths, optionally with rows and unknowns scaled
// by powers of two, so the truth is exact; whether the coefficients are singular is
// decided exactly by a fraction-free determinant in 128-bit integers. Singular ones have
// decimal coefficients typed as text, one row or column a combination of others.
#include "gauss/gausalgorithmus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>

namespace {

constexpr int G = Gausalgorithmus::Groesse;
// Wide enough for the products of two minors of the determinant below.
__extension__ typedef __int128 Wide;

class Draw {
public:
    explicit Draw(unsigned long long seed) : m_engine(seed) {}
    // A whole number from lo to hi.
    long long between(long long lo, long long hi) {
        return lo +
               static_cast<long long>(m_engine() % static_cast<unsigned long long>(hi - lo + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }

private:
    std::mt19937_64 m_engine;
};

// Determinant of whole numbers by fraction-free elimination; exact for |entries| <= 9 and
// n <= 10, whose minors stay below 1e15.
Wide determinant(long long (*a)[G], int n) {
    Wide m[G][G];
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            m[i][j] = a[i][j];
        }
    }
    Wide previous = 1;
    int sign = 1;
    for (int k = 1; k <= n; ++k) {
        int row = k;
        while (row <= n && m[row][k] == 0) {
            ++row;
        }
        if (row > n) {
            return 0;
        }
        if (row != k) {
            for (int j = 1; j <= n; ++j) {
                std::swap(m[row][j], m[k][j]);
            }
            sign = -sign;
        }
        for (int i = k + 1; i <= n; ++i) {
            for (int j = k + 1; j <= n; ++j) {
                m[i][j] = (m[k][k] * m[i][j] - m[i][k] * m[k][j]) / previous;
            }
        }
        previous = m[k][k];
    }
    return sign * m[n][n];
}

// The value as the linear-system page writes it, read back.
long double printed(long double value) {
    char line[64];
    std::snprintf(line, sizeof line, "% .10LG", value);
    return std::strtold(line, nullptr);
}

TEST(RandomSystems, NonsingularWholeNumbersGiveTheirSolution) {
    Draw draw(0x5eed0001);
    int solved = 0;
    int singular = 0;
    for (int trial = 0; trial < 5000; ++trial) {
        const int n = static_cast<int>(draw.between(1, 10));
        const int zeros = static_cast<int>(draw.between(0, 50));
        const bool scaled = draw.chance(40);
        long long whole[G][G] = {};
        long double koeff[G][G] = {};
        long double rechts[G] = {};
        long double solution[G] = {};
        int rowExponent[G] = {};
        int columnExponent[G] = {};
        for (int j = 1; j <= n; ++j) {
            solution[j] = draw.between(1, 800) * (draw.chance(50) ? 1 : -1) / 8.0L;
            if (scaled) {
                rowExponent[j] = static_cast<int>(draw.between(-1000, 1000));
                columnExponent[j] = static_cast<int>(draw.between(-1000, 1000));
            }
        }
        for (int i = 1; i <= n; ++i) {
            long double sum = 0;
            for (int j = 1; j <= n; ++j) {
                whole[i][j] = draw.chance(zeros) ? 0 : draw.between(-9, 9);
                sum += whole[i][j] * solution[j]; // exact: eighths below 1e5
                koeff[j][i] = std::ldexp(static_cast<long double>(whole[i][j]),
                                         rowExponent[i] + columnExponent[j]);
            }
            rechts[i] = std::ldexp(sum, rowExponent[i]);
        }
        Gausalgorithmus solver{};
        const int result = solver.Werte_uebergeben(koeff, rechts, n);
        if (determinant(whole, n) == 0) {
            ++singular;
            EXPECT_EQ(result, 1) << "trial " << trial;
            continue;
        }
        ++solved;
        ASSERT_EQ(result, 0) << "trial " << trial;
        for (int j = 1; j <= n; ++j) {
            const long double want = std::ldexp(solution[j], -columnExponent[j]);
            const long double got = printed(solver.getWert(j));
            EXPECT_LE(std::fabs(got - want), 1e-9L * std::fabs(want))
                << "trial " << trial << " X" << j << " = " << static_cast<double>(got);
        }
    }
    // Both kinds occur often enough to matter.
    EXPECT_GT(solved, 4000);
    EXPECT_GT(singular, 100);
}

// A decimal with the given number of places, written out from a whole number of units.
std::string decimalText(long long units, int places) {
    const long long scale = places == 3 ? 1000 : 10000;
    const long long magnitude = units < 0 ? -units : units;
    char text[40];
    std::snprintf(text, sizeof text, "%s%lld.%0*lld", units < 0 ? "-" : "", magnitude / scale,
                  places, magnitude % scale);
    return text;
}

// Row (or column) t = c1 * row a + c2 * row b, the factors in tenths: the decimals are
// singular exactly; the right-hand side follows the same combination or not.
TEST(RandomSystems, SingularDecimalsGiveNoSolution) {
    Draw draw(0x5eed0002);
    for (int trial = 0; trial < 5000; ++trial) {
        const int n = static_cast<int>(draw.between(2, 10));
        // Ten-thousandths: the typed entries have three places, the combination four.
        long long units[G][G] = {};
        for (int i = 1; i <= n; ++i) {
            for (int j = 0; j <= n; ++j) {
                units[i][j] = draw.between(-9999, 9999) * 10;
            }
        }
        const int t = static_cast<int>(draw.between(1, n));
        const int a = t % n + 1;
        const int b = (t + n - 2) % n + 1; // equals a when n is 2
        const long long c1 = draw.between(-30, 30);
        const long long c2 = b == a ? 0 : draw.between(-30, 30);
        const bool columns = draw.chance(40);
        const bool consistent = draw.chance(50);
        if (columns) {
            for (int i = 1; i <= n; ++i) {
                units[i][t] = (c1 * units[i][a] + c2 * units[i][b]) / 10;
            }
        } else {
            for (int j = 1; j <= n; ++j) {
                units[t][j] = (c1 * units[a][j] + c2 * units[b][j]) / 10;
            }
            if (consistent) {
                units[t][0] = (c1 * units[a][0] + c2 * units[b][0]) / 10;
            }
        }
        long double koeff[G][G] = {};
        long double rechts[G] = {};
        for (int i = 1; i <= n; ++i) {
            rechts[i] = std::strtod(decimalText(units[i][0], 4).c_str(), nullptr);
            for (int j = 1; j <= n; ++j) {
                koeff[j][i] = std::strtod(decimalText(units[i][j], 4).c_str(), nullptr);
            }
        }
        Gausalgorithmus solver{};
        EXPECT_EQ(solver.Werte_uebergeben(koeff, rechts, n), 1) << "trial " << trial;
    }
}

} // namespace
