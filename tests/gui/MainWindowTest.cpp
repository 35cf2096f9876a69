// The main window's bindings, shown without a display.

#include "MainWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <cstdlib>
#include <map>

#include "OffscreenTest.h"
#include "ProblemsDialog.h"
#include "QtUi.h"
#include "SketchPadWidget.h"
#include "app/Session.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

void press(QWidget* w, int key) {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

void click(QWidget* w, QPoint at) {
  const QPointF local(at);
  QMouseEvent event(QEvent::MouseButtonPress, local, w->mapToGlobal(local), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

class MainWindowTest : public test::OffscreenTest {
 protected:
  QtUi ui;
  Session session{ui};
  ProjectLife life{session};
};

TEST_F(MainWindowTest, ShowsTheUntitledTitleAndReadyAndBindsTheStatusText) {
  MainWindow window(session, ui, life);
  window.showAtStart();
  EXPECT_EQ(window.windowTitle(), "MULZONW3 - (untitled)");
  EXPECT_EQ(window.statusLabel()->text(), "Ready");
  EXPECT_EQ(window.levelLabel()->text(), " Level <1>: 1 of 1");
  session.ui.setStatusText("Zone: Office");
  EXPECT_EQ(window.statusLabel()->text(), "Zone: Office");
  // A save under a name gives the window its title.
  test::TempDir dir;
  ASSERT_TRUE(life.saveProjectTo((dir / "house.prj").string()));
  EXPECT_EQ(window.windowTitle(), "MULZONW3 - house");
  EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, WindowFitsTheGridWithinItsScreen) {
  session.config.maximizeAtStart = 0;
  MainWindow window(session, ui, life);
  EXPECT_EQ(window.sketchPad()->sizeHint(), QSize(8 * 66, 8 * 58));
  window.showAtStart();
  EXPECT_FALSE(window.isMaximized());
  const QRect area = window.screen()->availableGeometry();
  EXPECT_EQ(window.width(), std::min(8 * 66 + 25, area.width()));
  // Every toolbar button shows without the overflow menu.
  EXPECT_LE(window.toolBar()->sizeHint().width(), window.width());
  session.config.maximizeAtStart = 1;
  MainWindow maximized(session, ui, life);
  maximized.showAtStart();
  EXPECT_TRUE(maximized.isMaximized());
}

TEST_F(MainWindowTest, MenusAndToolbarComeFromTheCommandTableWithTheirState) {
  MainWindow window(session, ui, life);
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(menus.size(), 9);
  EXPECT_EQ(menus.front()->text(), "File");
  EXPECT_EQ(menus.back()->text(), "Help");
  QAction* open = window.action(cmd::kOpenProject);
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->text(), "Open Project...\tCtrl+O");
  // The menu spells the key as the program does; Qt binds its own name for it.
  EXPECT_EQ(window.action(cmd::kSmallerIcons)->text(), "Smaller Icons\tCtrl+PgDwn");
  EXPECT_EQ(open->shortcut(), QKeySequence("Ctrl+O"));
  EXPECT_EQ(window.action(cmd::kSmallerIcons)->shortcut(), QKeySequence("Ctrl+PgDown"));
  EXPECT_FALSE(window.action(cmd::kLevelAbove)->isEnabled());
  EXPECT_FALSE(window.action(cmd::kFind)->isEnabled());
  // A submenu is enabled when one of its entries is.
  window.refresh();
  std::map<QString, bool> levelSubmenus;
  for (QAction* a : menus[3]->menu()->actions())
    if (a->menu()) levelSubmenus[a->text()] = a->isEnabled();
  EXPECT_EQ(levelSubmenus,
            (std::map<QString, bool>{
                {"Paste Level", false}, {"Insert Blank Level", true}, {"Go to", true}}));
  EXPECT_TRUE(window.action(cmd::kNormalMode)->isChecked());
  EXPECT_EQ(window.toolAction(13)->toolTip(), "Area Delete");
  // A toolbar button and a menu entry show the same tool state.
  window.toolAction(8)->trigger();
  EXPECT_TRUE(window.action(cmd::kDrawWalls)->isChecked());
  EXPECT_TRUE(window.toolAction(8)->isChecked());
  window.action(cmd::kDrawBoxes)->trigger();
  EXPECT_FALSE(window.toolAction(8)->isChecked());
  EXPECT_TRUE(window.toolAction(9)->isChecked());
}

TEST_F(MainWindowTest, KeysAndClicksReachTheSketchPadAndItShowsTheRenderedCells) {
  MainWindow window(session, ui, life);
  window.show();
  SketchPadWidget* pad = window.sketchPad();
  press(pad, Qt::Key_Right);
  press(pad, Qt::Key_Down);
  EXPECT_EQ(life.pad().cursor(), (CellPos{2, 2}));
  EXPECT_EQ(window.statusLabel()->text(), "Col 2, Row 2");
  click(pad, QPoint(8 * 5 + 3, 8 * 4 + 3));
  EXPECT_EQ(life.pad().cursor(), (CellPos{4, 5}));
  // The widget's picture is the renderer's, colour for colour.
  const QImage shown = pad->grab().toImage();
  const PixelBuffer cells = renderView(life.pad(), window.commands().scene(), {0, 0}, 8, 8);
  const QImage expected = indexedImage(cells);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x)
      ASSERT_EQ(shown.pixel(x, y) & 0xFFFFFF, expected.pixel(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST_F(MainWindowTest, TheProblemsWindowListsTheCheckAndAClickTakesTheCursorToItsCell) {
  MainWindow window(session, ui, life);
  window.resize(300, 400);  // leaves room on the screen's right for the window beside it
  window.show();
  // A closed box without a zone icon is one problem of the level check.
  MainCommands& commands = window.commands();
  life.pad().setCursor(3, 3);
  for (const int id : {cmd::kDrawBoxes, 0, cmd::kDrawBoxes}) {
    if (id != 0) {
      commands.dispatchCommand(id);
      continue;
    }
    commands.key(SketchKey::Enter, false, false);
    for (int i = 0; i < 3; ++i) commands.key(SketchKey::Down, false, false);
    for (int i = 0; i < 4; ++i) commands.key(SketchKey::Right, false, false);
    commands.key(SketchKey::Enter, false, false);
  }
  life.pad().setCursor(20, 20);
  window.action(cmd::kCheckLevel)->trigger();
  ProblemsDialog* dialog = window.problemsDialog();
  ASSERT_TRUE(dialog->isVisible());
  // It opens beside the SketchPad window, level with its top.
  EXPECT_EQ(dialog->frameGeometry().left(), window.frameGeometry().right() + 1);
  EXPECT_EQ(dialog->frameGeometry().top(), window.sketchPad()->mapToGlobal(QPoint(0, 0)).y());
  ASSERT_EQ(dialog->list()->count(), 1);
  EXPECT_EQ(dialog->list()->item(0)->text().toStdString(),
            commands.problemsWindow().rows().front());
  EXPECT_FALSE(dialog->runButton()->isEnabled());
  EXPECT_TRUE(dialog->rerunButton()->isEnabled());
  const Problem problem = life.problems()[0];
  emit dialog->list()->itemClicked(dialog->list()->item(0));
  EXPECT_EQ(life.pad().cursor(), (CellPos{problem.row, problem.column}));
  EXPECT_EQ(commands.scene().highlight, (CellPos{problem.row, problem.column}));
  EXPECT_EQ(window.statusLabel()->text().toStdString(),
            "Col " + std::to_string(problem.column) + ", Row " + std::to_string(problem.row));
  // Closing the window removes the mark.
  dialog->reject();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_FALSE(commands.problemsWindow().isOpen());
  EXPECT_FALSE(commands.scene().highlight);
}

}  // namespace
}  // namespace mz
