// The values of a line series: the step, the accumulated values and the
// limits that keep a series from running for ever.
#include "lines/series_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "lines/validate_inputs.h"
#include "numeric/box_value.h"

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

TEST(SeriesOptions, OfTheChartsCorrelationsAreTheDialogsOwn) {
    const auto& options = SeriesOptions(ClassicModel());
    EXPECT_STREQ(options[0].caption, "Temperature [273.16 to 1273.16 K]");
    EXPECT_STREQ(options[1].caption, "Pressure [0.00062 to 22]");
    EXPECT_STREQ(options[2].caption, "Specific volume [0.005 to 200]");
    EXPECT_STREQ(options[3].caption, "Specific enthalpy [200 to 4600]");
    EXPECT_STREQ(options[4].caption, "Specific entropy [0 to 12]");
    EXPECT_STREQ(options[2].from, "0.005");
    EXPECT_STREQ(options[2].to, "200");
    EXPECT_STREQ(options[2].increment, "10");
}

TEST(SeriesOptions, CaptionsNameTheModelsRangesAndTheDefaultsLieInThem) {
    for (const PropertyModel* model : {&ClassicModel(), &If97Model()}) {
        const auto& options = SeriesOptions(*model);
        const PropertyRanges& ranges = ModelRanges(*model);
        for (int i = 0; i < kPropertyCount; ++i) {
            const std::string caption = options[size_t(i)].caption;
            SCOPED_TRACE(caption);
            const std::size_t open = caption.find('['), to = caption.find(" to ");
            ASSERT_NE(open, std::string::npos);
            ASSERT_NE(to, std::string::npos);
            const PropertyRange& range = ranges[size_t(i)];
            EXPECT_EQ(BoxValue(caption.substr(open + 1, to - open - 1)), range.lower);
            EXPECT_EQ(BoxValue(caption.substr(to + 4)), range.upper);
            for (const char* value : {options[size_t(i)].from, options[size_t(i)].to}) {
                EXPECT_GE(BoxValue(value), range.lower);
                EXPECT_LE(BoxValue(value), range.upper);
            }
        }
        // The same families under every model.
        for (int i = 0; i < kPropertyCount; ++i) {
            EXPECT_STREQ(options[size_t(i)].from, SeriesOptions(ClassicModel())[size_t(i)].from);
            EXPECT_STREQ(options[size_t(i)].to, SeriesOptions(ClassicModel())[size_t(i)].to);
            EXPECT_STREQ(options[size_t(i)].increment,
                         SeriesOptions(ClassicModel())[size_t(i)].increment);
        }
    }
    EXPECT_STREQ(SeriesOptions(If97Model())[1].caption, "Pressure [0.000001 to 100]");
}

}  // namespace
}  // namespace calorix
