#include "tools/steam_command.h"

#include <gtest/gtest.h>

#include <sstream>

namespace calorix {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunCommand(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RunSteamCommand(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(SteamCommand, PrintsPropertyValuesWithSeventeenDigits) {
    const Outcome pressure = RunCommand({"SatPressure", "373.15"});
    EXPECT_EQ(pressure.status, 0);
    EXPECT_EQ(pressure.out.substr(0, 8), "0.101409");
    EXPECT_EQ(pressure.out.back(), '\n');
    EXPECT_EQ(pressure.out.find('\n'), pressure.out.size() - 1) << "one line";
    EXPECT_EQ(pressure.err, "");
    EXPECT_EQ(RunCommand({"SatLiquidVolume", "273.16"}).out, "0.00099996366811999095\n");
}

TEST(SteamCommand, ShowsTheCallersPressureAfterTheCall) {
    EXPECT_EQ(RunCommand({"SatTemperature", "25"}).out.substr(0, 9), "647.33311");
    EXPECT_NE(RunCommand({"SatTemperature", "25"}).out.find("\nP=22.08909999999999"),
              std::string::npos);
    EXPECT_NE(RunCommand({"SuperheatedEnthalpy", "700", "25"}).out.find("\nP=22.08909999999999"),
              std::string::npos);
    EXPECT_EQ(RunCommand({"SatTemperature", "0"}).out, "empty\nP=0\n");
    EXPECT_EQ(RunCommand({"SuperheatedVolume", "500", "0"}).out, "empty\nP=0\n");
}

TEST(SteamCommand, QuotesTextsWithCEscapes) {
    EXPECT_EQ(RunCommand({"NumberText", "0.25"}).out, "\" .25\"\n");
    EXPECT_EQ(RunCommand({"FixedDecimalText", "12.345", "5", "2"}).out, "\"   12.34\"\n");
    EXPECT_EQ(RunCommand({"ReadoutText", "373.159", "3", "2"}).out, "\" 373.15\"\n");
    EXPECT_EQ(RunCommand({"TruncateDecimals", "-1.234", "2"}).out, "-1.24\n");
    EXPECT_EQ(RunCommand({"StateRegion", "2", "400"}).out, "2\n");
    EXPECT_EQ(RunCommand({"panel", "click", "700", "4.5"}).out, "\"Location:\\r\"\n");
    const Outcome wet = RunCommand({"panel", "locate", "400", "4"});
    EXPECT_EQ(wet.status, 0);
    EXPECT_EQ(wet.out.substr(0, 22), "\"Location:\\rT  = 400\\r");
    EXPECT_EQ(QuotedText("a\"b\\c\n"), "\"a\\\"b\\\\c\\n\"");
}

TEST(SteamCommand, RejectsWhatItCannotRead) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"Enthalpy", "400"},
                                               {"SatPressure"},
                                               {"SatPressure", "1", "2"},
                                               {"SatPressure", "373abc"},
                                               {"SatPressure", ""},
                                               {"SatPressure", "inf"},
                                               {"SatPressure", "nan"},
                                               {"SatPressure", "1e999"},
                                               {"SatPressure", "0x10"},
                                               {"TruncateDecimals", "1.5", "2.5"},
                                               {"FixedDecimalText", "1", "1000000000", "2"},
                                               {"panel", "hover", "400", "4"}}) {
        const Outcome outcome = RunCommand(args);
        EXPECT_EQ(outcome.status, 2) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(outcome.out, "");
        ASSERT_FALSE(outcome.err.empty());
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << "one line: " << outcome.err;
    }
}

TEST(SteamCommand, HelpListsTheNames) {
    const Outcome help = RunCommand({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* name :
         {"SatPressure", "SatTemperature", "SatLiquidVolume", "SatVaporVolume", "SatLiquidEnthalpy",
          "SatVaporEnthalpy", "EvaporationEnthalpy", "SatLiquidEntropy", "SatVaporEntropy",
          "SuperheatedVolume", "SuperheatedEnthalpy", "SuperheatedEntropy", "TruncateDecimals",
          "NumberText", "FixedDecimalText", "ReadoutText", "StateRegion", "panel"}) {
        EXPECT_NE(help.out.find(std::string("  ") + name + " "), std::string::npos) << name;
    }
}

}  // namespace
}  // namespace calorix
