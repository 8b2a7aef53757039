// One QApplication for a GUI test program, offscreen when run by hand, with
// the per-user settings in a private directory. QSettings reads
// XDG_CONFIG_HOME only once, so it is set before anything else runs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        config_ = std::make_unique<QTemporaryDir>();
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        setenv("XDG_CONFIG_HOME", config_->path().toLocal8Bit().constData(), 1);
        static int argc = 1;
        static char name[] = "qm530_gui_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        app_.reset();
        config_.reset();
    }

  private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
