#include "model/Prjpack.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "foundation/Formats.h"
#include "model/Project.h"

namespace mz {

namespace {

// The item codes the numbering reads (the SketchPad's symbol table has them all).
constexpr std::uint8_t kZoneIcon = 5;
constexpr std::uint8_t kPhantomIcon = 6;
constexpr std::uint8_t kNoteIcon = 42;
constexpr std::uint8_t kSupplyIcon = 128;
constexpr std::uint8_t kReturnIcon = 129;
constexpr std::uint8_t kAhsIcon = 130;
constexpr std::uint8_t kExposureIcon = 131;
constexpr std::uint8_t kSourceIcon = 133;
constexpr std::uint8_t kFirstStoredDuct = 145;
constexpr std::uint8_t kLastStoredDuct = 151;
constexpr std::uint8_t kFirstSegmentIcon = 154;
constexpr std::uint8_t kLastSegmentIcon = 157;
constexpr std::uint8_t kFirstJunctionIcon = 158;
constexpr std::uint8_t kFirstTerminalIcon = 162;
constexpr std::uint8_t kLastJunctionIcon = 164;
constexpr std::uint8_t kFirstLinkCode = 168;
constexpr std::uint8_t kFirstSensorIcon = 181;
constexpr std::uint8_t kControlNodeIcon = 185;
constexpr std::uint8_t kSuperNodeIcon = 187;

bool isPathItem(std::uint8_t code) {
  return (code >= 23 && code <= 25) || (code >= 27 && code <= 31) || code == kSupplyIcon ||
         code == kReturnIcon;
}

template <class Visit>
void forEachLevelTopDown(Project& project, Visit visit) {
  for (std::size_t i = project.levels.size(); i-- > 0;) visit(project.levels[i]);
}

// The new order of one component table: records are linked at its end as they are met and
// numbered by their place in it; a record met again keeps the number it got first.
template <class T>
class Renumbering {
 public:
  explicit Renumbering(ComponentTable<T>& table) : table_(table) {
    for (int n = 1; n <= table.capacity(); ++n)
      if (table.at(n)) ++recordsBefore_;
  }

  // The record's new number; 0 for none.
  std::int32_t take(T* record) {
    if (!record) return 0;
    if (done_.insert(record->id).second) {
      chain_.push_back(Ref<T>{record->id});
      const auto number = static_cast<std::int32_t>(chain_.size());
      if (record->number != number) changed_ = true;
      record->number = number;
    }
    return record->number;
  }
  // The table's slots keep the old numbers until finish(), so items are looked up by them.
  T* old(std::int32_t number) { return number > 0 ? table_.at(number) : nullptr; }
  std::int32_t takeOld(std::int32_t number) { return take(old(number)); }
  // The new number of the record at an old number, when it was taken; else 0.
  std::int32_t renumbered(std::int32_t number) {
    const T* record = old(number);
    return record && done_.contains(record->id) ? record->number : 0;
  }
  bool taken(const T* record) const { return record && done_.contains(record->id); }

  // Rebuilds the table dense; true when any record was renumbered or dropped.
  bool finish(ErrorReporter& reporter) {
    const int count = static_cast<int>(chain_.size());
    if (count != recordsBefore_ || count != table_.count()) changed_ = true;
    table_.rebuildIndex(reporter, chain_, count);
    return changed_;
  }

 private:
  ComponentTable<T>& table_;
  std::vector<Ref<T>> chain_;
  std::unordered_set<RecordId> done_;
  int recordsBefore_ = 0;
  bool changed_ = false;
};

bool setNumber(LevelItem& item, std::int32_t number) {
  if (item.number == number) return false;
  item.number = number;
  return true;
}

bool isSuperPath(const Project& project, const AirflowPath& path) {
  const AirflowElement* element = project.airflowElements.find(path.element);
  return element && element->type == kSuperAirflowType && element->superData();
}

}  // namespace

bool numberZones(Project& project, ErrorReporter& reporter) {
  Renumbering<Zone> zones(project.zones);
  bool changed = false;
  std::unordered_set<RecordId> systemsDone;
  auto takeSystem = [&](SimpleAhs& system) {
    if (!systemsDone.insert(system.id).second) return;
    zones.take(project.zones.find(system.returnZone));
    zones.take(project.zones.find(system.supplyZone));
  };
  forEachLevelTopDown(project, [&](Level& level) {
    // Any number of systems may stand on one level.
    std::vector<SimpleAhs*> systems;
    for (LevelItem& item : level.items) {
      if (item.number <= 0) continue;
      if (item.code == kZoneIcon) {
        const std::int32_t number = zones.takeOld(item.number);
        changed |= setNumber(item, number > 0 ? number : -2);
      } else if (item.code == kAhsIcon) {
        if (SimpleAhs* system = project.ahsByNumber(item.number)) systems.push_back(system);
      }
    }
    for (SimpleAhs* system : systems) takeSystem(*system);
  });
  // The zones of a system whose icon is on no level still belong to it.
  for (SimpleAhs& system : project.ahs.all()) takeSystem(system);
  forEachLevelTopDown(project, [&](Level& level) {
    for (LevelItem& item : level.items) {
      if (item.code != kPhantomIcon || item.number <= 0) continue;
      const std::int32_t number = zones.renumbered(item.number);
      changed |= setNumber(item, number > 0 ? number : -2);
    }
  });
  changed |= zones.finish(reporter);
  return changed;
}

void tieImplicitPaths(Project& project) {
  project.relinkImplicitPaths();
  std::vector<std::int32_t> parents;
  for (std::size_t i = 0; i < project.levels.size(); ++i)
    for (const LevelItem& item : project.levels[i].items)
      if (isPathItem(item.code) && item.number > 0) parents.push_back(item.number);
  std::sort(parents.begin(), parents.end());
  parents.erase(std::unique(parents.begin(), parents.end()), parents.end());
  for (std::int32_t number : parents) {
    AirflowPath* parent = project.paths.at(number);
    if (!parent || !isSuperPath(project, *parent)) continue;
    const std::size_t subs =
        project.airflowElements.find(parent->element)->superData()->subElements.size();
    bool intact = parent->implicitPaths.size() == subs;
    for (Ref<AirflowPath> ref : parent->implicitPaths) intact = intact && project.paths.find(ref);
    if (intact) continue;
    project.setImplicitPaths(*parent);
    for (Ref<AirflowPath> ref : parent->implicitPaths)
      project.paths.find(ref)->level = parent->level;
  }
}

bool numberComponents(Project& project, ErrorReporter& reporter) {
  tieImplicitPaths(project);
  Renumbering<AirflowPath> paths(project.paths);
  Renumbering<Filter> filters(project.filters);
  Renumbering<Junction> junctions(project.junctions);
  Renumbering<DuctSegment> ducts(project.ducts);
  Renumbering<SourceSink> sources(project.sourceSinks);
  Renumbering<Exposure> exposures(project.exposures);
  Renumbering<Annotation> notes(project.annotations);
  bool changed = false;

  auto takeFilter = [&](Ref<Filter> ref) { filters.take(project.filters.find(ref)); };
  auto takePathFilter = [&](Ref<AirflowPath> ref) {
    if (const AirflowPath* path = project.paths.find(ref)) takeFilter(path->filter);
  };
  std::unordered_set<RecordId> systemsSeen;
  // Stored duct cells carry the number of their segment, renumbered once the segments are.
  std::vector<LevelItem*> ductCells;

  forEachLevelTopDown(project, [&](Level& level) {
    for (LevelItem& item : level.items) {
      const std::uint8_t code = item.code;
      if (item.number <= 0) continue;
      if (isPathItem(code)) {
        AirflowPath* path = paths.old(item.number);
        const bool first = path && !paths.taken(path);
        changed |= setNumber(item, paths.take(path));
        if (!first) continue;
        takeFilter(path->filter);
        if (!isSuperPath(project, *path)) continue;
        for (Ref<AirflowPath> ref : path->implicitPaths) {
          AirflowPath* implicit = project.paths.find(ref);
          paths.take(implicit);
          if (implicit) takeFilter(implicit->filter);
        }
      } else if (code == kNoteIcon) {
        changed |= setNumber(item, notes.takeOld(item.number));
      } else if (code == kExposureIcon) {
        changed |= setNumber(item, exposures.takeOld(item.number));
      } else if (code == kSourceIcon) {
        changed |= setNumber(item, sources.takeOld(item.number));
      } else if (code == kAhsIcon) {
        if (SimpleAhs* system = project.ahsByNumber(item.number);
            system && systemsSeen.insert(system->id).second) {
          takePathFilter(system->recirculationPath);
          takePathFilter(system->outdoorAirPath);
        }
      } else if (code >= kFirstStoredDuct && code <= kLastStoredDuct) {
        ductCells.push_back(&item);
      } else if (code >= kFirstSegmentIcon && code <= kLastSegmentIcon) {
        DuctSegment* duct = ducts.old(item.number);
        const bool first = duct && !ducts.taken(duct);
        changed |= setNumber(item, ducts.take(duct));
        if (first) takeFilter(duct->filter);
      } else if (code >= kFirstJunctionIcon && code <= kLastJunctionIcon) {
        Junction* junction = junctions.old(item.number);
        const bool first = junction && !junctions.taken(junction);
        changed |= setNumber(item, junctions.take(junction));
        if (!first) continue;
        if (code < kFirstTerminalIcon)
          junction->t = JunctionKind::Junction;
        else if (junction->t == JunctionKind::Junction)
          junction->t = JunctionKind::Terminal;
        if (DuctSegment* duct = project.ducts.find(junction->duct); duct && !ducts.taken(duct)) {
          ducts.take(duct);
          takeFilter(duct->filter);
        }
        takeFilter(junction->terminal.filter);
      }
    }
  });
  for (LevelItem* item : ductCells) changed |= setNumber(*item, ducts.renumbered(item->number));

  // The filters of systems whose icon is on no level, so that their paths keep them.
  for (const SimpleAhs& system : project.ahs.all()) {
    if (systemsSeen.contains(system.id)) continue;
    takePathFilter(system.recirculationPath);
    takePathFilter(system.outdoorAirPath);
  }
  for (const SimpleAhs& system : project.ahs.all()) {
    paths.take(project.paths.find(system.recirculationPath));
    paths.take(project.paths.find(system.outdoorAirPath));
    paths.take(project.paths.find(system.exhaustPath));
  }

  changed |= paths.finish(reporter);
  changed |= filters.finish(reporter);
  changed |= junctions.finish(reporter);
  changed |= ducts.finish(reporter);
  changed |= sources.finish(reporter);
  changed |= exposures.finish(reporter);
  changed |= notes.finish(reporter);
  return changed;
}

void setWpcFlags(Project& project, ErrorReporter& reporter) {
  constexpr auto kWpcBits =
      static_cast<std::uint16_t>(PathFlag::WpcPressure | PathFlag::WpcContaminants);
  const bool wpc = project.settings.wpc.inUse();
  for (int n = 1; n <= project.paths.count(); ++n) {
    AirflowPath* path = project.paths.at(n);
    if (!path) continue;
    path->flags &= static_cast<std::uint16_t>(~kWpcBits);
    if (!wpc || !(path->from.isAmbient() || path->to.isAmbient())) continue;
    if (project.airflowElements.find(path->element) || (path->flags & PathFlag::AhsOutdoorAir))
      path->flags |= kWpcBits;
    else if (!(path->flags & (PathFlag::AhsRecirculation | PathFlag::AhsExhaust)))
      reporter.report(Severity::Error, {"WPC definition error for path ", formatInt(n)});
  }
  for (int n = 1; n <= project.junctions.count(); ++n) {
    Junction* junction = project.junctions.at(n);
    if (!junction) continue;
    junction->flags &= static_cast<std::uint16_t>(~kWpcBits);
    if (wpc && junction->t == JunctionKind::AmbientTerminal && junction->zone.isAmbient())
      junction->flags |= kWpcBits;
  }
}

ControlOrder numberControls(Project& project) {
  ControlOrder result;
  std::vector<std::int32_t>& order = result.oldNumbers;
  std::unordered_map<std::int32_t, std::int32_t> renumbered;
  forEachLevelTopDown(project, [&](Level& level) {
    for (const LevelItem& item : level.items) {
      const bool numbersNode = (item.code >= kFirstSensorIcon && item.code <= kControlNodeIcon) ||
                               item.code == kSuperNodeIcon;
      if (!numbersNode || item.number <= 0 || renumbered.contains(item.number)) continue;
      order.push_back(item.number);
      renumbered[item.number] = static_cast<std::int32_t>(order.size());
      // The nodes of a super element's own network, once it has one, follow its super node here.
    }
  });
  forEachLevelTopDown(project, [&](Level& level) {
    for (LevelItem& item : level.items) {
      if (item.code < kFirstLinkCode || item.code > kSuperNodeIcon || item.number <= 0) continue;
      const auto it = renumbered.find(item.number);
      result.changed |= setNumber(item, it == renumbered.end() ? 0 : it->second);
    }
  });
  return result;
}

bool packProject(Project& project, ErrorReporter& reporter) {
  const bool due = project.marks.renumberDue;
  bool changed = numberZones(project, reporter);
  changed |= numberComponents(project, reporter);
  setWpcFlags(project, reporter);
  changed |= numberControls(project).changed;
  if (changed || due) project.marks.modified = true;
  project.marks.renumberDue = false;
  return changed;
}

}  // namespace mz

// ---- icon check of the reader and the writer ----

namespace mz {

namespace {

struct IconRule {
  const char* what;  // "zone", "path", ...
  long lo, hi;       // the valid numbers
  bool repairable;
  std::int32_t repair;
  const char* tail;
};

constexpr const char* kUndefined = "\nThe icon has been set to undefined.";
constexpr const char* kCorrected = "\nThe icon has been corrected.";

std::optional<IconRule> ruleFor(std::uint8_t code, const Project& p) {
  auto in = [code](int lo, int hi) { return code >= lo && code <= hi; };
  const long zones = p.zones.count();
  if (code == 5 || code == 6) return IconRule{"zone", -2, zones, true, -2, kUndefined};
  if (code == 7) return IconRule{"AMBT", -1, -1, true, -1, kCorrected};
  if (code == 11 || code == 12 || in(14, 22)) return IconRule{"wall", 0, 0, true, 0, kCorrected};
  if (in(23, 25) || in(27, 31) || code == 128 || code == 129)
    return IconRule{"path", 0, p.paths.count(), true, 0, kUndefined};
  if (code == 42) return IconRule{"note", 0, p.annotations.count(), true, 0, kUndefined};
  if (code == 130) return IconRule{"AHS", 0, static_cast<long>(p.ahs.size()), true, 0, kUndefined};
  if (code == 131) return IconRule{"exposure", 0, p.exposures.count(), true, 0, kUndefined};
  if (code == 133) return IconRule{"source", 0, p.sourceSinks.count(), true, 0, kUndefined};
  if (in(145, 151)) return IconRule{"duct", 0, p.ducts.count(), true, 0, kUndefined};
  if (in(154, 157))
    return IconRule{"duct", 1, p.ducts.count(), false, 0, "\nThis icon cannot be undefined."};
  if (in(158, 164)) return IconRule{"junction", 0, p.junctions.count(), true, 0, kUndefined};
  if (in(168, 180)) return IconRule{"link", 0, p.controls.count(), true, 0, kUndefined};
  if (in(181, 187)) return IconRule{"control", 0, p.controls.count(), true, 0, kUndefined};
  return std::nullopt;
}

}  // namespace

bool checkIcons(ErrorReporter& reporter, Project& project) {
  bool failed = false;
  for (std::size_t l = 0; l < project.levels.size(); ++l) {
    Level& level = project.levels[l];
    for (LevelItem& item : level.items) {
      std::string text = cformat(": level %d icon (%d %d %d %d)", level.number, item.code,
                                 item.column, item.row, item.number);
      std::optional<IconRule> rule = ruleFor(item.code, project);
      if (!rule) {
        reporter.report(Severity::Error, {"Invalid icon", text});
        failed = true;
        continue;
      }
      // Zone icons name -2 (undefined), -1 (ambient) or a zone, never 0.
      bool valid = item.number >= rule->lo && item.number <= rule->hi &&
                   !(rule->lo == -2 && item.number == 0);
      if (valid) continue;
      reporter.report(Severity::Error, {cformat("Invalid %s #", rule->what), text, rule->tail});
      if (rule->repairable)
        item.number = rule->repair;
      else
        failed = true;
    }
  }
  return failed;
}

}  // namespace mz
