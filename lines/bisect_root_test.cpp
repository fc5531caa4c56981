#include "lines/bisect_root.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

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

TEST(BisectRoot, EvaluatesLoHiMidThreeTimesPerStep) {
    Recorder recorder;
    const auto f = [&](double& u) {
        recorder.arguments.push_back(u);
        return u;
    };
    BisectRoot(f, 0.3, 0, 1, kAbsolute, kNoDetect);
    ASSERT_EQ(recorder.arguments.size(), 30u);  // ten steps
    EXPECT_EQ(recorder.arguments[0], 0);
    EXPECT_EQ(recorder.arguments[1], 1);
    EXPECT_EQ(recorder.arguments[2], 0.5);
    // 0.5 lies above 0.3: hi moves to it.
    EXPECT_EQ(recorder.arguments[3], 0);
    EXPECT_EQ(recorder.arguments[4], 0.5);
    EXPECT_EQ(recorder.arguments[5], 0.25);
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
    // Second step: hi is the clipped value, and so is the midpoint's end.
    EXPECT_EQ(recorder.arguments[3], 20);
    EXPECT_EQ(recorder.arguments[4], 22.0891);
    EXPECT_EQ(recorder.arguments[5], (20 + 22.0891) / 2);
    for (std::size_t i = 3; i < recorder.arguments.size(); ++i) {
        EXPECT_LE(recorder.arguments[i], 22.0891) << i;
    }
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

}  // namespace
}  // namespace calorix
