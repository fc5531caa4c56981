#pragma once

#include <QSize>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "picture/chart_picture.h"

class QWidget;

// The command line of calorix: --help, --version, and --export, which writes
// the chart as a picture without a window.
namespace calorix {

struct ExportRequest {
    std::string output;
    PictureFormat format = PictureFormat::kPng;
    std::optional<QSize> size;  // the frame's client area in pixels
    int scale = kDefaultPictureScale;
    std::string chartFile;  // a saved chart to draw first; empty for the opening chart
};

struct CommandLine {
    enum Kind {
        kStart,    // none of these options: the program starts as usual
        kHelp,     // --help
        kVersion,  // --version
        kExport,   // --export with what it needs
        kError,    // a bad argument; error says which and why
    };
    Kind kind = kStart;
    ExportRequest request;
    std::string error;
};

// Reads the arguments, the program's name left out. Only --help (-h),
// --version, --export, --size and --scale (each "--name VALUE" or
// "--name=VALUE") make this a command: without any of them the program starts
// as usual and Qt's own options are Qt's. --help wins over everything else,
// then --version. A command takes at most one further argument, a chart file.
// {"--export", "a.svg", "--size", "800x600"} -> kExport of a.svg at 800 x 600.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// What --help prints: the options, then the tips file the program would show
// (tipsFile, as FindTipsFile gives it) and whether it is there.
std::string HelpText(const QString& tipsFile);

// What --version prints: "calorix 0.1\n", the project's version.
std::string VersionText();

// The size the frame window opens at: three quarters of the screen, never
// smaller than its design size.
QSize OpeningSize(const QWidget& frame);

// Runs --help, --version or --export and gives the exit status: 0 when the
// help, the version or the picture was written; 1 when the help or the
// version could not be written to the standard output; 2, after one line on
// standard error, for a bad argument, an unreadable or bad chart file, an
// unknown extension or a picture that could not be written. The messages a
// chart file's steps show as it is opened (a value out of range, a series
// of too many lines) go to standard error, one line each after its step
// number, and the picture is still written. None needs a display: --export
// takes the offscreen platform when QT_QPA_PLATFORM names none, and shows
// no window. Nothing for an ordinary start.
std::optional<int> RunCommandLine(int argc, char** argv);

}  // namespace calorix
