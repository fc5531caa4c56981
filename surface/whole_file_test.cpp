// A file is written whole or not at all: an old file survives every failure,
// a full disk included, and no temporary file is left behind.
#include "surface/whole_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include "testing/full_disk.h"

namespace calorix {
namespace {

class WholeFileTest : public ::testing::Test {
  protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    QStringList Files() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
};

TEST_F(WholeFileTest, AWriteReplacesTheOldFileWhole) {
    const QString path = Path("a.txt");
    EXPECT_EQ(WriteWholeFile(path, WriteBytes("a longer first text")), "");
    EXPECT_EQ(WriteWholeFile(path, WriteBytes("short")), "");
    EXPECT_EQ(Read(path), "short");
    EXPECT_EQ(WriteWholeFile(path, WriteBytes("")), "");
    EXPECT_EQ(Read(path), "");
    EXPECT_EQ(Files(), QStringList{"a.txt"});
}

TEST_F(WholeFileTest, EveryFailureLeavesTheOldFileAsItWas) {
    const QString path = Path("a.txt");
    ASSERT_EQ(WriteWholeFile(path, WriteBytes("yesterday's work")), "");

    // Bytes that wait in the file's buffer until it closes, and bytes too
    // many for the buffer, written at once: both run out of room.
    for (const qsizetype size : {qsizetype(1000), qsizetype(100'000)}) {
        QString why;
        {
            const test::FullDisk full;
            why = WriteWholeFile(path, WriteBytes(QByteArray(size, 'x')));
        }
        EXPECT_FALSE(why.isEmpty()) << size;
        EXPECT_EQ(Read(path), "yesterday's work") << size;
    }

    // The writer's own reason, even when it wrote part of the file.
    EXPECT_EQ(WriteWholeFile(path,
                             [](QSaveFile& file) {
                                 file.write("half");
                                 return QStringLiteral("the picture could not be drawn");
                             }),
              "the picture could not be drawn");
    EXPECT_EQ(Read(path), "yesterday's work");
    EXPECT_EQ(Files(), QStringList{"a.txt"}) << "no temporary file is left";

    // A folder that is not there.
    EXPECT_FALSE(WriteWholeFile(Path("missing/a.txt"), WriteBytes("x")).isEmpty());
    EXPECT_FALSE(QDir(Path("missing")).exists());
}

}  // namespace
}  // namespace calorix
