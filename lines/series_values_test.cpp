// The values of a line series: the step, the accumulated values and the
// limits that keep a series from running for ever.
#include "lines/series_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

namespace calorix {
namespace {

TEST(SeriesStepTest, ByIncrementOrByNumberOfPoints) {
    EXPECT_EQ(SeriesStep(274, 1273, 100, 9, false), 100);
    EXPECT_EQ(SeriesStep(274, 1273, 100, 9, true), 111);
    EXPECT_EQ(SeriesStep(1273, 274, 100, 9, true), -111);
    // The count is the number of steps; 0 steps give no step at all.
    EXPECT_EQ(SeriesStep(274, 1273, 100, 0, true), std::nullopt);
    EXPECT_EQ(SeriesStep(274, 274, 100, 0, true), std::nullopt);
    EXPECT_EQ(SeriesStep(274, 1273, 0, 0, false), 0);
}

TEST(SeriesTest, AccumulatesFromFromUntilTheValuePassesTo) {
    const SeriesValues entropy = Series(0, 12, 1.0);
    ASSERT_EQ(entropy.outcome, SeriesOutcome::kValues);
    ASSERT_EQ(entropy.values.size(), 13u);
    for (size_t i = 0; i < entropy.values.size(); ++i)
        EXPECT_EQ(entropy.values[i], double(i));

    // The accumulated 22nd value lies just above 22: 21 values.
    const SeriesValues pressure = Series(0.00062, 22, (22 - 0.00062) / 21);
    ASSERT_EQ(pressure.values.size(), 21u);
    EXPECT_NEAR(pressure.values.back(), 20.9524104761905, 1e-12);

    const SeriesValues descending = Series(1273, 274, -111.0);
    ASSERT_EQ(descending.values.size(), 10u);
    EXPECT_EQ(descending.values.front(), 1273);
    EXPECT_EQ(descending.values.back(), 274);
}

TEST(SeriesTest, AStepThatDoesNotLeadToToGivesNoValues) {
    EXPECT_TRUE(Series(274, 1273, -100.0).values.empty());
    EXPECT_TRUE(Series(1273, 274, 100.0).values.empty());
    EXPECT_EQ(Series(1273, 274, 100.0).outcome, SeriesOutcome::kValues);
    // From equal to To: one value, whatever the sign of the step.
    EXPECT_EQ(Series(500, 500, 1.0).values, std::vector<double>{500});
    EXPECT_EQ(Series(500, 500, -1.0).values, std::vector<double>{500});
}

TEST(SeriesTest, NoStepAZeroStepOrANanStepIsRefused) {
    EXPECT_EQ(Series(274, 1273, std::nullopt).outcome, SeriesOutcome::kNoStep);
    EXPECT_EQ(Series(274, 1273, 0.0).outcome, SeriesOutcome::kNoStep);
    EXPECT_EQ(Series(274, 1273, -0.0).outcome, SeriesOutcome::kNoStep);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Series(-1e308, 1e308, inf / inf).outcome, SeriesOutcome::kNoStep);
    EXPECT_TRUE(Series(274, 1273, 0.0).values.empty());
}

TEST(SeriesTest, ASeriesLongerThanTheLimitIsRefusedWhole) {
    EXPECT_EQ(Series(1, 1000, 1.0).values.size(), 1000u);
    const SeriesValues tooMany = Series(0, 1000, 1.0);
    EXPECT_EQ(tooMany.outcome, SeriesOutcome::kTooMany);
    EXPECT_TRUE(tooMany.values.empty());
    EXPECT_EQ(Series(274, 1273, 1e-9).outcome, SeriesOutcome::kTooMany);
    EXPECT_EQ(Series(-1e308, 1e308, 1.0).outcome, SeriesOutcome::kTooMany);
    EXPECT_EQ(Series(1e300, 2e300, 1.0).outcome, SeriesOutcome::kTooMany);
    // Refused up front, before the running value would stop changing.
    EXPECT_EQ(Series(-std::numeric_limits<double>::infinity(), 0, 1.0).outcome,
              SeriesOutcome::kTooMany);
    EXPECT_EQ(Series(0, 10, 1.0, 5).outcome, SeriesOutcome::kTooMany);
    EXPECT_EQ(Series(0, 4, 1.0, 5).values.size(), 5u);
}

TEST(SeriesTest, ARunningValueThatNoLongerChangesEndsTheSeries) {
    // 1 is lost against 1e300: the value would repeat for ever.
    EXPECT_EQ(Series(1e300, 1e300, 1.0).values, std::vector<double>{1e300});
    EXPECT_EQ(Series(-1e300, -1e300, -1.0).values, std::vector<double>{-1e300});
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Series(inf, inf, 1.0).values, std::vector<double>{inf});
    // An infinite step: From, then the value has passed To.
    EXPECT_EQ(Series(274, 1273, inf).values, std::vector<double>{274});
}

}  // namespace
}  // namespace calorix
