// The project life cycle through the scripted ui port: the save question, opening with its
// failures and its untitled cases, saving that never damages the file on disk, and the title.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/FileKinds.h"
#include "app/Prjinout.h"
#include "app/Session.h"
#include "sketchpad/SketchText.h"
#include "support/FaultyDisk.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

namespace fs = std::filesystem;
using test::DiskStep;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

AirflowElement crackElement(std::string name) {
  AirflowElement e;
  e.type = 5;
  e.icon = 23;
  e.name = std::move(name);
  e.typeData = PowerLawData{};
  return e;
}

// The file of a project drawn on a grid of 60 rows and 80 columns: on each of two levels one
// room with a path through its wall to ambient. Zones and paths are numbered from the lower
// level up, the reverse of drawing order; the lower path has a super element of three
// sub-elements whose implicit paths come last.
std::string drawnProjectText() {
  test::Diagnostics d;
  Project p;
  SuperAirflowData super;
  for (const char* name : {"a", "b", "c"})
    super.subElements.push_back(
        {ElementList<AirflowElement>::ref(&p.airflowElements.addElement(crackElement(name))), 0.5f,
         false, false});
  const auto crack =
      ElementList<AirflowElement>::ref(&p.airflowElements.addElement(crackElement("crack")));
  AirflowElement superElement = crackElement("super");
  superElement.type = kSuperAirflowType;
  superElement.typeData = super;
  const auto superRef =
      ElementList<AirflowElement>::ref(&p.airflowElements.addElement(superElement));
  for (int n = 1; n <= 2; ++n) {
    const std::optional<SketchText> drawing = parseSketchText(cformat(R"(grid 60 80
............
.+-----+....
.|.....|....
.|.Z%d..F%d...
.|.....|....
.+-----+....
)",
                                                                      n, n));
    Level& level = p.addLevel(p.levels.highest());
    level.items = drawing->items;
    Zone zone = p.newZone();
    zone.name = cformat("Z%d", n);
    zone.level = Levels::ref(&level);
    zone.Vol = 30.0f;
    p.putZone(zone, n);
    AirflowPath path = p.newPath({});
    path.level = Levels::ref(&level);
    path.element = n == 1 ? superRef : crack;
    p.putPath(path, n);
  }
  p.currentLevel = Levels::ref(p.levels.lowest());
  p.setImplicitPaths(*p.paths.at(1));
  std::string text;
  EXPECT_TRUE(writeProjectText(d.reporter, p, {60, 80, false, false}, text))
      << testing::PrintToString(d.messages());
  return text;
}

class RecordingWindow final : public ProjectWindow {
 public:
  void projectReplaced() override { ++replaced; }
  void titleChanged(std::string_view title) override { titles.emplace_back(title); }
  int replaced = 0;
  std::vector<std::string> titles;
};

class LifeCycle : public ::testing::Test {
 protected:
  LifeCycle() {
    session.startDirectory = dir.path();
    fs::create_directory(dir / "user");
    session.files.projectBackup = dir / "user" / "PROJECT.BKP";
    test::writeFile(house, houseText);
    life.setWindow(&window);
  }

  // The texts of the questions asked, in order.
  std::vector<std::string> questions() const {
    std::vector<std::string> out;
    for (const UiEvent& e : diag.ui.eventsOf(UiEvent::Kind::YesNoCancel)) out.push_back(e.text);
    return out;
  }
  void openHouse() {
    ASSERT_TRUE(life.openProjectFile(house.native())) << testing::PrintToString(diag.messages());
    diag.ui.clear();
  }

  test::TempDir dir;
  test::Diagnostics diag;
  Session session{diag.ui};
  test::FaultyDisk disk;
  ProjectLife life{session, disk};
  RecordingWindow window;
  const std::string houseText = drawnProjectText();
  const fs::path house = dir / "house.prj";
};

TEST_F(LifeCycle, StartsWithANewUntitledProject) {
  EXPECT_EQ(life.title(), "MULZONW3 - (untitled)");
  EXPECT_TRUE(life.untitled());
  ASSERT_EQ(life.project().levels.size(), 1u);
  EXPECT_EQ(life.project().levels.lowest()->name, "<1>");
  EXPECT_EQ(life.project().current(), life.project().levels.lowest());
  EXPECT_EQ(life.pad().rows(), 58);
  EXPECT_EQ(life.pad().columns(), 66);
  EXPECT_FALSE(life.project().marks.modified);
  EXPECT_EQ(diag.ui.events().back().text, "Col 1, Row 1");
  // A name that begins with a blank stands for no name.
  EXPECT_EQ(windowTitle(" house"), "MULZONW3 - (untitled)");
  EXPECT_EQ(windowTitle("house"), "MULZONW3 - house");
}

TEST_F(LifeCycle, OpeningTakesTheFileWithItsGridAndRemembersIt) {
  ASSERT_TRUE(life.openProjectFile("house.prj"));  // relative to the start folder
  EXPECT_EQ(life.path(), house.native());
  EXPECT_EQ(life.title(), "MULZONW3 - house");
  EXPECT_EQ(window.titles.back(), "MULZONW3 - house");
  EXPECT_EQ(window.replaced, 1);
  EXPECT_FALSE(life.project().marks.modified);
  EXPECT_EQ(life.project().levels.size(), 2u);
  EXPECT_EQ(life.pad().rows(), 60);
  EXPECT_EQ(life.pad().columns(), 80);
  EXPECT_EQ(life.project().current(), life.project().levels.lowest());
  EXPECT_THAT(session.recent.paths(), ElementsAre(house.native()));
  EXPECT_EQ(test::readFile(session.files.projectBackup), houseText);
  EXPECT_THAT(diag.messages(), IsEmpty());

  // A new project takes the new project's grid again.
  ASSERT_TRUE(life.newProject());
  EXPECT_EQ(life.pad().rows(), 58);
  EXPECT_EQ(life.pad().columns(), 66);
  EXPECT_EQ(life.title(), "MULZONW3 - (untitled)");
}

TEST_F(LifeCycle, OpeningTiesTheImplicitPathsOfASuperElementToTheirParent) {
  openHouse();
  ASSERT_TRUE(life.saveProject());
  openHouse();
  // In drawing order: the upper level's path, the super element's path and its three
  // implicit paths.
  ASSERT_EQ(life.project().paths.count(), 5);
  const AirflowPath& parent = *life.project().paths.at(2);
  ASSERT_EQ(parent.implicitPaths.size(), 3u);
  for (int k = 0; k < 3; ++k)
    EXPECT_EQ(life.project().paths.numberOf(parent.implicitPaths[static_cast<std::size_t>(k)]),
              3 + k);
  const std::string saved = test::readFile(house);
  ASSERT_TRUE(life.saveProjectTo((dir / "again.prj").native()));
  EXPECT_EQ(test::readFile(dir / "again.prj"), saved);
}

TEST_F(LifeCycle, SavingRenumbersInDrawingOrderAndWritesWhatTheWriterWrites) {
  openHouse();
  ASSERT_TRUE(life.saveProject());
  // The upper level is drawn first.
  EXPECT_EQ(life.project().zones.at(1)->name, "Z2");
  EXPECT_EQ(life.project().zones.at(2)->name, "Z1");
  EXPECT_FALSE(life.project().marks.modified);
  std::string written;
  ASSERT_TRUE(writeProjectText(session.reporter, life.project(), life.fileInfo(), written));
  EXPECT_EQ(test::readFile(house), written);
  EXPECT_NE(written, houseText);
  EXPECT_THAT(diag.messages(), IsEmpty());
  EXPECT_THAT(test::folderNames(dir.path()), ElementsAre("house.prj", "user"));
}

struct QuestionCase {
  const char* name;
  Answer answer;
  bool goesOn;
  bool saved;
};

class SaveQuestion : public LifeCycle, public ::testing::WithParamInterface<QuestionCase> {};

TEST_P(SaveQuestion, NewProjectAsksAboutAModifiedProject) {
  openHouse();
  life.project().settings.description = "changed";
  life.project().marks.modified = true;
  diag.ui.answer(GetParam().answer);
  EXPECT_EQ(life.newProject(), GetParam().goesOn);
  EXPECT_THAT(questions(), ElementsAre("Save changes to current project file: house ?"));
  EXPECT_EQ(life.untitled(), GetParam().goesOn);
  EXPECT_EQ(life.path().empty(), GetParam().goesOn);
  EXPECT_EQ(test::readFile(house).find("changed") != std::string::npos, GetParam().saved);
  if (!GetParam().goesOn) {
    EXPECT_EQ(life.project().settings.description, "changed");
    EXPECT_TRUE(life.project().marks.modified);
  }
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveQuestion,
                         ::testing::Values(QuestionCase{"Yes", Answer::Yes, true, true},
                                           QuestionCase{"No", Answer::No, true, false},
                                           QuestionCase{"Cancel", Answer::Cancel, false, false}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(LifeCycle, AnUnmodifiedProjectIsReplacedWithoutAQuestion) {
  openHouse();
  EXPECT_TRUE(life.newProject());
  EXPECT_THAT(questions(), IsEmpty());
}

TEST_F(LifeCycle, RenumberingDueAsksToo) {
  life.project().marks.renumberDue = true;
  diag.ui.answer(Answer::Cancel);
  EXPECT_FALSE(life.openProject());
  EXPECT_THAT(questions(), ElementsAre("Save changes to current project file: (untitled) ?"));
  EXPECT_THAT(diag.ui.eventsOf(UiEvent::Kind::OpenFile), IsEmpty());
}

TEST_F(LifeCycle, YesWhoseSaveIsCancelledKeepsTheChanges) {
  life.project().marks.modified = true;
  diag.ui.answer(Answer::Yes);
  diag.ui.answerFile(std::nullopt);
  EXPECT_FALSE(life.newProject());
  EXPECT_EQ(diag.ui.eventsOf(UiEvent::Kind::SaveFile).size(), 1u);
  EXPECT_TRUE(life.project().marks.modified);
}

TEST_F(LifeCycle, AReadOnlyFileOpensUntitledAndModified) {
  fs::permissions(house, fs::perms::owner_read | fs::perms::group_read);
  ASSERT_TRUE(life.openProjectFile(house.native()));
  EXPECT_TRUE(life.untitled());
  EXPECT_TRUE(life.path().empty());
  EXPECT_TRUE(life.project().marks.modified);
  EXPECT_EQ(life.title(), "MULZONW3 - (untitled)");
  EXPECT_THAT(session.recent.paths(), ElementsAre(house.native()));

  // Save asks for a name; cancelled, nothing is written.
  diag.ui.answerFile(std::nullopt);
  EXPECT_FALSE(life.saveProject());
  const std::vector<UiEvent> choosers = diag.ui.eventsOf(UiEvent::Kind::SaveFile);
  ASSERT_EQ(choosers.size(), 1u);
  EXPECT_EQ(choosers[0].caption, "Save As");
  EXPECT_EQ(test::readFile(house), houseText);
  EXPECT_TRUE(life.project().marks.modified);
}

TEST_F(LifeCycle, AFailedOpenLeavesACleanNewProject) {
  openHouse();
  test::writeFile(dir / "bad.prj", "not a project\nat all\n");
  EXPECT_FALSE(life.openProjectFile((dir / "bad.prj").native()));
  EXPECT_THAT(diag.messages(),
              ElementsAre((dir / "bad.prj").native() + "Cannot convert to MulzonW 3.0"));
  EXPECT_TRUE(life.untitled());
  EXPECT_TRUE(life.path().empty());
  EXPECT_EQ(life.project().levels.size(), 1u);
  EXPECT_EQ(life.project().zones.count(), 0);
  EXPECT_FALSE(life.project().marks.modified);
  EXPECT_EQ(life.pad().rows(), 58);
  EXPECT_EQ(life.title(), "MULZONW3 - (untitled)");
  EXPECT_THAT(session.recent.paths(), ElementsAre(house.native()));
}

TEST_F(LifeCycle, ABackupThatCannotBeMadeIsOnlyAWarning) {
  session.files.projectBackup = dir / "missing" / "PROJECT.BKP";
  ASSERT_TRUE(life.openProjectFile(house.native()));
  const std::vector<UiEvent> shown = diag.ui.eventsOf(UiEvent::Kind::Message);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].caption, "WARNING");
  EXPECT_THAT(shown[0].text, HasSubstr("Could not open temporary file: "));
  EXPECT_EQ(life.title(), "MULZONW3 - house");
}

TEST_F(LifeCycle, AWriterErrorLeavesTheFileAndTheProjectModified) {
  openHouse();
  life.project().settings.files.weather = "weather!file";
  EXPECT_FALSE(life.saveProject());
  EXPECT_EQ(test::readFile(house), houseText);
  EXPECT_TRUE(life.project().marks.modified);
  ASSERT_FALSE(diag.messages().empty());
  EXPECT_EQ(diag.messages().back(), "Did not save project file because of errors");
  EXPECT_THAT(test::folderNames(dir.path()), ElementsAre("house.prj", "user"));
}

TEST_F(LifeCycle, ADiskFailureLeavesTheFileAndTheProjectModified) {
  for (const DiskStep step : {DiskStep::Create, DiskStep::Write, DiskStep::Rename}) {
    openHouse();
    disk.fail(step);
    EXPECT_FALSE(life.saveProject());
    EXPECT_EQ(test::readFile(house), houseText);
    EXPECT_TRUE(life.project().marks.modified);
    EXPECT_EQ(diag.messages().size(), 1u);
    EXPECT_THAT(test::folderNames(dir.path()), ElementsAre("house.prj", "user"));
    disk.fail(DiskStep::None);
  }
}

TEST_F(LifeCycle, AFailedSaveAsKeepsTheOldNameAndPath) {
  openHouse();
  disk.fail(DiskStep::Create);
  diag.ui.answerFile((dir / "other.prj").native());
  EXPECT_FALSE(life.saveProjectAs());
  EXPECT_EQ(diag.ui.eventsOf(UiEvent::Kind::SaveFile).size(), 1u);
  EXPECT_EQ(life.path(), house.native());
  EXPECT_EQ(life.title(), "MULZONW3 - house");
  EXPECT_EQ(window.titles.back(), "MULZONW3 - house");
  EXPECT_FALSE(fs::exists(dir / "other.prj"));
  EXPECT_THAT(session.recent.paths(), ElementsAre(house.native()));
}

TEST_F(LifeCycle, SaveAsTakesTheNewNameAndRemembersIt) {
  openHouse();
  diag.ui.answerFile((dir / "other.prj").native());
  ASSERT_TRUE(life.saveProjectAs());
  EXPECT_EQ(life.path(), (dir / "other.prj").native());
  EXPECT_EQ(life.title(), "MULZONW3 - other");
  EXPECT_TRUE(fs::exists(dir / "other.prj"));
  EXPECT_THAT(session.recent.paths(), ElementsAre(house.native(), (dir / "other.prj").native()));
}

TEST_F(LifeCycle, ARecentProjectMovesToTheNewestEntryAndAMissingOneLeavesTheList) {
  session.recent.remember(house.native());
  session.recent.remember((dir / "gone.prj").native());
  ASSERT_TRUE(life.openRecentProject(0));
  EXPECT_THAT(session.recent.paths(), ElementsAre((dir / "gone.prj").native(), house.native()));
  EXPECT_FALSE(life.openRecentProject(0));
  EXPECT_THAT(session.recent.paths(), ElementsAre(house.native()));
  EXPECT_TRUE(life.untitled());
  EXPECT_FALSE(life.openRecentProject(5));
}

TEST_F(LifeCycle, OpenGoesThroughTheProjectChooser) {
  diag.ui.answerFile(house.native());
  ASSERT_TRUE(life.openProject());
  EXPECT_EQ(life.title(), "MULZONW3 - house");
  diag.ui.answerFile((dir / "none.prj").native());
  EXPECT_FALSE(life.openProject());
  EXPECT_EQ(diag.messages().back(), "Could not find file: " + (dir / "none.prj").native());
  EXPECT_EQ(life.title(), "MULZONW3 - house");
}

TEST_F(LifeCycle, ReleasingLeavesNoLayers) {
  openHouse();
  life.releaseProject();
  EXPECT_FALSE(life.pad().allocated());
  EXPECT_TRUE(life.project().levels.empty());
  EXPECT_TRUE(life.untitled());
}

struct PreviewCase {
  const char* name;
  const char* keyword;
  const char* first;
  const char* second;
  FilePreview preview;
};

class Preview : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(Preview, NamesTheFileFromItsFirstLines) {
  const PreviewCase& c = GetParam();
  EXPECT_EQ(previewTexts(*findFileKind(c.keyword), c.first, c.second), c.preview);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Preview,
    ::testing::Values(
        PreviewCase{
            "Project", "PRJ", "MulzonW 3.0  0", "Small office", {"MulzonW 3.0", "Small office"}},
        PreviewCase{"OldProject", "PRJ", "my title", " 5", {"MulzonW 1.0", "my title"}},
        PreviewCase{"UnknownProject", "PRJ", "Something 2.0", "x", {"Unknown PRJ format", "x"}},
        PreviewCase{"Weather",
                    "WTH",
                    "WeatherFile MulzonW 3.0",
                    "Denver",
                    {"WeatherFile MulzonW 3.0", "Denver"}},
        PreviewCase{"OldWeather",
                    "WTH",
                    "Denver 1990",
                    "1 1 2",
                    {"WeatherFile MulzonW 1.0", "Denver 1990"}},
        PreviewCase{"Library",
                    "LB3",
                    "LibraryFile MulzonW 3.0",
                    "paths",
                    {"LibraryFile MulzonW 3.0", "paths"}},
        PreviewCase{
            "OldLibrary", "LB0", "sources of 1995", "2", {"MULZON 1.0 Library", "sources of 1995"}},
        PreviewCase{"Other", "CTM", "ContaminantFile", "outdoor", {"ContaminantFile", "outdoor"}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(PreviewFile, OnlyForKindsWithAPreviewAndTheirExtensionInAnyCase) {
  test::TempDir dir;
  test::writeFile(dir / "a.PRJ", "MulzonW 3.0  0\r\nOffice\r\n");
  test::writeFile(dir / "a.txt", "text\n");
  EXPECT_EQ(previewFile("PRJ", dir / "a.PRJ"), (FilePreview{"MulzonW 3.0", "Office"}));
  EXPECT_EQ(previewFile("WTH", dir / "a.PRJ"), std::nullopt);
  EXPECT_EQ(previewFile("TXT", dir / "a.txt"), std::nullopt);
  EXPECT_EQ(previewFile("PRJ", dir / "missing.prj"), std::nullopt);
}

TEST(FileRequests, CarryTheKindsFilterAndRefuseOtherKeywords) {
  test::Diagnostics d;
  const std::optional<FileRequest> request = fileRequest(d.reporter, "LB2", true, "/x/w.lb2");
  ASSERT_TRUE(request);
  ASSERT_EQ(request->filters.size(), 1u);
  EXPECT_EQ(request->filters[0].label, "Wind Profile Library Files (*.LB2)");
  EXPECT_THAT(request->filters[0].patterns, ElementsAre("*.lb2", "*.LB2"));
  EXPECT_EQ(request->defaultExtension, "lb2");
  EXPECT_EQ(request->initialPath, "/x/w.lb2");
  // Weather files are only opened; "XYZ" is no kind at all.
  EXPECT_FALSE(fileRequest(d.reporter, "WTH", true, {}));
  EXPECT_EQ(chooseFileToOpen(d.reporter, "XYZ", {}).choice, OpenChoice::Cancelled);
  EXPECT_THAT(d.messages(),
              ElementsAre("Invalid file extension: WTH", "Invalid file extension: XYZ"));
  EXPECT_THAT(d.ui.eventsOf(UiEvent::Kind::OpenFile), IsEmpty());
}

}  // namespace
}  // namespace mz
