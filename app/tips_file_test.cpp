// Where the program finds its tips file: beside itself, then as installed,
// then in the standard data folders. Each case lays out a small tree of
// folders in a temporary folder.
#include "app/tips_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <optional>

namespace calorix {
namespace {

// Sets an environment variable for the life of a test and puts back what was
// there before.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const QByteArray& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~ScopedEnvironment() {
        if (old_) {
            qputenv(name_, *old_);
        } else {
            qunsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<QByteArray> old_;
};

class TipsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("prefix/bin")));
    }

    QString Path(const QString& relative) const { return root_.filePath(relative); }

    void Put(const QString& relative) {
        ASSERT_TRUE(QDir(root_.path()).mkpath(QFileInfo(Path(relative)).path()));
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1 tips}");
    }

    QTemporaryDir root_;
    // The user's data folder and the system's, both inside the tree.
    ScopedEnvironment home_{"XDG_DATA_HOME", root_.filePath(QStringLiteral("home")).toLocal8Bit()};
    ScopedEnvironment system_{"XDG_DATA_DIRS",
                              (root_.filePath(QStringLiteral("usr")) + QLatin1Char(':') +
                               root_.filePath(QStringLiteral("opt")))
                                  .toLocal8Bit()};
};

TEST_F(TipsFileTest, TakesTheFirstPlaceThatHasTheFile) {
    const QString beside = QStringLiteral("prefix/bin/tips.rtf");
    const QString installed = QStringLiteral("prefix/share/calorix/tips.rtf");
    const QString user = QStringLiteral("home/calorix/tips.rtf");
    const QString system = QStringLiteral("usr/calorix/tips.rtf");
    const QString other = QStringLiteral("opt/calorix/tips.rtf");
    const struct {
        QStringList present;
        QString found;
    } cases[] = {
        {{beside, installed, user, system, other}, beside},
        {{installed, user, system, other}, installed},
        {{user, system, other}, user},
        {{system, other}, system},
        {{other}, other},
        // None at all: the place beside the program, which the Tips window
        // names as missing.
        {{}, beside},
    };
    for (const auto& [present, found] : cases) {
        for (const QString& file : present)
            Put(file);
        EXPECT_EQ(FindTipsFile(Path(QStringLiteral("prefix/bin"))), Path(found))
            << present.join(QLatin1Char(' ')).toStdString();
        for (const QString& file : present)
            ASSERT_TRUE(QFile::remove(Path(file)));
    }
}

TEST_F(TipsFileTest, AFileThatIsThereButUnreadableIsNamedNotPassedOver) {
    // A folder where the file should be: the Tips window says it is not a
    // regular file rather than showing an older copy from elsewhere.
    ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("prefix/bin/tips.rtf")));
    Put(QStringLiteral("prefix/share/calorix/tips.rtf"));
    EXPECT_EQ(FindTipsFile(Path(QStringLiteral("prefix/bin"))),
              Path(QStringLiteral("prefix/bin/tips.rtf")));
}

TEST_F(TipsFileTest, ListsThePlacesInTheirOrderWithTheInstalledOneResolved) {
    EXPECT_EQ(TipsFilePlaces(Path(QStringLiteral("prefix/bin"))),
              (QStringList{Path(QStringLiteral("prefix/bin/tips.rtf")),
                           Path(QStringLiteral("prefix/share/calorix/tips.rtf")),
                           Path(QStringLiteral("home/calorix/tips.rtf")),
                           Path(QStringLiteral("usr/calorix/tips.rtf")),
                           Path(QStringLiteral("opt/calorix/tips.rtf"))}));
}

}  // namespace
}  // namespace calorix
