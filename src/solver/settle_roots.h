#pragma once

#include "solver/finding.h"
#include "solver/printed_places.h"

#include <vector>

struct SettledFindings {
    // In increasing x: every root settled (lower == upper); sign changes that hold no root are
    // left out.
    std::vector<Finding> findings;
    bool stopped = false; // the settling ended early: the findings go up to `reached`
    long double reached = 0;
};

// Whether the last root of the findings prints as x. Only a line of an identity comes between two
// root lines; plateaus follow their root, and poles, gaps and undecided places follow the roots.
inline bool printsAsLastRoot(const std::vector<Finding>& findings, long double x) {
    for (auto it = findings.rbegin(); it != findings.rend(); ++it) {
        if (it->kind == FindingKind::Root) {
            return printedAlike(it->lower, x);
        }
        if (it->kind == FindingKind::Identity) {
            return false;
        }
    }
    return false;
}

// Settles the roots among the findings that are still sign changes, in order, each with
// refine(lower, upper, Fehler), and leaves out those where Fehler comes back true. After each
// root, settled or refined, goOn() says whether to keep it and go on; once it says no, that root
// and all after it are left out. advance() follows every root that goOn() let pass. A root that
// would print as the root line before it is that one line.
template <class Refine, class GoOn, class Advance>
SettledFindings settleRoots(const std::vector<Finding>& findings, Refine refine, GoOn goOn,
                            Advance advance) {
    SettledFindings out;
    for (const Finding& f : findings) {
        if (f.kind != FindingKind::Root) {
            out.findings.push_back(f);
            continue;
        }
        Finding root = f;
        bool Fehler = false;
        if (f.lower != f.upper) {
            root.lower = root.upper = refine(f.lower, f.upper, Fehler);
        }
        if (!goOn()) {
            out.stopped = true;
            break;
        }
        out.reached = f.upper;
        if (!Fehler && !printsAsLastRoot(out.findings, root.lower)) {
            out.findings.push_back(root);
        }
        advance();
    }
    return out;
}
