// The QApplication that widget tests need, created before the first test and
// destroyed after the last, so that no test depends on the order of static
// destruction.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class QApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "calorix_surface_test";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new QApplicationEnvironment);

}  // namespace
