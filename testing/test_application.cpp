// The QApplication that widget tests need, created before the first test and
// destroyed after the last, so that no test depends on the order of static
// destruction.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace {

class QApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        // The user's choices that the program keeps between runs: a test
        // never reads or writes a real user's, nor another test program's
        // running at the same time.
        QStandardPaths::setTestModeEnabled(true);
        settings_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_->path());
        static int argc = 1;
        static char name[] = "calorix_surface_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        app_.reset();
        settings_.reset();
    }

  private:
    std::unique_ptr<QTemporaryDir> settings_;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new QApplicationEnvironment);

}  // namespace
