#include "root_search_fixture.h"

#include "interpreter/formelinterpreter.h"
#include "interpreter/round.h"
#include "reference_scan.h"
#include "solver/bracket_scan.h"
#include "solver/root_refinement.h"
#include "solver/root_search_state.h"

#include <cstdio>

void setEquation(std::string_view left, std::string_view right) {
    links.setFormel(left);
    links.Formel_compillieren();
    rechts.setFormel(right);
    rechts.Formel_compillieren();
}

std::vector<Bracket> scanWith(int a, int b, long double schrittweite, ProgressReporter* progress,
                              ScanPath path) {
    Schrittweite = schrittweite;
    work = true;
    const int count = path == ScanPath::Parallel ? scanBrackets(a, b, progress)
                                                 : scanBracketsSequential(a, b, progress);
    std::vector<Bracket> brackets;
    for (int i = 1; i <= count; ++i) {
        brackets.push_back({XL[i], XR[i]});
    }
    return brackets;
}

std::vector<long double> solveWith(int a, int b, long double schrittweite) {
    std::vector<long double> roots;
    for (const Bracket& bracket : scanWith(a, b, schrittweite)) {
        if (bracket.lower == bracket.upper) {
            roots.push_back(bracket.lower);
            continue;
        }
        bool fehler = true;
        const long double root = refineBracket(bracket.lower, bracket.upper, fehler);
        if (!fehler) {
            roots.push_back(root);
        }
    }
    return roots;
}

std::string printedRoot(long double root) {
    char text[64];
    std::snprintf(text, sizeof text, "% .10Lg", Round(root, 10));
    return text;
}

void RootSearchTest::SetUp() {
    Schrittweite = 100;
    work = true;
}

void RootSearchTest::TearDown() {
    Schrittweite = 100;
    work = true;
}
