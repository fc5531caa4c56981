// calorix-steam state: one line of JSON whose numbers read back to the
// model's own doubles, a line on standard error with status 1 where there is
// no state, and status 2 for what cannot be read.
#include "tools/state_command.h"

#include <gtest/gtest.h>

#include <charconv>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "model/property_model.h"
#include "tools/steam_command.h"

namespace calorix {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunState(std::vector<std::string> args) {
    args.insert(args.begin(), "state");
    std::ostringstream out, err;
    const int status = RunSteamCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// The fields of a flat JSON object of numbers, strings and nulls.
std::map<std::string, std::string> Fields(const std::string& json) {
    std::map<std::string, std::string> fields;
    const std::regex field(R"re("([a-z]+|[A-Z])":("[^"]*"|[^,}]+))re");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), field);
         it != std::sregex_iterator(); ++it) {
        fields[(*it)[1]] = (*it)[2];
    }
    return fields;
}

double Read(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(ec == std::errc() && end == text.data() + text.size()) << text;
    return value;
}

TEST(StateCommand, PrintsTheModelsStateAsOneLineOfJson) {
    const Outcome steam = RunState({"--model", "if97", "T=773.15", "P=10"});
    ASSERT_EQ(steam.status, 0) << steam.err;
    EXPECT_EQ(steam.err, "");
    EXPECT_EQ(steam.out.find('\n'), steam.out.size() - 1);
    EXPECT_EQ(steam.out.rfind("{\"model\":\"if97\",\"region\":\"steam\",\"T\":773.15,\"P\":10,", 0),
              0u)
        << steam.out;
    const auto fields = Fields(steam.out);
    const State expected =
        std::get<State>(If97Model().StateFrom(Property::kT, 773.15, Property::kP, 10));
    // Every number reads back to the model's own double.
    EXPECT_EQ(Read(fields.at("v")), expected.v);
    EXPECT_EQ(Read(fields.at("h")), expected.h);
    EXPECT_EQ(Read(fields.at("s")), expected.s);
    EXPECT_EQ(Read(fields.at("w")), *expected.w);
    EXPECT_EQ(fields.at("x"), "null");
    EXPECT_NEAR(Read(fields.at("h")), 3375.1, 0.1);  // a steam table's value

    // A wet state has its quality and no cp, cv or w.
    const auto wet = Fields(RunState({"--model", "if97", "x=0.5", "P=0.1"}).out);
    EXPECT_EQ(wet.at("region"), "\"wet\"");
    EXPECT_EQ(wet.at("x"), "0.5");
    EXPECT_EQ(wet.at("cp"), "null");
    EXPECT_EQ(wet.at("w"), "null");
    EXPECT_NE(RunState({"--model", "if97", "T=300", "P=50"}).out.find(",\"region\":\"liquid\","),
              std::string::npos);
    EXPECT_NE(RunState({"--model", "if97", "T=1500", "P=1"}).out.find("\"high-temperature steam\""),
              std::string::npos);
    EXPECT_NE(RunState({"--model", "if97", "P=25", "h=2500"}).out.find("\"supercritical\""),
              std::string::npos);
}

TEST(StateCommand, ClassicIsTheDefaultAndGivesWhatTheCorrelationsGive) {
    const Outcome outcome = RunState({"T=500", "P=1"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto fields = Fields(outcome.out);
    EXPECT_EQ(fields.at("model"), "\"classic\"");
    EXPECT_EQ(fields.at("region"), "\"steam\"");
    double P = 1;
    const State expected =
        std::get<State>(ClassicModel().StateFrom(Property::kT, 500, Property::kP, P));
    EXPECT_EQ(Read(fields.at("s")), expected.s);
    EXPECT_EQ(fields.at("cp"), "null");  // the correlations give no heat capacity
    EXPECT_EQ(RunState({"--model", "classic", "T=500", "P=1"}).out, outcome.out);
}

TEST(StateCommand, NoStateIsOneLineOnErrorAndStatusOne) {
    struct Case {
        std::vector<std::string> args;
        const char* why;
    };
    const Case cases[] = {
        {{"--model", "if97", "T=1200", "P=60"}, "outside IAPWS-IF97"},
        {{"--model", "if97", "T=200", "P=1"}, "outside IAPWS-IF97"},
        {{"--model", "if97", "T=300", "P=0"}, "not a finite positive number"},
        {{"T=300", "P=5"}, "liquid state"},
        {{"--model", "if97", "h=300", "x=0.5"}, "T or P only"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunState(c.args);
        EXPECT_EQ(outcome.status, 1) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(c.why), std::string::npos) << outcome.err;
        EXPECT_NE(outcome.err.find(c.args[c.args.size() - 2] + " " + c.args.back()),
                  std::string::npos)
            << "names the pair: " << outcome.err;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }
}

TEST(StateCommand, MalformedArgumentsAreStatusTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"T=300"},
                                               {"T=300", "P=1", "h=5"},
                                               {"T=300", "T=400"},
                                               {"T300", "P=1"},
                                               {"q=1", "P=1"},
                                               {"T=abc", "P=1"},
                                               {"T=", "P=1"},
                                               {"T=nan", "P=1"},
                                               {"--model", "iapws", "T=300", "P=1"},
                                               {"T=300", "P=1", "--model"}}) {
        const Outcome outcome = RunState(args);
        EXPECT_EQ(outcome.status, 2) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
    }
    std::ostringstream help, err;
    EXPECT_EQ(RunSteamCommand({"--help"}, help, err), 0);
    EXPECT_NE(help.str().find("state [--model classic|if97] NAME=VALUE NAME=VALUE"),
              std::string::npos);
}

}  // namespace
}  // namespace calorix
