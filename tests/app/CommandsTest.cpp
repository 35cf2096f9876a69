// The main window's logic without a window: command table, enabling, tools, cursor, scrolling,
// levels, zoom and the file commands.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/Commands.h"
#include "app/Session.h"
#include "app/WndProc.h"
#include "app/Wutils.h"
#include "foundation/Formats.h"
#include "sketchpad/Bitmap.h"
#include "sketchpad/SketchStore.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchText.h"
#include "support/FaultyDisk.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

struct RecordingWindow : WindowPort {
  int repaints = 0;
  int replaced = 0;
  int titles = 0;
  int closes = 0;
  int problemsShown = 0;
  int problemsHidden = 0;
  std::optional<int> levelChoice;
  std::vector<std::string> documents;
  bool documentsOpen = true;
  void repaint() override { ++repaints; }
  void projectReplaced() override { ++replaced; }
  void titleChanged() override { ++titles; }
  void closeWindow() override { ++closes; }
  void showProblems() override { ++problemsShown; }
  void hideProblems() override { ++problemsHidden; }
  bool openDocument(const std::string& path) override {
    documents.push_back(path);
    return documentsOpen;
  }
  std::optional<int> chooseLevel(const std::vector<std::string>&, int) override {
    return levelChoice;
  }
};

struct CommandsFixture : ::testing::Test {
  test::TempDir dir;
  ScriptedUi ui;
  Session session{ui};
  test::FaultyDisk disk;
  ProjectLife life{session, disk};
  RecordingWindow window;
  std::unique_ptr<MainCommands> commands;

  void SetUp() override {
    session.startDirectory = dir.path();
    commands = std::make_unique<MainCommands>(session, life, window);
    commands->setViewport(66 * 8, 58 * 8);
  }
  SketchPad& pad() { return life.pad(); }
  Level* currentLevel() { return life.project().current(); }
  std::string file(const char* name) { return (dir / name).string(); }
  CellPos cursor() { return pad().cursor(); }
  void run(std::initializer_list<int> ids) {
    for (const int id : ids) EXPECT_TRUE(commands->dispatchCommand(id)) << id;
  }
  void keys(SketchKey k, int times = 1, bool shift = false, bool ctrl = false) {
    for (int i = 0; i < times; ++i) commands->key(k, shift, ctrl);
  }
  bool enabled(int id) { return commands->commandState(id).enabled; }
  bool checked(int id) { return commands->commandState(id).checked; }
  std::string lastStatus() {
    const auto s = ui.eventsOf(UiEvent::Kind::Status);
    return s.empty() ? std::string() : s.back().text;
  }
  // A box of walls from (3, 3) to (9, 11) drawn with the box tool and the keys.
  void drawBox() {
    pad().setCursor(3, 3);
    run({cmd::kDrawBoxes});
    keys(SketchKey::Enter);
    keys(SketchKey::Down, 3);
    keys(SketchKey::Right, 4);
    keys(SketchKey::Enter);
    run({cmd::kDrawBoxes});
  }
};

TEST(CommandTable, NumbersAndKeysAreUniqueAndTheToolbarNamesMenuCommands) {
  std::set<int> numbers;
  std::set<std::string> keys;
  for (const MenuItem* item : menuCommands()) {
    EXPECT_TRUE(numbers.insert(item->command).second) << item->command;
    EXPECT_TRUE(item->key.empty() || keys.insert(item->key).second) << item->key;
  }
  for (const ToolButton& b : toolbarButtons()) {
    EXPECT_NE(findMenuCommand(b.command), nullptr) << b.id;
    EXPECT_EQ(commandOfAlias(b.id), b.command);
  }
  EXPECT_EQ(commandOfAlias(cmd::kSaveProject), cmd::kSaveProject);
  const struct {
    int id;
    const char* text;
    const char* key;
  } samples[] = {
      {101, "Open Project...", "Ctrl+O"},     {4030, "Delete", "Del"},
      {4116, "Delete Network", "Ctrl+Del"},   {252, "Larger Icons", "Ctrl+PgUp"},
      {253, "Smaller Icons", "Ctrl+PgDwn"},   {400, "Reveal Level Below", "Ctrl+Shift+B"},
      {408, "Level Above", "PgUp"},           {4040, "Zone", "Z"},
      {4045, "Supply (Inlet)", "I"},          {4074, "Save SketchPad to .BMP File...", ""},
      {4088, "Color Zones", "Ctrl+Z"},        {904, "About", "Alt+?"},
      {4037, "First Time Step", "Ctrl+Home"}, {4029, "Edit Weather Data...", "F7"},
  };
  for (const auto& s : samples) {
    const MenuItem* item = findMenuCommand(s.id);
    ASSERT_NE(item, nullptr) << s.id;
    EXPECT_EQ(item->text, s.text);
    EXPECT_EQ(item->key, s.key);
  }
  EXPECT_EQ(toolbarButtons().front().tooltip, "New Project File");
  EXPECT_EQ(toolbarButtons().back().tooltip, "Zoom SketchPad - Increase cell size");
}

TEST(CommandTable, ToolbarLeftToRightWithItsAliasesAndTooltips) {
  const struct {
    int id;
    int command;
    const char* tooltip;
  } expected[] = {
      {1, 100, "New Project File"},
      {2, 101, "Open Project"},
      {3, 102, "Save Project"},
      {4, 201, "Cut"},
      {5, 202, "Copy selected item to clipboard"},
      {6, 203, "Paste item from clipboard"},
      {44, 204, "Find"},
      {45, 205, "Find and Replace"},
      {8, 4011, "Draw Walls"},
      {9, 4012, "Draw Boxes"},
      {10, 4015, "Draw Ducts"},
      {11, 4014, "Draw Controls"},
      {13, 4099, "Area Delete"},
      {12, 4097, "Box Delete"},
      {14, 408, "Move up one level"},
      {15, 409, "Move down one level"},
      {43, 253, "Zoom SketchPad - Reduce cell size"},
      {42, 252, "Zoom SketchPad - Increase cell size"},
  };
  const std::vector<ToolButton>& buttons = toolbarButtons();
  ASSERT_EQ(buttons.size(), std::size(expected));
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i].id, expected[i].id) << i;
    EXPECT_EQ(commandOfAlias(buttons[i].id), expected[i].command) << buttons[i].id;
    EXPECT_EQ(buttons[i].tooltip, expected[i].tooltip) << buttons[i].id;
  }
  // The item menu of a right click: the ten icons, then Cut, Copy and Paste.
  EXPECT_EQ(itemMenuCommands(), (std::vector<int>{4040, 4042, 4041, 4043, 4044, 4045, 4046, 4047,
                                                  4048, 4049, 201, 202, 203}));
}

TEST_F(CommandsFixture, EnablingOfANewProject) {
  const struct {
    int id;
    bool enabled;
  } cases[] = {
      {cmd::kNewProject, true},  {cmd::kOpenProject, true},  {cmd::kSaveProject, true},
      {cmd::kLevelAbove, false}, {cmd::kLevelBelow, false},  {cmd::kDrawWalls, true},
      {cmd::kDrawBoxes, true},   {cmd::kIconZone, true},     {cmd::kIconFlowPath, true},
      {cmd::kDelete, false},     {cmd::kResultsMode, false}, {cmd::kFind, false},
      {cmd::kDrawDucts, false},  {cmd::kCut, false},         {cmd::kIconAnnotation, false},
      {cmd::kLargerIcons, true}, {cmd::kSmallerIcons, true}, {cmd::kFirstRecent, false},
      {cmd::kNoRecent, false},   {cmd::kCheckLevel, true},   {4018, false},
  };
  for (const auto& c : cases) EXPECT_EQ(enabled(c.id), c.enabled) << c.id;
  EXPECT_TRUE(checked(cmd::kNormalMode));
  EXPECT_EQ(commands->levelText(), " Level <1>: 1 of 1");
  EXPECT_EQ(commands->title(), "MULZONW3 - (untitled)");
}

TEST_F(CommandsFixture, ResultsModeWithoutResultsStaysNormalAndBeeps) {
  run({cmd::kResultsMode});
  EXPECT_EQ(commands->view().mode, ViewMode::Normal);
  EXPECT_EQ(ui.beeps(), 1);
  EXPECT_FALSE(commands->dispatchCommand(31999));
}

TEST_F(CommandsFixture, DeleteFollowsTheCursorCellAndDeletesAWallStretch) {
  drawBox();
  pad().setCursor(3, 7);
  EXPECT_TRUE(enabled(cmd::kDelete));
  pad().setCursor(5, 5);
  EXPECT_FALSE(enabled(cmd::kDelete));
  run({cmd::kIconZone});
  EXPECT_TRUE(enabled(cmd::kDelete));
}

TEST_F(CommandsFixture, ToolsToggleAndSwitchEachOtherOff) {
  run({cmd::kDrawWalls});
  EXPECT_EQ(commands->view().tool, DrawTool::Walls);
  EXPECT_TRUE(checked(cmd::kDrawWalls));
  EXPECT_TRUE(commands->buttonState(toolbarButtons()[8]).checked);  // button 8, Draw Walls
  run({cmd::kDrawWalls});
  EXPECT_EQ(commands->view().tool, DrawTool::None);
  // Switching to another tool while a drawing is in progress cancels the drawing.
  run({cmd::kDrawWalls});
  keys(SketchKey::Enter);
  keys(SketchKey::Right, 2);
  EXPECT_TRUE(pad().anyMarked());
  run({9});  // the toolbar's Draw Boxes
  EXPECT_EQ(commands->view().tool, DrawTool::Boxes);
  EXPECT_FALSE(pad().anyMarked());
  EXPECT_FALSE(life.walls().drawing());
}

TEST_F(CommandsFixture, EscapeCancelsTheDrawingFirstAndThenTheTool) {
  run({cmd::kDrawBoxes});
  keys(SketchKey::Enter);
  keys(SketchKey::Down);
  keys(SketchKey::Escape);
  EXPECT_FALSE(life.walls().drawing());
  EXPECT_FALSE(pad().anyMarked());
  EXPECT_EQ(commands->view().tool, DrawTool::Boxes);
  keys(SketchKey::Escape);
  EXPECT_EQ(commands->view().tool, DrawTool::None);
  // Right click does the same; without a tool it asks for the item menu.
  run({cmd::kDrawBoxes});
  EXPECT_FALSE(commands->rightClick({4, 4}));
  EXPECT_EQ(commands->view().tool, DrawTool::None);
  EXPECT_TRUE(commands->rightClick({4, 4}));
  EXPECT_EQ(cursor(), (CellPos{4, 4}));
}

TEST_F(CommandsFixture, CursorStepsShiftJumpsAndTheEdgeOfTheEditableArea) {
  session.config.cellJump = 5;
  keys(SketchKey::Right);
  EXPECT_EQ(cursor(), (CellPos{1, 2}));
  EXPECT_EQ(lastStatus(), "Col 2, Row 1");
  keys(SketchKey::Up);  // row 0 is the border ring
  EXPECT_EQ(cursor(), (CellPos{1, 2}));
  keys(SketchKey::Down, 1, true);
  EXPECT_EQ(cursor(), (CellPos{6, 2}));
  pad().setCursor(56, 62);
  keys(SketchKey::Right, 1, true);  // 67 is past column 64
  EXPECT_EQ(cursor(), (CellPos{56, 62}));
  keys(SketchKey::Right, 2);
  EXPECT_EQ(cursor(), (CellPos{56, 64}));
  keys(SketchKey::Right);
  EXPECT_EQ(cursor(), (CellPos{56, 64}));
  // While drawing: two cells a step, the jump rounded down to an even count.
  pad().setCursor(3, 3);
  run({cmd::kDrawBoxes});
  keys(SketchKey::Enter);
  keys(SketchKey::Right);
  EXPECT_EQ(cursor(), (CellPos{3, 5}));
  keys(SketchKey::Down, 1, true);
  EXPECT_EQ(cursor(), (CellPos{7, 5}));
}

TEST_F(CommandsFixture, CtrlMovesStopAtIconsAndCrossingWallsAndExtendAWallBeingDrawn) {
  drawBox();  // walls on rows 3 and 9, columns 3 and 11
  pad().setCursor(5, 1);
  keys(SketchKey::Right, 1, false, true);
  EXPECT_EQ(cursor(), (CellPos{5, 3}));  // the box's left wall
  keys(SketchKey::Right, 1, false, true);
  EXPECT_EQ(cursor(), (CellPos{5, 11}));
  keys(SketchKey::Right, 1, false, true);  // nothing further: no move
  EXPECT_EQ(cursor(), (CellPos{5, 11}));
  pad().setCursor(1, 7);
  keys(SketchKey::Down, 1, false, true);
  EXPECT_EQ(cursor(), (CellPos{3, 7}));
  pad().setCursor(6, 5);
  run({cmd::kIconZone});
  pad().setCursor(6, 1);
  keys(SketchKey::Right, 1, false, true);
  keys(SketchKey::Right, 1, false, true);
  EXPECT_EQ(cursor(), (CellPos{6, 5}));
  // A dividing wall from the top wall runs down to the bottom wall.
  pad().setCursor(3, 7);
  run({cmd::kDrawWalls});
  keys(SketchKey::Enter);
  keys(SketchKey::Down, 1, false, true);
  EXPECT_EQ(cursor(), (CellPos{9, 7}));
  keys(SketchKey::Enter);
  EXPECT_EQ(pad().current().walls.at(6, 7), icon::kWallVertical);
  EXPECT_EQ(pad().current().walls.at(3, 7), wallCodeForBits(dir::kLeft | dir::kRight | dir::kDown));
}

TEST(ScrollStep, FollowsTheVisibleShareOfTheGrid) {
  const struct {
    int visible, extent, step;
  } cases[] = {{40, 66, 11}, {20, 58, 9}, {65, 66, 1}, {1, 66, 1}, {66, 66, 1}, {33, 66, 12}};
  for (const auto& c : cases)
    EXPECT_EQ(scrollStep(c.visible, c.extent), c.step) << c.visible << " of " << c.extent;
}

TEST_F(CommandsFixture, TheViewScrollsInStepsToKeepTheCursorInsideItsBand) {
  commands->setViewport(40 * 8, 20 * 8);  // 40 columns, 20 rows visible
  pad().setCursor(1, 38);
  keys(SketchKey::Right);  // column 39 is the last visible: outside the band
  EXPECT_EQ(commands->view().origin, (CellPos{0, 11}));
  pad().setCursor(18, 20);
  keys(SketchKey::Down);
  EXPECT_EQ(commands->view().origin, (CellPos{9, 11}));
  keys(SketchKey::Down, 1, true);  // row 29: one more step
  EXPECT_EQ(commands->view().origin, (CellPos{18, 11}));
  pad().setCursor(56, 64);
  keys(SketchKey::Left);
  EXPECT_EQ(commands->view().origin, (CellPos{38, 26}));  // held at the grid's end
  // Back at the start: step after step until the cursor is inside again.
  pad().setCursor(1, 1);
  keys(SketchKey::Right);
  EXPECT_EQ(commands->view().origin, (CellPos{0, 0}));
  commands->scrollBy(100, -5);
  EXPECT_EQ(commands->view().origin, (CellPos{38, 0}));
}

TEST_F(CommandsFixture, IconKeysPlaceAndRefuse) {
  drawBox();
  pad().setCursor(5, 5);
  run({cmd::kIconZone});
  EXPECT_EQ(pad().current().sketch.at(5, 5), icon::kZone);
  pad().setCursor(7, 9);
  run({cmd::kIconZone});  // the area has its zone: only a beep
  EXPECT_EQ(pad().current().sketch.at(7, 9), 0);
  EXPECT_EQ(ui.beeps(), 1);
  pad().setCursor(3, 5);
  run({cmd::kIconFlowPath});
  EXPECT_EQ(pad().current().sketch.at(3, 5), icon::kPath);
  EXPECT_TRUE(life.project().marks.modified);
}

TEST_F(CommandsFixture, LevelsChangeKeepingTheDrawingAndTheCursor) {
  life.project().addLevel(currentLevel());
  life.project().currentLevel = Levels::ref(life.project().levels.lowest());
  drawBox();
  pad().setCursor(5, 6);
  EXPECT_TRUE(enabled(cmd::kLevelAbove));
  EXPECT_FALSE(enabled(cmd::kLevelBelow));
  run({cmd::kLevelAbove});
  EXPECT_EQ(commands->levelText(), " Level <2>: 2 of 2");
  EXPECT_EQ(cursor(), (CellPos{5, 6}));
  EXPECT_EQ(pad().current().walls.at(3, 3), 0);
  EXPECT_EQ(pad().sub().walls.at(3, 3), 14);
  run({cmd::kLevelAbove});  // the highest: a beep, no change
  EXPECT_EQ(ui.beeps(), 1);
  run({15});  // the toolbar's level down
  EXPECT_EQ(commands->levelText(), " Level <1>: 1 of 2");
  EXPECT_EQ(pad().current().walls.at(3, 3), 14);
  window.levelChoice = 1;
  run({cmd::kGoToLevel});
  EXPECT_EQ(commands->levelText(), " Level <2>: 2 of 2");
}

TEST_F(CommandsFixture, BlankLevelsGoAboveOrBelowAndTheLevelsStackOnThem) {
  currentLevel()->delHt = 4.0f;
  drawBox();
  run({cmd::kInsertLevelAbove});
  EXPECT_EQ(commands->levelText(), " Level <2>: 2 of 2");
  EXPECT_EQ(pad().current().walls.at(3, 3), 0);
  EXPECT_EQ(pad().sub().walls.at(3, 3), 14);
  EXPECT_FLOAT_EQ(currentLevel()->refHt, 4.0f);
  EXPECT_FLOAT_EQ(currentLevel()->delHt, 4.0f);
  run({cmd::kLevelBelow, cmd::kInsertLevelBelow});  // below the lowest: 0 m, 3 m
  EXPECT_EQ(commands->levelText(), " Level <3>: 1 of 3");
  const Levels& levels = life.project().levels;
  EXPECT_FLOAT_EQ(levels[1].refHt, 3.0f);
  EXPECT_FLOAT_EQ(levels[2].refHt, 7.0f);
  run({cmd::kLevelAbove});
  EXPECT_EQ(pad().current().walls.at(3, 3), 14);
}

TEST_F(CommandsFixture, ZoomStepsThroughTheCellSizesAndStopsAtTheEnds) {
  session.cellSize = 16;
  EXPECT_FALSE(enabled(cmd::kLargerIcons));
  run({cmd::kLargerIcons});
  EXPECT_EQ(session.cellSize, 16);
  run({43, 43});
  EXPECT_EQ(session.cellSize, 5);
  session.cellSize = 1;
  EXPECT_FALSE(enabled(cmd::kSmallerIcons));
  run({42});
  EXPECT_EQ(session.cellSize, 2);
}

TEST_F(CommandsFixture, ZoomingInShowsFewerCellsAndScrollsToTheCursor) {
  // The window shows the whole grid at size 8; at 16 it shows half of it each way.
  pad().setCursor(50, 60);
  run({cmd::kLargerIcons});
  ASSERT_EQ(session.cellSize, 16);
  EXPECT_EQ(commands->view().visibleColumns, 33);
  EXPECT_EQ(commands->view().visibleRows, 29);
  const CellPos origin = commands->view().origin;
  EXPECT_GT(origin.column, 0);
  EXPECT_LE(origin.column + 1, 60);
  EXPECT_GE(origin.column + 33 - 2, 60);
  EXPECT_GE(origin.row + 29 - 2, 50);
  run({cmd::kSmallerIcons});
  EXPECT_EQ(commands->view().visibleColumns, 66);
  EXPECT_EQ(commands->view().origin, (CellPos{0, 0}));
}

TEST_F(CommandsFixture, DrawingWithTheMouseNearTheViewsEdgeScrollsByTwoSteps) {
  commands->setViewport(30 * 8, 20 * 8);  // 30 columns, 20 rows visible
  pad().setCursor(5, 5);
  run({cmd::kDrawWalls});
  commands->leftClick({5, 5});
  commands->mouseMove({5, 23});  // the cursor runs to column 23: not yet near the edge
  EXPECT_EQ(cursor(), (CellPos{5, 23}));
  EXPECT_EQ(commands->view().origin, (CellPos{0, 0}));
  commands->mouseMove({5, 25});  // within five columns of the right edge
  EXPECT_EQ(commands->view().origin, (CellPos{0, 4}));
  commands->mouseMove({17, 25});  // down to within four rows of the bottom
  EXPECT_EQ(commands->view().origin, (CellPos{4, 4}));
  commands->mouseMove({5, 25});  // back up to within two rows of the top
  EXPECT_EQ(commands->view().origin, (CellPos{0, 4}));
}

TEST_F(CommandsFixture, DoubleClickInAnAreaWithoutZoneGivesItAZoneIcon) {
  drawBox();
  commands->doubleClick({6, 6});
  EXPECT_EQ(pad().current().sketch.at(6, 6), icon::kZone);
  EXPECT_TRUE(life.project().marks.modified);
  // Outside every box is ambient: nothing happens there.
  commands->doubleClick({20, 20});
  EXPECT_EQ(pad().current().sketch.at(20, 20), 0);
  EXPECT_EQ(cursor(), (CellPos{20, 20}));
}

TEST_F(CommandsFixture, SaveAsksForANameWhenUntitledAndReopeningShowsTheSameDrawing) {
  drawBox();
  pad().setCursor(5, 5);
  run({cmd::kIconZone});
  const std::string drawing = printLevel(pad(), SketchCopy::Current);
  ui.answerFile(file("house.prj"));
  run({cmd::kSaveProject});
  EXPECT_TRUE(std::filesystem::exists(dir / "house.prj"));
  EXPECT_EQ(commands->title(), "MULZONW3 - house");
  EXPECT_GE(window.titles, 1);
  EXPECT_FALSE(life.project().marks.modified);
  EXPECT_EQ(session.recent.paths().back(), file("house.prj"));
  EXPECT_EQ(lastStatus(), "Col 5, Row 5");
  const int replaced = window.replaced;
  run({cmd::kNewProject});  // unmodified: no question
  EXPECT_EQ(window.replaced, replaced + 1);
  EXPECT_EQ(pad().current().walls.at(3, 3), 0);
  EXPECT_EQ(commands->title(), "MULZONW3 - (untitled)");
  // Open goes through the chooser, and the project comes back as it was drawn.
  ui.answerFile(file("house.prj"));
  run({cmd::kOpenProject});
  EXPECT_EQ(life.path(), file("house.prj"));
  EXPECT_EQ(printLevel(pad(), SketchCopy::Current), drawing);
  EXPECT_EQ(cursor(), (CellPos{1, 1}));
  EXPECT_EQ(commands->view().origin, (CellPos{0, 0}));
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::YesNoCancel).empty());
  EXPECT_EQ(session.reporter.errorCount(), 0);
}

TEST_F(CommandsFixture, CancelAtTheSaveQuestionLeavesEverythingAsItWas) {
  drawBox();
  ui.answer(Answer::Cancel);
  run({cmd::kNewProject});
  const auto questions = ui.eventsOf(UiEvent::Kind::YesNoCancel);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].text, "Save changes to current project file: (untitled) ?");
  EXPECT_EQ(pad().current().walls.at(3, 3), 14);
  EXPECT_TRUE(life.project().marks.modified);
  // Exit asks the same; No lets the window close.
  ui.answer(Answer::No);
  run({cmd::kExit});
  EXPECT_EQ(window.closes, 1);
  EXPECT_TRUE(commands->closeRequested());
  ui.answer(Answer::Cancel);
  EXPECT_FALSE(commands->closeRequested());
}

TEST_F(CommandsFixture, FailedSaveAsKeepsTheOldNameAndTheModification) {
  ASSERT_TRUE(life.saveProjectTo(file("old.prj")));
  drawBox();
  disk.fail(test::DiskStep::Write);
  ui.answerFile(file("new.prj"));
  run({cmd::kSaveProjectAs});
  EXPECT_EQ(life.path(), file("old.prj"));
  EXPECT_EQ(commands->title(), "MULZONW3 - old");
  EXPECT_TRUE(life.project().marks.modified);
  EXPECT_FALSE(std::filesystem::exists(dir / "new.prj"));
  EXPECT_GE(session.reporter.errorCount(), 1);
}

TEST_F(CommandsFixture, RecentProjectOpensItsSlotAndAFailedOneStaysRemoved) {
  ASSERT_TRUE(life.saveProjectTo(file("a.prj")));
  session.recent.remember(file("missing.prj"));
  session.recent.remember(file("a.prj"));
  EXPECT_TRUE(enabled(cmd::kFirstRecent + 1));
  EXPECT_FALSE(enabled(cmd::kFirstRecent + 2));
  run({cmd::kFirstRecent + 1});
  EXPECT_EQ(life.path(), file("a.prj"));
  EXPECT_EQ(session.recent.paths(), (std::vector<std::string>{file("missing.prj"), file("a.prj")}));
  run({cmd::kFirstRecent});
  EXPECT_EQ(life.path(), "");
  EXPECT_EQ(session.recent.paths(), (std::vector<std::string>{file("a.prj")}));
}

TEST_F(CommandsFixture, BitmapExportAsksWithTheSizeAndWritesTheWholeGrid) {
  session.cellSize = 16;
  drawBox();
  ui.answer(Answer::No);
  run({cmd::kSaveBitmap});
  auto questions = ui.eventsOf(UiEvent::Kind::YesNo);
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].text,
            "The size of the bitmap is 1.869 Megabytes. Do you want to save the bitmap?");
  EXPECT_TRUE(ui.eventsOf(UiEvent::Kind::SaveFile).empty());
  const auto path = dir / "pad.bmp";
  ui.answer(Answer::Yes);
  ui.answerFile(path.string());
  run({cmd::kSaveBitmap});
  const std::string bytes = test::readFile(path);
  EXPECT_EQ(bytes.size(), bmpFileBytes(1056, 928));
  RenderScene scene = commands->scene();
  scene.cursor.reset();
  std::vector<std::array<std::uint8_t, 3>> colours;
  for (const Rgb& c : colourTable()) colours.push_back({c.red, c.green, c.blue});
  EXPECT_EQ(bytes, bmpBytes(renderGrid(pad(), scene), colours));
  const auto status = ui.eventsOf(UiEvent::Kind::Status);
  std::vector<std::string> texts;
  for (const auto& s : status) texts.push_back(s.text);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Saving Bitmap"), texts.end());
  EXPECT_EQ(texts.back(), "Col 11, Row 9");
  ui.answer(Answer::Yes);
  ui.answerFile((dir / "none" / "pad.bmp").string());
  run({cmd::kSaveBitmap});
  EXPECT_EQ(test::readFile(path), bytes);
  EXPECT_EQ(session.reporter.errorCount(), 0);  // "File Not Saved." is a warning
}

TEST_F(CommandsFixture, AProblemTakesTheSketchPadToItsLevelAndCell) {
  Level& lower = *currentLevel();
  Level& upper = life.project().addLevel(&lower);
  life.problems().addProblem(Levels::ref(&lower), 0, 4, "bad");
  life.problems().addProblem(Levels::ref(&upper), 7, 9, "Path is not above a sublevel.");
  life.checkContext().view->showProblems(life.problems());
  EXPECT_EQ(window.problemsShown, 1);
  EXPECT_EQ(commands->problemsWindow().rows(),
            (std::vector<std::string>{"Path is not above a sublevel.", "bad"}));
  EXPECT_FALSE(commands->runSimulationEnabled());
  commands->goToProblem(0);
  EXPECT_EQ(commands->levelText(), " Level <2>: 2 of 2");
  EXPECT_EQ(cursor(), (CellPos{7, 9}));
  EXPECT_EQ(lastStatus(), "Col 9, Row 7");
  EXPECT_EQ(commands->scene().highlight, (CellPos{7, 9}));
  EXPECT_EQ(pad().colours().at(7, 9), pad().drawingColours().error);
  run({cmd::kLevelBelow});
  EXPECT_FALSE(commands->scene().highlight);
  // A cell on the border ring cannot be marked.
  commands->goToProblem(1);
  EXPECT_EQ(session.reporter.errorCount(), 1);
  EXPECT_EQ(commands->levelText(), " Level <1>: 1 of 2");
  commands->closeProblems();
  EXPECT_EQ(window.problemsHidden, 1);
  EXPECT_FALSE(commands->problemsWindow().isOpen());
  run({cmd::kLevelAbove});
  EXPECT_FALSE(commands->scene().highlight);
}

TEST_F(CommandsFixture, CheckCurrentLevelShowsTheNoteOrTheProblemsAndRerunChecksTheBuilding) {
  run({cmd::kCheckLevel});
  const UiEvent note = ui.eventsOf(UiEvent::Kind::Message).back();
  EXPECT_EQ(note.caption, "NOTE");
  EXPECT_NE(note.text.find("Level data is complete"), std::string::npos);
  EXPECT_EQ(window.problemsShown, 0);
  drawBox();  // a closed box without a zone
  pad().setCursor(20, 20);
  run({cmd::kCheckLevel});
  EXPECT_EQ(window.problemsShown, 1);
  ASSERT_EQ(commands->problemsWindow().rows().size(), 1u);
  EXPECT_EQ(commands->problemsWindow().rows()[0].rfind("At least one zone is not defined", 0), 0u)
      << commands->problemsWindow().rows()[0];
  // The rerun is the full building check: a zone icon without its zone's data still leaves
  // the zone undefined.
  pad().setCursor(5, 5);
  run({cmd::kIconZone});
  commands->goToProblem(0);
  ASSERT_TRUE(commands->scene().highlight);
  commands->rerunBuildingCheck();
  EXPECT_FALSE(commands->scene().highlight);
  EXPECT_EQ(lastStatus(), cformat("Col %d, Row %d", cursor().column, cursor().row));
  const std::vector<std::string>& rows = commands->problemsWindow().rows();
  ASSERT_EQ(rows.size(), life.problems().size());
  EXPECT_EQ(rows.size(), 1u);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], life.problems()[i].text);
  EXPECT_FALSE(commands->runSimulationEnabled());
  // A level checked complete empties the open window, whose old rows lead nowhere.
  run({cmd::kInsertLevelAbove, cmd::kCheckLevel});
  EXPECT_TRUE(commands->problemsWindow().rows().empty());
  commands->goToProblem(0);
  EXPECT_EQ(session.reporter.errorCount(), 0);
}

TEST_F(CommandsFixture, ProjectFilesOpenWithTheDesktopsProgramWhenTheyExist) {
  ASSERT_TRUE(life.saveProjectTo(file("house.prj")));
  life.project().settings.files.weather = "house.wth";
  session.files.logFile = dir / "MULZONW3.log";
  for (const char* name : {"house.wth", "house.age", "house.ACH", "MULZONW3.log"})
    test::writeFile(dir / name, "x");
  const struct {
    int command;
    const char* opens;  // nullptr: disabled
  } cases[] = {
      {4148, "house.wth"},    {4146, nullptr}, {4153, "house.age"}, {4152, "house.ACH"},
      {4163, "MULZONW3.log"}, {4160, nullptr}, {4147, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(enabled(c.command), c.opens != nullptr) << c.command;
    if (!c.opens) continue;
    window.documents.clear();
    run({c.command});
    EXPECT_EQ(window.documents, (std::vector<std::string>{file(c.opens)})) << c.command;
  }
  EXPECT_EQ(session.reporter.errorCount(), 0);
  // A file without a program for its kind is an error with the file's name.
  window.documentsOpen = false;
  run({4153});
  EXPECT_EQ(session.reporter.errorCount(), 1);
  const auto shown = ui.eventsOf(UiEvent::Kind::Message);
  EXPECT_NE(shown.back().text.find("The file name association is incomplete or invalid."),
            std::string::npos);
  EXPECT_NE(shown.back().text.find(file("house.age")), std::string::npos);
}

TEST(OpenableFiles, AMissingFileOrFolderIsNamedAsSuch) {
  test::TempDir dir;
  test::writeFile(dir / "there.txt", "x");
  EXPECT_EQ(checkOpenable(dir / "there.txt"), std::nullopt);
  EXPECT_EQ(checkOpenable(dir / "gone.txt"), OpenFailure::NotFound);
  EXPECT_EQ(checkOpenable(dir / "gone" / "gone.txt"), OpenFailure::PathNotFound);
  EXPECT_EQ(openFailureText(OpenFailure::PathNotFound), "The specified path was not found.");
}

TEST_F(CommandsFixture, HelpContentsOpensTheHelpFileOrSaysItCannot) {
  run({cmd::kHelpContents});
  auto notes = ui.eventsOf(UiEvent::Kind::Message);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_EQ(notes[0].caption, "WARNING");
  EXPECT_NE(notes[0].text.find("Unable to activate help"), std::string::npos);
  session.files.helpFile = dir / kHelpFileName;
  test::writeFile(session.files.helpFile, "help");
  run({cmd::kHelpContents});
  EXPECT_EQ(window.documents, (std::vector<std::string>{session.files.helpFile.string()}));
  EXPECT_EQ(ui.eventsOf(UiEvent::Kind::Message).size(), 1u);
  EXPECT_EQ(session.reporter.errorCount(), 0);
}

}  // namespace
}  // namespace mz
