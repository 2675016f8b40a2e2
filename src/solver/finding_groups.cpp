#include "solver/finding_groups.h"

#include "solver/ordered_values.h"
#include "solver/printed_places.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

bool joinsPlace(Mark::Kind kind) {
    return kind == Mark::Root || kind == Mark::Flat || kind == Mark::EdgeAbove ||
           kind == Mark::EdgeBelow;
}

constexpr long double Infinity = std::numeric_limits<long double>::infinity();

// Halvings spent at most on locating where the exact slope changes sign.
constexpr int SlopeHalvings = 128;

// Where the exact slope of d changes sign between lo and hi: a strict sign at both ends, opposite,
// narrowed by halving while the slope keeps a strict sign at the middle.
std::optional<long double> slopeTurn(const DifferenceSource& sides, long double lo,
                                     long double hi) {
    Interval a = sides.encloseExactly(lo, lo).slope;
    const Interval b = sides.encloseExactly(hi, hi).slope;
    if (!a.excludesZero() || !b.excludesZero() || (a.lo >= 0) == (b.lo >= 0)) {
        return std::nullopt;
    }
    for (int i = 0; i < SlopeHalvings && !adjacentValues(lo, hi); ++i) {
        const long double m = splitPoint(lo, hi);
        const Interval s = sides.encloseExactly(m, m).slope;
        if (!s.excludesZero()) {
            return m;
        }
        if ((s.lo >= 0) == (a.lo >= 0)) {
            lo = m;
            a = s;
        } else {
            hi = m;
        }
    }
    return lo + (hi - lo) / 2;
}

// Marks first ... last - 1 of one place, decided as one.
class Place {
public:
    Place(const std::vector<Mark>& marks, size_t first, size_t last, const DifferenceSource& sides)
        : marks_(marks), first_(first), last_(last), sides_(sides) {}

    // The hole or pole, or the root, then the plateau where it shows. A value where d is 0
    // is a root, even where the sides fail beside it within what print tells apart, unless it
    // lies on a plateau that shows.
    void addTo(std::vector<Finding>& out) const {
        const bool zero = hasZero() && !plateauFinding();
        const std::optional<Finding> gap = zero ? std::nullopt : gapFinding();
        if (gap) {
            // The flats on either side of a gap are plateaus of their own.
            if (const std::optional<Finding> below = plateauFinding(-Infinity, gap->lower)) {
                out.push_back(*below);
            }
            out.push_back(*gap);
            if (const std::optional<Finding> above = plateauFinding(gap->upper, Infinity)) {
                out.push_back(*above);
            }
            return;
        }
        if (const std::optional<Finding> root = rootFinding()) {
            out.push_back(*root);
        }
        if (const std::optional<Finding> plateau = plateauFinding()) {
            out.push_back(*plateau);
        }
    }

private:
    bool hasZero() const {
        return std::any_of(
            marks_.begin() + static_cast<long>(first_), marks_.begin() + static_cast<long>(last_),
            [](const Mark& m) { return m.kind == Mark::Root && !m.bracket && m.size == 0; });
    }

    // A failing value met from below and from above.
    std::optional<Finding> gapFinding() const {
        for (size_t i = first_; i + 1 < last_; ++i) {
            const Mark& below = marks_[i];
            const Mark& above = marks_[i + 1];
            if (below.kind == Mark::EdgeBelow && above.kind == Mark::EdgeAbove &&
                below.upper == above.lower) {
                const bool pole = below.beyondScale && above.beyondScale;
                // d fallen near 0 on both sides, of opposite signs: a root that cannot be
                // evaluated, not a gap.
                const bool root = below.fallen && above.fallen && below.negative != above.negative;
                if (root) {
                    return std::nullopt;
                }
                return Finding{below.upper, below.upper,
                               pole ? FindingKind::Pole : FindingKind::Hole, Certainty::Evaluated};
            }
        }
        return std::nullopt;
    }

    // A root where d changes sign or is 0, the one nearest the middle of the place; else at a
    // border where d tends to 0; else where |d| is smallest, when d cannot be told from 0 over
    // no more than the printed places show.
    std::optional<Finding> rootFinding() const {
        const long double middle = lower() + (upper() - lower()) / 2;
        // Where d cannot be told from 0 about a root, the root is where d turns, if it does.
        if (flatSpan(false)) {
            if (const std::optional<long double> turn = slopeTurn(sides_, lower(), upper())) {
                return Finding{*turn, *turn, FindingKind::Root, Certainty::Resolution};
            }
            // Over a plateau that shows in print, a root only where d crosses it: of one strict
            // sign before it and the other after.
            if (plateauFinding() && !crossed()) {
                return std::nullopt;
            }
        }
        const Mark* best = nullptr;
        for (size_t i = first_; i < last_; ++i) {
            const Mark& m = marks_[i];
            if (m.kind == Mark::Root &&
                (best == nullptr || std::fabs(m.x - middle) < std::fabs(best->x - middle))) {
                best = &m;
            }
        }
        if (best != nullptr) {
            return best->bracket
                       ? Finding{best->lower, best->upper, FindingKind::Root, best->certainty}
                       : Finding{best->x, best->x, FindingKind::Root, best->certainty};
        }
        for (size_t i = first_; i + 1 < last_; ++i) {
            const Mark& below = marks_[i];
            const Mark& above = marks_[i + 1];
            if (below.kind == Mark::EdgeBelow && above.kind == Mark::EdgeAbove &&
                below.upper == above.lower && below.fallen && above.fallen &&
                below.negative != above.negative) {
                return Finding{below.upper, below.upper, FindingKind::Root, Certainty::Evaluated};
            }
        }
        for (size_t i = first_; i < last_; ++i) {
            const Mark& m = marks_[i];
            if ((m.kind == Mark::EdgeAbove || m.kind == Mark::EdgeBelow) && m.tendsToZero) {
                return Finding{m.x, m.x, FindingKind::Root, Certainty::Evaluated};
            }
        }
        // A touch: the middle of where the exact values cannot be told from 0, or else of where
        // the computed ones cannot, when that is within printed reach.
        if (plateauFinding()) {
            return std::nullopt;
        }
        std::optional<Finding> span = flatSpan(true);
        if (!span) {
            span = flatSpan(false);
        }
        if (!span) {
            return std::nullopt;
        }
        const long double x = span->lower + (span->upper - span->lower) / 2;
        return Finding{x, x, FindingKind::Root, Certainty::Resolution};
    }

    // Whether the exact d beside the place, its own width below and above it, has strict signs
    // that differ.
    bool crossed() const {
        const long double width = upper() - lower();
        const long double below = lower() - width;
        const long double above = upper() + width;
        const Interval a = sides_.encloseExactly(below, below).value;
        const Interval b = sides_.encloseExactly(above, above).value;
        return a.excludesZero() && b.excludesZero() && (a.lo >= 0) != (b.lo >= 0);
    }

    // Where d cannot be told from 0, when that reaches over more than the printed places.
    std::optional<Finding> plateauFinding(long double from = -Infinity,
                                          long double to = Infinity) const {
        const std::optional<Finding> span = flatSpan(false, from, to);
        if (!span || printedAlike(span->lower, span->upper)) {
            return std::nullopt;
        }
        return span;
    }

    // From the first to the last flat mark within [from, to], or only those flat by the exact
    // values.
    std::optional<Finding> flatSpan(bool byExactValues, long double from = -Infinity,
                                    long double to = Infinity) const {
        std::optional<Finding> span;
        for (size_t i = first_; i < last_; ++i) {
            const Mark& m = marks_[i];
            if (m.kind != Mark::Flat || (byExactValues && !m.byExactValues) || m.lower < from ||
                m.upper > to) {
                continue;
            }
            if (!span) {
                span = Finding{m.lower, m.upper, FindingKind::Plateau, Certainty::Resolution};
            }
            span->lower = std::min(span->lower, m.lower);
            span->upper = std::max(span->upper, m.upper);
        }
        return span;
    }

    long double lower() const { return marks_[first_].lower; }
    long double upper() const {
        long double u = marks_[first_].upper;
        for (size_t i = first_; i < last_; ++i) {
            u = std::max(u, marks_[i].upper);
        }
        return u;
    }

    const std::vector<Mark>& marks_;
    size_t first_;
    size_t last_;
    const DifferenceSource& sides_;
};

// A settled root that prints as the one before it, with only a plateau between, is that root as
// far as print can tell: one line.
bool sameRootAsLast(const std::vector<Finding>& out, const Finding& f) {
    if (f.kind != FindingKind::Root || f.lower != f.upper) {
        return false;
    }
    for (auto it = out.rbegin(); it != out.rend(); ++it) {
        if (it->kind == FindingKind::Root) {
            return it->lower == it->upper && printedAlike(it->lower, f.lower);
        }
        if (it->kind != FindingKind::Plateau) {
            return false;
        }
    }
    return false;
}

// Plateaus and identities that meet are one, and so are undecided stretches, also where the gap
// between them does not show in print.
void joinMeeting(std::vector<Finding>& out) {
    while (out.size() >= 2) {
        Finding& last = out.back();
        Finding& before = out[out.size() - 2];
        // Where an identity meets a plateau, the sides are equal within the precision over both.
        const auto equal = [](FindingKind k) {
            return k == FindingKind::Plateau || k == FindingKind::Identity;
        };
        const bool joins = (last.kind == before.kind && last.kind == FindingKind::Undecided) ||
                           (equal(last.kind) && equal(before.kind));
        // A gap that does not show in the printed places is none.
        if (!joins || (last.lower > before.upper && !printedAlike(last.lower, before.upper))) {
            return;
        }
        before.upper = std::max(before.upper, last.upper);
        before.certainty = std::max(before.certainty, last.certainty);
        if (last.kind != before.kind) {
            before.kind = FindingKind::Plateau;
        }
        out.pop_back();
    }
}

} // namespace

std::vector<Finding> findingsOf(const std::vector<Mark>& marks, const DifferenceSource& sides) {
    std::vector<Finding> out;
    for (size_t i = 0; i < marks.size();) {
        const Mark& m = marks[i];
        size_t end = i + 1;
        if (joinsPlace(m.kind)) {
            // Marks that meet are one place, and so are those within the width of the place's
            // flat marks, where the edge of d's noise about 0 is ragged.
            long double reach = m.upper;
            long double flatWidth = m.kind == Mark::Flat ? m.upper - m.lower : 0;
            long double flatFrom = m.lower;
            bool flats = m.kind == Mark::Flat;
            const Mark* root = m.kind == Mark::Root ? &m : nullptr;
            while (end < marks.size() && joinsPlace(marks[end].kind) &&
                   marks[end].lower <= reach + flatWidth) {
                const Mark& next = marks[end];
                // Roots that print apart are places of their own.
                if (next.kind == Mark::Root && root != nullptr && !printedAlike(root->x, next.x) &&
                    next.lower > reach) {
                    break;
                }
                root = next.kind == Mark::Root ? &next : root;
                if (next.kind == Mark::Flat) {
                    flatFrom = flats ? std::min(flatFrom, next.lower) : next.lower;
                    flats = true;
                    flatWidth = std::max(reach, next.upper) - flatFrom;
                }
                reach = std::max(reach, next.upper);
                ++end;
            }
            std::vector<Finding> place;
            Place(marks, i, end, sides).addTo(place);
            for (const Finding& f : place) {
                if (!sameRootAsLast(out, f)) {
                    out.push_back(f);
                    joinMeeting(out);
                }
            }
        } else if (m.kind == Mark::Undecided) {
            long double reach = m.upper;
            while (end < marks.size() && marks[end].kind == Mark::Undecided &&
                   marks[end].lower <= reach) {
                reach = std::max(reach, marks[end].upper);
                ++end;
            }
            out.push_back({m.lower, reach, FindingKind::Undecided, Certainty::Resolution});
            joinMeeting(out);
        } else if (m.kind == Mark::Pole) {
            const Finding pole{m.x, m.x, FindingKind::Pole, m.certainty};
            if (out.empty() || out.back().kind != FindingKind::Pole ||
                !printedAlike(out.back().lower, pole.lower)) {
                out.push_back(pole);
            }
        } else {
            out.push_back({m.lower, m.upper, m.runKind, Certainty::Proven});
        }
        joinMeeting(out);
        i = end;
    }
    return out;
}
