// The program installed as a user installs it: `cmake --install` of this
// build into a temporary prefix, then the installed files, the installed
// programs run from there, and the menu entry, the file type and the manual
// pages through the checkers the desktop and man use.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "app/chart_file.h"

namespace calorix {
namespace {

// The files below the prefix, as dist/CMakeLists.txt lists them.
const QStringList kInstalledFiles = {
    "bin/calorix",
    "bin/calorix-steam",
    "share/applications/calorix.desktop",
    "share/calorix/tips.rtf",
    "share/icons/hicolor/128x128/apps/calorix.png",
    "share/icons/hicolor/16x16/apps/calorix.png",
    "share/icons/hicolor/256x256/apps/calorix.png",
    "share/icons/hicolor/32x32/apps/calorix.png",
    "share/icons/hicolor/48x48/apps/calorix.png",
    "share/icons/hicolor/64x64/apps/calorix.png",
    "share/icons/hicolor/scalable/apps/calorix.svg",
    "share/man/man1/calorix-steam.1",
    "share/man/man1/calorix.1",
    "share/mime/packages/calorix.xml",
};

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs a program to its end without a display: neither an X nor a Wayland
// display nor a Qt platform is named, as on a machine without a desktop.
Outcome RunProgram(const QString& program, const QStringList& args,
                   const QStringList& extraEnvironment = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    for (const QString& entry : extraEnvironment) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        env.insert(entry.left(equals), entry.mid(equals + 1));
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    Outcome outcome;
    if (!process.waitForStarted(-1)) {
        outcome.err = (program + QStringLiteral(" did not start: ") + process.errorString() +
                       QStringLiteral(" (make deps installs what the tests run)"))
                          .toUtf8();
        return outcome;
    }
    process.closeWriteChannel();
    process.waitForFinished(-1);
    outcome.out = process.readAllStandardOutput();
    outcome.err = process.readAllStandardError();
    outcome.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    return outcome;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A chart of one located state, as a user would write it by hand.
const QByteArray kHandWrittenChart = R"({"format":"calorix-chart","version":1,"steps":[
    {"command": "locate", "boxes": ["500", "1", "", "", ""]}]})";

class InstallTest : public ::testing::Test {
  protected:
    // One install for all the tests: the files do not change.
    static void SetUpTestSuite() {
        prefix_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(prefix_->isValid());
        install_ = RunProgram(QStringLiteral(CALORIX_CMAKE),
                              {QStringLiteral("--install"), QStringLiteral(CALORIX_BUILD_DIR),
                               QStringLiteral("--prefix"), prefix_->path()});
    }
    static void TearDownTestSuite() { prefix_.reset(); }

    void SetUp() override {
        ASSERT_EQ(install_.status, 0) << install_.err.toStdString() << install_.out.toStdString();
    }

    static QString Installed(const QString& relative) { return prefix_->filePath(relative); }

    static std::unique_ptr<QTemporaryDir> prefix_;
    static Outcome install_;
};

std::unique_ptr<QTemporaryDir> InstallTest::prefix_;
Outcome InstallTest::install_;

TEST_F(InstallTest, InstallsEveryFileWhereItBelongsAndNothingElse) {
    QStringList files;
    QDirIterator it(prefix_->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(prefix_->path()).relativeFilePath(it.next()));
    files.sort();
    EXPECT_EQ(files, kInstalledFiles);

    for (const char* program : {"bin/calorix", "bin/calorix-steam"}) {
        EXPECT_TRUE(QFileInfo(Installed(QString::fromLatin1(program))).isExecutable()) << program;
    }
    // The sources' own files, as they are.
    const QString source = QStringLiteral(CALORIX_SOURCE_DIR);
    EXPECT_EQ(Contents(Installed("share/calorix/tips.rtf")), Contents(source + "/app/tips.rtf"));
    EXPECT_EQ(Contents(Installed("share/icons/hicolor/scalable/apps/calorix.svg")),
              Contents(source + "/icon/calorix.svg"));
    // Each PNG is of the size its folder names.
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(
            Installed(QStringLiteral("share/icons/hicolor/%1x%1/apps/calorix.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
}

TEST_F(InstallTest, TheInstalledProgramExportsAChartFile) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString chart = work.filePath(QStringLiteral("state.calorix"));
    QFile file(chart);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kHandWrittenChart);
    file.close();
    const QString png = work.filePath(QStringLiteral("chart.png"));
    const Outcome exported = RunProgram(Installed("bin/calorix"),
                                        {QStringLiteral("--export"), png, QStringLiteral("--size"),
                                         QStringLiteral("900x560"), chart});
    EXPECT_EQ(exported.status, 0) << exported.err.toStdString();
    EXPECT_EQ(exported.err.toStdString(), "");
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    // Twice the client area's pixels, without the side panel.
    EXPECT_EQ(image.height(), 2 * 560);

    const Outcome version = RunProgram(Installed("bin/calorix"), {QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "calorix " CALORIX_VERSION "\n");
}

// The installed program has no tips file beside it: --help names the one it
// would show, which FrameWindow reads through the same FindTipsFile.
TEST_F(InstallTest, TheInstalledProgramFindsItsTipsInShare) {
    ASSERT_FALSE(QFileInfo::exists(Installed("bin/tips.rtf")));
    const Outcome help = RunProgram(Installed("bin/calorix"), {QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    const QString tips = QFileInfo(Installed("share/calorix/tips.rtf")).canonicalFilePath();
    ASSERT_FALSE(tips.isEmpty());
    EXPECT_TRUE(help.out.endsWith(("\nTips file: " + tips + "\n").toUtf8()))
        << help.out.toStdString();
}

TEST_F(InstallTest, TheInstalledSteamToolGivesWhatTheBuiltOneGives) {
    const QStringList args = {QStringLiteral("SatPressure"), QStringLiteral("373.15")};
    const Outcome installed = RunProgram(Installed("bin/calorix-steam"), args);
    const Outcome built = RunProgram(QStringLiteral(CALORIX_STEAM_TOOL), args);
    EXPECT_EQ(installed.status, 0) << installed.err.toStdString();
    EXPECT_EQ(installed.out, built.out);
    // About one atmosphere at the normal boiling point.
    bool read = false;
    const double pressure = QString::fromUtf8(installed.out).trimmed().toDouble(&read);
    EXPECT_TRUE(read) << installed.out.toStdString();
    EXPECT_GT(pressure, 0.1);
    EXPECT_LT(pressure, 0.103);

    const Outcome version =
        RunProgram(Installed("bin/calorix-steam"), {QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "calorix-steam " CALORIX_VERSION "\n");
}

TEST_F(InstallTest, TheMenuEntryPassesDesktopFileValidate) {
    const QString entry = Installed("share/applications/calorix.desktop");
    const Outcome checked = RunProgram(QStringLiteral("desktop-file-validate"), {entry});
    EXPECT_EQ(checked.status, 0) << checked.err.toStdString();
    EXPECT_EQ((checked.out + checked.err).toStdString(), "");
    const QByteArray text = Contents(entry);
    EXPECT_TRUE(text.contains("\nExec=calorix %f\n"));
    EXPECT_TRUE(text.contains("\nIcon=calorix\n"));
    EXPECT_TRUE(text.contains("\nMimeType=application/x-calorix-chart;\n"));
}

TEST_F(InstallTest, TheManualPagesReadWithoutWarnings) {
    for (const char* page : {"share/man/man1/calorix.1", "share/man/man1/calorix-steam.1"}) {
        const Outcome read =
            RunProgram(QStringLiteral("man"),
                       {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
                        QStringLiteral("-l"), Installed(QString::fromLatin1(page))},
                       {QStringLiteral("LC_ALL=C.UTF-8"), QStringLiteral("MANROFFSEQ="),
                        QStringLiteral("MANWIDTH=80")});
        EXPECT_EQ(read.status, 0) << page << ": " << read.err.toStdString();
        EXPECT_EQ(read.err.toStdString(), "") << page;
        // The version was written in, and the sections are there.
        EXPECT_TRUE(read.out.contains("Calorix " CALORIX_VERSION)) << page;
        for (const char* section : {"SYNOPSIS", "OPTIONS", "EXIT STATUS", "EXAMPLES"})
            EXPECT_TRUE(read.out.contains(section)) << page << ": " << section;
    }
}

// The file type as the desktop's MIME database builds it from the installed
// XML (update-mime-database, on a copy), and as Qt reads that database: by the
// name and, for a file without the extension, by the "format" the file begins
// with.
TEST_F(InstallTest, TheFileTypeIsKnownByItsNameAndByItsContents) {
    QTemporaryDir mime;
    ASSERT_TRUE(mime.isValid());
    ASSERT_TRUE(QDir(mime.path()).mkpath(QStringLiteral("mime/packages")));
    ASSERT_TRUE(QFile::copy(Installed("share/mime/packages/calorix.xml"),
                            mime.filePath(QStringLiteral("mime/packages/calorix.xml"))));
    // Run with the copy among the data folders: it says nothing then.
    const Outcome updated =
        RunProgram(QStringLiteral("update-mime-database"), {mime.filePath(QStringLiteral("mime"))},
                   {QStringLiteral("XDG_DATA_DIRS=") + mime.path()});
    EXPECT_EQ(updated.status, 0) << updated.err.toStdString();
    EXPECT_EQ(updated.err.toStdString(), "");
    EXPECT_TRUE(Contents(mime.filePath(QStringLiteral("mime/globs2")))
                    .contains(":application/x-calorix-chart:*.calorix"));
    EXPECT_TRUE(Contents(mime.filePath(QStringLiteral("mime/magic"))).contains("calorix-chart"));

    // Qt's database is read at its first use, in this test alone, from the
    // copy and the system's; the programs the other tests run do not see it.
    struct DataFolders {
        explicit DataFolders(const QString& dirs) { qputenv("XDG_DATA_DIRS", dirs.toLocal8Bit()); }
        ~DataFolders() { qunsetenv("XDG_DATA_DIRS"); }
    } dataFolders(mime.path() + QStringLiteral(":/usr/local/share:/usr/share"));
    const QMimeDatabase database;
    // What the program writes, and what a user writes by hand.
    const ChartFileContents parsed = ParseChartFile(kHandWrittenChart);
    ASSERT_TRUE(parsed.Sound()) << parsed.problem.toStdString();
    for (const QByteArray& text : {ChartFileText(parsed.steps), kHandWrittenChart}) {
        EXPECT_EQ(database.mimeTypeForData(text).name().toStdString(),
                  "application/x-calorix-chart")
            << text.toStdString();
    }
    EXPECT_EQ(
        database.mimeTypeForFile(QStringLiteral("cycle.calorix"), QMimeDatabase::MatchExtension)
            .name()
            .toStdString(),
        "application/x-calorix-chart");
    EXPECT_NE(database.mimeTypeForData(QByteArray(R"({"format": "other"})")).name().toStdString(),
              "application/x-calorix-chart");
    EXPECT_TRUE(database.mimeTypeForName(QStringLiteral("application/x-calorix-chart"))
                    .inherits(QStringLiteral("application/json")));
}

// QProcess wants the application object.
class CoreApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "install_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QCoreApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kCoreApplication =
    ::testing::AddGlobalTestEnvironment(new CoreApplicationEnvironment);

}  // namespace
}  // namespace calorix
