#include "tools/steam_command.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

extern char** environ;

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

// Outside the range of its correlation a name still prints the model's value,
// so that scripts keep working, and says on err which argument lies where.
TEST(SteamCommand, WarnsOfArgumentsOutsideTheirRangeAndStillPrintsTheValue) {
    const Outcome cold = RunCommand({"SatPressure", "0"});
    EXPECT_EQ(cold.status, 0);
    EXPECT_EQ(cold.out, RunCommand({"SatPressure", "0"}).out);
    EXPECT_FALSE(cold.out.empty());
    EXPECT_EQ(cold.err,
              "calorix-steam: SatPressure: T = 0 lies outside 273.16 to 647.3 K, where the "
              "correlation holds; the model's value is printed all the same\n");

    const Outcome both = RunCommand({"SuperheatedEntropy", "-5", "-1"});
    EXPECT_EQ(both.status, 0);
    EXPECT_NE(both.out.find("\nP=-1\n"), std::string::npos);
    EXPECT_NE(both.err.find("T = -5 lies outside 273.16 to 1591.45 K"), std::string::npos);
    EXPECT_NE(both.err.find("P = -1 lies outside 0.000611 to 22.0891 MPa"), std::string::npos);
    EXPECT_EQ(both.err.find('\n'), both.err.size() - 1) << "one line: " << both.err;

    EXPECT_NE(RunCommand({"panel", "click", "1300", "13"}).err.find("T = 1300"), std::string::npos);
    EXPECT_NE(RunCommand({"StateRegion", "-0.5", "400"}).err.find("s = -0.5"), std::string::npos);
    // Inside, and at the ends of, every range: nothing on err.
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"SatPressure", "273.16"},
                                               {"SatVaporEntropy", "647.3"},
                                               {"SatTemperature", "22.0891"},
                                               {"SuperheatedVolume", "1591.45", "0.000611"},
                                               {"panel", "locate", "1273.16", "12"},
                                               {"NumberText", "-1e300"}}) {
        EXPECT_EQ(RunCommand(args).err, "") << args[0];
    }
}

// An output stream that refuses every byte, as a full disk does.
class RefusingBuffer : public std::streambuf {
  protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST(SteamCommand, AResultThatCannotBeWrittenFailsWithStatusOne) {
    RefusingBuffer refusing;
    std::ostream out(&refusing);
    std::ostringstream err;
    EXPECT_EQ(RunSteamCommand({"SatPressure", "373.15"}, out, err), 1);
    EXPECT_EQ(err.str(), "calorix-steam: the result could not be written to the standard output\n");
    std::ostream help(&refusing);
    std::ostringstream helpErr;
    EXPECT_EQ(RunSteamCommand({"--help"}, help, helpErr), 1);
}

// The program itself, writing to a full disk and into a pipe nobody reads.
struct ProcessOutcome {
    int status = -1;
    std::string err;
};

ProcessOutcome RunTool(const std::vector<std::string>& args, int stdoutFd) {
    int errPipe[2];
    if (::pipe(errPipe) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    std::vector<std::string> argv = {CALORIX_STEAM_TOOL};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv)
        pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, CALORIX_STEAM_TOOL, &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(errPipe[1]);
    ProcessOutcome outcome;
    char buffer[256];
    for (ssize_t got; (got = ::read(errPipe[0], buffer, sizeof buffer)) > 0;)
        outcome.err.append(buffer, size_t(got));
    ::close(errPipe[0]);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid) return outcome;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

TEST(SteamCommandProgram, FailsWhenItsOutputCannotBeWritten) {
    const int full = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(full, 0);
    const ProcessOutcome toFullDisk = RunTool({"SatPressure", "373.15"}, full);
    ::close(full);
    EXPECT_EQ(toFullDisk.status, 1);
    EXPECT_NE(toFullDisk.err.find("could not be written"), std::string::npos) << toFullDisk.err;

    int closed[2];
    ASSERT_EQ(::pipe(closed), 0);
    ::close(closed[0]);  // nobody will ever read
    const ProcessOutcome toClosedPipe = RunTool({"--help"}, closed[1]);
    ::close(closed[1]);
    EXPECT_EQ(toClosedPipe.status, 1);
    EXPECT_NE(toClosedPipe.err.find("could not be written"), std::string::npos);

    const int null = ::open("/dev/null", O_WRONLY);
    ASSERT_GE(null, 0);
    EXPECT_EQ(RunTool({"SatPressure", "373.15"}, null).status, 0);
    ::close(null);
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
