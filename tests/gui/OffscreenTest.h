#pragma once
// A test suite whose widgets are shown on Qt's offscreen platform, without a display.

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

namespace mz::test {

class OffscreenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "mulzon_gui_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  static void TearDownTestSuite() { app_.reset(); }

 private:
  static inline std::unique_ptr<QApplication> app_;
};

}  // namespace mz::test
