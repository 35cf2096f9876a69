#pragma once
// The section readers and writers of the project file, in file order, and the state a read
// carries from section to section. Internal to the project file.

#include <cstdint>
#include <vector>

#include "model/Project.h"
#include "prjfile/PrjIo.h"

namespace mz {

// Numbers read before the records they name exist, resolved after their sections.
template <class Owner>
struct PendingNumbers {
  Ref<Owner> owner;
  std::vector<std::int32_t> numbers;
};

struct PendingSensor {
  SensorData* sensor;
  std::int32_t owner;  // the node's number, for messages
};

struct ReadState {
  ReadState(PrjInput& input, Project& p) : in(input), project(p) {}
  PrjInput& in;
  Project& project;
  ReadIndex<Species> species;
  ReadIndex<DaySchedule> days;
  ReadIndex<WeekSchedule> weeks;
  ReadIndex<WindProfile> winds;
  ReadIndex<KineticReaction> reactions;
  ReadIndex<FilterElement> filterElements;
  ReadIndex<SourceElement> sources;
  ReadIndex<AirflowElement> airflow;
  ReadIndex<DuctElement> ductElements;
  ReadIndex<ControlSuperElement> supers;
  ReadIndex<OccupancySchedule> occupancy;
  ReadIndex<SimpleAhs> ahs;
  std::vector<PendingNumbers<SimpleAhs>> ahsLinks;  // zones and paths of each system
  std::vector<PendingNumbers<AirflowElement>> superAirflow;
  std::vector<PendingNumbers<SourceElement>> superSources;
  std::vector<PendingNumbers<FilterElement>> superFilters;
  std::vector<std::pair<Ref<Junction>, std::int32_t>> junctionDucts;
  std::vector<PendingSensor> sensors;
};

// Run control (PrjRead / PrjSave).
bool readRunControl(ReadState& st);
void writeRunControl(PrjOutput& out, Project& project, const struct ProjectFileInfo& info);

// Data sections (PrjReadData / PrjSaveData).
bool readSpecies(ReadState& st);
bool readDaySchedules(ReadState& st);
bool readWeekSchedules(ReadState& st);
bool readWindProfiles(ReadState& st);
bool readReactions(ReadState& st);
bool readFilterElements(ReadState& st);
bool readFilters(ReadState& st);
bool readSourceElements(ReadState& st);
bool readAirflowElements(ReadState& st);
bool readDuctElements(ReadState& st);
bool readSuperElements(ReadState& st);
bool readControlNodes(ReadState& st);
bool readOccupancySchedules(ReadState& st);
// After the whole file: the links of control nodes to components and to each other.
bool resolveControls(ReadState& st);

void writeSpecies(PrjOutput& out, Project& p);
void writeDaySchedules(PrjOutput& out, Project& p);
void writeWeekSchedules(PrjOutput& out, Project& p);
void writeWindProfiles(PrjOutput& out, Project& p);
void writeReactions(PrjOutput& out, Project& p);
void writeFilterElements(PrjOutput& out, Project& p);
void writeFilters(PrjOutput& out, Project& p);
void writeSourceElements(PrjOutput& out, Project& p);
void writeAirflowElements(PrjOutput& out, Project& p);
void writeDuctElements(PrjOutput& out, Project& p);
void writeSuperElements(PrjOutput& out, Project& p);
void writeControlNodes(PrjOutput& out, Project& p);
void writeOccupancySchedules(PrjOutput& out, Project& p);

// Building sections (PrjReadBldg / PrjSaveBldg).
bool readLevels(ReadState& st);
bool readAhs(ReadState& st);
bool readZones(ReadState& st);
bool readPaths(ReadState& st);
bool readJunctions(ReadState& st);
bool readDucts(ReadState& st);
bool readSourceSinks(ReadState& st);
bool readExposures(ReadState& st);
bool readAnnotations(ReadState& st);
// After a successful read: path items take their paths' icons.
void setPathIcons(Project& p);

void writeLevels(PrjOutput& out, Project& p);
void writeAhs(PrjOutput& out, Project& p);
void writeZones(PrjOutput& out, Project& p);
void writePaths(PrjOutput& out, Project& p);
void writeJunctions(PrjOutput& out, Project& p);
void writeDucts(PrjOutput& out, Project& p);
void writeSourceSinks(PrjOutput& out, Project& p);
void writeExposures(PrjOutput& out, Project& p);
void writeAnnotations(PrjOutput& out, Project& p);

// Type-data lines of the elements (PrjElements / PrjControls).
void readAirflowData(ReadState& st, AirflowElement& element);
void writeAirflowData(PrjOutput& out, Project& p, const AirflowElement& element);
void readDuctData(ReadState& st, DuctElement& element);
void writeDuctData(PrjOutput& out, const DuctElement& element);
void readSourceData(ReadState& st, SourceElement& element);
void writeSourceData(PrjOutput& out, Project& p, const SourceElement& element);
void readFilterData(ReadState& st, FilterElement& element);
void writeFilterData(PrjOutput& out, Project& p, const FilterElement& element);

// A control network: the main one (`super` none) or a super element's own nodes.
bool readNodes(ReadState& st, int count, ControlSuperElement* super);
void writeNodes(PrjOutput& out, Project& p, const ControlSuperElement* super);

}  // namespace mz
