// The command line: reading the arguments, and the program itself run with
// --help and --export, without a display.
#include "app/export_command.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

extern char** environ;

namespace calorix {
namespace {

TEST(ParseCommandLine, WithoutItsOptionsTheProgramStartsAsUsual) {
    EXPECT_EQ(ParseCommandLine({}).kind, CommandLine::kStart);
    // Qt's own options stay Qt's.
    EXPECT_EQ(ParseCommandLine({"-platform", "offscreen"}).kind, CommandLine::kStart);
    EXPECT_EQ(ParseCommandLine({"-style", "fusion"}).kind, CommandLine::kStart);
}

TEST(ParseCommandLine, ReadsAnExportWithItsOptionsInEitherSpelling) {
    const CommandLine plain = ParseCommandLine({"--export", "chart.SVG"});
    ASSERT_EQ(plain.kind, CommandLine::kExport) << plain.error;
    EXPECT_EQ(plain.request.output, "chart.SVG");
    EXPECT_EQ(plain.request.format, PictureFormat::kSvg);
    EXPECT_FALSE(plain.request.size.has_value());
    EXPECT_EQ(plain.request.scale, 2);
    EXPECT_EQ(plain.request.chartFile, "");

    const CommandLine full =
        ParseCommandLine({"--size=1200x800", "cycle.calorix", "--scale", "4", "--export=out.png"});
    ASSERT_EQ(full.kind, CommandLine::kExport) << full.error;
    EXPECT_EQ(full.request.format, PictureFormat::kPng);
    EXPECT_EQ(full.request.size, QSize(1200, 800));
    EXPECT_EQ(full.request.scale, 4);
    EXPECT_EQ(full.request.chartFile, "cycle.calorix");
    EXPECT_EQ(ParseCommandLine({"--export", "a.pdf", "--scale", "1"}).request.format,
              PictureFormat::kPdf);
}

TEST(ParseCommandLine, HelpWinsOverEverythingElseThenVersion) {
    EXPECT_EQ(ParseCommandLine({"--help"}).kind, CommandLine::kHelp);
    EXPECT_EQ(ParseCommandLine({"--export", "x.bmp", "-h"}).kind, CommandLine::kHelp);
    EXPECT_EQ(ParseCommandLine({"--version", "--help"}).kind, CommandLine::kHelp);
    EXPECT_EQ(ParseCommandLine({"--version"}).kind, CommandLine::kVersion);
    EXPECT_EQ(ParseCommandLine({"--export", "x.bmp", "--version"}).kind, CommandLine::kVersion);
    EXPECT_EQ(ParseCommandLine({"--version", "chart.calorix"}).kind, CommandLine::kVersion);
    const std::string help = HelpText(QStringLiteral("/opt/calorix/share/calorix/tips.rtf"));
    for (const char* option :
         {"--export", "--size", "--scale", "--help", "--version", "FILE.calorix"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    // The tips file is named on the last line, and said to be missing.
    EXPECT_NE(help.find("\nTips file: /opt/calorix/share/calorix/tips.rtf (not found)\n"),
              std::string::npos)
        << help;
    EXPECT_EQ(help.find("Tips file:"), help.rfind("Tips file:"));
}

TEST(ParseCommandLine, RefusesBadArgumentsWithOneLineThatSaysWhy) {
    const std::vector<std::vector<std::string>> bad = {
        {"--export"},
        {"--export", "chart.bmp"},
        {"--export", "chart"},
        {"--size", "800x600"},
        {"--scale", "2", "file.calorix"},
        {"--export", "a.png", "--export", "b.png"},
        {"--export", "a.png", "--size", "800"},
        {"--export", "a.png", "--size", "800x"},
        {"--export", "a.png", "--size", "0x600"},
        {"--export", "a.png", "--size", "-800x600"},
        {"--export", "a.png", "--size", "800x600x2"},
        {"--export", "a.png", "--size", "9000x600"},
        {"--export", "a.png", "--size", "99999999999x600"},
        {"--export", "a.png", "--size", "5000x600", "--scale", "4"},
        {"--export", "a.png", "--scale", "3"},
        {"--export", "a.png", "--scale", "2.0"},
        {"--export", "a.png", "--scale"},
        {"--export", "a.png", "--bogus"},
        {"--export", "a.png", "one.calorix", "two.calorix"},
    };
    for (const std::vector<std::string>& args : bad) {
        std::string joined;
        for (const std::string& arg : args)
            joined += arg + " ";
        const CommandLine line = ParseCommandLine(args);
        EXPECT_EQ(line.kind, CommandLine::kError) << joined;
        EXPECT_FALSE(line.error.empty()) << joined;
        EXPECT_EQ(line.error.find('\n'), std::string::npos) << joined;
    }
    // A large vector picture is no PNG: its scale does not count.
    EXPECT_EQ(ParseCommandLine({"--export", "a.svg", "--size", "5000x600", "--scale", "4"}).kind,
              CommandLine::kExport);
}

// The program itself, in an environment without a display.
struct ProgramOutcome {
    int status = -1;
    std::string out, err;
};

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, std::size_t(got));
    return text;
}

ProgramOutcome RunProgram(const std::vector<std::string>& args) {
    int outPipe[2], errPipe[2];
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    std::vector<std::string> argv = {CALORIX_PROGRAM};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argPointers;
    for (std::string& arg : argv)
        argPointers.push_back(arg.data());
    argPointers.push_back(nullptr);
    // No display of any kind and no platform named: the program finds its own.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0 ||
            entry.rfind("QT_QPA_PLATFORM=", 0) == 0) {
            continue;
        }
        env.push_back(entry);
    }
    std::vector<char*> envPointers;
    for (std::string& entry : env)
        envPointers.push_back(entry.data());
    envPointers.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, CALORIX_PROGRAM, &actions, nullptr, argPointers.data(),
                                    envPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    ProgramOutcome outcome;
    // Small outputs: the pipes hold them while the other is read.
    outcome.out = ReadAll(outPipe[0]);
    outcome.err = ReadAll(errPipe[0]);
    ::close(outPipe[0]);
    ::close(errPipe[0]);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid) return outcome;
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

bool IsOneLine(const std::string& text) {
    return !text.empty() && text.find('\n') == text.size() - 1;
}

TEST(CalorixProgram, HelpNeedsNoDisplay) {
    const ProgramOutcome help = RunProgram({"--help"});
    EXPECT_EQ(help.status, 0) << help.err;
    // In the build the tips file lies next to the program.
    const QString tips =
        QFileInfo(QStringLiteral(CALORIX_PROGRAM)).absolutePath() + QStringLiteral("/tips.rtf");
    ASSERT_TRUE(QFileInfo::exists(tips));
    EXPECT_EQ(help.out, HelpText(tips));
    EXPECT_NE(help.out.find("\nTips file: " + tips.toStdString() + "\n"), std::string::npos);
    EXPECT_EQ(help.err, "");
}

TEST(CalorixProgram, VersionIsTheProjectsVersion) {
    const ProgramOutcome version = RunProgram({"--version"});
    EXPECT_EQ(version.status, 0) << version.err;
    EXPECT_EQ(version.out, "calorix " CALORIX_VERSION "\n");
    EXPECT_EQ(version.err, "");
}

TEST(CalorixProgram, ExportsEachFormatWithoutADisplay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string png = dir.filePath(QStringLiteral("chart.png")).toStdString();
    const ProgramOutcome written = RunProgram({"--export", png, "--size", "900x560"});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(written.err, "");
    const QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    // The chart window fills the client area; the picture leaves out its
    // side panel (0.12 of the width) and is drawn at twice the pixels.
    EXPECT_EQ(image.height(), 2 * 560);
    EXPECT_NEAR(image.width(), 2 * 900 * 0.88, 4);

    const std::string svg = dir.filePath(QStringLiteral("chart.svg")).toStdString();
    EXPECT_EQ(RunProgram({"--export=" + svg, "--scale=1"}).status, 0);
    QFile svgFile(QString::fromStdString(svg));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("<svg"));

    const std::string pdf = dir.filePath(QStringLiteral("chart.pdf")).toStdString();
    EXPECT_EQ(RunProgram({"--export", pdf}).status, 0);
    QFile pdfFile(QString::fromStdString(pdf));
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdfFile.readAll().startsWith("%PDF-"));
}

// A saved chart is drawn before the picture is taken.
TEST(CalorixProgram, ExportsASavedChart) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile chartFile(dir.filePath(QStringLiteral("state.calorix")));
    ASSERT_TRUE(chartFile.open(QIODevice::WriteOnly));
    chartFile.write(R"({"format": "calorix-chart", "version": 1, "steps": [
        {"command": "locate", "boxes": ["500", "1", "", "", ""]}]})");
    chartFile.close();
    const QString svg = dir.filePath(QStringLiteral("state.svg"));
    const ProgramOutcome outcome =
        RunProgram({"--export", svg.toStdString(), chartFile.fileName().toStdString()});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    QFile picture(svg);
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_TRUE(picture.readAll().contains("(T=500, P=1)"));
}

// The messages a window would show for the steps of a chart file go to
// standard error, one line each after the step's number; the picture, with
// the steps that drew, is still written.
TEST(CalorixProgram, TellsTheMessagesOfAChartFilesStepsAndStillExports) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* name;
        const char* steps;
        const char* said;  // standard error after "calorix: PATH: "
    } cases[] = {
        {"range.calorix",
         R"({"command": "locate", "boxes": ["500", "1", "", "", ""]},
            {"command": "locate", "boxes": ["2000", "", "", "", ""]})",
         "step 2: The value specified for the following variables is beyond the limits of the "
         "T-s diagram / Make sure that the values are in the range given against each "
         "parameter / 1.  Temperature (273.16 - 1273.16  K)\n"},
        {"series.calorix",
         R"({"command": "series", "property": 2, "from": "0", "to": "2", "count": "2000"},
            {"command": "locate", "boxes": ["500", "1", "", "", ""]},
            {"command": "series", "property": 0, "from": "300", "to": "301",
             "increment": "0.0001", "mode": "increment"})",
         "step 1: This series would draw more than 1000 lines. / Please choose a larger "
         "increment or fewer points.\n"},
    };
    for (const auto& [name, steps, said] : cases) {
        QFile chartFile(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(chartFile.open(QIODevice::WriteOnly));
        chartFile.write(R"({"format": "calorix-chart", "version": 1, "steps": [)");
        chartFile.write(steps);
        chartFile.write("]}");
        chartFile.close();
        const std::string path = chartFile.fileName().toStdString();
        const QString svg = dir.filePath(QString::fromLatin1(name) + QStringLiteral(".svg"));
        const ProgramOutcome outcome = RunProgram({"--export", svg.toStdString(), path});
        EXPECT_EQ(outcome.status, 0) << name << ": " << outcome.err;
        EXPECT_EQ(outcome.out, "") << name;
        std::string expected = "calorix: " + path + ": " + said;
        if (std::string(name) == "series.calorix") {
            // The third step's series is refused too, with its own number.
            expected += "calorix: " + path +
                        ": step 3: This series would draw more than 1000 lines. / Please choose "
                        "a larger increment or fewer points.\n";
        }
        EXPECT_EQ(outcome.err, expected) << name;
        QFile picture(svg);
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(picture.readAll().contains("(T=500, P=1)")) << name;
    }
}

TEST(CalorixProgram, FailsWithStatusTwoAndOneLineAndLeavesNoFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile chartFile(dir.filePath(QStringLiteral("cycle.calorix")));
    ASSERT_TRUE(chartFile.open(QIODevice::WriteOnly));
    chartFile.write("{}");
    chartFile.close();
    const std::string out = dir.filePath(QStringLiteral("out.png")).toStdString();
    // A directory where the picture should go: the rename at the end fails.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.png")));
    const struct {
        std::vector<std::string> args;
        const char* said;
    } cases[] = {
        {{"--export", out, "--size", "big"}, "--size big"},
        {{"--export", dir.filePath(QStringLiteral("out.gif")).toStdString()}, "unknown picture"},
        {{"--export", out, "--frobnicate"}, "--frobnicate"},
        {{"--export", out, dir.filePath(QStringLiteral("missing.calorix")).toStdString()},
         "no such file"},
        {{"--export", out, chartFile.fileName().toStdString()}, "not a Calorix chart"},
        {{"--export", dir.filePath(QStringLiteral("no/such/dir/out.png")).toStdString()},
         "cannot write"},
        {{"--export", dir.filePath(QStringLiteral("taken.png")).toStdString(), "--scale", "1"},
         "cannot write"},
    };
    for (const auto& [args, said] : cases) {
        const ProgramOutcome outcome = RunProgram(args);
        EXPECT_EQ(outcome.status, 2) << said << ": " << outcome.err;
        EXPECT_TRUE(IsOneLine(outcome.err)) << said << ": " << outcome.err;
        EXPECT_NE(outcome.err.find(said), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.out, "");
    }
    // Nothing was left behind: no picture, no temporary file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              (QStringList{QStringLiteral("cycle.calorix"), QStringLiteral("taken.png")}));
}

}  // namespace
}  // namespace calorix
