#include "model/Project.h"

#include "model/ElementTypes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;
using ::testing::ElementsAre;

template <class T>
T named(std::string name) {
  T element;
  element.name = std::move(name);
  return element;
}

// A project with one level of each default unit choice under test.
class ProjectTest : public ::testing::Test {
 protected:
  ProjectTest() {
    project.settings.defaults.ud = 1;
    project.settings.defaults.uf = 4;
    project.settings.defaults.T = 295.0f;
    project.addLevel(nullptr);
  }
  Diagnostics d;
  Project project;
};

TEST_F(ProjectTest, LevelsStackFromTheBottomAndTheNewOneBecomesCurrent) {
  Level& first = *project.current();
  EXPECT_EQ(first.name, "<1>");
  EXPECT_FLOAT_EQ(first.refHt, 0.0f);
  EXPECT_FLOAT_EQ(first.delHt, 3.0f);
  EXPECT_EQ(first.units, (std::array<std::int16_t, 2>{1, 1}));

  Level& second = project.addLevel(&first, 4.0f);
  EXPECT_EQ(second.name, "<2>");
  EXPECT_FLOAT_EQ(second.refHt, 3.0f);
  EXPECT_FLOAT_EQ(second.delHt, 4.0f);
  EXPECT_EQ(project.current(), &second);
  EXPECT_EQ(project.levels.above(first), &second);
  EXPECT_EQ(project.levels.below(second), &first);

  Level& bottom = project.addLevel(nullptr);
  EXPECT_EQ(bottom.name, "<3>");
  EXPECT_EQ(bottom.number, 1);
  EXPECT_EQ(first.number, 2);
  EXPECT_EQ(second.number, 3);
  EXPECT_EQ(project.levels.find(Levels::ref(&first)), &first);
}

TEST_F(ProjectTest, NewComponentsCarryTheirDefaults) {
  Species co2 = named<Species>("CO2");
  co2.s = 1;
  co2.CCdef = 6e-4f;
  project.species.addElement(co2);
  ASSERT_TRUE(project.setContaminants(d.reporter));
  Ref<Level> level = project.currentLevel;

  Zone zone = project.newZone();
  EXPECT_EQ(zone.flags, ZoneFlag::VariablePressure | ZoneFlag::VariableContaminants);
  EXPECT_FLOAT_EQ(zone.T0, 295.0f);
  EXPECT_EQ(zone.colour, -1);
  EXPECT_EQ(zone.units, (std::array<std::int16_t, 4>{1, 3, 1, 1}));
  EXPECT_FLOAT_EQ(zone.oneD.cellSize, 0.1f);
  EXPECT_FLOAT_EQ(zone.oneD.dispersion, 0.1f);
  EXPECT_EQ(zone.level, level);
  EXPECT_THAT(zone.CC0, ElementsAre(6e-4f));
  EXPECT_EQ(zone.axis, 0);

  AirflowPath wall = project.newPath({kDirDown, -1, 3});
  EXPECT_FLOAT_EQ(wall.mult, 1.0f);
  EXPECT_FLOAT_EQ(wall.wazm, -1.0f);
  EXPECT_EQ(wall.units, (std::array<std::int16_t, 4>{1, 1, 1, 4}));
  EXPECT_EQ(wall.dir, kDirDown);
  EXPECT_TRUE(wall.from.isAmbient());
  EXPECT_FLOAT_EQ(wall.relHt, 1.5f);
  EXPECT_EQ(wall.cfdValues, (std::array<std::int16_t, 3>{1, 1, 1}));
  EXPECT_EQ(wall.level, level);
  AirflowPath floorPath = project.newPath({kDirFromBelow, 0, 0});
  EXPECT_FLOAT_EQ(floorPath.relHt, 0.0f);
  project.settings.defaults.ud = 0;
  EXPECT_EQ(project.newPath({kDirUp, 0, 0}).units, (std::array<std::int16_t, 4>{0, 0, 0, 4}));
  project.settings.defaults.ud = 1;

  DuctSegment duct = project.newDuct(2);
  EXPECT_EQ(duct.dir, 2);
  EXPECT_FLOAT_EQ(duct.len, 5.0f);
  EXPECT_FLOAT_EQ(duct.Ain, 0.15708f);
  EXPECT_FLOAT_EQ(duct.Aout, 0.15708f);
  EXPECT_EQ(duct.colour, -1);
  EXPECT_EQ(duct.units, (std::array<std::int16_t, 2>{1, 1}));

  Junction junction = project.newJunction(kTerminalIcon);
  EXPECT_FLOAT_EQ(junction.T0, 295.0f);
  EXPECT_EQ(junction.icon, kTerminalIcon);
  EXPECT_THAT(junction.CC0, ElementsAre(6e-4f));
  EXPECT_EQ(junction.level, level);

  EXPECT_FLOAT_EQ(project.newSourceSink().mult, 1.0f);
  Exposure exposure = project.newExposure();
  EXPECT_EQ(exposure.exposure.size(), 1u);
  EXPECT_EQ(exposure.dose.size(), 1u);
}

// Every component and element kind, linked the way the dialogs link them.
TEST_F(ProjectTest, BuildsAWholeBuildingWhoseLinksResolve) {
  auto& p = project;
  Species& air = p.species.addElement(named<Species>("air"));
  DaySchedule& day = p.daySchedules.addElement(named<DaySchedule>("day"));
  WeekSchedule week = named<WeekSchedule>("week");
  week.days.fill(ElementList<DaySchedule>::ref(&day));
  Ref<WeekSchedule> weekRef = ElementList<WeekSchedule>::ref(&p.weekSchedules.addElement(week));
  WindProfile& wind = p.windProfiles.addElement(named<WindProfile>("wall"));
  KineticReaction reaction = named<KineticReaction>("react");
  reaction.pairs.push_back(
      {ElementList<Species>::ref(&air), ElementList<Species>::ref(&air), 1e-3f});
  Ref<KineticReaction> reactionRef =
      ElementList<KineticReaction>::ref(&p.reactions.addElement(reaction));
  FilterElement& fe = p.filterElements.addElement(named<FilterElement>("filt"));
  AirflowElement& crack = p.airflowElements.addElement(named<AirflowElement>("crack"));
  DuctElement& dwc = p.ductElements.addElement(named<DuctElement>("dwc"));
  SourceElement source = named<SourceElement>("src");
  source.species = ElementList<Species>::ref(&air);
  SourceElement& se = p.sourceElements.addElement(source);

  Filter filter;
  filter.element = ElementList<FilterElement>::ref(&fe);
  filter.subElements.push_back({1.0f, filter.element, {}});
  Ref<Filter> filterRef = p.filters.ref(p.addFilter(filter));

  Zone zone = p.newZone();
  zone.name = "office";
  zone.schedule = weekRef;
  zone.reaction = reactionRef;
  int z = p.addZone(zone);
  AirflowPath path = p.newPath({kDirDown, -1, z});
  path.element = ElementList<AirflowElement>::ref(&crack);
  path.filter = filterRef;
  path.windProfile = ElementList<WindProfile>::ref(&wind);
  int pn = p.addPath(path);

  Junction a = p.newJunction(158), b = p.newJunction(kTerminalIcon);
  b.t = JunctionKind::Terminal;
  b.zone = p.zoneRef(z);
  Ref<Junction> ja = p.junctions.ref(p.addJunction(a));
  Ref<Junction> jb = p.junctions.ref(p.addJunction(b));
  DuctSegment duct = p.newDuct(2);
  duct.from = ja;
  duct.to = jb;
  duct.element = ElementList<DuctElement>::ref(&dwc);
  int dn = p.addDuct(duct);
  p.junctions.find(ja)->duct = p.ducts.ref(dn);

  SourceSink css = p.newSourceSink();
  css.zone = p.zoneRef(z);
  css.element = ElementList<SourceElement>::ref(&se);
  p.addCss(css);
  OccupancySchedule occ = named<OccupancySchedule>("occ");
  occ.points = {{0, p.zoneRef(z), 0, 0, 0}, {86400, {}, 0, 0, 0}};
  fillEndOfDayZones(occ.points);
  Exposure person = p.newExposure();
  person.occupancy.fill(ElementList<OccupancySchedule>::ref(&p.occupancySchedules.addElement(occ)));
  person.generations.push_back({ElementList<Species>::ref(&air), weekRef, 1e-6f, 0});
  p.addExposure(person);
  Annotation note;
  note.text = "north wing";
  p.addNote(note);
  p.createAhs(d.reporter, "ahs");

  const AirflowPath& stored = *p.paths.at(pn);
  EXPECT_EQ(p.zoneNumber(stored.from), -1);
  EXPECT_EQ(p.zoneNumber(stored.to), z);
  EXPECT_EQ(p.airflowElements.find(stored.element), &crack);
  EXPECT_EQ(p.filterElements.find(p.filters.find(stored.filter)->element), &fe);
  EXPECT_EQ(p.windProfiles.find(stored.windProfile), &wind);
  EXPECT_EQ(p.weekSchedules.find(p.zones.at(z)->schedule)->days[11].id, day.id);
  EXPECT_EQ(p.species.find(p.reactions.find(reactionRef)->pairs[0].reactant), &air);
  EXPECT_EQ(p.junctions.find(p.ducts.at(dn)->to)->zone, p.zoneRef(z));
  EXPECT_EQ(p.ducts.find(p.junctions.find(ja)->duct)->number, dn);
  EXPECT_EQ(p.sourceElements.find(p.sourceSinks.at(1)->element)->species.id, air.id);
  const OccupancySchedule* visited = p.occupancySchedules.find(p.exposures.at(1)->occupancy[0]);
  ASSERT_NE(visited, nullptr);
  EXPECT_EQ(visited->points[1].zone, p.zoneRef(z));
  EXPECT_EQ(p.annotations.at(1)->text, "north wing");
  EXPECT_EQ(p.zones.count(), 3);
  EXPECT_EQ(p.paths.count(), 4);
  EXPECT_TRUE(p.marks.modified);
  EXPECT_TRUE(p.marks.renumberDue);
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

TEST_F(ProjectTest, LinksSurviveRenamesGrowthAndDeletion) {
  auto& p = project;
  AirflowElement& a = p.airflowElements.addElement(named<AirflowElement>("a"));
  p.airflowElements.addElement(named<AirflowElement>("m"));
  int z = p.addZone(p.newZone());
  AirflowPath path = p.newPath({kDirUp, z, 0});
  path.element = ElementList<AirflowElement>::ref(&a);
  int pn = p.addPath(path);
  Ref<AirflowPath> pathRef = p.paths.ref(pn);

  // Renaming moves the element in name order; the path still names it.
  AirflowElement renamed = a;
  renamed.name = "z";
  p.airflowElements.replaceElement(d.reporter, a, renamed);
  EXPECT_EQ(p.airflowElements[1].name, "z");
  EXPECT_EQ(p.airflowElements.find(p.paths.at(pn)->element)->name, "z");

  // Growing both tables far past their first step.
  for (int i = 0; i < 1100; ++i) p.addZone(p.newZone());
  p.putPath(p.newPath({kDirUp, 0, 0}), 3000);
  EXPECT_EQ(p.paths.find(pathRef), p.paths.at(pn));
  EXPECT_EQ(p.zones.find(p.paths.at(pn)->from)->number, z);

  // Deleting the zone and the element leaves links that resolve to nothing, also after the
  // freed records are reused.
  ASSERT_TRUE(p.deleteZone(d.reporter, z));
  p.airflowElements.deleteElement(d.reporter, p.airflowElements[1]);
  p.addZone(p.newZone());
  p.airflowElements.addElement(named<AirflowElement>("b"));
  EXPECT_EQ(p.zone(p.paths.at(pn)->from), nullptr);
  EXPECT_EQ(p.zoneNumber(p.paths.at(pn)->from), 0);
  EXPECT_EQ(p.airflowElements.find(p.paths.at(pn)->element), nullptr);
}

TEST_F(ProjectTest, AZoneThatOccupantsVisitIsNotDeleted) {
  int z = project.addZone(project.newZone());
  for (const char* name : {"weekday", "weekend"}) {
    OccupancySchedule occ = named<OccupancySchedule>(name);
    occ.points = {{0, project.zoneRef(z), 0, 0, 0}};
    project.occupancySchedules.addElement(occ);
  }
  EXPECT_FALSE(project.deleteZone(d.reporter, z));
  EXPECT_NE(project.zones.at(z), nullptr);
  EXPECT_THAT(d.messages(),
              ElementsAre("This zone is referenced by 2 occupancy schedules.\n You must remove all "
                          "references to this zone before it can be deleted."));
  EXPECT_FALSE(project.deleteZone(d.reporter, z + 1));
}

TEST_F(ProjectTest, AmbientIsOneFixedRecordOutsideTheZoneTable) {
  EXPECT_EQ(project.zone(Ref<Zone>::ambient()), &project.ambient);
  EXPECT_EQ(project.ambient.number, -1);
  EXPECT_TRUE(project.zoneRef(-1).isAmbient());
  EXPECT_TRUE(project.zoneRef(0).empty());
  EXPECT_EQ(project.zoneNumber(Ref<Zone>{}), 0);
  EXPECT_EQ(project.zones.count(), 0);
}

// A super element gives its path one implicit path per sub-element.
class ImplicitPathTest : public ProjectTest {
 protected:
  ImplicitPathTest() {
    auto& p = project;
    Ref<AirflowElement> low = ElementList<AirflowElement>::ref(
        &p.airflowElements.addElement(named<AirflowElement>("low")));
    Ref<AirflowElement> high = ElementList<AirflowElement>::ref(
        &p.airflowElements.addElement(named<AirflowElement>("high")));
    AirflowElement super = named<AirflowElement>("super");
    super.type = kSuperAirflowType;
    super.typeData = SuperAirflowData{{{low, 0.5f, true, false}, {high, 2.0f, false, true}}, 0};
    superRef = ElementList<AirflowElement>::ref(&p.airflowElements.addElement(super));
    lowRef = low;
    highRef = high;

    int z = p.addZone(p.newZone());
    AirflowPath path = p.newPath({kDirDown, -1, z});
    path.element = superRef;
    path.flags = PathFlag::WindPressure;
    path.filter = p.filters.ref(p.addFilter(Filter{}));
    path.schedule =
        ElementList<WeekSchedule>::ref(&p.weekSchedules.addElement(named<WeekSchedule>("week")));
    path.wPmod = 0.4f;
    path.wazm = 90.0f;
    path.X = 1.0f;
    path.Y = 2.0f;
    path.Fahs = 3.0f;
    parentNumber = p.addPath(path);
  }
  Ref<AirflowElement> superRef, lowRef, highRef;
  int parentNumber = 0;
};

TEST_F(ImplicitPathTest, CopiesTheParentAndTakesEachSubElement) {
  AirflowPath& parent = *project.paths.at(parentNumber);
  project.setImplicitPaths(parent);
  ASSERT_EQ(parent.implicitPaths.size(), 2u);
  const AirflowPath& first = *project.paths.find(parent.implicitPaths[0]);
  const AirflowPath& second = *project.paths.find(parent.implicitPaths[1]);
  EXPECT_EQ(first.element, lowRef);
  EXPECT_EQ(second.element, highRef);
  EXPECT_FLOAT_EQ(first.relHt, parent.relHt + 0.5f);
  EXPECT_FLOAT_EQ(second.relHt, parent.relHt + 2.0f);
  EXPECT_EQ(first.filter, parent.filter);
  EXPECT_TRUE(second.filter.empty());
  EXPECT_TRUE(first.schedule.empty());
  EXPECT_EQ(second.schedule, parent.schedule);
  for (const AirflowPath* p : {&first, &second}) {
    EXPECT_EQ(p->flags, parent.flags);
    EXPECT_EQ(p->dir, parent.dir);
    EXPECT_EQ(p->from, parent.from);
    EXPECT_EQ(p->to, parent.to);
    EXPECT_FLOAT_EQ(p->wPmod, 0.4f);
    EXPECT_FLOAT_EQ(p->wazm, 90.0f);
    EXPECT_FLOAT_EQ(p->X, 1.0f);
    EXPECT_EQ(p->units, parent.units);
    EXPECT_EQ(p->level, project.currentLevel);
    EXPECT_FLOAT_EQ(p->Fahs, 0.0f);
    EXPECT_EQ(p->icn, 0);
    EXPECT_TRUE(p->implicitPaths.empty());
  }
}

TEST_F(ImplicitPathTest, EditingReplacesTheImplicitPathsAndAnOrdinaryElementKeepsNone) {
  AirflowPath& parent = *project.paths.at(parentNumber);
  project.setImplicitPaths(parent);
  std::vector<Ref<AirflowPath>> old = parent.implicitPaths;
  project.setImplicitPaths(parent);
  ASSERT_EQ(parent.implicitPaths.size(), 2u);
  for (Ref<AirflowPath> r : old) EXPECT_EQ(project.paths.find(r), nullptr);

  parent.element = lowRef;
  project.setImplicitPaths(parent);
  EXPECT_TRUE(parent.implicitPaths.empty());
  EXPECT_EQ(project.paths.freeCount(), 2u);
}

TEST_F(ImplicitPathTest, ReadPathsAreTiedToTheirParentAgain) {
  AirflowPath& parent = *project.paths.at(parentNumber);
  project.setImplicitPaths(parent);
  std::vector<Ref<AirflowPath>> made = parent.implicitPaths;
  parent.implicitPaths.clear();  // as a project file reader leaves them
  EXPECT_EQ(project.relinkImplicitPaths(), 1);
  EXPECT_EQ(parent.implicitPaths, made);

  // A path with an icon is never an implicit path.
  parent.implicitPaths.clear();
  project.paths.at(parentNumber + 2)->icn = 25;
  EXPECT_EQ(project.relinkImplicitPaths(), 0);
  EXPECT_TRUE(parent.implicitPaths.empty());
}

TEST(ElementTypes, KeywordsFollowTheTypeCodes) {
  EXPECT_EQ(typeKeyword(kFlowElementKeywords, 0), "plr_orfc");
  EXPECT_EQ(typeKeyword(kFlowElementKeywords, kFanType), "fan_fan");
  EXPECT_EQ(typeKeyword(kFlowElementKeywords, kSuperAirflowType), "sup_afe");
  EXPECT_EQ(typeKeyword(kFlowElementKeywords, kFirstDuctType), "dct_dwc");
  EXPECT_EQ(typeKeyword(kFlowElementKeywords, kLastDuctType), "dct_psq");
  EXPECT_EQ(typeKeyword(kFlowElementKeywords, 41), "");
  EXPECT_EQ(typeKeyword(kSourceElementKeywords, kSuperSourceType), "sup");
  EXPECT_EQ(typeKeyword(kFilterElementKeywords, -1), "");
}

TEST(DeletionQuestions, NameThePhantomZonesAbove) {
  EXPECT_EQ(zoneDeletionQuestion(0), "Delete this zone icon?");
  EXPECT_EQ(zoneDeletionQuestion(2),
            "Delete this zone icon and clear\nthe 2 phantom zone(s) above it?");
}

}  // namespace
}  // namespace mz
