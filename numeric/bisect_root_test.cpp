#include "numeric/bisect_root.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "numeric/bisect_root_reference.h"
#include "testing/same_bits.h"

namespace calorix {
namespace {

constexpr auto kRelative = SearchMeasure::kRelative;
constexpr auto kAbsolute = SearchMeasure::kAbsolute;
constexpr auto kDetect = CollapseDetection::kOn;
constexpr auto kNoDetect = CollapseDetection::kOff;

// Records every argument the search hands to f.
struct Recorder {
    std::vector<double> arguments;
};

struct MonotoneRow {
    const char* name;
    double (*f)(double);
    double target;
    double lo;
    double hi;
    double root;
};

double Cube(double u) {
    return u * u * u;
}
double Inverse(double u) {
    return 1 / u;
}
double Line(double u) {
    return u;
}
double Falling(double u) {
    return 1 - u;
}

const std::vector<MonotoneRow> kRelativeRows = {
    {"cube", Cube, 10, 1, 3, std::cbrt(10.0)},
    {"cube near lo", Cube, 1.5, 1, 3, std::cbrt(1.5)},
    {"cube near hi", Cube, 26, 1, 3, std::cbrt(26.0)},
    {"inverse", Inverse, 0.37, 0.1, 10, 1 / 0.37},
    {"inverse near hi", Inverse, 0.1001, 0.1, 10, 1 / 0.1001},
    {"saturation-like", [](double t) { return std::exp(0.05 * (t - 373.15)); }, 0.2, 273.16, 647.3,
     373.15 + std::log(0.2) / 0.05},
};

const std::vector<MonotoneRow> kAbsoluteRows = {
    {"line", Line, 0.3, 0, 1, 0.3},
    {"line near 0", Line, 0.0123, 0, 1, 0.0123},
    {"line near 1", Line, 0.9871, 0, 1, 0.9871},
    {"falling", Falling, 0.7, 0, 1, 0.3},
    {"falling near 1", Falling, 0.01, 0, 1, 0.99},
};

// lo keeps the side of its start, so for lo < hi the result never lies past
// the root, and the measure bounds its distance to it.
TEST(BisectRoot, RelativeMeasureFindsTheRootFromBelow) {
    for (const MonotoneRow& row : kRelativeRows) {
        const auto f = [&](double& u) { return row.f(u); };
        const std::optional<double> u =
            BisectRoot(f, row.target, row.lo, row.hi, kRelative, kNoDetect);
        ASSERT_TRUE(u.has_value()) << row.name;
        EXPECT_LE(*u, row.root) << row.name;
        EXPECT_LE((row.root - *u) / *u, 0.0001) << row.name;
        EXPECT_EQ(BisectRoot(f, row.target, row.lo, row.hi, kRelative, kDetect), u) << row.name;
    }
}

TEST(BisectRoot, AbsoluteMeasureFindsTheRootFromBelow) {
    for (const MonotoneRow& row : kAbsoluteRows) {
        const auto f = [&](double& u) { return row.f(u); };
        const std::optional<double> u =
            BisectRoot(f, row.target, row.lo, row.hi, kAbsolute, kNoDetect);
        ASSERT_TRUE(u.has_value()) << row.name;
        EXPECT_LE(*u, row.root) << row.name;
        EXPECT_LE(row.root - *u, 0.001) << row.name;
    }
}

// Ten halvings of [0, 1] leave a bracket of 1/1024 around 0.3: [307, 308] / 1024.
// The result is its lower end, not its midpoint.
TEST(BisectRoot, ResultIsTheLowerEndOfTheLastBracket) {
    const auto rising = [](double& u) { return u; };
    EXPECT_EQ(BisectRoot(rising, 0.3, 0, 1, kAbsolute, kNoDetect), 307.0 / 1024);
    const auto falling = [](double& u) { return 1 - u; };
    EXPECT_EQ(BisectRoot(falling, 0.7, 0, 1, kAbsolute, kNoDetect), 307.0 / 1024);
}

// The ends are evaluated on the first step; from then on each end keeps the
// side it was found on, and a step evaluates only its midpoint.
TEST(BisectRoot, EvaluatesBothEndsOnceThenOnlyMidpoints) {
    Recorder recorder;
    const auto f = [&](double& u) {
        recorder.arguments.push_back(u);
        return u;
    };
    BisectRoot(f, 0.3, 0, 1, kAbsolute, kNoDetect);
    // Ten steps: the two ends and ten midpoints.
    EXPECT_EQ(recorder.arguments,
              (std::vector<double>{0, 1, 0.5, 0.25, 0.375, 0.3125, 0.28125, 0.296875, 0.3046875,
                                   0.30078125, 0.298828125, 0.2998046875}));
}

TEST(BisectRoot, NoSignChangeGivesTheInitialMidpointOrNothing) {
    const auto above = [](double& u) { return u + 10; };
    EXPECT_EQ(BisectRoot(above, 0, 2, 6, kRelative, kNoDetect), 4);
    EXPECT_EQ(BisectRoot(above, 0, 2, 6, kAbsolute, kNoDetect), 4);
    EXPECT_EQ(BisectRoot(above, 0, 2, 6, kRelative, kDetect), std::nullopt);
    EXPECT_EQ(BisectRoot(above, 0, 2, 6, kAbsolute, kDetect), std::nullopt);

    const auto below = [](double& u) { return -u; };
    EXPECT_EQ(BisectRoot(below, 5, 0.2, 0.8, kAbsolute, kNoDetect), 0.5);
    EXPECT_EQ(BisectRoot(below, 5, 0.2, 0.8, kAbsolute, kDetect), std::nullopt);
}

TEST(BisectRoot, ExactHitAtTheFirstMidpointEnds) {
    for (const SearchMeasure measure : {kRelative, kAbsolute}) {
        for (const CollapseDetection collapse : {kNoDetect, kDetect}) {
            Recorder recorder;
            const auto f = [&](double& u) {
                recorder.arguments.push_back(u);
                return u;
            };
            EXPECT_EQ(BisectRoot(f, 0.5, 0, 1, measure, collapse), 0.5);
            EXPECT_EQ(recorder.arguments, (std::vector<double>{0, 1, 0.5}));
        }
    }
}

TEST(BisectRoot, MidpointBeyondBothEndsEnds) {
    Recorder recorder;
    // f(0) = f(1) = 1, f(0.5) = -1.
    const auto valley = [&](double& u) {
        recorder.arguments.push_back(u);
        return 8 * (u - 0.5) * (u - 0.5) - 1;
    };
    EXPECT_EQ(BisectRoot(valley, 0, 0, 1, kAbsolute, kNoDetect), 0.5);
    EXPECT_EQ(recorder.arguments.size(), 3u);

    const auto peak = [](double& u) { return 1 - 8 * (u - 2) * (u - 2); };  // f(1) = f(3) = -7
    EXPECT_EQ(BisectRoot(peak, 0, 1, 3, kRelative, kDetect), 2);
}

TEST(BisectRoot, ClippedEndIsUsedFromTheNextStep) {
    Recorder recorder;
    // Like a pressure clipped to the critical pressure in the caller's variable.
    const auto clipping = [&](double& p) {
        recorder.arguments.push_back(p);
        if (p > 22.0891) p = 22.0891;
        return p;
    };
    const std::optional<double> p = BisectRoot(clipping, 21, 10, 30, kRelative, kNoDetect);
    ASSERT_TRUE(p.has_value());
    EXPECT_LE(*p, 21);
    EXPECT_LE((21 - *p) / *p, 0.0001);

    ASSERT_GE(recorder.arguments.size(), 6u);
    // First step: the midpoint comes from the end as given.
    EXPECT_EQ(recorder.arguments[0], 10);
    EXPECT_EQ(recorder.arguments[1], 30);
    EXPECT_EQ(recorder.arguments[2], 20);
    // Second step: the clipped hi is evaluated again at its new value, and
    // the midpoint comes from it; lo, the first midpoint, keeps its side.
    EXPECT_EQ(recorder.arguments[3], 22.0891);
    EXPECT_EQ(recorder.arguments[4], (20 + 22.0891) / 2);
    for (std::size_t i = 3; i < recorder.arguments.size(); ++i) {
        EXPECT_LE(recorder.arguments[i], 22.0891) << i;
    }
    EXPECT_EQ(std::count(recorder.arguments.begin(), recorder.arguments.end(), 22.0891), 1);
}

TEST(BisectRoot, BracketClippedAboveTheTargetCollapses) {
    const auto clipping = [](double& p) {
        if (p > 22.0891) p = 22.0891;
        return p;
    };
    // No pressure reaches 25: every argument is clipped, the bracket collapses.
    EXPECT_EQ(BisectRoot(clipping, 25, 23, 30, kRelative, kDetect), std::nullopt);
    EXPECT_EQ(BisectRoot(clipping, 25, 23, 30, kRelative, kNoDetect), 22.0891);
}

TEST(BisectRoot, EmptyBracketAtZeroEnds) {
    const auto f = [](double& u) { return u; };
    EXPECT_EQ(BisectRoot(f, 0, 0, 0, kRelative, kNoDetect), 0);
    EXPECT_EQ(BisectRoot(f, 1, 0, 0, kRelative, kNoDetect), 0);
    EXPECT_EQ(BisectRoot(f, 1, 0, 0, kRelative, kDetect), std::nullopt);
}

// The relative measure divides by lo = 0 on every step; the search still
// ends once hi comes down to lo.
TEST(BisectRoot, RootAtALowerEndOfZeroEnds) {
    const auto f = [](double& u) { return u; };
    const std::optional<double> u = BisectRoot(f, 0, 0, 1, kRelative, kNoDetect);
    ASSERT_TRUE(u.has_value());
    EXPECT_EQ(*u, 0);
}

// A bracket end that is not a number, given or set by f, ends the search.
TEST(BisectRoot, BracketEndThatIsNotANumberEnds) {
    const double nan = std::nan("");
    const auto f = [](double& u) { return u; };
    EXPECT_EQ(BisectRoot(f, 0.5, nan, 1, kRelative, kDetect), std::nullopt);
    EXPECT_TRUE(BisectRoot(f, 0.5, 0, nan, kAbsolute, kNoDetect).has_value());
    const auto poisoning = [nan](double& u) {
        if (u > 0.9) u = nan;
        return u;
    };
    EXPECT_EQ(BisectRoot(poisoning, 0.3, 0, 1, kAbsolute, kDetect), std::nullopt);
}

// Carrying the ends' sides over must change no result: the search gives,
// bit for bit, what the search that evaluates f at both ends and the
// midpoint on every step gives, for functions that change their argument as
// the superheated functions do, that stop being numbers, that hit the target
// exactly, and for brackets given either way round, empty or at zero.
struct SearchFunction {
    const char* name;
    std::function<double(double&)> f;
};

double Clip(double& u, double limit) {
    if (u > limit) u = limit;
    return u;
}

const std::vector<SearchFunction> kSearchFunctions = {
    {"rising", [](double& u) { return u; }},
    {"falling", [](double& u) { return 1 - u; }},
    {"cube", [](double& u) { return u * u * u - 0.2; }},
    {"inverse", [](double& u) { return 1 / u; }},
    // Like a pressure lowered to its limit in the caller's variable.
    {"clipped", [](double& u) { return std::log(Clip(u, 0.6) + 1); }},
    // Like the enthalpy: part from the argument as given, part clipped.
    {"clipped after use",
     [](double& u) {
         const double given = u;
         return 0.25 * given + Clip(u, 0.45);
     }},
    // An argument beyond 0.9 becomes a NaN.
    {"poisoning",
     [](double& u) {
         if (u > 0.9) u = std::nan("");
         return u;
     }},
    // Not a number over part of the range: its side is 0.
    {"partly NaN", [](double& u) { return u > 0.7 ? std::nan("") : u; }},
    // Plateaus: midpoints hit a target on a plateau exactly.
    {"steps", [](double& u) { return std::floor(u * 8) / 8; }},
    {"valley", [](double& u) { return 8 * (u - 0.5) * (u - 0.5) - 1; }},
    // A negative zero turned into a positive one: the same number, but
    // not the same argument, and f tells them apart.
    {"signed zero",
     [](double& u) {
         const double side = std::signbit(u) ? -1 : 1;
         if (u == 0) u = 0.0;
         return u == 0 ? side : u;
     }},
};

using test::Bits;

TEST(BisectRoot, GivesWhatTheThreeEvaluationSearchGives) {
    std::vector<double> targets;
    for (double t = -1.3; t <= 1.3; t += 0.0173)
        targets.push_back(t);
    for (int k = -8; k <= 8; ++k)
        targets.push_back(k / 8.0);  // exact hits of dyadic midpoints and plateaus
    targets.push_back(std::numeric_limits<double>::quiet_NaN());

    const std::vector<std::pair<double, double>> brackets = {
        {0, 1}, {1, 0},   {-0.0, 1},  {0.1, 0.95}, {0.95, 0.1}, {-1, 1},  {0.3, 0.3},
        {0, 0}, {0.2, 3}, {-2, -0.5}, {0.5, 0.5},  {0.01, 10},  {-0.0, 0}};

    int compared = 0;
    for (const SearchFunction& function : kSearchFunctions) {
        for (const auto& [lo, hi] : brackets) {
            for (const double target : targets) {
                for (const SearchMeasure measure : {kRelative, kAbsolute}) {
                    for (const CollapseDetection collapse : {kNoDetect, kDetect}) {
                        auto f = function.f;
                        auto reference = function.f;
                        const std::optional<double> u =
                            BisectRoot(f, target, lo, hi, measure, collapse);
                        const std::optional<double> expected = reference::ThreeEvaluationBisectRoot(
                            reference, target, lo, hi, measure, collapse);
                        ASSERT_TRUE(test::SameBits(u, expected))
                            << function.name << ", target " << target << ", [" << lo << ", " << hi
                            << "], relative " << (measure == kRelative) << ", collapse "
                            << (collapse == kDetect);
                        ++compared;
                    }
                }
            }
        }
    }
    EXPECT_GT(compared, 10000);
}

// The evaluations left out are repeats: the search evaluates exactly the
// arguments the three-evaluation search evaluates, in the same order, except
// an end at an argument that an evaluation of the step before left as it
// was.
TEST(BisectRoot, LeavesOutOnlyEvaluationsAtArgumentsAlreadyEvaluatedUnchanged) {
    for (const SearchFunction& function : kSearchFunctions) {
        for (const double target : {0.05, 0.3, 0.55, 0.8}) {
            std::vector<double> arguments, referenceArguments;
            const auto f = [&](double& u) {
                arguments.push_back(u);
                return function.f(u);
            };
            // Records whether each evaluation left its argument unchanged.
            std::vector<bool> referenceKept;
            const auto reference = [&](double& u) {
                referenceArguments.push_back(u);
                const std::uint64_t before = Bits(u);
                const double value = function.f(u);
                referenceKept.push_back(Bits(u) == before);
                return value;
            };
            BisectRoot(f, target, 0, 1, kRelative, kNoDetect);
            reference::ThreeEvaluationBisectRoot(reference, target, 0, 1, kRelative, kNoDetect);

            // Step k of the reference evaluated lo, hi, mid at 3k, 3k+1, 3k+2.
            std::vector<double> expected;
            for (std::size_t i = 0; i < referenceArguments.size(); ++i) {
                const bool end = i % 3 != 2;
                bool repeat = false;
                if (end && i >= 3) {
                    const std::size_t step = i / 3 * 3;
                    for (std::size_t j = step - 3; j < step; ++j) {
                        repeat = repeat || (referenceKept[j] && Bits(referenceArguments[j]) ==
                                                                    Bits(referenceArguments[i]));
                    }
                }
                if (!repeat) expected.push_back(referenceArguments[i]);
            }
            ASSERT_EQ(arguments.size(), expected.size()) << function.name << ", target " << target;
            for (std::size_t i = 0; i < arguments.size(); ++i) {
                EXPECT_EQ(Bits(arguments[i]), Bits(expected[i]))
                    << function.name << ", target " << target << ", evaluation " << i;
            }
        }
    }
}

}  // namespace
}  // namespace calorix
