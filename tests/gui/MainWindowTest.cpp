// The main window's bindings, shown without a display.

#include "MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <cstdlib>

#include "QtUi.h"
#include "SketchPadWidget.h"
#include "app/Session.h"

namespace mz {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  static void TearDownTestSuite() { app_.reset(); }

  static inline std::unique_ptr<QApplication> app_;
  QtUi ui;
  Session session{ui};
};

TEST_F(MainWindowTest, ShowsTheUntitledTitleAndReadyAndBindsTheStatusText) {
  MainWindow window(session, ui);
  window.showAtStart();
  EXPECT_EQ(window.windowTitle(), "MULZONW3 - (untitled)");
  EXPECT_EQ(window.statusLabel()->text(), "Ready");
  session.ui.setStatusText("Zone: Office");
  EXPECT_EQ(window.statusLabel()->text(), "Zone: Office");
  window.setProjectTitle("house.prj");
  EXPECT_EQ(window.windowTitle(), "MULZONW3 - house.prj");
  EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, SketchPadFollowsTheGridAndTheWindowItsSize) {
  session.config.maximizeAtStart = 0;
  MainWindow window(session, ui);
  EXPECT_EQ(window.sketchPad()->size(), QSize(8 * 66, 8 * 58));
  EXPECT_EQ(window.size(), QSize(8 * 66 + 25, 8 * 58 + 100));
  window.showAtStart();
  EXPECT_FALSE(window.isMaximized());
  const QRect area = window.screen()->availableGeometry();
  EXPECT_EQ(window.width(), std::min(8 * 66 + 25, area.width()));
  EXPECT_EQ(window.height(),
            std::max(175, std::min(8 * 58 + window.menuBar()->sizeHint().height() + 100,
                                   area.height() - window.frameGeometry().top())));
}

TEST_F(MainWindowTest, MaximizesAtStartWhenConfigured) {
  session.config.maximizeAtStart = 1;
  MainWindow window(session, ui);
  window.showAtStart();
  EXPECT_TRUE(window.isMaximized());
}

}  // namespace
}  // namespace mz
