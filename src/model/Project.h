#pragma once
// The project in memory: its levels, the number-indexed component tables, the name-ordered data
// element lists, the contaminant list and the settings. Records are owned by their tables and
// lists and refer to each other by Ref links (see foundation/Lists.h); the ambient zone is one
// fixed record outside the zone table.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/Heap.h"
#include "foundation/Lists.h"
#include "foundation/Tables.h"
#include "model/ControlNodes.h"
#include "model/DataElements.h"
#include "model/Ducts.h"
#include "model/Jctns.h"
#include "model/Level.h"
#include "model/Occupants.h"
#include "model/Paths.h"
#include "model/Settings.h"
#include "model/System.h"
#include "model/Zones.h"

namespace mz {

inline constexpr int kComponentGrowth = 512;
inline constexpr int kAhsGrowth = 64;

class Project {
 public:
  Project();
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  ChangeMarks marks;
  ProjectSettings settings;

  Levels levels;
  Ref<Level> currentLevel;

  Zone ambient;  // number -1
  ComponentTable<Zone> zones{"ZnLst", kComponentGrowth, "zone", marks};
  ComponentTable<AirflowPath> paths{"PthLst", kComponentGrowth, "path", marks};
  ComponentTable<Junction> junctions{"JctLst", kComponentGrowth, "junction", marks};
  ComponentTable<DuctSegment> ducts{"DctLst", kComponentGrowth, "duct", marks};
  ComponentTable<SourceSink> sourceSinks{"cslst", kComponentGrowth, "css", marks};
  ComponentTable<Exposure> exposures{"pxlst", kComponentGrowth, "exposure", marks};
  ComponentTable<Annotation> annotations{"ntlst", kComponentGrowth, "annotation", marks};
  ComponentTable<Filter> filters{"FtlLst", kComponentGrowth, "filter", marks};

  // Simple air handling systems: a name-ordered list, and a table by number (list order).
  ElementList<SimpleAhs> ahs{"AhsLst", marks};

  ElementList<Species> species{"species", marks};
  ElementList<DaySchedule> daySchedules{"day-schedules", marks};
  ElementList<WeekSchedule> weekSchedules{"week-schedules", marks};
  ElementList<OccupancySchedule> occupancySchedules{"occupancy schedules", marks};
  ElementList<WindProfile> windProfiles{"wind pressure profiles", marks};
  ElementList<KineticReaction> reactions{"kinetic reactions", marks};
  ElementList<FilterElement> filterElements{"filter elements", marks};
  ElementList<SourceElement> sourceElements{"source/sink elements", marks};
  ElementList<AirflowElement> airflowElements{"flow elements", marks};
  ElementList<DuctElement> ductElements{"duct elements", marks};
  ElementList<ControlSuperElement> superElements{"control super elements", marks};
  // The control network: nodes by number, an instance's sub-node copies directly after it.
  ComponentTable<ControlNode> controls{"CtLst", kComponentGrowth, "control", marks};

  // The simulated species in their fixed order; every per-contaminant array follows it.
  std::vector<Ref<Species>> contaminants;
  std::vector<float> contaminantDefaults;  // CCdef of each contaminant
  int waterVapour = -1;                    // contaminant index of "H2O", -1 when none

  int nctm() const { return static_cast<int>(contaminants.size()); }

  // Zone links: the ambient link names the ambient record.
  Zone* zone(Ref<Zone> ref);
  const Zone* zone(Ref<Zone> ref) const;
  // The file form of a zone link: -1 ambient, 0 none, else the zone's number.
  std::int32_t zoneNumber(Ref<Zone> ref) const;
  Ref<Zone> zoneRef(std::int32_t number) const;
  Level* level(Ref<Level> ref) { return levels.find(ref); }
  Level* current() { return levels.find(currentLevel); }

  // Component operations: get copies into a work copy (an empty slot is an ERROR report), put
  // stores a work copy at a number, add puts it at count + 1 and returns the number, free
  // releases a record to its kind's free list.
  bool getZone(ErrorReporter& r, int n, Zone& copy) const { return zones.get(r, n, copy); }
  Zone& putZone(const Zone& copy, int n) { return zones.put(copy, n); }
  int addZone(const Zone& copy) { return zones.add(copy); }
  bool freeZone(int n) { return zones.free(n); }
  bool getPath(ErrorReporter& r, int n, AirflowPath& copy) const { return paths.get(r, n, copy); }
  AirflowPath& putPath(const AirflowPath& copy, int n) { return paths.put(copy, n); }
  int addPath(const AirflowPath& copy) { return paths.add(copy); }
  bool freePath(int n) { return paths.free(n); }
  bool getJunction(ErrorReporter& r, int n, Junction& c) const { return junctions.get(r, n, c); }
  Junction& putJunction(const Junction& copy, int n) { return junctions.put(copy, n); }
  int addJunction(const Junction& copy) { return junctions.add(copy); }
  bool freeJunction(int n) { return junctions.free(n); }
  bool getDuct(ErrorReporter& r, int n, DuctSegment& copy) const { return ducts.get(r, n, copy); }
  DuctSegment& putDuct(const DuctSegment& copy, int n) { return ducts.put(copy, n); }
  int addDuct(const DuctSegment& copy) { return ducts.add(copy); }
  bool freeDuct(int n) { return ducts.free(n); }
  bool getCss(ErrorReporter& r, int n, SourceSink& c) const { return sourceSinks.get(r, n, c); }
  SourceSink& putCss(const SourceSink& copy, int n) { return sourceSinks.put(copy, n); }
  int addCss(const SourceSink& copy) { return sourceSinks.add(copy); }
  bool freeCss(int n) { return sourceSinks.free(n); }
  bool getExposure(ErrorReporter& r, int n, Exposure& c) const { return exposures.get(r, n, c); }
  Exposure& putExposure(const Exposure& copy, int n) { return exposures.put(copy, n); }
  int addExposure(const Exposure& copy) { return exposures.add(copy); }
  bool freeExposure(int n) { return exposures.free(n); }
  bool getNote(ErrorReporter& r, int n, Annotation& c) const { return annotations.get(r, n, c); }
  Annotation& putNote(const Annotation& copy, int n) { return annotations.put(copy, n); }
  int addNote(const Annotation& copy) { return annotations.add(copy); }
  bool freeNote(int n) { return annotations.free(n); }
  bool getFilter(ErrorReporter& r, int n, Filter& copy) const { return filters.get(r, n, copy); }
  Filter& putFilter(const Filter& copy, int n) { return filters.put(copy, n); }
  int addFilter(const Filter& copy) { return filters.add(copy); }
  bool freeFilter(int n) { return filters.free(n); }

  // The AHS table: entry n is the system numbered n (list order), capacity in steps of 64.
  SimpleAhs* ahsByNumber(int number) { return ahs.byNumber(number); }
  int ahsCapacity() const { return ahsCapacity_; }

  // Levels. A new level at the bottom (none given) stands at 0 m with 3 m to the level above;
  // above a given level it stands on that level's top with the given distance to the next. It
  // is named "<n>" after the new number of levels and becomes current.
  Level& addLevel(const Level* below, float delHt = 3.0f);

  // Work copies of new components with their defaults, before their dialogs open.
  Zone newZone() const;
  AirflowPath newPath(const PathPlacement& placement) const;
  Junction newJunction(std::uint8_t icon) const;
  DuctSegment newDuct(std::uint8_t dir) const;
  SourceSink newSourceSink() const;
  Exposure newExposure() const;

  // The number of occupancy schedules that visit the zone.
  int occupancyReferences(Ref<Zone> zone) const;
  // Deletes a zone unless occupancy schedules visit it (a WARNING notice names their count).
  bool deleteZone(ErrorReporter& reporter, int number);

  // Replaces the implicit paths of `path` (a record of the path table) by one new path per
  // sub-element of its super airflow element; a path with another element keeps none.
  void setImplicitPaths(AirflowPath& path);
  void deleteImplicitPaths(AirflowPath& path);
  // Ties read paths to their parents again: the paths numbered directly after a path with a
  // super element, without icons and with the sub-elements' elements in order, are its implicit
  // paths. Returns the number of parents tied.
  int relinkImplicitPaths();

  // A simple AHS with its two zones and three paths. An empty name gives the working zone names
  // "ahsR" and "ahsS" until nameAhs.
  SimpleAhs& createAhs(ErrorReporter& reporter, std::string_view name);
  // Renames the system (moving it in name order) and its zones.
  SimpleAhs& nameAhs(ErrorReporter& reporter, SimpleAhs& system, std::string_view name);
  // Frees the system's zones, paths and supply and return points (removing the points' icons
  // from every level's items), then the system itself, and renumbers the systems.
  void deleteAhs(ErrorReporter& reporter, SimpleAhs& system);
  // Numbers the systems in list order; a count other than `expected` is an ERROR report.
  int renumberAhs(ErrorReporter& reporter, int expected);

  // Rebuilds the contaminant list from the species' s and t flags. A refused list (a single
  // non-trace contaminant, or non-trace defaults that do not sum to 1) is a WARNING notice and
  // changes nothing; returns whether the list was accepted.
  bool setContaminants(ErrorReporter& reporter);
  // The contaminant index of the species named "H2O", or -1.
  int findWaterVapour() const;

 private:
  // The sub-elements of the path's element when that is a super airflow element.
  const SuperAirflowData* superElementOf(const AirflowPath& path) const;

  int ahsCapacity_ = 0;
};

}  // namespace mz
