#include "foundation/Formats.h"
#include "model/Project.h"
#include "sketchpad/CheckSteps.h"
#include "sketchpad/SketchPlace.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {

namespace {

// A zone-map value as a record's zone: ambient, a zone, or none below 1.
Ref<Zone> zoneAt(const Project& project, std::int32_t value) {
  if (value == zonemap::kAmbient) return Ref<Zone>::ambient();
  return value >= 1 ? project.zones.ref(value) : Ref<Zone>{};
}

void clearWind(AirflowPath& path) {
  path.flags &= static_cast<std::uint16_t>(~PathFlag::WindPressure);
  path.windProfile = {};
  path.wPmod = 0.0f;
  path.wazm = -1.0f;
}

// A path takes its direction and zones from its cell; its implicit paths follow it.
void placeFromDrawing(Project& project, AirflowPath& path, const PathPlacement& placement) {
  const bool noAmbient = placement.from != -1 && placement.to != -1;
  auto apply = [&](AirflowPath& p) {
    p.dir = placement.dir;
    p.from = project.zoneRef(placement.from);
    p.to = project.zoneRef(placement.to);
    if (noAmbient) clearWind(p);
  };
  apply(path);
  for (Ref<AirflowPath> ref : path.implicitPaths)
    if (AirflowPath* implicit = project.paths.find(ref)) apply(*implicit);
}

// The number of the cell where the duct from (row, column) in `direction` ends: a junction's or
// terminal's number, 0 when the duct ends elsewhere. Crossings are passed straight through.
std::int32_t ductEnd(SketchPad& pad, int row, int column, int direction) {
  const LevelLayers& l = pad.current();
  const long limit = static_cast<long>(pad.rows()) * pad.columns();
  int r = row;
  int c = column;
  for (long steps = 0; steps < limit; ++steps) {
    r += dir::rowStep(direction);
    c += dir::columnStep(direction);
    if (!pad.inside(r, c)) return 0;
    const std::uint8_t code = l.ducts.at(r, c);
    if (code == 0) return 0;
    if (hasFlag(code, flag::kJunction)) return l.paths.at(r, c);
    if (code == icon::kDuctCrossing) continue;
    direction = nextDirection(l.ducts, r, c, direction, pad.reporter());
    if (direction == 0) return 0;
  }
  return 0;
}

void linkSegmentEnds(CheckContext& context, DuctSegment& duct, std::uint8_t code, int row,
                     int column) {
  int first = dir::kDown;
  int second = dir::kUp;
  if (code == icon::kSegmentRight) {
    first = dir::kLeft;
    second = dir::kRight;
  } else if (code == icon::kSegmentDown) {
    first = dir::kUp;
    second = dir::kDown;
  } else if (code == icon::kSegmentLeft) {
    first = dir::kRight;
    second = dir::kLeft;
  }
  const ComponentTable<Junction>& junctions = context.project.junctions;
  duct.from = junctions.ref(ductEnd(context.pad, row, column, first));
  duct.to = junctions.ref(ductEnd(context.pad, row, column, second));
}

// The direction of a terminal from the side its duct leaves it on.
void orientTerminal(const LevelLayers& l, Junction& terminal, std::uint8_t code, int row,
                    int column) {
  std::uint8_t direction = 0;
  if (code == kTerminalIcon) {
    if (l.ducts.at(row - 1, column) != 0)
      direction = terminalDirection(code, DuctSide::Above);
    else if (l.ducts.at(row + 1, column) != 0)
      direction = terminalDirection(code, DuctSide::Below);
    else if (column + 1 < l.ducts.columns() && l.ducts.at(row, column + 1) != 0)
      direction = terminalDirection(code, DuctSide::Right);
    else if (column > 0 && l.ducts.at(row, column - 1) != 0)
      direction = terminalDirection(code, DuctSide::Left);
  } else {
    direction = terminalDirection(code, DuctSide::Above);
  }
  if (direction != 0) setTerminalDirection(terminal.terminal, direction);
}

}  // namespace

void rederiveLinks(CheckContext& context) {
  Project& project = context.project;
  SketchPad& pad = context.pad;
  ErrorReporter& reporter = pad.reporter();
  const LevelLayers& l = pad.current();
  const Ref<Level> here = project.currentLevel;

  for (int r = pad.rows() - 2; r >= 1; --r)
    for (int c = pad.columns() - 1; c >= 1; --c) {
      const std::int32_t number = l.paths.at(r, c);
      if (number <= 0) continue;
      const std::uint8_t code = l.sketch.at(r, c);
      const std::int32_t zone = l.zones.at(r, c);
      if (hasFlag(code, flag::kFlow) && code != icon::kAhs) {
        AirflowPath* path = project.paths.at(number);
        if (!path) continue;
        if (code == icon::kSupply)
          path->to = zone >= 1 ? project.zones.ref(zone) : Ref<Zone>{};
        else if (code == icon::kReturn)
          path->from = zone >= 1 ? project.zones.ref(zone) : Ref<Zone>{};
        else
          placeFromDrawing(project, *path, pathPlacementAt(pad, r, c));
        for (Ref<AirflowPath> ref : path->implicitPaths)
          if (AirflowPath* implicit = project.paths.find(ref)) implicit->level = here;
        if (path->level != here) {
          path->level = here;
          reporter.showMessage(1, {"Possible level error for path ", formatInt(number), " fixed"});
        }
      } else if (code == icon::kZone) {
        Zone* record = project.zones.at(number);
        if (record && record->level != here) {
          record->level = here;
          reporter.showMessage(1, {"Possible level error for zone ", formatInt(number), " fixed"});
        }
      } else if (hasFlag(code, flag::kSourceSink)) {
        if (SourceSink* source = project.sourceSinks.at(number))
          source->zone = zone >= 1 ? project.zones.ref(zone) : Ref<Zone>{};
      }
      const std::uint8_t duct = l.ducts.at(r, c);
      if (duct >= icon::kSegmentUp && duct <= icon::kSegmentLeft)
        if (DuctSegment* segment = project.ducts.at(number))
          linkSegmentEnds(context, *segment, duct, r, c);
    }

  for (int r = pad.rows() - 2; r >= 1; --r)
    for (int c = pad.columns() - 1; c >= 1; --c) {
      const std::uint8_t code = l.ducts.at(r, c);
      const std::int32_t number = l.paths.at(r, c);
      if (!hasFlag(code, flag::kJunction) || number <= 0) continue;
      Junction* junction = project.junctions.at(number);
      if (!junction) continue;
      junction->zone = zoneAt(project, l.zones.at(r, c));
      if (code >= kTerminalIcon) orientTerminal(l, *junction, code, r, c);
    }
}

}  // namespace mz
