#include "model/System.h"

#include <algorithm>

#include "model/Project.h"

namespace mz {

namespace {

constexpr std::uint8_t kSupplyIcon = 128;
constexpr std::uint8_t kReturnIcon = 129;

std::string ahsZoneName(std::string_view system, const char* suffix, const char* working) {
  return system.empty() ? std::string(working) : std::string(system) + suffix;
}

}  // namespace

SimpleAhs& Project::createAhs(ErrorReporter& reporter, std::string_view name) {
  Zone zone = newZone();
  zone.flags = ZoneFlag::VariableContaminants | ZoneFlag::AhsImplicit;
  zone.T0 = settings.defaults.T;
  zone.name = ahsZoneName(name, "(Rec)", "ahsR");
  Ref<Zone> returnZone = zones.ref(addZone(zone));
  zone.name = ahsZoneName(name, "(Sup)", "ahsS");
  Ref<Zone> supplyZone = zones.ref(addZone(zone));

  AirflowPath path;
  path.mult = 1.0f;
  path.units[3] = settings.defaults.uf;
  path.level = currentLevel;
  auto addAhsPath = [&](std::uint16_t flag, Ref<Zone> from, Ref<Zone> to) {
    path.flags = flag;
    path.from = from;
    path.to = to;
    return paths.ref(addPath(path));
  };
  SimpleAhs system;
  system.name = std::string(name);
  system.returnZone = returnZone;
  system.supplyZone = supplyZone;
  system.recirculationPath = addAhsPath(PathFlag::AhsRecirculation, returnZone, supplyZone);
  system.outdoorAirPath = addAhsPath(PathFlag::AhsOutdoorAir, Ref<Zone>::ambient(), supplyZone);
  system.exhaustPath = addAhsPath(PathFlag::AhsExhaust, returnZone, Ref<Zone>::ambient());

  int expected = static_cast<int>(ahs.size()) + 1;
  SimpleAhs& added = ahs.addElement(system);
  renumberAhs(reporter, expected);
  return added;
}

SimpleAhs& Project::nameAhs(ErrorReporter& reporter, SimpleAhs& system, std::string_view name) {
  SimpleAhs renamed = system;
  renamed.name = std::string(name);
  if (Zone* z = zones.find(system.returnZone)) z->name = ahsZoneName(name, "(Rec)", "ahsR");
  if (Zone* z = zones.find(system.supplyZone)) z->name = ahsZoneName(name, "(Sup)", "ahsS");
  SimpleAhs& moved = ahs.replaceElement(reporter, system, renamed);
  renumberAhs(reporter, static_cast<int>(ahs.size()));
  return moved;
}

void Project::deleteAhs(ErrorReporter& reporter, SimpleAhs& system) {
  Ref<SimpleAhs> ref = ElementList<SimpleAhs>::ref(&system);
  for (Ref<Zone> z : {system.returnZone, system.supplyZone})
    if (const Zone* zone = zones.find(z)) zones.free(zone->number);
  for (Ref<AirflowPath> p : {system.recirculationPath, system.outdoorAirPath, system.exhaustPath})
    if (const AirflowPath* path = paths.find(p)) paths.free(path->number);

  std::vector<std::int32_t> points;
  for (int n = 1; n <= paths.capacity(); ++n) {
    const AirflowPath* path = paths.at(n);
    if (path && (path->flags & PathFlag::AhsPoint) && path->ahs == ref) points.push_back(n);
  }
  auto isPointIcon = [&points](const LevelItem& item) {
    return (item.code == kSupplyIcon || item.code == kReturnIcon) &&
           std::find(points.begin(), points.end(), item.number) != points.end();
  };
  for (std::size_t i = 0; i < levels.size(); ++i) std::erase_if(levels[i].items, isPointIcon);
  for (std::int32_t n : points) paths.free(n);

  int expected = static_cast<int>(ahs.size()) - 1;
  ahs.deleteElement(reporter, system);
  renumberAhs(reporter, expected);
}

int Project::renumberAhs(ErrorReporter& reporter, int expected) {
  int count = ahs.numberElements();
  if (count != expected) reporter.report(Severity::Error, {"AHS numbering"});
  while (count >= ahsCapacity_) ahsCapacity_ += kAhsGrowth;
  return count;
}

}  // namespace mz
