// The SketchPad window and the Sketch Navigator inside the main window, shown without a display.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScrollArea>
#include <QWheelEvent>
#include <cstdlib>

#include "MainWindow.h"
#include "NavigatorWindow.h"
#include "OffscreenTest.h"
#include "QtUi.h"
#include "SketchPadWidget.h"
#include "app/Session.h"

namespace mz {
namespace {

class SketchViewsTest : public test::OffscreenTest {
 protected:
  void SetUp() override {
    session.config.maximizeAtStart = 0;
    window = std::make_unique<MainWindow>(session, ui, life);
    window->show();
  }

  void wheel(QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    SketchPadWidget* pad = window->sketchPad();
    const QPointF at(10, 10);
    QWheelEvent event(at, pad->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(pad, &event);
  }

  QtUi ui;
  Session session{ui};
  ProjectLife life{session};
  std::unique_ptr<MainWindow> window;
};

TEST_F(SketchViewsTest, TheNavigatorClosedFromItsOwnFrameIsOffInTheViewMenu) {
  QAction* entry = window->action(cmd::kSketchNavigator);
  entry->trigger();
  NavigatorWindow* navigator = window->navigatorWindow();
  EXPECT_TRUE(navigator->isVisible());
  EXPECT_TRUE(entry->isChecked());
  navigator->reject();  // Escape or the frame's close button
  EXPECT_FALSE(navigator->isVisible());
  EXPECT_FALSE(window->commands().view().navigator);
  EXPECT_FALSE(entry->isChecked());
  // One choice of the entry shows it again.
  entry->trigger();
  EXPECT_TRUE(navigator->isVisible());
  entry->trigger();
  EXPECT_FALSE(navigator->isVisible());
  EXPECT_FALSE(entry->isChecked());
}

TEST_F(SketchViewsTest, TheNavigatorGreysWhatLiesOutsideTheGrid) {
  window->action(cmd::kSketchNavigator)->trigger();
  NavigatorWindow* navigator = window->navigatorWindow();
  navigator->resize(150, 120);
  QApplication::processEvents();
  const QImage shown = navigator->grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(140, 110)), QColor(Qt::gray));
  EXPECT_EQ(QColor(shown.pixel(140, 10)), QColor(Qt::gray));
  // Inside the grid and its frame: the background of the cells.
  EXPECT_NE(QColor(shown.pixel(20, 20)), QColor(Qt::gray));
}

TEST_F(SketchViewsTest, AClickInTheNavigatorMovesTheCursorWithinTheEditableArea) {
  window->action(cmd::kSketchNavigator)->trigger();
  QWidget* picture = window->navigatorWindow()->findChild<QScrollArea*>()->widget();
  auto click = [&](QPoint at) {
    const QPointF local(at);
    QMouseEvent event(QEvent::MouseButtonPress, local, picture->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(picture, &event);
  };
  click({20, 9});
  EXPECT_EQ(life.pad().cursor(), (CellPos{9, 20}));
  EXPECT_EQ(window->statusLabel()->text(), "Col 20, Row 9");
  click({0, 57});
  EXPECT_EQ(life.pad().cursor(), (CellPos{56, 1}));
}

TEST_F(SketchViewsTest, TheWheelScrollsThreeCellsANotchAndAddsUpSmallSteps) {
  window->resize(200, 200);
  QApplication::processEvents();
  ASSERT_LT(window->commands().view().visibleRows, life.pad().rows());
  wheel({0, -120});
  EXPECT_EQ(window->commands().view().origin, (CellPos{3, 0}));
  // A fine-grained wheel: four small steps make one cell's worth and then some.
  for (int i = 0; i < 4; ++i) wheel({0, -15});
  EXPECT_EQ(window->commands().view().origin, (CellPos{4, 0}));
  wheel({0, -120}, Qt::ShiftModifier);
  EXPECT_EQ(window->commands().view().origin, (CellPos{4, 3}));
  wheel({0, 240});
  EXPECT_EQ(window->commands().view().origin.row, 0);
}

TEST_F(SketchViewsTest, APointLeftOfOrAboveTheWindowNamesTheCellThere) {
  window->resize(200, 200);
  QApplication::processEvents();
  window->commands().scrollTo({5, 5});
  ASSERT_EQ(window->commands().view().origin, (CellPos{5, 5}));
  const int s = window->commands().cellSize();
  EXPECT_EQ(window->sketchPad()->cellAt({0, 0}), (CellPos{5, 5}));
  EXPECT_EQ(window->sketchPad()->cellAt({-1, -s}), (CellPos{4, 4}));
  EXPECT_EQ(window->sketchPad()->cellAt({-s - 1, s}), (CellPos{6, 3}));
}

}  // namespace
}  // namespace mz
