#include "sketchpad/Levelw.h"

#include <string>

#include "foundation/Formats.h"
#include "model/Prjpack.h"
#include "model/Project.h"
#include "sketchpad/CheckSteps.h"
#include "sketchpad/SketchProject.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchZones.h"

namespace mz {

namespace {

// Source/sink element type "drs", the deposition rate sink.
constexpr std::int16_t kDepositionRateType = 7;

constexpr std::uint8_t kJunctionPlain = 158;
constexpr std::uint8_t kJunctionUp = 159;
constexpr std::uint8_t kJunctionDown = 160;
constexpr std::uint8_t kJunctionUpDown = 161;

// Equal zone values on two sides that name a zone or ambient.
bool sameZone(std::int32_t a, std::int32_t b) {
  return a == b && a != zonemap::kUndefined && a != zonemap::kUnreached;
}

// One level check: the problems it lists are located on the current level.
class LevelScan {
 public:
  explicit LevelScan(CheckContext& context)
      : context_(context),
        pad_(context.pad),
        l_(context.pad.current()),
        level_(context.project.currentLevel) {}

  CheckResult run();

 private:
  void fail(int r, int c, std::string_view text) {
    context_.problems.addProblem(level_, r, c, text);
    failed_ = true;
  }
  void list(int r, int c, std::string_view text) {
    context_.problems.addProblem(level_, r, c, text);
  }
  bool zoneConflicts();
  void scanZones();
  void scanPositions();
  void checkPathPosition(int r, int c);
  void checkJunction(int r, int c);
  void scanUndefined();

  CheckContext& context_;
  SketchPad& pad_;
  const LevelLayers& l_;
  Ref<Level> level_;
  bool failed_ = false;
};

// The zone fill met another area: every seed that shows the error colour is listed.
bool LevelScan::zoneConflicts() {
  pad_.colours().fill(pad_.drawingColours().background);
  if (!identifyZonesFully(pad_, SketchCopy::Current, true)) return false;
  for (int r = 0; r < pad_.rows(); ++r)
    for (int c = 0; c < pad_.columns(); ++c)
      if (hasFlag(l_.sketch.at(r, c), flag::kZoneType) &&
          pad_.colours().at(r, c) == pad_.drawingColours().error)
        fail(
            r, c,
            "Zone definition error: the area holds more than one zone icon or its walls are open.");
  return true;
}

void LevelScan::scanZones() {
  Project& project = context_.project;
  const RunControl& run = project.settings.runControl;
  const bool volumes = run.sim_mf > 1 && run.sim_sts != 0;
  auto noVolume = [&](Ref<Zone> ref) {
    const Zone* zone = project.zones.find(ref);
    return zone && zone->Vol <= 0.0f;
  };
  bool undefinedListed = false;
  for (int r = 1; r <= pad_.rows() - 2; ++r)
    for (int c = 1; c < pad_.columns(); ++c) {
      const std::int32_t value = l_.zones.at(r, c);
      if (value == zonemap::kUnreached || value == zonemap::kUndefined) {
        if (!undefinedListed) {
          const Level* level = project.levels.find(level_);
          fail(r, c,
               std::string("At least one zone is not defined on level: ") +
                   (level ? level->name : std::string()));
        }
        undefinedListed = true;
        failed_ = true;
      }
      if (!volumes) continue;
      const std::uint8_t code = l_.sketch.at(r, c);
      const std::int32_t number = l_.paths.at(r, c);
      if (number <= 0) continue;
      if (code == icon::kZone && noVolume(project.zones.ref(number))) {
        list(r, c, "Zone has zero volume.");
      } else if (code == icon::kAhs) {
        const SimpleAhs* system = project.ahsByNumber(number);
        if (!system) continue;
        if (noVolume(system->returnZone)) list(r, c, "Return system volume of simple AHS is zero.");
        if (noVolume(system->supplyZone)) list(r, c, "Supply system volume of simple AHS is zero.");
      }
    }
}

void LevelScan::checkPathPosition(int r, int c) {
  // A damaged file may put an icon on the grid's last column.
  auto zone = [&](int row, int column) {
    return pad_.inside(row, column) ? l_.zones.at(row, column) : zonemap::kUnreached;
  };
  const std::uint8_t w = l_.walls.at(r, c);
  if (w == icon::kWallHorizontal) {
    if (sameZone(zone(r - 1, c), zone(r + 1, c)))
      fail(r, c, "The same zone is on both sides of the wall that the path is on.");
    return;
  }
  if (w == icon::kWallVertical) {
    if (sameZone(zone(r, c - 1), zone(r, c + 1)))
      fail(r, c, "The same zone is on both sides of the wall that a path is on.");
    return;
  }
  if (w != 0) {
    pad_.reporter().ui().beep();
    fail(r, c, "Path is on a wall corner, tee or cross.");
    return;
  }
  const LevelLayers& sub = pad_.sub();
  if (!pad_.hasSubLevel())
    fail(r, c, "Path is not above a sublevel.");
  else if (sub.walls.at(r, c) != 0)
    fail(r, c, "Path is above a sublevel wall.");
  else if (sameZone(l_.zones.at(r, c), sub.zones.at(r, c)))
    fail(r, c, "The same zone is on both sides of the \"floor\" that the path is on.");
}

void LevelScan::checkJunction(int r, int c) {
  const std::uint8_t b = l_.ducts.at(r, c);
  const std::uint8_t below = pad_.hasSubLevel() ? pad_.sub().ducts.at(r, c) : 0;
  const bool goesDown = b == kJunctionDown || b == kJunctionUpDown || b == kTerminalDownIcon;
  const bool comesUp = below == kJunctionUp || below == kJunctionUpDown || below == kTerminalUpIcon;
  if (goesDown && !comesUp)
    fail(r, c,
         b == kTerminalDownIcon ? "Terminal requires an upward junction from the level below."
                                : "Junction requires an upward junction from the level below.");
  if (comesUp && !goesDown)
    fail(r, c,
         b == kJunctionUp || b == kJunctionUpDown
             ? "Junction requires a downward junction from the level above."
             : "Terminal requires a downward junction from the level above.");

  int n = 0;
  for (int d : dir::kOrder) {
    const int rr = r + dir::rowStep(d);
    const int cc = c + dir::columnStep(d);
    if (pad_.inside(rr, cc) && l_.ducts.at(rr, cc) != 0) ++n;
  }
  if (b == kJunctionPlain && n <= 1)
    fail(r, c, "Junction must connect to at least two horizontal ducts.");
  if ((b == kJunctionUp || b == kJunctionDown) && n == 0)
    fail(r, c, "Junction must connect to at least one horizontal duct");
  if (b == kTerminalIcon && n == 0) fail(r, c, "Terminal must connect to one horizontal duct.");

  Project& project = context_.project;
  const bool highest = project.levels.find(level_) == project.levels.highest();
  if (highest && (b == kJunctionUp || b == kJunctionUpDown))
    fail(r, c, "Junction cannot connect upward from highest level");
  if (highest && b == kTerminalUpIcon)
    fail(r, c, "A terminal cannot connect upward from highest level");
}

void LevelScan::scanPositions() {
  for (int r = pad_.rows() - 2; r >= 1; --r)
    for (int c = pad_.columns() - 1; c >= 1; --c) {
      const std::uint8_t code = l_.sketch.at(r, c);
      if (l_.zones.at(r, c) == zonemap::kAmbient) {
        if (code == icon::kSupply || code == icon::kReturn)
          fail(r, c, "Supplies and Returns of simple AHS are not permitted in the ambient zone.");
        else if (hasFlag(code, flag::kSourceSink))
          fail(r, c, "Contaminant source not permitted in the ambient zone.");
      }
      if (hasFlag(code, flag::kFlow) && code != icon::kSupply && code != icon::kReturn &&
          code != icon::kAhs)
        checkPathPosition(r, c);
      if (hasFlag(l_.ducts.at(r, c), flag::kJunction) ||
          (pad_.hasSubLevel() && hasFlag(pad_.sub().ducts.at(r, c), flag::kJunction)))
        checkJunction(r, c);
    }
}

const char* undefinedIconText(std::uint8_t code) {
  switch (code) {
    case icon::kZone:
      return "Undefined zone.";
    case icon::kAnnotation:
      return "Undefined annotation.";
    case icon::kSupply:
      return "Undefined AHS supply.";
    case icon::kReturn:
      return "Undefined AHS return.";
    case icon::kAhs:
      return "Undefined simple AHS.";
    case icon::kExposure:
      return "Undefined occupant.";
    case icon::kSourceSink:
      return "Undefined source/sink.";
    default:
      return isPathIcon(code) ? "Undefined airflow path." : "Undefined icon.";
  }
}

void LevelScan::scanUndefined() {
  constexpr const char* kSegmentText = "Undefined duct segment.";
  bool segmentListed = false;
  int runRow = -1;
  int runColumn = -1;
  for (int r = 1; r <= pad_.rows() - 2; ++r)
    for (int c = 1; c < pad_.columns(); ++c) {
      if (l_.paths.at(r, c) != 0) continue;
      const std::uint8_t code = l_.sketch.at(r, c);
      if (code != 0) fail(r, c, undefinedIconText(code));
      const std::uint8_t duct = l_.ducts.at(r, c);
      if (duct == 0) continue;
      if (hasFlag(duct, flag::kJunction)) {
        fail(r, c, duct >= kTerminalIcon ? "Undefined duct terminal." : "Undefined duct junction.");
      } else if (hasFlag(duct, flag::kStoredDuct)) {
        fail(r, c, kSegmentText);
        segmentListed = true;
      } else if (runRow < 0) {
        // A run cell is listed only when no stored cell of the level names the missing segment.
        runRow = r;
        runColumn = c;
        failed_ = true;
      }
    }
  if (runRow >= 0 && !segmentListed) fail(runRow, runColumn, kSegmentText);
  // The control links and nodes are checked here with the control network.
}

CheckResult LevelScan::run() {
  if (zoneConflicts()) return CheckResult::Failed;
  pad_.colours().fill(pad_.drawingColours().background);
  scanZones();
  scanPositions();
  scanUndefined();
  return failed_ ? CheckResult::Failed : CheckResult::Passed;
}

// A deposition rate sink in a zone without volume cannot deposit anything.
CheckResult checkDeposition(CheckContext& context) {
  Project& project = context.project;
  CheckResult result = CheckResult::Passed;
  for (std::size_t i = 0; i < project.levels.size(); ++i) {
    Level& level = project.levels[i];
    for (const LevelItem& item : level.items) {
      if (item.code != icon::kSourceSink || item.number <= 0) continue;
      const SourceSink* source = project.sourceSinks.at(item.number);
      if (!source) continue;
      const SourceElement* element = project.sourceElements.find(source->element);
      const Zone* zone = project.zones.find(source->zone);
      if (!element || element->type != kDepositionRateType || !zone || zone->Vol > 0.0f) continue;
      context.problems.addProblem(Levels::ref(&level), item.row, item.column,
                                  "Warning - A deposition rate source is located in a zone with "
                                  "zero volume.  This will prevent any deposition from "
                                  "occurring.");
      result = CheckResult::Failed;
    }
  }
  return result;
}

}  // namespace

void storeCurrent(CheckContext& context) {
  if (Level* level = context.project.current()) storeLevel(context.pad, *level);
}

void showCurrent(CheckContext& context, Level& level) {
  context.project.currentLevel = Levels::ref(&level);
  showLevel(context.pad, context.project.levels, level);
}

CheckResult checkLevel(CheckContext& context) {
  return LevelScan(context).run();
}

CheckResult checkBuilding(CheckContext& context, CheckMode mode) {
  Project& project = context.project;
  SketchPad& pad = context.pad;
  ErrorReporter& reporter = pad.reporter();
  const bool full = mode == CheckMode::Full;
  context.problems.clear();
  reporter.ui().setStatusText(full ? " Checking building description"
                                   : " Renumbering building icons");
  storeCurrent(context);
  Level* start = project.current();
  bool failed = false;
  // Control checks are prepared here, and the private SketchPads of control super elements
  // loaded once so that their node numbers are fresh, when the project has control nodes.

  for (std::size_t i = 0; i < project.levels.size(); ++i) {
    Level& level = project.levels[i];
    showCurrent(context, level);
    if (full && checkLevel(context) == CheckResult::Failed) failed = true;
    rederiveLinks(context);
    storeCurrent(context);
  }
  // The input links of control nodes and super nodes are counted here.

  packProject(project, reporter);
  if (Level* back = start ? start : project.levels.lowest()) showCurrent(context, *back);

  if (full) {
    if (!failed && checkConnectivity(context) == CheckResult::Failed) failed = true;
    // The control network (when nothing failed yet) and the one-dimensional zones follow here.
    if (checkDeposition(context) == CheckResult::Failed) failed = true;
    // The CFD coupling follows here.
  }
  // With a WPC file in use, the paths are matched against the file here.

  if (context.view) {
    if (!context.problems.empty())
      context.view->showProblems(context.problems);
    else
      context.view->refreshProblems(context.problems);
  }
  return failed ? CheckResult::Failed : CheckResult::Passed;
}

CheckResult checkCurrentLevelCommand(CheckContext& context) {
  context.problems.clear();
  const CheckResult result = checkLevel(context);
  if (result == CheckResult::Passed)
    context.pad.reporter().showMessage(0, {"Level data is complete"});
  else if (context.view)
    context.view->showProblems(context.problems);
  return result;
}

bool selectProblem(CheckContext& context, std::size_t index) {
  if (index >= context.problems.size()) return false;
  const Problem problem = context.problems[index];
  Project& project = context.project;
  Level* level = project.levels.find(problem.level);
  if (!level) return false;
  if (level != project.current()) {
    storeCurrent(context);
    showCurrent(context, *level);
  }
  SketchPad& pad = context.pad;
  pad.setCursor(problem.row, problem.column);
  if (pad.inside(problem.row, problem.column))
    pad.colours().at(problem.row, problem.column) = pad.drawingColours().error;
  pad.reporter().ui().setStatusText(cformat("Col %d, Row %d", problem.column, problem.row));
  return true;
}

}  // namespace mz
