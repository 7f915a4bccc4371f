#pragma once

// The grid-refinement search shared by the time-value solver (for n and i) and
// the internal rate of return: walk a grid of points until the sign of the
// difference changes, then walk the last interval again with a tenth of the step.
//
//   pass: x = start, start + step, ... while x <= limit (repeated addition)
//         stop at the first point whose difference has the opposite sign from the
//         difference at the start (exactly zero at the start counts as not above
//         zero; a difference of exactly zero never stops the walk)
//   then: start = x - step, limit = x, step = step / 10
//   until |d| < 1e-9 or step < 1e-13 (tested after the division: 13 passes at most)
//
// The point reported is the first one past the sign change at the finest step
// reached, never a point before it; a walk that runs to its end reports the first
// point past its limit.

#include <cmath>

namespace pelmora {

struct GridSearchResult
{
    double x = 0;   // the point reported
    double d = 0;   // the difference last computed
    int passes = 0; // walks run
};

inline constexpr double GridSearchFirstStep = 0.1;
inline constexpr double GridSearchTolerance = 1e-9;
inline constexpr double GridSearchSmallestStep = 1e-13;

// `evaluate(x, d)` computes the difference at x into d; a point whose arithmetic
// fails leaves d as it was. `d` is the difference before the first point: it is
// set once per search, not once per pass.
template <class Evaluate> GridSearchResult gridRefine(double start, double limit, double d, Evaluate &&evaluate)
{
    // No walk needs more than about 11,300 points; the cap only guards against a
    // step too small to move x, which would otherwise never end.
    constexpr long MaxPointsPerWalk = 2'000'000;

    double step = GridSearchFirstStep;
    double x = start;
    int passes = 0;
    for (;;) {
        ++passes;
        bool startedAboveZero = false;
        x = start;
        for (long points = 0; x <= limit && points < MaxPointsPerWalk; ++points) {
            evaluate(x, d);
            if (d > 0 && x == start)
                startedAboveZero = true;
            if ((d < 0 && startedAboveZero) || (d > 0 && !startedAboveZero))
                break;
            x += step;
        }
        start = x - step;
        limit = x;
        step = step / 10;
        if (std::fabs(d) < GridSearchTolerance || step < GridSearchSmallestStep)
            break;
    }
    return {x, d, passes};
}

} // namespace pelmora
