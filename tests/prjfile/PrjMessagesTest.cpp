// The reader's and writer's messages, each from a small change to a canonical file.

#include <gtest/gtest.h>

#include "PrjFixture.h"
#include "support/TestSupport.h"

namespace mz::test {
namespace {

struct Edit {
  const char* from;  // text of the canonical file, replaced once
  const char* to;
  const char* message;  // a message the read shows
};

std::string edited(std::string text, const Edit& e) {
  std::size_t at = text.find(e.from);
  EXPECT_NE(at, std::string::npos) << e.from;
  if (at != std::string::npos) text.replace(at, std::string_view(e.from).size(), e.to);
  return text;
}

std::vector<std::string> readMessages(const std::string& text, int expected = 1) {
  Diagnostics d;
  auto project = std::make_unique<Project>();
  ProjectFileInfo info;
  EXPECT_EQ(readProjectText(d.reporter, project, info, text), expected);
  if (expected != 0) {
    // A failed read leaves a clean project.
    EXPECT_EQ(project->zones.count(), 0);
    EXPECT_TRUE(project->levels.empty());
    EXPECT_TRUE(project->airflowElements.empty());
  }
  return d.messages();
}

bool shows(const std::vector<std::string>& messages, std::string_view text) {
  for (const std::string& m : messages)
    if (m.find(text) != std::string::npos) return true;
  return false;
}

TEST(PrjMessages, EachReadFaultOfAFullFileIsReportedAndFailsTheRead) {
  auto project = fullProject();
  const std::string canonical = projectText(*project);
  const Edit edits[] = {
      {"MulzonW 3.0 ", "Mulzon 3.0 ", "Cannot convert to MulzonW 3.0"},
      {"MulzonW 3.0 ", "MulzonW 1.0 ", "(text) is a MulzonW 1.0 file"},
      {"MulzonW 3.0 ", "MulzonW 2.4 ", "(text) is a MulzonW 2.4 file"},
      {"MulzonW 3.0 ", "MulzonW 9.9 ", "(text) is a MulzonW 9.9 file"},
      {"0 0 0 0 0 ! steady simulation", "0 0 0 0 x ! steady simulation", "Bad short integer: x"},
      {"2 ! rvals:", "0 ! rvals:", "Invalid rvals count: 0"},
      {"2 ! rvals:", "-3 ! rvals:", "Invalid count in project file: -3"},
      {"1 ! contaminants:\n   1", "1 ! contaminants:\n   7", "Invalid contaminant number: 7"},
      {"  2 0 0  18.0000", "  3 0 0  18.0000", "Species number mis-match: 2"},
      {"2 ! levels plus icon data:", "2000000000 ! levels plus icon data:",
       "Invalid count in project file: 2000000000"},
      {"  23   6   2   1\n", "  23  99   2   1\n",
       "Item outside the SketchPad: level 1 icon (23 99 2 1)"},
      {"  1   0.000   3.000 15 0 0 Ground", "  1   0.000   3.000 15 0 0 Ground_level_name",
       "Buffer overflow: Ground_level_na"},
      {"  2    3    1    0    0 day2", "  1    3    1    0    0 day2",
       "Day-schedule number mis-match: 2"},
      {" 2 1 1 1 1 1 1 1 1 1 1 1\n", " 0 1 1 1 1 1 1 1 1 1 1 1\n", "Bad day-schedule: 0"},
      {"1 3 2 roof", "1 18 2 roof", "More than 17 points or entries: 18"},
      {"2 3 1 wall", "3 3 1 wall", "Wind number mis-match: 2"},
      {"1 cef 0.5", "1 xyz 0.5", "Undefined Element Type: xyz"},
      {"  2   4   3\n", "  2   9   3\n", "Invalid filter element number: 9"},
      {"  2   4   3\n", "  2   4   4\n", "More than 3 points or entries: 4"},
      {"13 CO2 sxd ss12", "13 CO2 abc ss12", "Invalid S/S element type 14"},
      {"\n 3 2\n  1e-07 0.1", "\n 300 2\n  1e-07 0.1", "More than 256 filter points: 300"},
      {"24 23 csf_fsp af23\nabout af23\n 3 0 0", "24 23 csf_fsp af23\nabout af23\n 257 0 0",
       "More than 256 spline points: 257"},
      {"\n 0 0 0 0 2 0.01 0\n", "\n 0 0 0 0 11 0.01 0\n", "More than 10 points or entries: 11"},
      {"28 23 sup_afe af27\nabout af27\n  2 6 0\n  1 0.5 1",
       "28 23 sup_afe af27\nabout af27\n  2 6 0\n  99 0.5 1",
       "Invalid sub-element number, element 28"},
      {"1 23 dct_dwc dct28", "1 23 plr_orfc dct28", "Invalid element type 0"},
      {"21 23 fan_cmf af20", "21 23 dct_cmf af20", "Invalid element type 33"},
      {" 2 1 2 3\n", " 12 1 2 3\n", "More than 10 polynomial coefficients, node 15"},
      {" 13 sum   0 0 2   0   0 n13", " 13 sum   0 0 2  44   0 n13",
       "Invalid control node number, node 13"},
      {"  1 sns   0 0 0", "  1 snx   0 0 0", "Undefined Element Type: snx"},
      {" 0 1 0 0 1 1 0   0.000", " 0 1 0 0 1 9 0   0.000", " Unidentified sensor type"},
      {" 0 1 0 0 1 1 0   0.000", " 0 1 0 0 77 1 0   0.000", "Invalid sensor item number, node 1"},
      {" 0 1 19 20\n", " 0 3 19 20\n", "Invalid super element number, node 18"},
      {"  1   4   5   6   7   8 ahs1", "  1   4   9   6   7   8 ahs1",
       "Invalid zone number, AHS 1"},
      {"   2  3   1   0   0   1", "   2  3   9   0   0   1", "Invalid schedule number, zone 2"},
      {"   2  3   1   0   0   1", "   2  3   1   0   0   0", "Invalid level number, zone 2"},
      {"   2  3   1   0   0   1", "   2  3   1   0   4   1", "Invalid reaction number, zone 2"},
      {"   2  3   1   0   0   1", "   2  3   1  99   0   1", "Invalid control node number, zone 2"},
      {"5 ! initial zone concentrations:", "4 ! initial zone concentrations:",
       "Zones*contaminant count mis-match: 4"},
      {"   3  6.000e-04", "   9  6.000e-04", "Zone number mis-match: 3"},
      {"   1    0   1   2   1", "   1    0   1   2   0", "Invalid flow element number, path 1"},
      {"   1    0   1   2   1", "   1    0   1   7   1", "Invalid zone number, path 1"},
      {"   1    0   1   2   1   0   0   0", "   1    0   1   2   1   0   0   1",
       "Invalid AHS number, path 1"},
      {"   2    1  -1   3   1   1", "   2    1  -1   3   1   8", "Invalid filter number, path 2"},
      {"   2    1  -1   3   1   1   1", "   2    1  -1   3   1   1   5",
       "Invalid wind profile number, path 2"},
      {"   2  0 3  -1   0", "   2  0 3  -9   0", "Invalid zone number, junction 2"},
      {"   2  0 3  -1   0", "   2  0 -3  -1   0", "Bad short unsigned integer: -3"},
      {"   1  0 0   0   1", "   1  0 0   0   5", "Invalid duct number, junction 1"},
      {"2 ! initial junction concentrations:", "3 ! initial junction concentrations:",
       "Junctions*contaminant count mis-match: 3"},
      {"   1  0   1   2   1", "   1  0   1   2   0", "Invalid duct element number, duct 1"},
      {"   1  0   1   2   1", "   1  0   1   6   1", "Invalid junction number, duct 1"},
      {"  1   1   1   1   0     1", "  1   1   0   1   0     1",
       "Invalid element number, source 1"},
      {" 01:00:00 1   1.000", " 01:00:00 8   1.000", "Invalid zone number, Occ 1"},
      {" 1 1 1 1 1 1 1 1 1 1 1 1 ! occ. schd", " 3 1 1 1 1 1 1 1 1 1 1 1 ! occ. schd",
       "Invalid occupancy-schedule number, exposure 1"},
      {" CO2 1 1e-06 0 ! occ. gen", " CO3 1 1e-06 0 ! occ. gen", "Species not found: CO3"},
      {"2 !bang", "3 !bang", "Note number mis-match: 2"},
      {"\n-999\n1 ! contaminants:", "\n1 ! contaminants:", "PRJ read error; see LOG file"},
      {"2 ! annotations:", "3 ! annotations:", "Note number mis-match: 3"},
  };
  for (const Edit& e : edits) {
    std::vector<std::string> messages = readMessages(edited(canonical, e));
    EXPECT_TRUE(shows(messages, e.message))
        << e.message << "\n got: " << testing::PrintToString(messages);
  }
}

TEST(PrjMessages, ReadsThatGoOnWithANotice) {
  auto project = fullProject();
  const std::string canonical = projectText(*project);
  const Edit edits[] = {
      {"MulzonW 3.0 ", "MulzonW 3.0a", "PRJ file may require revision (a) of MulzonW 3.0"},
      {" CO2 H2O 0.1", " CO2 N2 0.1", "Name not found: N2"},
      {"   1  0   1   2   1   0   1   0   2 5", "   1  0   1   2   1   0   1   0   2 0",
       "Duct 1 with DWC element has neither length nor loss coefficient"},
  };
  for (const Edit& e : edits)
    EXPECT_TRUE(shows(readMessages(edited(canonical, e), 0), e.message)) << e.message;
}

TEST(PrjMessages, TsmaxiBelowTwoReadsAsTwoAndIconRepairsAreReported) {
  auto project = smallProject();
  project->settings.runControl.tsmaxi = 1;
  project->levels.lowest()->items.push_back({5, 5, 5, 0});
  Diagnostics d;
  std::string text;
  EXPECT_FALSE(writeProjectText(d.reporter, *project, {}, text));
  EXPECT_TRUE(shows(d.messages(),
                    "Invalid zone #: level 1 icon (5 5 5 0)\nThe icon has been set "
                    "to undefined."));
  // The repaired item is saved the next time.
  ASSERT_TRUE(writeProjectText(d.reporter, *project, {}, text));
  auto read = std::make_unique<Project>();
  ProjectFileInfo info;
  ASSERT_EQ(readProjectText(d.reporter, read, info, text), 0);
  EXPECT_EQ(read->settings.runControl.tsmaxi, 2);
  EXPECT_EQ(read->levels.lowest()->items.back().number, -2);
}

TEST(PrjMessages, IconsThatCannotBeRepairedFailTheRead) {
  const struct {
    LevelItem item;
    const char* message;
  } cases[] = {
      {{5, 5, 154, 0}, "Invalid duct #: level 1 icon (154 5 5 0)\nThis icon cannot be undefined."},
      {{5, 5, 132, 1}, "Invalid icon: level 1 icon (132 5 5 1)"},
  };
  for (const auto& c : cases) {
    auto project = smallProject();
    project->levels.lowest()->items.push_back(c.item);
    Diagnostics d;
    std::string text;
    writeProjectText(d.reporter, *project, {}, text);
    std::vector<std::string> messages = readMessages(text);
    EXPECT_TRUE(shows(messages, c.message)) << c.message;
    EXPECT_TRUE(shows(messages, "There are errors in the icon list in the project file: \n"));
  }
}

TEST(PrjMessages, WriterChecksItsReferences) {
  auto project = smallProject();
  project->paths.at(2)->element = {};
  TempDir dir;
  writeFile(dir / "keep.prj", "old");
  Diagnostics d;
  EXPECT_EQ(writeProject(d.reporter, *project, {}, dir / "keep.prj"), 1);
  EXPECT_EQ(d.messages(),
            (std::vector<std::string>{"Invalid flow element number, path 2",
                                      "Did not save project file because of errors"}));
  EXPECT_EQ(readFile(dir / "keep.prj"), "old");
}

TEST(PrjMessages, MissingFileIsReported) {
  Diagnostics d;
  auto project = std::make_unique<Project>();
  ProjectFileInfo info;
  EXPECT_EQ(readProject(d.reporter, project, info, "/nonexistent/x.prj"), 1);
  EXPECT_EQ(d.messages().front(), "Could not open file: /nonexistent/x.prj");
}

}  // namespace
}  // namespace mz::test

namespace mz::test {
namespace {

TEST(PrjMessages, EachWriteFaultIsReportedAndFailsTheSave) {
  const struct {
    const char* message;
    void (*damage)(Project&);
  } cases[] = {
      {"Bad week-schedule: week1", [](Project& p) { p.weekSchedules.first()->days[3] = {}; }},
      {"nctm mis-match", [](Project& p) { p.species.findElement("H2O")->s = 1; }},
      {"Invalid zone number, schedule 1",
       [](Project& p) { p.occupancySchedules.first()->points[1].zone = Ref<Zone>{999}; }},
      {"Controls out of order", [](Project& p) { p.controls.at(3)->number = 7; }},
      {"Invalid element type 5",
       [](Project& p) { p.airflowElements.findElement("af05")->typeData = OrificeData{}; }},
      {"Invalid element type 36", [](Project& p) { p.controls.at(5)->type = 36; }},
      {"Unidentified sensor pointer",
       [](Project& p) { std::get<SensorData>(p.controls.at(1)->data).source = 9; }},
      {"Invalid zone number, AHS 1", [](Project& p) { p.ahs.first()->returnZone = {}; }},
      {"Invalid path number, AHS 1", [](Project& p) { p.ahs.first()->exhaustPath = {}; }},
      {"Invalid level number, zone 1", [](Project& p) { p.zones.at(1)->level = {}; }},
      {"Invalid schedule number, zone 1",
       [](Project& p) { p.zones.at(1)->schedule = Ref<WeekSchedule>{999}; }},
      {"Invalid AHS number, path 4", [](Project& p) { p.paths.at(4)->ahs = {}; }},
      {"Invalid flow element number, path 1", [](Project& p) { p.paths.at(1)->element = {}; }},
      {"Invalid duct number, junction 1",
       [](Project& p) { p.junctions.at(1)->duct = Ref<DuctSegment>{999}; }},
      {"Invalid duct element number, duct 1", [](Project& p) { p.ducts.at(1)->element = {}; }},
      {"Invalid junction number, duct 1",
       [](Project& p) { p.ducts.at(1)->from = Ref<Junction>{999}; }},
      {"Invalid element number, source 1", [](Project& p) { p.sourceSinks.at(1)->element = {}; }},
      {"Invalid occupancy-schedule number, exposure 1",
       [](Project& p) { p.exposures.at(1)->occupancy[2] = Ref<OccupancySchedule>{999}; }},
      {"Invalid rvals count: 0", [](Project& p) { p.settings.runControl.rvals.clear(); }},
      {"Invalid file name: \"a!b.wth\"", [](Project& p) { p.settings.files.weather = "a!b.wth"; }},
      {"More than 10 fan points: 11",
       [](Project& p) {
         std::get<FanData>(p.airflowElements.findElement("af22")->typeData).points.resize(11);
       }},
  };
  for (const auto& c : cases) {
    auto project = fullProject();
    c.damage(*project);
    Diagnostics d;
    std::string text;
    EXPECT_FALSE(writeProjectText(d.reporter, *project, {}, text)) << c.message;
    EXPECT_TRUE(shows(d.messages(), c.message))
        << c.message << "\n got: " << testing::PrintToString(d.messages());
  }
}

TEST(PrjMessages, WritingWithoutWpcFileClearsItsTriggerFlag) {
  auto project = smallProject();
  project->settings.runControl.outputFlags[kOutputFlags - 1] = 1;
  projectText(*project);
  EXPECT_EQ(project->settings.runControl.outputFlags[kOutputFlags - 1], 0);
}

TEST(PrjMessagesDeathTest, AGapInAComponentTableEndsTheProgram) {
  auto project = smallProject();
  project->zones.free(2);
  project->zones.put(*project->zones.at(3), 3);
  EXPECT_EXIT(
      {
        Diagnostics d;
        std::string text;
        writeProjectText(d.reporter, *project, {}, text);
      },
      testing::ExitedWithCode(1), "");
}

}  // namespace
}  // namespace mz::test
