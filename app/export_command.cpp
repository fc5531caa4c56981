#include "app/export_command.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QScreen>
#include <charconv>
#include <cstdio>
#include <iostream>

#include "app/frame_window.h"
#include "app/tips_file.h"
#include "chart/chart_window.h"
#include "chart/export_commands.h"
#include "chart/replay_messages.h"
#include "surface/collected_message_boxes.h"

namespace calorix {
namespace {

// The frame's client area may be given from this size up to this one; a PNG
// may have at most kLargestPng device pixels a side.
constexpr int kLargestSide = 8192;
constexpr int kLargestPng = 16384;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsCommandOption(const std::string& arg) {
    for (const char* name : {"--export", "--size", "--scale"}) {
        const std::string option = name;
        if (arg == option || StartsWith(arg, option + "=")) return true;
    }
    return arg == "--help" || arg == "-h" || arg == "--version";
}

std::optional<int> ReadInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

std::optional<QSize> ReadSize(const std::string& text) {
    const std::size_t cross = text.find('x');
    if (cross == std::string::npos) return std::nullopt;
    const std::optional<int> width = ReadInt(text.substr(0, cross));
    const std::optional<int> height = ReadInt(text.substr(cross + 1));
    if (!width || !height) return std::nullopt;
    return QSize(*width, *height);
}

CommandLine Error(std::string why) {
    CommandLine line;
    line.kind = CommandLine::kError;
    line.error = std::move(why);
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    bool command = false;
    for (const std::string& arg : args) {
        command = command || IsCommandOption(arg);
    }
    if (!command) return CommandLine{};
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            CommandLine help;
            help.kind = CommandLine::kHelp;
            return help;
        }
    }
    for (const std::string& arg : args) {
        if (arg == "--version") {
            CommandLine version;
            version.kind = CommandLine::kVersion;
            return version;
        }
    }

    std::optional<std::string> output, size, scale, chartFile;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!StartsWith(arg, "-") || arg == "-") {
            if (chartFile) return Error("more than one chart file: " + *chartFile + ", " + arg);
            chartFile = arg;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        std::optional<std::string>* target = name == "--export"  ? &output
                                             : name == "--size"  ? &size
                                             : name == "--scale" ? &scale
                                                                 : nullptr;
        if (!target) return Error("unknown option " + arg + " (calorix --help lists them)");
        if (*target) return Error(name + " is given twice");
        if (equals != std::string::npos) {
            *target = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            *target = args[++i];
        } else {
            return Error(name + " needs a value");
        }
    }
    if (!output) return Error("--size, --scale and a chart file need --export OUT");

    CommandLine line;
    line.kind = CommandLine::kExport;
    ExportRequest& request = line.request;
    request.output = *output;
    const std::optional<PictureFormat> format = FormatOfPath(QString::fromStdString(*output));
    if (!format) {
        return Error("--export " + *output +
                     ": unknown picture format; the name must end in .png, .svg or .pdf");
    }
    request.format = *format;
    if (size) {
        const std::optional<QSize> read = ReadSize(*size);
        if (!read)
            return Error("--size " + *size + ": expected WIDTHxHEIGHT in pixels, as 1200x800");
        if (read->width() < 1 || read->height() < 1 || read->width() > kLargestSide ||
            read->height() > kLargestSide) {
            return Error("--size " + *size + ": each side must be 1 to " +
                         std::to_string(kLargestSide) + " pixels");
        }
        request.size = *read;
    }
    if (scale) {
        const std::optional<int> read = ReadInt(*scale);
        if (!read || (*read != 1 && *read != 2 && *read != 4)) {
            return Error("--scale " + *scale + ": the scale is 1, 2 or 4");
        }
        request.scale = *read;
    }
    if (request.size && request.format == PictureFormat::kPng &&
        std::max(request.size->width(), request.size->height()) * request.scale > kLargestPng) {
        return Error("--size " + *size + " at --scale " + std::to_string(request.scale) +
                     ": a PNG may have at most " + std::to_string(kLargestPng) + " pixels a side");
    }
    if (chartFile) request.chartFile = *chartFile;
    return line;
}

std::string HelpText(const QString& tipsFile) {
    return "Usage: calorix [--export OUT.png|OUT.svg|OUT.pdf [--size WIDTHxHEIGHT] [--scale N]\n"
           "                [FILE.calorix]]\n"
           "\n"
           "Without options the chart opens in its window. With --export it is written as a\n"
           "picture, without a window and without a display, and calorix exits.\n"
           "\n"
           "  --export OUT       write the chart to OUT: PNG, SVG or PDF by its extension\n"
           "  --size WxH         the frame's client area in pixels (default: the size the\n"
           "                     window opens at)\n"
           "  --scale N          PNG pixels per window pixel: 1, 2 or 4 (default 2)\n"
           "  FILE.calorix       a saved chart, drawn on the opening chart before the export\n"
           "  --help, -h         show this help and exit\n"
           "  --version          show the version and exit\n"
           "\n"
           "Exit status: 0 when the picture was written; 2 for a bad argument, a chart\n"
           "file that cannot be read, or a picture that cannot be written (one line on\n"
           "standard error says why; no file is left behind). The messages the chart\n"
           "file's steps show (a value out of range, say) go to standard error, one line\n"
           "each after its step number, and the picture is still written.\n"
           "\n"
           "Tips file: " +
           QDir::toNativeSeparators(tipsFile).toStdString() +
           (QFileInfo::exists(tipsFile) ? "" : " (not found)") + "\n";
}

std::string VersionText() {
    return "calorix " CALORIX_VERSION "\n";
}

QSize OpeningSize(const QWidget& frame) {
    QSize size = frame.size();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.expandedTo(screen->availableGeometry().size() * 3 / 4);
    }
    return size;
}

namespace {

int Fail(const std::string& why) {
    std::cerr << "calorix: " << why << '\n' << std::flush;
    return 2;
}

// A message box's prompt on one line: a line break (CR, LF or CR LF) becomes
// a blank, a blank line between parts of the prompt becomes " / ", and the
// blanks that stood at the ends of its lines are dropped.
// "Too many lines.\r\rPlease choose\r fewer." -> "Too many lines. / Please choose fewer."
QString OneLine(QString prompt) {
    prompt.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString line;
    bool blankLine = false;
    for (const QString& part : prompt.split(QLatin1Char('\n'))) {
        const QString text = part.trimmed();
        if (text.isEmpty()) {
            blankLine = !line.isEmpty();
            continue;
        }
        if (!line.isEmpty()) line += blankLine ? QStringLiteral(" / ") : QStringLiteral(" ");
        line += text;
        blankLine = false;
    }
    return line;
}

// The messages the steps of a chart file showed as it was opened, one line
// each on standard error: "calorix: cycle.calorix: step 3: ...".
void ReportStepMessages(const std::string& chartFile,
                        const std::vector<GatheredMessage>& messages) {
    for (const GatheredMessage& message : messages) {
        std::cerr << "calorix: " << chartFile << ": ";
        if (message.step > 0) std::cerr << "step " << message.step << ": ";
        std::cerr << OneLine(message.prompt).toStdString() << '\n';
    }
    std::cerr << std::flush;
}

// Qt's notes about the platform ("XDG_RUNTIME_DIR not set") are no business
// of a command whose standard error says in one line what went wrong.
void DropQtNotes(QtMsgType, const QMessageLogContext&, const QString&) {}

int RunExport(const ExportRequest& request, const char* programName) {
    // No display needed: the offscreen platform, unless one is named.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(DropQtNotes);
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programName), nullptr};
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calorix"));

    // The chart as the program builds it, in a frame that is never shown on
    // any screen.
    CollectedMessageBoxes messages;
    FrameWindow frame(messages);
    frame.setAttribute(Qt::WA_DontShowOnScreen);
    frame.resize(OpeningSize(frame));
    frame.show();
    QApplication::processEvents();
    if (request.size) {
        const QSize wanted = *request.size;
        const QSize area = frame.Area().size();
        frame.resize(frame.size() + wanted - area);
        QApplication::processEvents();
        if (frame.Area().size() != wanted) {
            const QSize smallest = frame.Area().size();
            return Fail("--size " + std::to_string(wanted.width()) + "x" +
                        std::to_string(wanted.height()) +
                        ": the frame window's client area cannot be that small; the smallest is " +
                        std::to_string(smallest.width()) + "x" + std::to_string(smallest.height()));
        }
    }
    frame.OpenChartWindow();
    ChartWindow* chart = frame.Chart();
    if (!chart) return Fail("the chart window could not be opened");
    QApplication::processEvents();
    if (!request.chartFile.empty()) {
        // A bad chart file is refused with the message the program would
        // show, on one line.
        const qsizetype before = messages.Prompts().size();
        if (!frame.OpenChartFile(QString::fromStdString(request.chartFile))) {
            QString why = messages.Prompts().size() > before ? messages.Prompts().last()
                                                             : QStringLiteral("cannot be opened");
            why.replace(QStringLiteral("\r\n"), QStringLiteral(" "))
                .replace(QLatin1Char('\r'), QLatin1Char(' '));
            why.replace(QLatin1Char('\n'), QLatin1Char(' '));
            return Fail(why.simplified().toStdString());
        }
        // The messages of its steps are told, and the picture is still taken.
        ReportStepMessages(request.chartFile, chart->OpenMessages());
        QApplication::processEvents();
    }

    QString error;
    const QString output = QString::fromStdString(request.output);
    if (!ExportPicture(chart->Exports().Picture(), output, request.format, request.scale, &error)) {
        return Fail("cannot write " + request.output + ": " + error.toStdString());
    }
    return 0;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const CommandLine line = ParseCommandLine(args);
    switch (line.kind) {
        case CommandLine::kStart:
            return std::nullopt;
        case CommandLine::kHelp: {
            // The program's folder, where the tips file is looked for first.
            int coreArgc = argc > 0 ? 1 : 0;
            const QCoreApplication core(coreArgc, argv);
            std::cout << HelpText(FindTipsFile(QCoreApplication::applicationDirPath()))
                      << std::flush;
            return std::cout ? 0 : 1;
        }
        case CommandLine::kVersion:
            std::cout << VersionText() << std::flush;
            return std::cout ? 0 : 1;
        case CommandLine::kError:
            return Fail(line.error);
        case CommandLine::kExport:
            return RunExport(line.request, argc > 0 ? argv[0] : "calorix");
    }
    return std::nullopt;
}

}  // namespace calorix
