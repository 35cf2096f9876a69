#include <vector>

#include "foundation/Formats.h"
#include "model/Project.h"
#include "sketchpad/CheckSteps.h"
#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {

namespace {

// Duct element types that force the flow: "dct_fan", "dct_cmf", "dct_cvf".
constexpr std::int16_t kDuctFanType = 32;
constexpr std::int16_t kDuctCmfType = 33;
constexpr std::int16_t kDuctCvfType = 34;

bool forcesFlow(const AirflowElement* element) {
  return element && (element->type == kFanCmfType || element->type == kFanCvfType ||
                     element->type == kFanType);
}

bool forcesFlow(const DuctElement* element) {
  return element && (element->type == kDuctFanType || element->type == kDuctCmfType ||
                     element->type == kDuctCvfType);
}

// Node 0 is ambient, 1..Z the zones, Z + 1..Z + J the junctions; -1 is no node.
class Network {
 public:
  explicit Network(const Project& project)
      : project_(project),
        zones_(project.zones.count()),
        adjacent_(static_cast<std::size_t>(1 + zones_ + project.junctions.count())),
        known_(adjacent_.size(), false) {}

  int zoneNode(Ref<Zone> ref) const {
    if (ref.isAmbient()) return 0;
    const Zone* zone = project_.zones.find(ref);
    return zone ? zone->number : -1;
  }
  int junctionNode(const Junction* junction) const {
    return junction ? zones_ + junction->number : -1;
  }
  void join(int a, int b) {
    if (a < 0 || b < 0) return;
    adjacent_[static_cast<std::size_t>(a)].push_back(b);
    adjacent_[static_cast<std::size_t>(b)].push_back(a);
  }
  void know(int node) { known_[static_cast<std::size_t>(node)] = true; }

  // Spreads the known state over the links; the same fixed point as repeating the pass over
  // all links until nothing changes.
  void spread() {
    std::vector<int> queue;
    for (std::size_t n = 0; n < known_.size(); ++n)
      if (known_[n]) queue.push_back(static_cast<int>(n));
    while (!queue.empty()) {
      const int node = queue.back();
      queue.pop_back();
      for (int next : adjacent_[static_cast<std::size_t>(node)])
        if (!known_[static_cast<std::size_t>(next)]) {
          known_[static_cast<std::size_t>(next)] = true;
          queue.push_back(next);
        }
    }
  }
  bool zoneKnown(int number) const { return known_[static_cast<std::size_t>(number)]; }
  bool junctionKnown(int number) const { return known_[static_cast<std::size_t>(zones_ + number)]; }

 private:
  const Project& project_;
  int zones_;
  std::vector<std::vector<int>> adjacent_;
  std::vector<bool> known_;
};

Network buildNetwork(const Project& project) {
  Network network(project);
  network.know(0);
  for (int n = 1; n <= project.zones.count(); ++n)
    if (const Zone* zone = project.zones.at(n); zone && !(zone->flags & ZoneFlag::VariablePressure))
      network.know(n);
  for (int n = 1; n <= project.junctions.count(); ++n)
    if (const Junction* junction = project.junctions.at(n); junction && junction->isTerminal())
      network.know(network.junctionNode(junction));

  for (int n = 1; n <= project.paths.count(); ++n) {
    const AirflowPath* path = project.paths.at(n);
    if (!path || (path->flags & PathFlag::AhsAny) ||
        forcesFlow(project.airflowElements.find(path->element)))
      continue;
    network.join(network.zoneNode(path->from), network.zoneNode(path->to));
  }
  for (int n = 1; n <= project.ducts.count(); ++n) {
    const DuctSegment* duct = project.ducts.at(n);
    if (!duct || forcesFlow(project.ductElements.find(duct->element))) continue;
    const Junction* from = project.junctions.find(duct->from);
    const Junction* to = project.junctions.find(duct->to);
    if (!from || !to) continue;
    // A terminal stands for its zone.
    auto end = [&](const Junction* j) {
      return j->isTerminal() ? network.zoneNode(j->zone) : network.junctionNode(j);
    };
    network.join(end(from), end(to));
  }
  network.spread();
  return network;
}

// Whether an item shows a node that is not connected, and the problem text it gets.
const char* unlinkedText(Project& project, const Network& network, const LevelItem& item) {
  constexpr const char* kZoneText = "Zone not connected to ambient by variable flow link.";
  if (item.number <= 0) return nullptr;
  if (item.code == icon::kZone || item.code == icon::kPhantom)
    return item.number <= project.zones.count() && !network.zoneKnown(item.number) ? kZoneText
                                                                                   : nullptr;
  if (item.code == icon::kAhs) {
    // The system's own zones have no zone icon; its icon shows them.
    const SimpleAhs* system = project.ahsByNumber(item.number);
    if (!system) return nullptr;
    for (Ref<Zone> ref : {system->returnZone, system->supplyZone}) {
      const int node = network.zoneNode(ref);
      if (node > 0 && !network.zoneKnown(node)) return kZoneText;
    }
    return nullptr;
  }
  if (hasFlag(item.code, flag::kJunction))
    return item.number <= project.junctions.count() && !network.junctionKnown(item.number)
               ? "Junction not connected to ambient by variable flow link."
               : nullptr;
  return nullptr;
}

}  // namespace

CheckResult checkConnectivity(CheckContext& context) {
  Project& project = context.project;
  const Network network = buildNetwork(project);
  std::string log;
  for (int n = 1; n <= project.zones.count(); ++n)
    if (!network.zoneKnown(n)) log += cformat("     zone: %3d\n", n);
  for (int n = 1; n <= project.junctions.count(); ++n)
    if (!network.junctionKnown(n)) log += cformat(" junction: %3d\n", n);
  if (log.empty()) return CheckResult::Passed;
  context.pad.reporter().logText("Unlinked nodes:\n" + log);

  for (std::size_t i = project.levels.size(); i-- > 0;) {
    Level& level = project.levels[i];
    bool shows = false;
    for (const LevelItem& item : level.items) shows = shows || unlinkedText(project, network, item);
    if (!shows) continue;
    storeCurrent(context);
    showCurrent(context, level);
    for (const LevelItem& item : level.items)
      if (const char* text = unlinkedText(project, network, item))
        context.problems.addProblem(Levels::ref(&level), item.row, item.column, text);
    break;
  }
  return CheckResult::Failed;
}

}  // namespace mz
