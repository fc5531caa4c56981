#include "model/state_region.h"

#include <gtest/gtest.h>

#include "steam/saturated_properties.h"

namespace calorix {
namespace {

TEST(StateRegion, ClassifiesPointsAroundTheDome) {
    EXPECT_EQ(StateRegion(2, 400), kWetMixture);
    EXPECT_EQ(StateRegion(0.5, 400), kLiquid);
    EXPECT_EQ(StateRegion(8, 400), kSuperheated);
    // Above the critical temperature the critical entropy divides the chart.
    EXPECT_EQ(StateRegion(4.4289, 700), kSuperheated);
    EXPECT_EQ(StateRegion(4.4, 700), kLiquid);
    EXPECT_EQ(StateRegion(11, 1273.16), kSuperheated);
}

TEST(StateRegion, PointsExactlyOnABoundaryFitNoTest) {
    const double T = 450;
    EXPECT_EQ(StateRegion(SatLiquidEntropy(T), T), kNoRegion);
    EXPECT_EQ(StateRegion(SatVaporEntropy(T), T), kNoRegion);
    // At exactly 647.3 K only an entropy above sg(647.3) = 4.4289 is superheated.
    EXPECT_EQ(StateRegion(4.0, 647.3), kNoRegion);
    EXPECT_EQ(StateRegion(4.5, 647.3), kSuperheated);
}

}  // namespace
}  // namespace calorix
