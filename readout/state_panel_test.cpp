#include "readout/state_panel.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "lines/box_values.h"
#include "lines/search_reference.h"
#include "model/property_searches.h"
#include "model/state_region.h"
#include "numeric/number_text.h"
#include "steam/saturated_properties.h"
#include "steam/saturation_line.h"
#include "steam/superheated.h"

namespace calorix {
namespace {

// The panel's lines, each ended by a carriage return.
std::vector<std::string> PanelLines(const std::string& text) {
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.back(), '\r') << "the panel text ends with a carriage return";
    std::vector<std::string> lines;
    std::string current;
    for (const char c : text) {
        EXPECT_NE(c, '\n') << "lines are separated by a carriage return alone";
        if (c == '\r') {
            lines.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    return lines;
}

// The number after a line's label.
double LineValue(const std::string& line, const std::string& label) {
    EXPECT_EQ(line.substr(0, label.size()), label) << line;
    return BoxValue(line.substr(label.size()));
}

TEST(StatePanelText, WetStateByClick) {
    double T = 373.15;
    const auto lines = PanelLines(StatePanelText(PanelVariant::kClick, T, 4.0));
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "Location:");
    EXPECT_EQ(lines[1], "T  = 373.15");
    EXPECT_EQ(lines[2], "P  = .1014");  // 0.101409 MPa cut to 4 decimals
    // x = (4 - 1.30808) / (7.35380 - 1.30808) = 0.4452..., cut to 3 decimals.
    EXPECT_EQ(lines[3], "x  = .445");
    // The mixture lines use the cut quality.
    EXPECT_NEAR(LineValue(lines[4], "vx ="), 0.001043586 + 0.445 * (1.67193 - 0.001043586), 1e-5);
    EXPECT_NEAR(LineValue(lines[5], "hx ="), 419.610 + 0.445 * (2676.151 - 419.610), 0.02);
    EXPECT_NEAR(LineValue(lines[6], "sx ="), 1.30808 + 0.445 * (7.35380 - 1.30808), 2e-4);
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "vf = .0010435");
    EXPECT_EQ(lines[9], "vg = 1.67");
    EXPECT_EQ(lines[10], "hf = 419.61");
    EXPECT_EQ(lines[11], "hg = 2676.15");
    EXPECT_EQ(lines[12], "sf = 1.308");
    EXPECT_EQ(lines[13], "sg = 7.3538");
    EXPECT_EQ(T, 373.15);
}

TEST(StatePanelText, WetStateByLocateHasTwoBlankLinesAndFewerDecimals) {
    double T = 400;
    const auto lines = PanelLines(StatePanelText(PanelVariant::kLocate, T, 4.0));
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[1], "T  = 400");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "");
    // vf = 0.0010666... cut to 4 decimals rather than 7.
    EXPECT_EQ(lines[9], "vf = .001");
}

TEST(StatePanelText, TruncatesTheTemperatureInPlace) {
    double T = 373.159;
    StatePanelText(PanelVariant::kClick, T, 4.0);
    EXPECT_DOUBLE_EQ(T, 373.15);
    double superheatedT = 500.129;
    StatePanelText(PanelVariant::kClick, superheatedT, 7.5);
    EXPECT_DOUBLE_EQ(superheatedT, 500.12);
    // Nothing listed, nothing truncated.
    double liquidT = 400.129;
    EXPECT_EQ(StatePanelText(PanelVariant::kClick, liquidT, 0.5), "Location:\r");
    EXPECT_EQ(liquidT, 400.129);
}

TEST(StatePanelText, SuperheatedStateFindsThePressure) {
    double T = 500;
    const auto lines = PanelLines(StatePanelText(PanelVariant::kClick, T, 7.5));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Location:");
    EXPECT_EQ(lines[1], "T= 500");
    ASSERT_EQ(lines[2].substr(0, 4), "P= .") << "no 0 before the point";
    const double P = LineValue(lines[2], "P=");
    EXPECT_NEAR(P, 0.256, 0.001);
    EXPECT_EQ(lines[3], "");
    const std::string v = lines[4].substr(2);
    EXPECT_EQ(v.size() - v.find('.') - 1, 6u) << "the click shows v with 6 decimals: " << v;
    // The s line is recomputed at the found pressure and comes out near 7.5 again.
    EXPECT_NEAR(LineValue(lines[6], "s="), 7.5, 0.001);
    double p = P;
    EXPECT_NEAR(LineValue(lines[5], "h="), double(SuperheatedEnthalpy(500, p)), 0.01);
}

TEST(StatePanelText, LocateShowsTheSuperheatedVolumeWithFourDecimals) {
    double T = 500;
    const auto lines = PanelLines(StatePanelText(PanelVariant::kLocate, T, 7.5));
    ASSERT_EQ(lines.size(), 7u);
    const std::string v = lines[4].substr(2);
    EXPECT_EQ(v.size() - v.find('.') - 1, 4u) << v;
}

TEST(StatePanelText, StatesWithoutAPressureOrOnABoundaryListNothing) {
    // Above the critical temperature, at an entropy below that of the 22 MPa isobar.
    double T = 700;
    EXPECT_EQ(StatePanelText(PanelVariant::kClick, T, 4.5), "Location:\r");
    // Liquid.
    double liquid = 350;
    EXPECT_EQ(StatePanelText(PanelVariant::kLocate, liquid, 0.2), "Location:\r");
    // Beyond the low-pressure end of the bracket.
    double far = 300;
    EXPECT_EQ(StatePanelText(PanelVariant::kClick, far, 11.9), "Location:\r");
}

// The numbers behind the panel are the values its lines were made from: the
// truncated temperature and quality the other properties were computed with,
// everything else at full precision.
TEST(DescribeState, AWetStateCarriesTheNumbersItsLinesWereMadeFrom) {
    for (const PanelVariant variant : {PanelVariant::kClick, PanelVariant::kLocate}) {
        double T = 373.159;
        double textT = 373.159;
        const StatePanel panel = DescribeState(variant, T, 4.0);
        EXPECT_EQ(panel.text, StatePanelText(variant, textT, 4.0)) << "the text is unchanged";
        EXPECT_EQ(T, textT);
        ASSERT_TRUE(panel.values.has_value());
        const PanelValues& values = *panel.values;
        EXPECT_EQ(values.region, kWetMixture);
        EXPECT_EQ(values.T, TruncateDecimals(373.159, 2));
        double satT = values.T;
        EXPECT_EQ(values.P, double(SatPressure(satT))) << "not cut to the panel's 4 decimals";
        const double sf = SatLiquidEntropy(satT), sg = SatVaporEntropy(satT);
        const double x = TruncateDecimals((4.0 - sf) / (sg - sf), 3);
        ASSERT_TRUE(values.x.has_value());
        EXPECT_EQ(*values.x, x);
        const double vf = SatLiquidVolume(satT), vg = SatVaporVolume(satT);
        const double hf = SatLiquidEnthalpy(satT), hg = SatVaporEnthalpy(satT);
        EXPECT_EQ(values.v, vf + x * (vg - vf));
        EXPECT_EQ(values.h, hf + x * (hg - hf));
        EXPECT_EQ(values.s, sf + x * (sg - sf));
        // The texts are the panel's own value texts.
        const auto lines = PanelLines(panel.text);
        EXPECT_EQ("T  =" + values.TText, lines[1]);
        EXPECT_EQ("P  =" + values.PText, lines[2]);
        EXPECT_EQ("x  =" + values.xText, lines[3]);
        EXPECT_EQ("vx =" + values.vText, lines[4]);
        EXPECT_EQ("hx =" + values.hText, lines[5]);
        EXPECT_EQ("sx =" + values.sText, lines[6]);
    }
}

TEST(DescribeState, ASuperheatedStateCarriesTheCutPressureAndTheFullProperties) {
    double T = 500.129;
    const StatePanel panel = DescribeState(PanelVariant::kLocate, T, 7.5);
    ASSERT_TRUE(panel.values.has_value());
    const PanelValues& values = *panel.values;
    EXPECT_EQ(values.region, kSuperheated);
    EXPECT_EQ(values.T, TruncateDecimals(500.129, 2));
    EXPECT_EQ(values.P, TruncateDecimals(*SuperheatedPressure(500.129, 7.5), 4))
        << "the pressure v, h and s were computed at";
    double t = values.T, p = values.P;
    EXPECT_EQ(values.v, double(SuperheatedVolume(t, p)));
    EXPECT_EQ(values.h, double(SuperheatedEnthalpy(t, p)));
    EXPECT_EQ(values.s, double(SuperheatedEntropy(t, p)));
    EXPECT_FALSE(values.x.has_value());
    EXPECT_EQ(values.xText, "");
    const auto lines = PanelLines(panel.text);
    EXPECT_EQ("P=" + values.PText, lines[2]);
    EXPECT_EQ("v=" + values.vText, lines[4]);
    EXPECT_EQ(values.vText.size() - values.vText.find('.') - 1, 4u) << "Locate's 4 decimals";
}

TEST(DescribeState, APanelThatListsNothingHasNoValues) {
    double hot = 700, liquid = 350, far = 300;
    EXPECT_FALSE(DescribeState(PanelVariant::kClick, hot, 4.5).values.has_value());
    EXPECT_FALSE(DescribeState(PanelVariant::kLocate, liquid, 0.2).values.has_value());
    EXPECT_FALSE(DescribeState(PanelVariant::kClick, far, 11.9).values.has_value());
}

TEST(SuperheatedPressure, ReproducesTheEntropyItWasGiven) {
    for (double T : {380.0, 450.0, 600.0, 700.0, 900.0, 1200.0}) {
        for (double s : {6.5, 7.0, 7.5, 8.0, 9.0}) {
            const auto P = SuperheatedPressure(T, s);
            if (!P) continue;
            double p = *P;
            EXPECT_NEAR(double(SuperheatedEntropy(T, p)), s, 0.002) << T << " K, s = " << s;
        }
    }
    EXPECT_FALSE(SuperheatedPressure(700, 4.5).has_value());
}

// The search runs on the clipped upper end from its second step on: with
// each end's side carried over from the step before, it must still find,
// bit for bit, what the three-evaluation search over the first property
// model finds, for states across the superheated region, above the
// critical temperature and outside the bracket.
TEST(SuperheatedPressure, GivesWhatTheThreeEvaluationSearchGives) {
    int compared = 0, found = 0;
    for (double T = 273.16; T <= 1300; T += 19.3) {
        for (double s = 4; s <= 12.5; s += 0.0617) {
            const std::optional<double> P = SuperheatedPressure(T, s);
            const std::optional<double> expected = reference::SuperheatedPressure(T, s);
            ASSERT_EQ(P.has_value(), expected.has_value()) << T << " K, s = " << s;
            if (P) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>(*P), std::bit_cast<std::uint64_t>(*expected))
                    << T << " K, s = " << s;
                ++found;
            }
            ++compared;
        }
    }
    EXPECT_GT(found, compared / 2);
}

}  // namespace
}  // namespace calorix
