#include "root_search_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

struct Factor {
    std::string root; // decimal text, as typed
    int multiplicity;
};

// The value the typed root stands for: the literal read as a double.
long double valueOf(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

std::string decimal(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// c*(x-r1)^m1*(x+r2)^m2*... for the factors.
std::string product(const std::string& scale, const std::vector<Factor>& factors) {
    std::string text = scale;
    for (const Factor& f : factors) {
        const bool negative = f.root[0] == '-';
        text += negative ? "*(x+" + f.root.substr(1) + ")" : "*(x-" + f.root + ")";
        if (f.multiplicity > 1) {
            text += "^" + std::to_string(f.multiplicity);
        }
    }
    return text;
}

// Roots apart by at least this much, but for the pairs placed inside one grid step.
constexpr double Separation = 0.05;

bool farFromAll(double r, const std::vector<Factor>& factors) {
    return std::all_of(factors.begin(), factors.end(), [&](const Factor& f) {
        return std::abs(valueOf(f.root) - r) >= Separation;
    });
}

// Random products of (x - r)^m with multiplicities 1 to 4, some roots on grid points, some
// pairs of simple roots inside one grid step, scaled by powers of ten: every root is printed
// as its correctly rounded value, once, and nothing else.
TEST_F(RootSearchTest, RandomProductsPrintExactlyTheirRoots) {
    std::mt19937 random(20261207);
    std::uniform_real_distribution<double> place(-9.5, 9.5);
    std::uniform_int_distribution<int> count(1, 4);
    std::uniform_int_distribution<int> multiplicity(1, 4);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> exponent(-3, 3);
    std::uniform_real_distribution<double> gap(0.0003, 0.009);

    for (int trial = 0; trial < 400; ++trial) {
        std::vector<Factor> factors;
        const int wanted = count(random);
        while (static_cast<int>(factors.size()) < wanted) {
            const double r = place(random);
            if (!farFromAll(r, factors)) {
                continue;
            }
            switch (kind(random)) {
            case 0: // on a grid point of step 0.01
                factors.push_back({decimal(r, 2), multiplicity(random)});
                break;
            case 1: // two simple roots inside one step
                if (farFromAll(r + 0.01, factors)) {
                    factors.push_back({decimal(r, 4), 1});
                    factors.push_back({decimal(r + gap(random), 4), 1});
                }
                break;
            default:
                factors.push_back({decimal(r, 4), multiplicity(random)});
                break;
            }
        }
        // Written out: 1e3 reads as 1, e, 3 in this language.
        const std::string scale = decimal(std::pow(10.0, exponent(random)), 3);
        const std::string formula = product(scale, factors);

        std::vector<long double> truth;
        for (const Factor& f : factors) {
            truth.push_back(valueOf(f.root));
        }
        std::sort(truth.begin(), truth.end());
        std::vector<std::string> expected;
        for (long double r : truth) {
            expected.push_back(printedRoot(r));
        }

        setEquation(formula, "0");
        std::vector<std::string> printed;
        for (long double root : solveWith(-10, 10, 100)) {
            printed.push_back(printedRoot(root));
        }
        EXPECT_EQ(printed, expected) << formula;
    }
}

} // namespace
