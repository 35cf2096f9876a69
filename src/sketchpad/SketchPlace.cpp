#include "sketchpad/SketchPlace.h"

#include <string>

#include "foundation/Formats.h"
#include "foundation/Heap.h"
#include "sketchpad/SketchHost.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchZones.h"

namespace mz {

namespace {

bool refuse(SketchPad& pad) {
  pad.reporter().ui().beep();
  return false;
}

bool notice(SketchPad& pad, std::string_view text) {
  pad.reporter().showMessage(1, {text});
  return false;
}

// Equal zone values on two sides that name a zone or ambient.
bool sameZone(std::int32_t a, std::int32_t b) {
  return a == b && a != zonemap::kUndefined && a != zonemap::kUnreached;
}

// A neighbour's zone-map value; 0 beyond the grid.
std::int32_t zoneAt(const Layer<std::int32_t>& zones, int row, int column) {
  return zones.contains(row, column) ? zones.at(row, column) : zonemap::kUnreached;
}

void setIcon(LevelLayers& l, CellPos at, std::uint8_t code, std::int32_t number) {
  l.sketch.at(at.row, at.column) = code;
  l.paths.at(at.row, at.column) = number;
}

}  // namespace

PathSurroundings pathSurroundingsAt(const SketchPad& pad, int row, int column) {
  const LevelLayers& l = pad.current();
  PathSurroundings around;
  const std::uint8_t w = l.walls.at(row, column);
  if (w == icon::kWallHorizontal) {
    around.cell = PathCell::HorizontalWall;
    around.above = zoneAt(l.zones, row - 1, column);
    around.below = zoneAt(l.zones, row + 1, column);
  } else if (w == icon::kWallVertical) {
    around.cell = PathCell::VerticalWall;
    around.left = zoneAt(l.zones, row, column - 1);
    around.right = zoneAt(l.zones, row, column + 1);
  } else {
    around.cell = PathCell::NoWall;
    around.here = l.zones.at(row, column);
    around.levelBelow = pad.hasSubLevel() ? pad.sub().zones.at(row, column) : 0;
  }
  return around;
}

bool pathPositionAllowed(SketchPad& pad, int row, int column) {
  const std::uint8_t w = pad.current().walls.at(row, column);
  const PathSurroundings around = pathSurroundingsAt(pad, row, column);
  if (w == icon::kWallHorizontal || w == icon::kWallVertical) {
    const bool same = w == icon::kWallHorizontal ? sameZone(around.above, around.below)
                                                 : sameZone(around.left, around.right);
    return same ? notice(pad, "Same zone on both sides of wall") : true;
  }
  if (w != 0) return refuse(pad);
  if (!pad.hasSubLevel()) return notice(pad, "Path is not above a sublevel");
  if (pad.sub().walls.at(row, column) != 0) return notice(pad, "Path is above a sublevel wall");
  if (sameZone(around.here, around.levelBelow))
    return notice(pad, "Same zone on both sides of \"floor\"");
  return true;
}

PathPlacement pathPlacementAt(const SketchPad& pad, int row, int column) {
  return placePath(pathSurroundingsAt(pad, row, column));
}

bool placeIcon(SketchPad& pad, SketchHost& host, IconCommand command) {
  const CellPos at = pad.cursor();
  LevelLayers& l = pad.current();
  const int r = at.row;
  const int c = at.column;
  const bool wallAllowed = command == IconCommand::FlowPath;
  if (l.sketch.at(r, c) != 0 || (!wallAllowed && l.walls.at(r, c) != 0) || l.ducts.at(r, c) != 0 ||
      l.links.at(r, c) != 0)
    return refuse(pad);
  if (command != IconCommand::Annotation && host.resultsMode()) return refuse(pad);
  const std::int32_t zone = l.zones.at(r, c);
  switch (command) {
    case IconCommand::Zone:
      if (zone != zonemap::kUnreached) return refuse(pad);
      setIcon(l, at, icon::kZone, zonemap::kUndefined);
      fillZone(pad, SketchCopy::Current, r, c, zonemap::kUndefined);
      break;
    case IconCommand::Ambient:
      if (zone != zonemap::kUnreached && zone != zonemap::kAmbient) return refuse(pad);
      setIcon(l, at, icon::kAmbient, zonemap::kAmbient);
      fillZone(pad, SketchCopy::Current, r, c, zonemap::kAmbient);
      clearErrorColour(pad);
      break;
    case IconCommand::Phantom: {
      const std::int32_t below = pad.hasSubLevel() ? pad.sub().zones.at(r, c) : 0;
      if (zone != zonemap::kUnreached || below < 1) return refuse(pad);
      setIcon(l, at, icon::kPhantom, below);
      fillZone(pad, SketchCopy::Current, r, c, below);
      clearErrorColour(pad);
      break;
    }
    case IconCommand::FlowPath:
      if (!pathPositionAllowed(pad, r, c)) return false;
      setIcon(l, at, icon::kPath, 0);
      break;
    case IconCommand::Ahs:
      setIcon(l, at, icon::kAhs, 0);
      break;
    case IconCommand::Supply:
    case IconCommand::Return:
      if (zone == zonemap::kAmbient) return refuse(pad);
      setIcon(l, at, command == IconCommand::Supply ? icon::kSupply : icon::kReturn, 0);
      break;
    case IconCommand::SourceSink:
      if (zone == zonemap::kAmbient) return refuse(pad);
      if (host.speciesCount() < 1)
        return notice(pad,
                      "You must first define at least one Species prior to creating a "
                      "source/sink.");
      setIcon(l, at, icon::kSourceSink, 0);
      break;
    case IconCommand::Exposure:
      if (host.speciesCount() < 1)
        return notice(pad,
                      "You must first define at least one Species prior to creating an "
                      "exposure element.");
      if (host.zoneCount() < 1)
        return notice(pad,
                      "You must first define at least one Zone prior to creating an exposure "
                      "element.");
      setIcon(l, at, icon::kExposure, 0);
      break;
    case IconCommand::Annotation: {
      const std::optional<int> number = host.annotationDialog();
      if (!number) return false;
      setIcon(l, at, icon::kAnnotation, *number);
      break;
    }
  }
  host.markModified();
  return true;
}

bool openZoneAtCursor(SketchPad& pad, SketchHost& host) {
  const CellPos at = pad.cursor();
  LevelLayers& l = pad.current();
  const int r = at.row;
  const int c = at.column;
  std::uint8_t code = l.sketch.at(r, c);
  if (!hasFlag(code, flag::kZoneType)) {
    if (code != 0 || l.ducts.at(r, c) != 0 || l.links.at(r, c) != 0) return false;
    const std::int32_t value = l.zones.at(r, c);
    if (value > 0) {
      host.zoneDialog(value);
      return true;
    }
    if (value != zonemap::kUnreached) return false;
    setIcon(l, at, icon::kZone, zonemap::kUndefined);
    fillZone(pad, SketchCopy::Current, r, c, zonemap::kUndefined);
    host.markModified();
    code = icon::kZone;
  }
  if (code == icon::kAmbient) return refuse(pad);
  if (code == icon::kPhantom && (!pad.hasSubLevel() || pad.sub().zones.at(r, c) < 1))
    return refuse(pad);
  const std::int32_t value = l.zones.at(r, c);
  if (value >= 1) {
    host.zoneDialog(value);
    return true;
  }
  const std::optional<int> number = host.newZoneDialog();
  if (!number) return false;
  l.paths.at(r, c) = *number;
  fillZone(pad, SketchCopy::Current, r, c, *number);
  clearErrorColour(pad);
  host.markModified();
  return true;
}

bool deleteZoneIcon(SketchPad& pad, SketchHost& host, bool ask) {
  const CellPos at = pad.cursor();
  LevelLayers& l = pad.current();
  const std::uint8_t code = l.sketch.at(at.row, at.column);
  if (!hasFlag(code, flag::kZoneType)) return false;
  const std::int32_t b = l.zones.at(at.row, at.column);
  if (b > 0) {
    const int references = host.occupancyReferences(b);
    if (references > 0) {
      pad.reporter().showMessage(
          1, {"This zone is referenced by ", std::to_string(references),
              " occupancy schedules.\n You must remove all references to this zone before it "
              "can be deleted."});
      return false;
    }
  }
  // Phantoms that continue the zone upward, level by level, up to the first level without one.
  std::vector<LevelItem*> phantoms;
  if (b > 0) {
    for (std::vector<LevelItem>* items : host.levelsAbove()) {
      const std::size_t before = phantoms.size();
      for (LevelItem& item : *items)
        if (item.code == icon::kPhantom && item.number == b) phantoms.push_back(&item);
      if (phantoms.size() == before) break;
    }
  }
  if (ask) {
    const std::string question =
        phantoms.empty()
            ? std::string("Delete this zone icon?")
            : cformat("Delete this zone icon and clear\nthe %d phantom zone(s) above it?",
                      static_cast<int>(phantoms.size()));
    if (!pad.reporter().askYesNo(question)) return false;
  }
  if (code == icon::kZone && b > 0) host.deleteZone(b);
  for (LevelItem* item : phantoms) item->number = 0;
  setIcon(l, at, 0, 0);
  pad.colours().at(at.row, at.column) = pad.drawingColours().background;
  host.markModified();
  if (ask) {
    clearZoneAreas(pad);
    identifyZones(pad, SketchCopy::Current, true);
  }
  return true;
}

}  // namespace mz
