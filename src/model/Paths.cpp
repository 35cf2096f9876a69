#include "model/Paths.h"

namespace mz {

std::uint8_t reverseDirection(std::uint8_t dir) {
  int reversed = dir + 3;
  return static_cast<std::uint8_t>(reversed > 6 ? reversed - 6 : reversed);
}

void setPathLimits(AirflowPath& path, std::uint16_t limitFlag) {
  path.flags &= static_cast<std::uint16_t>(~(PathFlag::PressureLimits | PathFlag::FlowLimits));
  path.flags |=
      static_cast<std::uint16_t>(limitFlag & (PathFlag::PressureLimits | PathFlag::FlowLimits));
}

float wallAzimuth(std::uint8_t dir, float north) {
  switch (dir) {
    case kDirUp:
      return 180.0f - north;
    case kDirRight:
      return 270.0f - north;
    case kDirDown:
      return -north;
    case kDirLeft:
      return 90.0f - north;
    default:
      return 0.0f;
  }
}

void applyVariableWind(AirflowPath& path, float north, float windModifier) {
  path.flags |= PathFlag::WindPressure;
  path.wPmod = windModifier;
  if (path.wazm < 0.0f) path.wazm = wallAzimuth(path.dir, north);
}

namespace {

// A zone-map value as a path's zone: ambient, a zone, or none.
std::int32_t pathZone(std::int32_t mapValue) {
  if (mapValue == -1) return -1;
  return mapValue >= 1 ? mapValue : 0;
}

PathPlacement placed(std::uint8_t dir, std::int32_t from, std::int32_t to) {
  return {dir, pathZone(from), pathZone(to)};
}

}  // namespace

PathPlacement placePath(const PathSurroundings& around) {
  switch (around.cell) {
    case PathCell::HorizontalWall:
      if (around.above == -1) return placed(kDirDown, around.above, around.below);
      return placed(kDirUp, around.below, around.above);
    case PathCell::VerticalWall:
      if (around.right == -1) return placed(kDirLeft, around.right, around.left);
      return placed(kDirRight, around.left, around.right);
    case PathCell::NoWall:
      if (around.here == -1) return placed(kDirToBelow, around.here, around.levelBelow);
      return placed(kDirFromBelow, around.levelBelow, around.here);
  }
  return {};
}

namespace {

bool isFan(std::int16_t type) {
  return type == kFanCmfType || type == kFanCvfType || type == kFanType;
}

std::uint8_t fanIcon(std::uint8_t dir) {
  switch (dir) {
    case kDirRight:
      return 28;
    case kDirLeft:
      return 29;
    case kDirDown:
    case kDirToBelow:
      return 31;
    default:
      return 30;
  }
}

}  // namespace

std::uint8_t pathIconCode(const AirflowElement* element, std::uint8_t dir) {
  if (!element) return kPathIconNoElement;
  return isFan(element->type) ? fanIcon(dir) : element->icon;
}

void applyPathIcon(AirflowPath& path, AirflowElement* element) {
  path.icn = pathIconCode(element, path.dir);
  if (element && isFan(element->type)) element->icon = path.icn;
}

}  // namespace mz

#include "model/Project.h"

namespace mz {

AirflowPath Project::newPath(const PathPlacement& placement) const {
  const ProjectDefaults& d = settings.defaults;
  AirflowPath path;
  path.mult = 1.0f;
  path.wazm = -1.0f;
  std::int16_t unitSystem = d.ud != 0 ? 1 : 0;
  path.units = {unitSystem, unitSystem, unitSystem, d.uf};
  path.dir = placement.dir;
  path.from = zoneRef(placement.from);
  path.to = zoneRef(placement.to);
  const Level* here = levels.find(currentLevel);
  bool toLevelBelow = placement.dir == kDirFromBelow || placement.dir == kDirToBelow;
  path.relHt = here && !toLevelBelow ? here->delHt / 2.0f : 0.0f;
  path.cfdValues = {1, 1, 1};
  path.level = currentLevel;
  path.icn = kPathIconNoElement;
  return path;
}

const SuperAirflowData* Project::superElementOf(const AirflowPath& path) const {
  const AirflowElement* element = airflowElements.find(path.element);
  return element && element->type == kSuperAirflowType ? element->superData() : nullptr;
}

void Project::deleteImplicitPaths(AirflowPath& path) {
  for (Ref<AirflowPath> ref : path.implicitPaths)
    if (const AirflowPath* implicit = paths.find(ref)) paths.free(implicit->number);
  path.implicitPaths.clear();
}

void Project::setImplicitPaths(AirflowPath& path) {
  deleteImplicitPaths(path);
  const SuperAirflowData* super = superElementOf(path);
  if (!super) return;
  for (const SuperSubElement& sub : super->subElements) {
    AirflowPath implicit;
    implicit.flags = path.flags;
    implicit.dir = path.dir;
    implicit.from = path.from;
    implicit.to = path.to;
    implicit.mult = path.mult;
    implicit.windProfile = path.windProfile;
    implicit.X = path.X;
    implicit.Y = path.Y;
    implicit.wPset = path.wPset;
    implicit.wPmod = path.wPmod;
    implicit.wazm = path.wazm;
    implicit.units = path.units;
    implicit.level = currentLevel;
    implicit.element = sub.element;
    implicit.relHt = path.relHt + sub.relHt;
    if (sub.filtered) implicit.filter = path.filter;
    if (sub.schedulable) {
      implicit.schedule = path.schedule;
      implicit.control = path.control;
    }
    path.implicitPaths.push_back(paths.ref(paths.add(implicit)));
  }
  marks.modified = true;
}

int Project::relinkImplicitPaths() {
  int parents = 0;
  for (int n = 1; n <= paths.count(); ++n) {
    AirflowPath* path = paths.at(n);
    const SuperAirflowData* super = path ? superElementOf(*path) : nullptr;
    if (!super || super->subElements.empty()) continue;
    std::vector<Ref<AirflowPath>> implicit;
    for (const SuperSubElement& sub : super->subElements) {
      const AirflowPath* next = paths.at(n + static_cast<int>(implicit.size()) + 1);
      if (!next || next->icn != 0 || next->element != sub.element) break;
      implicit.push_back(paths.ref(next->number));
    }
    if (implicit.size() != super->subElements.size()) continue;
    path->implicitPaths = std::move(implicit);
    n += static_cast<int>(path->implicitPaths.size());
    ++parents;
  }
  return parents;
}

}  // namespace mz
