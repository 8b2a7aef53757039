// Every GUI test program gets its one QApplication before the first test:
// offscreen when run by hand, with the per-user settings in a private
// directory (see App()).

#include <gtest/gtest.h>

#include "support/gui_fixture.h"

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override { qm530::test::App(); }
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
