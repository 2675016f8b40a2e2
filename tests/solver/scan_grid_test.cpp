// The step that holds x, beside a search over the grid points themselves: at grid points, a hair
// on either side of them, between them, and beyond the interval's ends.
#include "solver/scan_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

// The last j < n with at(j) <= x, found by halving over the grid points; 0 below the grid.
int64_t stepByHalving(const ScanGrid& grid, long double x) {
    int64_t lo = 0;
    int64_t hi = grid.n - 1;
    if (!(grid.at(lo) <= x)) {
        return 0;
    }
    while (lo < hi) {
        const int64_t middle = lo + (hi - lo + 1) / 2;
        if (grid.at(middle) <= x) {
            lo = middle;
        } else {
            hi = middle - 1;
        }
    }
    return lo;
}

struct GridCase {
    int a;
    int b;
    long double stepsPerUnit;
};

TEST(ScanGridTest, StepOfAgreesWithHalvingOverTheGridPoints) {
    const GridCase grids[] = {
        {-1000, 1000, 100},        {-1000, 1000, 1000}, {-100000, 100000, 1000},
        {-1000000, 1000000, 1000}, {3, 7, 100},         {-7, -3, 1000}};
    std::mt19937_64 random(7);
    for (const GridCase& g : grids) {
        const ScanGrid grid = makeGrid(g.a, g.b, g.stepsPerUnit);
        std::uniform_int_distribution<int64_t> index(0, grid.n);
        const long double inf = std::numeric_limits<long double>::infinity();
        for (int i = 0; i < 20000; ++i) {
            const long double p = grid.at(index(random));
            for (const long double x : {p, std::nextafter(p, -inf), std::nextafter(p, inf),
                                        p + 0.5L / grid.stepsPerUnit}) {
                ASSERT_EQ(grid.stepOf(x), stepByHalving(grid, x))
                    << "grid " << g.a << " " << g.b << " x " << static_cast<double>(x);
            }
        }
        EXPECT_EQ(grid.stepOf(g.a - 5.0L), 0);
        EXPECT_EQ(grid.stepOf(g.b + 5.0L), grid.n - 1);
        EXPECT_EQ(grid.stepOf(std::numeric_limits<long double>::quiet_NaN()), 0);
    }
}

} // namespace
