#include "app/WndProc.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "app/CellSize.h"
#include "app/Session.h"
#include "app/Version.h"
#include "app/Wutils.h"
#include "foundation/Formats.h"
#include "sketchpad/Bitmap.h"
#include "sketchpad/SketchPlace.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {

namespace {

const FileFilter kProjectFilter{"Project Files (*.PRJ)", {"*.prj", "*.PRJ"}};
const FileFilter kBitmapFilter{"Bitmap Files (*.BMP)", {"*.bmp", "*.BMP"}};

// The largest bitmap the export makes; past it "Failed to create bitmap.".
constexpr std::uint64_t kBitmapLimit = std::uint64_t{1} << 30;

std::optional<IconCommand> iconOf(int command) {
  switch (command) {
    case cmd::kIconZone:
      return IconCommand::Zone;
    case cmd::kIconAmbient:
      return IconCommand::Ambient;
    case cmd::kIconPhantom:
      return IconCommand::Phantom;
    case cmd::kIconFlowPath:
      return IconCommand::FlowPath;
    case cmd::kIconAhs:
      return IconCommand::Ahs;
    case cmd::kIconSupply:
      return IconCommand::Supply;
    case cmd::kIconReturn:
      return IconCommand::Return;
    case cmd::kIconSourceSink:
      return IconCommand::SourceSink;
    case cmd::kIconExposure:
      return IconCommand::Exposure;
    case cmd::kIconAnnotation:
      return IconCommand::Annotation;
    default:
      return std::nullopt;
  }
}

std::optional<DrawTool> toolOf(int command) {
  switch (command) {
    case cmd::kDrawWalls:
      return DrawTool::Walls;
    case cmd::kDrawBoxes:
      return DrawTool::Boxes;
    case cmd::kDrawDucts:
      return DrawTool::Ducts;
    case cmd::kDrawLinks:
      return DrawTool::Links;
    case cmd::kDeleteByBox:
      return DrawTool::DeleteByBox;
    case cmd::kDeleteByRegion:
      return DrawTool::DeleteByRegion;
    default:
      return std::nullopt;
  }
}

int directionOf(SketchKey key) {
  switch (key) {
    case SketchKey::Up:
      return dir::kUp;
    case SketchKey::Down:
      return dir::kDown;
    case SketchKey::Left:
      return dir::kLeft;
    case SketchKey::Right:
      return dir::kRight;
    default:
      return 0;
  }
}

// The band the cursor is kept in along one axis, and the scrolling that brings it back.
int scrolledOrigin(int origin, int cursor, int visible, int extent) {
  if (visible <= 0 || visible >= extent) return 0;
  const int step = scrollStep(visible, extent);
  const int last = extent - visible;
  while (cursor < origin + 1 && origin > 0) origin = std::max(0, origin - step);
  while (cursor > origin + visible - 2 && origin < last) origin = std::min(last, origin + step);
  return origin;
}

// Icons and items that a Ctrl move stops at.
bool stopsCtrlMove(const LevelLayers& l, int row, int column, int direction) {
  constexpr std::uint16_t kIconStops =
      flag::kZoneType | flag::kFlow | flag::kSourceSink | flag::kExposure;
  if (hasFlag(l.sketch.at(row, column), kIconStops)) return true;
  if (hasFlag(l.ducts.at(row, column), flag::kDuctSegment | flag::kJunction)) return true;
  const std::uint8_t link = l.links.at(row, column);
  if (link >= 185 && link <= 189) return true;
  const int across = (direction == dir::kLeft || direction == dir::kRight)
                         ? (dir::kUp | dir::kDown)
                         : (dir::kLeft | dir::kRight);
  return (directionBits(l.walls.at(row, column)) & across) != 0;
}

}  // namespace

int scrollStep(int visible, int extent) {
  if (extent <= 0) return 1;
  const double step = 0.75 * visible * (extent - visible) / extent;
  return std::max(1, static_cast<int>(std::trunc(step)));
}

MainCommands::MainCommands(Session& session, ProjectLife& life, WindowPort& window)
    : session_(session), life_(life), window_(window) {
  life_.setWindow(this);
  life_.setProblemsView(this);
}

MainCommands::~MainCommands() {
  life_.setWindow(nullptr);
  life_.setProblemsView(nullptr);
}

int MainCommands::cellSize() const {
  return session_.cellSize;
}

bool MainCommands::drawingWalls() const {
  return (view_.tool == DrawTool::Walls || view_.tool == DrawTool::Boxes) &&
         life_.walls().drawing();
}

// ---- enabling ----

bool MainCommands::deletable() const {
  const SketchPad& pad = life_.pad();
  const CellPos at = pad.cursor();
  const LevelLayers& l = pad.current();
  return l.walls.at(at.row, at.column) != 0 ||
         hasFlag(l.sketch.at(at.row, at.column), flag::kZoneType);
}

CommandState MainCommands::commandState(int id) const {
  id = commandOfAlias(id);
  const Project& project = life_.project();
  const Level* current = project.levels.find(project.currentLevel);
  const bool normalMode = normal();
  auto on = [](bool enabled, bool checked = false) { return CommandState{enabled, checked}; };
  if (id >= cmd::kFirstRecent && id <= cmd::kLastRecent)
    return on(static_cast<std::size_t>(id - cmd::kFirstRecent) < session_.recent.size());
  if (isProjectFileCommand(id)) {
    const auto file = projectFileOf(id, life_.project(), session_.files, session_.startDirectory);
    std::error_code ec;
    return on(file && std::filesystem::is_regular_file(*file, ec));
  }
  if (const auto tool = toolOf(id)) {
    const bool built = *tool == DrawTool::Walls || *tool == DrawTool::Boxes;
    return on(built && normalMode, view_.tool == *tool);
  }
  if (iconOf(id)) {
    if (id == cmd::kIconAnnotation)
      return on(normalMode && static_cast<bool>(life_.host().annotationDialogFn));
    return on(normalMode);
  }
  switch (id) {
    case cmd::kNewProject:
    case cmd::kOpenProject:
    case cmd::kSaveProject:
    case cmd::kSaveProjectAs:
    case cmd::kCheckLevel:
    case cmd::kHelpContents:
    case cmd::kExit:
    case cmd::kSaveBitmap:
    case cmd::kAbout:
    case cmd::kGoToLevel:
    case cmd::kTopLevel:
    case cmd::kBottomLevel:
      return on(true);
    case cmd::kDelete:
      return on(normalMode && deletable());
    case cmd::kInsertLevelAbove:
    case cmd::kInsertLevelBelow:
      return on(normalMode);
    case cmd::kNormalMode:
      return on(true, view_.mode == ViewMode::Normal);
    case cmd::kResultsMode:
      return on(false, view_.mode == ViewMode::Results);
    case cmd::kWindPressureMode:
      return on(false, view_.mode == ViewMode::WindPressure);
    case cmd::kControlLinks:
      return on(true, view_.showLinks);
    case cmd::kSketchNavigator:
      return on(true, view_.navigator);
    case cmd::kColourDucts:
      return on(true, session_.config.colourDucts != 0);
    case cmd::kColourZones:
      return on(true, session_.config.colourZones != 0);
    case cmd::kRevealLevelBelow:
      return on(true, view_.showSubLevel);
    case cmd::kFloatingStatus:
      return on(false, session_.config.floatingStatus != 0);
    case cmd::kLargerIcons: {
      const auto& sizes = session_.config.cellSizes;
      return on(!sizes.empty() &&
                session_.cellSize < *std::max_element(sizes.begin(), sizes.end()));
    }
    case cmd::kSmallerIcons: {
      const auto& sizes = session_.config.cellSizes;
      return on(!sizes.empty() &&
                session_.cellSize > *std::min_element(sizes.begin(), sizes.end()));
    }
    case cmd::kLevelAbove:
      return on(current && current != &project.levels[project.levels.size() - 1]);
    case cmd::kLevelBelow:
      return on(current && current != &project.levels[0]);
    case cmd::kNoRecent:
      return on(false);
    default:
      return on(false);
  }
}

std::map<int, CommandState> MainCommands::updateMenus() const {
  std::map<int, CommandState> states;
  for (const MenuItem* item : menuCommands()) states[item->command] = commandState(item->command);
  for (int id = cmd::kFirstRecent; id <= cmd::kLastRecent; ++id) states[id] = commandState(id);
  return states;
}

void MainCommands::updateToolbar(int fileGroup, int editGroup, int findGroup, int drawGroup,
                                 int linkTool) {
  auto set = [](bool& group, int value) {
    if (value != -1) group = value != 0;
  };
  set(view_.fileGroup, fileGroup);
  set(view_.editGroup, editGroup);
  set(view_.findGroup, findGroup);
  set(view_.drawGroup, drawGroup);
  set(view_.linkTool, linkTool);
}

CommandState MainCommands::buttonState(const ToolButton& button) const {
  CommandState state = commandState(button.command);
  bool group = true;
  switch (button.group) {
    case ToolGroup::File:
      group = view_.fileGroup;
      break;
    case ToolGroup::Edit:
      group = view_.editGroup;
      break;
    case ToolGroup::Find:
      group = view_.findGroup;
      break;
    case ToolGroup::Draw:
      group =
          button.command == cmd::kDrawLinks ? view_.drawGroup && view_.linkTool : view_.drawGroup;
      break;
    case ToolGroup::Delete:
      group = view_.drawGroup;
      break;
    case ToolGroup::Level:
    case ToolGroup::Zoom:
      break;
  }
  state.enabled = state.enabled && group;
  return state;
}

// ---- dispatch ----

bool MainCommands::dispatchCommand(int id) {
  id = commandOfAlias(id);
  if (id >= cmd::kFirstRecent && id <= cmd::kLastRecent) {
    if (commandState(id).enabled)
      life_.openRecentProject(static_cast<std::size_t>(id - cmd::kFirstRecent));
    return true;
  }
  if (!findMenuCommand(id) && id != cmd::kNoRecent) return false;
  if (!commandState(id).enabled) {
    // Keys of commands that cannot run now only beep; the menus show them disabled.
    session_.ui.beep();
    return true;
  }
  if (const auto tool = toolOf(id)) {
    toggleTool(*tool);
    window_.repaint();
    return true;
  }
  if (iconOf(id)) {
    placeIcon(id);
    return true;
  }
  if (isProjectFileCommand(id)) {
    openProjectFileEntry(id);
    return true;
  }
  Project& project = life_.project();
  switch (id) {
    case cmd::kNewProject:
      life_.newProject();
      break;
    case cmd::kOpenProject:
      life_.openProject();
      break;
    case cmd::kSaveProject:
    case cmd::kSaveProjectAs:
      switchToolOff();
      if (id == cmd::kSaveProject)
        life_.saveProject();
      else
        life_.saveProjectAs();
      // The status bar showed the save's progress; it returns to the cursor cell.
      showCursorCell();
      break;
    case cmd::kExit:
      window_.closeWindow();
      break;
    case cmd::kSaveBitmap:
      saveBitmap();
      break;
    case cmd::kDelete:
      deleteAtCursor();
      break;
    case cmd::kNormalMode:
      view_.mode = ViewMode::Normal;
      updateToolbar(1, 1, 1, 1, 1);
      break;
    case cmd::kControlLinks:
      view_.showLinks = !view_.showLinks;
      break;
    case cmd::kSketchNavigator:
      view_.navigator = !view_.navigator;
      window_.showNavigator(view_.navigator);
      break;
    case cmd::kColourDucts:
      session_.config.colourDucts = !session_.config.colourDucts;
      break;
    case cmd::kColourZones:
      session_.config.colourZones = !session_.config.colourZones;
      break;
    case cmd::kRevealLevelBelow:
      view_.showSubLevel = !view_.showSubLevel;
      break;
    case cmd::kLargerIcons:
      zoom(static_cast<int>(CellSizeStep::Larger));
      break;
    case cmd::kSmallerIcons:
      zoom(static_cast<int>(CellSizeStep::Smaller));
      break;
    case cmd::kLevelAbove:
      moveToLevel(project.levels.above(*project.current()));
      break;
    case cmd::kLevelBelow:
      moveToLevel(project.levels.below(*project.current()));
      break;
    case cmd::kTopLevel:
      moveToLevel(project.levels.highest());
      break;
    case cmd::kBottomLevel:
      moveToLevel(project.levels.lowest());
      break;
    case cmd::kGoToLevel:
      goToLevelFromList();
      break;
    case cmd::kInsertLevelAbove:
    case cmd::kInsertLevelBelow:
      switchToolOff();
      life_.insertBlankLevel(id == cmd::kInsertLevelAbove);
      break;
    case cmd::kCheckLevel:
      switchToolOff();
      // A complete level leaves the list empty; an open window shows that too.
      if (checkCurrentLevelCommand(life_.checkContext()) == CheckResult::Passed)
        refreshProblems(life_.problems());
      break;
    case cmd::kAbout:
      window_.showAbout();
      break;
    case cmd::kHelpContents:
      showHelpContents();
      break;
    default:
      break;
  }
  window_.repaint();
  return true;
}

// ---- tools ----

void MainCommands::switchToolOff() {
  switch (view_.tool) {
    case DrawTool::Walls:
    case DrawTool::Boxes:
      if (life_.walls().drawing()) life_.walls().cancel();
      break;
    case DrawTool::DeleteByBox:
    case DrawTool::DeleteByRegion:
      life_.pad().selection().fill(0);
      break;
    default:
      break;
  }
  view_.tool = DrawTool::None;
}

void MainCommands::toggleTool(DrawTool tool) {
  const bool wasOn = view_.tool == tool;
  switchToolOff();
  if (wasOn) return;
  view_.tool = tool;
  if (tool == DrawTool::Walls) life_.walls().setMode(WallMode::Walls);
  if (tool == DrawTool::Boxes) life_.walls().setMode(WallMode::Boxes);
}

void MainCommands::placeIcon(int command) {
  if (view_.tool != DrawTool::None) switchToolOff();
  mz::placeIcon(life_.pad(), life_.host(), *iconOf(command));
  window_.repaint();
}

void MainCommands::deleteAtCursor() {
  SketchPad& pad = life_.pad();
  const CellPos at = pad.cursor();
  if (hasFlag(pad.current().sketch.at(at.row, at.column), flag::kZoneType))
    deleteZoneIcon(pad, life_.host(), true);
  else if (!deleteWallAtCursor(pad, life_.host(), true))
    session_.ui.beep();
}

// ---- cursor and view ----

bool MainCommands::moveCursor(int direction, int count) {
  SketchPad& pad = life_.pad();
  if (count < 1) return false;
  if (drawingWalls()) {
    if (!life_.walls().step(direction, count / 2)) return false;
  } else {
    const CellPos at = pad.cursor();
    const int row = at.row + dir::rowStep(direction) * count;
    const int column = at.column + dir::columnStep(direction) * count;
    if (!pad.editable(row, column)) return false;
    pad.setCursor(row, column);
  }
  showCursorCell();
  ensureCursorVisible();
  window_.repaint();
  return true;
}

void MainCommands::ctrlMove(int direction) {
  SketchPad& pad = life_.pad();
  const CellPos at = pad.cursor();
  const LevelLayers& l = pad.current();
  for (int n = 1;; ++n) {
    const int row = at.row + dir::rowStep(direction) * n;
    const int column = at.column + dir::columnStep(direction) * n;
    if (!pad.editable(row, column)) return;
    if (drawingWalls()) {
      // The wall being drawn runs on to the next wall across its way.
      const int across = (direction == dir::kLeft || direction == dir::kRight)
                             ? (dir::kUp | dir::kDown)
                             : (dir::kLeft | dir::kRight);
      if ((n % 2) == 0 && (directionBits(l.walls.at(row, column)) & across) != 0) {
        moveCursor(direction, n);
        return;
      }
    } else if (stopsCtrlMove(l, row, column, direction)) {
      moveCursor(direction, n);
      return;
    }
  }
}

void MainCommands::key(SketchKey key, bool shift, bool ctrl) {
  const bool tool = view_.tool != DrawTool::None;
  switch (key) {
    case SketchKey::Enter:
      if (tool)
        leftClick(life_.pad().cursor());
      else
        doubleClick(life_.pad().cursor());
      return;
    case SketchKey::Escape:
      if (tool) rightClick(life_.pad().cursor());
      return;
    default:
      break;
  }
  const int direction = directionOf(key);
  if (ctrl) {
    ctrlMove(direction);
    return;
  }
  const bool drawing = drawingWalls();
  int count = drawing ? 2 : 1;
  if (shift) {
    count = session_.config.cellJump;
    if (drawing) count -= count % 2;
  }
  moveCursor(direction, count);
}

void MainCommands::leftClick(CellPos cell) {
  SketchPad& pad = life_.pad();
  if (!pad.inside(cell.row, cell.column)) return;
  if (normal() && (view_.tool == DrawTool::Walls || view_.tool == DrawTool::Boxes)) {
    WallDrawing& walls = life_.walls();
    if (!walls.drawing()) {
      pad.setCursor(cell.row, cell.column);
      walls.start();
    } else {
      walls.moveToward(cell);
      walls.commit();
    }
  } else {
    pad.setCursor(cell.row, cell.column);
  }
  showCursorCell();
  ensureCursorVisible();
  window_.repaint();
}

void MainCommands::mouseMove(CellPos cell) {
  if (!drawingWalls() || !life_.pad().inside(cell.row, cell.column)) return;
  const CellPos before = life_.pad().cursor();
  life_.walls().moveToward(cell);
  const CellPos at = life_.pad().cursor();
  if (at == before) return;
  // Near an edge of the view it scrolls on by two drawing steps, so that the pointer can lead
  // the drawing beyond what is shown.
  constexpr int kScroll = 4;
  CellPos& origin = view_.origin;
  if (at.row >= origin.row + view_.visibleRows - 4)
    origin.row += kScroll;
  else if (at.row < origin.row + 2)
    origin.row -= kScroll;
  if (at.column >= origin.column + view_.visibleColumns - 5)
    origin.column += kScroll;
  else if (at.column < origin.column + 2)
    origin.column -= kScroll;
  clampOrigin();
  showCursorCell();
  window_.repaint();
}

void MainCommands::doubleClick(CellPos cell) {
  SketchPad& pad = life_.pad();
  if (!pad.editable(cell.row, cell.column)) return;
  pad.setCursor(cell.row, cell.column);
  showCursorCell();
  // Zones open (or, on an area without one, get) their zone; the data dialogs of the other
  // items are bound as they come.
  if (normal() && view_.tool == DrawTool::None) openZoneAtCursor(pad, life_.host());
  window_.repaint();
}

bool MainCommands::rightClick(CellPos cell) {
  if (view_.tool != DrawTool::None) {
    if ((view_.tool == DrawTool::Walls || view_.tool == DrawTool::Boxes) && life_.walls().drawing())
      life_.walls().escape();
    else
      switchToolOff();
    window_.repaint();
    return false;
  }
  if (!normal() || !life_.pad().inside(cell.row, cell.column)) return false;
  life_.pad().setCursor(cell.row, cell.column);
  showCursorCell();
  window_.repaint();
  return true;
}

void MainCommands::showCursorCell() {
  const CellPos at = life_.pad().cursor();
  session_.ui.setStatusText(cformat("Col %d, Row %d", at.column, at.row));
}

void MainCommands::clampOrigin() {
  const SketchPad& pad = life_.pad();
  view_.origin.row = std::clamp(view_.origin.row, 0, std::max(0, pad.rows() - view_.visibleRows));
  view_.origin.column =
      std::clamp(view_.origin.column, 0, std::max(0, pad.columns() - view_.visibleColumns));
}

void MainCommands::ensureCursorVisible() {
  const SketchPad& pad = life_.pad();
  const CellPos at = pad.cursor();
  view_.origin.row = scrolledOrigin(view_.origin.row, at.row, view_.visibleRows, pad.rows());
  view_.origin.column =
      scrolledOrigin(view_.origin.column, at.column, view_.visibleColumns, pad.columns());
}

void MainCommands::scrollBy(int rows, int columns) {
  view_.origin.row += rows;
  view_.origin.column += columns;
  clampOrigin();
  window_.repaint();
}

void MainCommands::scrollTo(CellPos origin) {
  view_.origin = origin;
  clampOrigin();
  window_.repaint();
}

void MainCommands::setViewport(int width, int height) {
  viewportWidth_ = std::max(0, width);
  viewportHeight_ = std::max(0, height);
  fitViewport();
}

void MainCommands::fitViewport() {
  const int s = std::max(1, session_.cellSize);
  view_.visibleColumns = viewportWidth_ / s;
  view_.visibleRows = viewportHeight_ / s;
  clampOrigin();
  ensureCursorVisible();
}

void MainCommands::goToCell(CellPos cell) {
  SketchPad& pad = life_.pad();
  pad.setCursor(cell.row, cell.column);
  showCursorCell();
  ensureCursorVisible();
  window_.repaint();
}

void MainCommands::zoom(int mode) {
  setCellSize(session_.cellSize, session_.config.cellSizes, mode);
  // The same window shows another number of cells.
  fitViewport();
}

// ---- levels ----

void MainCommands::moveToLevel(Level* level) {
  if (!level) {
    session_.ui.beep();
    return;
  }
  if (level != life_.project().current()) life_.goToLevel(*level);
  window_.repaint();
}

void MainCommands::goToLevelFromList() {
  Levels& levels = life_.project().levels;
  std::vector<std::string> names;
  int current = 0;
  for (std::size_t i = 0; i < levels.size(); ++i) {
    names.push_back(levels[i].name);
    if (&levels[i] == life_.project().current()) current = static_cast<int>(i);
  }
  const std::optional<int> chosen = window_.chooseLevel(names, current);
  if (chosen && *chosen >= 0 && static_cast<std::size_t>(*chosen) < levels.size())
    moveToLevel(&levels[static_cast<std::size_t>(*chosen)]);
}

std::string MainCommands::levelText() const {
  const Project& project = life_.project();
  const Level* level = project.levels.find(project.currentLevel);
  if (!level) return {};
  return cformat(" Level %s: %d of %d", level->name.c_str(), level->number,
                 static_cast<int>(project.levels.size()));
}

std::string MainCommands::title() const {
  return life_.title();
}

RenderScene MainCommands::scene() const {
  const Palette& p = session_.config.drawingColours;
  RenderScene scene;
  scene.palette.foreground = p[PaletteRole::Foreground];
  scene.palette.background = p[PaletteRole::Background];
  scene.palette.controls = p[PaletteRole::Controls];
  scene.palette.undefined = p[PaletteRole::Undefined];
  scene.palette.drawLine = p[PaletteRole::DrawLine];
  scene.palette.subLevel = p[PaletteRole::SubLevel];
  scene.palette.ducts = p[PaletteRole::Ducts];
  scene.palette.errors = p[PaletteRole::Errors];
  scene.palette.highlight = p[PaletteRole::Highlight];
  scene.cellSize = session_.cellSize;
  scene.colourZones = session_.config.colourZones != 0;
  scene.colourDucts = session_.config.colourDucts != 0;
  scene.showLinks = view_.showLinks;
  scene.showSubLevel = view_.showSubLevel;
  const Project& project = life_.project();
  if (scene.colourZones) {
    scene.zoneColours.assign(static_cast<std::size_t>(project.zones.count()) + 1, -1);
    for (int n = 1; n <= project.zones.count(); ++n)
      if (const Zone* z = project.zones.at(n))
        scene.zoneColours[static_cast<std::size_t>(n)] = z->colour;
  }
  if (scene.colourDucts) {
    scene.ductColours.assign(static_cast<std::size_t>(project.ducts.count()) + 1, -1);
    for (int n = 1; n <= project.ducts.count(); ++n)
      if (const DuctSegment* d = project.ducts.at(n))
        scene.ductColours[static_cast<std::size_t>(n)] = d->colour;
    scene.junctionColours.assign(static_cast<std::size_t>(project.junctions.count()) + 1, -1);
    for (int n = 1; n <= project.junctions.count(); ++n)
      if (const Junction* j = project.junctions.at(n))
        scene.junctionColours[static_cast<std::size_t>(n)] = j->colour;
  }
  const Level* level = project.levels.find(project.currentLevel);
  if (view_.highlight && level && Levels::ref(level) == view_.highlightLevel)
    scene.highlight = view_.highlight;
  scene.cursor = life_.pad().cursor();
  return scene;
}

// ---- problems ----

void MainCommands::showProblems(const ProblemList& problems) {
  problemsWindow_.showProblems(problems);
  window_.showProblems();
}

void MainCommands::refreshProblems(const ProblemList& problems) {
  problemsWindow_.refreshProblems(problems);
  if (problemsWindow_.isOpen()) window_.refreshProblems();
}

void MainCommands::goToProblem(std::size_t row) {
  if (row >= problemsWindow_.rows().size() || row >= life_.problems().size()) return;
  const Problem& problem = life_.problems()[row];
  Level* level = life_.project().levels.find(problem.level);
  if (!level || !life_.pad().editable(problem.row, problem.column)) {
    // Only the mark is refused: the problem's level is still shown.
    if (level) moveToLevel(level);
    session_.reporter.report(Severity::Error, {"Bad Highlight Cell"});
    return;
  }
  switchToolOff();
  if (!problemsWindow_.choose(life_.checkContext(), row)) return;
  view_.highlight = CellPos{problem.row, problem.column};
  view_.highlightLevel = problem.level;
  ensureCursorVisible();
  window_.repaint();
}

void MainCommands::rerunBuildingCheck() {
  switchToolOff();
  problemsWindow_.rerun(life_.checkContext());
  // The marked cell belonged to the list that was replaced.
  view_.highlight.reset();
  showCursorCell();
  window_.refreshProblems();
  window_.repaint();
}

bool MainCommands::runSimulationEnabled() const {
  return problemsWindow_.runSimulationEnabled() && commandState(cmd::kRunSimulation).enabled;
}

void MainCommands::runSimulationFromProblems() {
  if (!runSimulationEnabled()) return;
  closeProblems();
  dispatchCommand(cmd::kRunSimulation);
}

void MainCommands::closeProblems() {
  problemsWindow_.close();
  window_.hideProblems();
  clearHighlight();
}

void MainCommands::clearHighlight() {
  view_.highlight.reset();
  window_.repaint();
}

// ---- the project life cycle ----

void MainCommands::leavingProject() {
  switchToolOff();
}

void MainCommands::projectReplaced() {
  view_.mode = ViewMode::Normal;
  view_.origin = {0, 0};
  view_.highlight.reset();
  // Control links are shown for a project that has a control network.
  view_.showLinks = life_.project().controls.count() > 0;
  problemsWindow_.refreshProblems(life_.problems());
  updateToolbar(1, 1, 1, 1, 1);
  showCursorCell();
  window_.projectReplaced();
  window_.repaint();
}

void MainCommands::titleChanged(std::string_view) {
  window_.titleChanged();
}

void MainCommands::waitCursor(bool on) {
  window_.waitCursor(on);
}

bool MainCommands::openProjectFile(const std::string& path) {
  return life_.openProjectFile(path);
}

bool MainCommands::closeRequested() {
  switchToolOff();
  return life_.askSaveChanges();
}

// ---- files opened by the desktop ----

void MainCommands::openProjectFileEntry(int command) {
  const auto file =
      projectFileOf(command, life_.project(), session_.files, session_.startDirectory);
  if (!file) return;
  std::optional<OpenFailure> failure = checkOpenable(*file);
  if (!failure && !window_.openDocument(file->string())) failure = OpenFailure::NoAssociation;
  if (failure)
    session_.reporter.report(Severity::Error,
                             {std::string(openFailureText(*failure)), "\n", file->string()});
}

void MainCommands::showHelpContents() {
  const std::filesystem::path& help = session_.files.helpFile;
  std::error_code ec;
  if (help.empty() || !std::filesystem::is_regular_file(help, ec) ||
      !window_.openDocument(help.string()))
    session_.reporter.showMessage(1, {"Unable to activate help"});
}

void MainCommands::saveBitmap() {
  UiPort& ui = session_.ui;
  ui.setStatusText("Creating Bitmap");
  window_.waitCursor(true);
  const SketchPad& pad = life_.pad();
  const std::uint64_t s = static_cast<std::uint64_t>(std::max(1, session_.cellSize));
  const std::uint64_t pixels =
      s * s * static_cast<std::uint64_t>(pad.rows()) * static_cast<std::uint64_t>(pad.columns());
  if (pixels > kBitmapLimit) {
    window_.waitCursor(false);
    session_.reporter.report(Severity::Error, {"Failed to create bitmap."});
    showCursorCell();
    return;
  }
  RenderScene scene = this->scene();
  scene.cursor.reset();
  scene.highlight.reset();
  const PixelBuffer image = renderGrid(pad, scene);
  // The questions and the chooser come with the normal cursor.
  window_.waitCursor(false);
  const std::uint64_t bytes = bmpFileBytes(image.width, image.height);
  const double megabytes = static_cast<double>(bytes) / (1024.0 * 1024.0);
  ui.setStatusText("Save Bitmap?");
  const bool yes = session_.reporter.askYesNo(cformat(
      "The size of the bitmap is %.4g Megabytes. Do you want to save the bitmap?", megabytes));
  if (yes) {
    const std::optional<std::string> chosen =
        ui.chooseSaveFile({"Save SketchPad", {kBitmapFilter}, {}, "bmp"});
    if (chosen) {
      ui.setStatusText("Saving Bitmap");
      std::filesystem::path target(*chosen);
      std::error_code ec;
      std::filesystem::path folder = target.parent_path();
      if (folder.empty()) folder = ".";
      const std::filesystem::space_info space = std::filesystem::space(folder, ec);
      const double freeMegabytes =
          ec ? 0.0 : static_cast<double>(space.available) / (1024.0 * 1024.0);
      std::vector<std::array<std::uint8_t, 3>> colours;
      for (const Rgb& c : colourTable()) colours.push_back({c.red, c.green, c.blue});
      if (!ec && freeMegabytes <= megabytes)
        session_.reporter.report(Severity::Error, {"Not enough disk space to save the bitmap."});
      else {
        window_.waitCursor(true);
        const bool written = writeBmp(target, image, colours);
        window_.waitCursor(false);
        if (!written) session_.reporter.report(Severity::Warning, {"File Not Saved."});
      }
    }
  }
  showCursorCell();
}

}  // namespace mz
