#pragma once
// The main window's logic without the window: the view state, the dispatcher of command
// numbers, the enabling of menus and toolbar, the SketchPad's cursor, keys, mouse and scrolling,
// the file commands and the problems of the last check.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "app/Prjinout.h"
#include "sketchpad/CheckWindow.h"
#include "sketchpad/Output.h"

namespace mz {

struct Session;

enum class ViewMode { Normal = 0, Results = 1, WindPressure = 2 };
enum class DrawTool { None, Walls, Boxes, Ducts, Links, DeleteByBox, DeleteByRegion };
enum class SketchKey { Up, Down, Left, Right, Enter, Escape };

struct ViewState {
  ViewMode mode = ViewMode::Normal;
  DrawTool tool = DrawTool::None;
  CellPos origin{0, 0};  // first visible row and column
  int visibleRows = 0;
  int visibleColumns = 0;
  bool showLinks = false;
  bool showSubLevel = false;
  bool navigator = false;
  // The cell a problem or find window moved to, with its level.
  std::optional<CellPos> highlight;
  Ref<Level> highlightLevel;
  // Toolbar groups as last set by updateToolbar.
  bool fileGroup = true;
  bool editGroup = true;
  bool findGroup = true;
  bool drawGroup = true;
  bool linkTool = true;
};

struct CommandState {
  bool enabled = false;
  bool checked = false;
  bool operator==(const CommandState&) const = default;
};

// The scrolling step of one axis: trunc(0.75 x visible x (extent - visible) / extent) cells, at
// least one.
int scrollStep(int visible, int extent);

// What the core asks of the window beyond the ui port. Every call has a harmless default.
class WindowPort {
 public:
  virtual ~WindowPort() = default;
  // The SketchPad, the Sketch Navigator and the status bar's level part are to be drawn again.
  virtual void repaint() {}
  // A new project (title, grid size, level text).
  virtual void projectReplaced() {}
  // The project's name changed (a save under another name); the title follows.
  virtual void titleChanged() {}
  virtual void waitCursor(bool on) { (void)on; }
  virtual void closeWindow() {}
  // The list of level names, lowest first; the chosen index or nothing.
  virtual std::optional<int> chooseLevel(const std::vector<std::string>& names, int current) {
    (void)names;
    (void)current;
    return std::nullopt;
  }
  // The "Building Check Problems" window opens (or comes to the front) with the rows of the
  // commands' problems window; refreshProblems only brings an open window's rows up to date.
  virtual void showProblems() {}
  virtual void refreshProblems() {}
  virtual void hideProblems() {}
  virtual void showNavigator(bool shown) { (void)shown; }
  // Hands a file to the desktop's program for its kind; false when none took it.
  virtual bool openDocument(const std::string& path) {
    (void)path;
    return false;
  }
  virtual void showAbout() {}
};

// The window's side of the project life cycle and of the checks: it binds itself to the life
// cycle for as long as it exists.
class MainCommands final : private ProjectWindow, private ProblemsView {
 public:
  MainCommands(Session& session, ProjectLife& life, WindowPort& window);
  MainCommands(const MainCommands&) = delete;
  MainCommands& operator=(const MainCommands&) = delete;
  ~MainCommands() override;

  // Routes a command number (toolbar numbers included); false for a number it does not know,
  // which the window hands to its default handling.
  bool dispatchCommand(int id);
  // The enabled and checked state of a command as the menus show it.
  CommandState commandState(int id) const;
  // Every menu command's state, computed when the menu bar opens.
  std::map<int, CommandState> updateMenus() const;
  // Sets the toolbar groups; -1 leaves a group as it is.
  void updateToolbar(int fileGroup, int editGroup, int findGroup, int drawGroup, int linkTool);
  // A toolbar button's enabled and pressed state.
  CommandState buttonState(const ToolButton& button) const;

  // One cursor step of `count` cells; false (nothing moves) when it would leave the editable
  // area.
  bool moveCursor(int direction, int count);
  void key(SketchKey key, bool shift, bool ctrl);
  void leftClick(CellPos cell);
  void mouseMove(CellPos cell);
  void doubleClick(CellPos cell);
  // True when the item menu is to open (normal mode without a tool).
  bool rightClick(CellPos cell);
  // Scrolls by whole cells (the mouse wheel and the scroll bars), within the grid.
  void scrollBy(int rows, int columns);
  void scrollTo(CellPos origin);

  // The SketchPad window's size in pixels; the visible cells follow from it.
  void setViewport(int width, int height);
  // Moves the cursor to a cell and brings it into view (the Sketch Navigator's click).
  void goToCell(CellPos cell);

  // The close of the main window: asks to save; false when the user cancelled.
  bool closeRequested();
  // Opens a project file without a dialog (the command line).
  bool openProjectFile(const std::string& path);

  // The "Building Check Problems" window: its rows and button rules, a click on a row (its
  // level and cell, highlighted), "Rerun Building Check", "Run Simulation" and "Close".
  const ProblemsWindow& problemsWindow() const { return problemsWindow_; }
  void goToProblem(std::size_t row);
  void rerunBuildingCheck();
  bool runSimulationEnabled() const;
  void runSimulationFromProblems();
  void closeProblems();
  // Removes the highlighted cell (a problem or find window was closed) and repaints.
  void clearHighlight();

  const ViewState& view() const { return view_; }
  std::string title() const;
  // " Level %s: %d of %d".
  std::string levelText() const;
  // What the renderer needs: colours, switches, the cursor and the highlighted cell.
  RenderScene scene() const;
  int cellSize() const;
  const SketchPad& pad() const { return life_.pad(); }

 private:
  bool normal() const { return view_.mode == ViewMode::Normal; }
  bool drawingWalls() const;
  void toggleTool(DrawTool tool);
  void switchToolOff();
  void placeIcon(int command);
  void deleteAtCursor();
  bool deletable() const;
  void moveToLevel(Level* level);
  void goToLevelFromList();
  void zoom(int mode);
  void ctrlMove(int direction);
  void showCursorCell();
  void ensureCursorVisible();
  void clampOrigin();
  // The visible cells of the SketchPad window's size at the current cell size.
  void fitViewport();

  void saveBitmap();
  void openProjectFileEntry(int command);
  void showHelpContents();

  // The life cycle's calls.
  void leavingProject() override;
  void projectReplaced() override;
  void titleChanged(std::string_view title) override;
  void waitCursor(bool on) override;
  // The checks' calls.
  void showProblems(const ProblemList& problems) override;
  void refreshProblems(const ProblemList& problems) override;

  Session& session_;
  ProjectLife& life_;
  WindowPort& window_;
  ViewState view_;
  int viewportWidth_ = 0;
  int viewportHeight_ = 0;
  ProblemsWindow problemsWindow_;
};

}  // namespace mz
