// The stepwise searches' shortcuts: the value after many steps of x = x + step, and the runs
// of steps skipped because the cubic is proven below its target, must land on the very double
// and the very step that the step-by-step search reaches. LIRVO_SEARCH_RUNS sets the number of
// random searches compared.
#include "sections/search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>

namespace lirvo {
namespace {

double repeatedSteps(double x, double step, long count) {
    for (long i = 0; i < count; ++i)
        x = x + step;
    return x;
}

TEST(StepsAhead, EqualsTheStepsTakenOneByOne) {
    // Binade edges, a start at 0, steps that round up, down, to a tie or to nothing.
    const struct {
        double x, step;
        long count;
    } rows[] = {
        {0, 0.0001, 300000},     {17, 0.0001, 200000},          {31.99999, 0.0001, 1000},
        {0, 0.001, 70000},       {511.9, 0.001, 1000},          {1, 3 * 0x1p-53, 5},
        {1, 3 * 0x1p-53, 10000}, {1 + 0x1p-52, 3 * 0x1p-53, 9}, {1, 0x1p-53, 100},
        {0x1p60, 0.001, 10},     {0.0001, 0.0001, 262144},      {4096 - 0x1p-30, 0x1p-40, 700}};
    for (const auto& r : rows)
        EXPECT_EQ(stepsAhead(r.x, r.step, r.count), repeatedSteps(r.x, r.step, r.count))
            << r.x << " + " << r.count << " x " << r.step;

    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> start(0, 700), step(1e-5, 0.01);
    std::uniform_int_distribution<long> count(0, 50000);
    for (int i = 0; i < 2000; ++i) {
        const double x = start(random), s = step(random);
        const long n = count(random);
        ASSERT_EQ(stepsAhead(x, s, n), repeatedSteps(x, s, n)) << x << " + " << n << " x " << s;
    }
}

struct Stop {
    double x;
    long steps;
    bool refused;
};

// The searches' loop over a cubic a*x^3 + b*x^2 + c*x with pow(), with or without the skips.
Stop search(double a, double b, double c, double target, double step, double limit, double x,
            bool skipping) {
    auto F = [&](double v) { return (a * std::pow(v, 3) + b * std::pow(v, 2)) + c * v; };
    long steps = 0;
    do {
        if (skipping) skipStepsSurelyBelow(a, b, c, target, step, limit, x, steps);
        x = x + step;
        if (x > limit || ++steps > kMaxSearchSteps) return {x, steps, true};
    } while (cubicSurelyBelow(a, b, c, x, target) || F(x) <= target);
    return {x, steps, false};
}

TEST(SkipStepsSurelyBelow, StopsOrRefusesOnTheSameStep) {
    const char* runsText = std::getenv("LIRVO_SEARCH_RUNS");
    const long runs = runsText && *runsText ? std::strtol(runsText, nullptr, 10) : 1000;
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> unit(0, 1);
    long stops = 0, refusals = 0;
    for (long i = 0; i < runs; ++i) {
        // Beams of the semi-designs: B*sf*X^2*(h - X/3) = 2*n*M*(h - X), or mixed signs, the
        // root near the limit or beyond it, a target met at the first step.
        const double B = 20 + 60 * unit(random), sf = 1200 + 1400 * unit(random);
        const double h = 25 + 100 * unit(random), nM = 1e6 * (1 + 400 * unit(random));
        double a = -sf * B / 6, b = sf * B * h / 2, c = nM, target = nM * h;
        if (i % 4 == 1) a = -a, b = -b * unit(random);
        if (i % 8 == 3) target = 0;
        const double step = i % 2 ? 0.0001 : 0.001;
        double limit = i % 5 == 2 ? 10 * unit(random) : h;
        const double x = i % 3 == 0 ? 17 : 0;
        long stopsAt = 0;
        if (i % 6 == 4) {
            // A hump narrower than a run of steps, its top above the target: x(x-r)(r+w-x).
            const double r = 1 + 20 * unit(random), w = 0.003 + 0.02 * unit(random);
            a = -nM, b = nM * (2 * r + w), c = -nM * r * (r + w);
            target = nM * r * w * w / 8;
        } else if (i % 6 == 2) {
            // A target one double below the cubic at a step: the search stops on that step.
            // Every term rising, so that the bound is the cubic at the run's end.
            a = std::fabs(a), b = std::fabs(b);
            if (i % 4 == 2) b = 0, c = 0;
            stopsAt = 1 + static_cast<long>(unit(random) * 100000);
            const double at = repeatedSteps(x, step, stopsAt);
            target = std::nextafter((a * std::pow(at, 3) + b * std::pow(at, 2)) + c * at, -1e300);
            limit = at + 1;
        } else if (i % 50 == 7) {
            target = 1e300, limit = 1000;  // beyond the step bound
        }
        const Stop alone = search(a, b, c, target, step, limit, x, false);
        if (stopsAt) {
            ASSERT_EQ(alone.steps, stopsAt) << "run " << i;
        }
        const Stop skipping = search(a, b, c, target, step, limit, x, true);
        ASSERT_EQ(skipping.x, alone.x) << "run " << i;
        ASSERT_EQ(skipping.steps, alone.steps) << "run " << i;
        ASSERT_EQ(skipping.refused, alone.refused) << "run " << i;
        ++(alone.refused ? refusals : stops);
    }
    EXPECT_GT(stops, runs / 3);
    EXPECT_GT(refusals, runs / 20);
}

}  // namespace
}  // namespace lirvo
