#pragma once
// The main window: menus and toolbar built from the command table, the SketchPad window with
// its scroll bars, the status bar, and the tool windows beside it.

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QScrollBar>
#include <QToolBar>
#include <map>
#include <memory>

#include "app/Prjinout.h"
#include "app/WndProc.h"

namespace mz {

struct Session;
class QtUi;
class SketchPadWidget;
class NavigatorWindow;
class ProblemsDialog;

class MainWindow final : public QMainWindow, private WindowPort {
 public:
  MainWindow(Session& session, QtUi& ui, ProjectLife& life);
  ~MainWindow() override;

  // Shows the window maximized when the configuration asks for it, otherwise sized to the grid.
  void showAtStart();
  // Resizes the window to the SketchPad grid within its screen's work area.
  void sizeToGrid();

  QLabel* statusLabel() const { return status_; }
  QLabel* levelLabel() const { return level_; }
  SketchPadWidget* sketchPad() const { return sketch_; }
  QToolBar* toolBar() const { return toolbar_; }
  MainCommands& commands() { return *commands_; }
  // The menu action of a command, the toolbar action of a button number.
  QAction* action(int command) const;
  QAction* toolAction(int button) const;
  ProblemsDialog* problemsDialog() const { return problems_; }
  NavigatorWindow* navigatorWindow() const { return navigator_; }

  // Brings every action, the scroll bars and the level text up to date.
  void refresh();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void repaint() override;
  void projectReplaced() override;
  void titleChanged() override;
  void waitCursor(bool on) override;
  void closeWindow() override;
  std::optional<int> chooseLevel(const std::vector<std::string>& names, int current) override;
  void showProblems() override;
  void refreshProblems() override;
  void hideProblems() override;
  void showNavigator(bool shown) override;
  void showAbout() override;
  bool openDocument(const std::string& path) override;

  void buildMenus();
  void addMenuItems(QMenu* menu, const std::vector<MenuItem>& items);
  void buildToolbar();
  void rebuildRecentMenu();
  // A submenu without an enabled entry is shown disabled; true when `menu` has one.
  bool enableSubmenus(QMenu& menu);
  void showItemMenu(QPoint where);
  void updateScrollBars();
  // Places a tool window beside the SketchPad window.
  void placeBeside(QWidget& tool);

  Session& session_;
  QtUi& ui_;
  ProjectLife& life_;
  std::unique_ptr<MainCommands> commands_;
  QLabel* status_ = nullptr;
  QLabel* level_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  SketchPadWidget* sketch_ = nullptr;
  QScrollBar* horizontal_ = nullptr;
  QScrollBar* vertical_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  NavigatorWindow* navigator_ = nullptr;
  ProblemsDialog* problems_ = nullptr;
  std::map<int, QAction*> actions_;
  std::map<int, QAction*> toolActions_;
  bool updatingScrollBars_ = false;
};

}  // namespace mz
