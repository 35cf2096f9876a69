// Round trips of whole project files, and the forms the reader accepts beside the canonical one.

#include <gtest/gtest.h>

#include "PrjFixture.h"
#include "support/TestSupport.h"

namespace mz::test {
namespace {

std::unique_ptr<Project> readBack(const std::string& text, Diagnostics& d,
                                  ProjectFileInfo* info = nullptr) {
  auto project = std::make_unique<Project>();
  ProjectFileInfo local;
  EXPECT_EQ(readProjectText(d.reporter, project, info ? *info : local, text), 0)
      << testing::PrintToString(d.messages());
  return project;
}

TEST(PrjRoundTrip, EverySectionAndElementTypeIsWrittenAgainByteForByte) {
  auto project = fullProject();
  ProjectFileInfo info;
  info.rows = 40;
  info.cols = 50;
  info.echoInput = false;
  std::string first = projectText(*project, info);
  Diagnostics d;
  ProjectFileInfo read;
  auto again = readBack(first, d, &read);
  EXPECT_EQ(read.rows, 40);
  EXPECT_EQ(read.cols, 50);
  std::string second = projectText(*again, read);
  EXPECT_EQ(first, second);
  // The read model holds what was built.
  EXPECT_EQ(again->airflowElements.size(), 28u);
  EXPECT_EQ(again->ductElements.size(), 13u);
  EXPECT_EQ(again->sourceElements.size(), 14u);
  EXPECT_EQ(again->filterElements.size(), 4u);
  EXPECT_EQ(again->controls.count(), project->controls.count());
  EXPECT_EQ(again->settings.files.weather, "/data/weather files/site.wth");
  EXPECT_EQ(again->annotations.at(1)->text, "");
  const Junction* j = again->junctions.at(1);
  EXPECT_EQ(again->ducts.numberOf(j->duct), 1);
  const auto& sensor = std::get<SensorData>(again->controls.at(1)->data);
  EXPECT_EQ(again->zones.numberOf(Ref<Zone>{sensor.item}), 1);
  const auto& instance = std::get<SuperInstanceData>(again->controls.at(18)->data);
  EXPECT_EQ(instance.copies.size(), 2u);
  EXPECT_FALSE(again->marks.modified);
}

TEST(PrjRoundTrip, TextsThatBreakTheFileAreWrittenSoTheyReadBack) {
  auto project = smallProject();
  project->settings.description = "!looks like a comment";
  project->addNote(Annotation{{}, "!a note"});
  project->levels.lowest()->items.push_back({6, 6, 42, 1});
  std::string text = projectText(*project);
  Diagnostics d;
  auto again = readBack(text, d);
  EXPECT_EQ(again->settings.description, " !looks like a comment");
  EXPECT_EQ(again->annotations.at(1)->text, "!a note");
  EXPECT_EQ(projectText(*again), text);
}

TEST(PrjRoundTrip, NamesThatCannotBeReadBackFailTheSave) {
  const char* names[] = {"*star", "two words", "", "sixteen_chars_xx", "!bang"};
  for (const char* name : names) {
    auto project = smallProject();
    project->airflowElements.first()->name = name;
    Diagnostics d;
    std::string text;
    EXPECT_FALSE(writeProjectText(d.reporter, *project, {}, text)) << name;
    EXPECT_EQ(d.messages().back(), cformat("Invalid name: \"%s\"", name));
  }
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

TEST(PrjRoundTrip, LineEndsSeparatorsAndCommentsReadAsTheCanonicalForm) {
  auto project = fullProject();
  std::string canonical = projectText(*project);
  struct Variant {
    const char* name;
    std::string text;
  };
  // Separators only between numbers of data lines that are read as tokens: "%d %d" lines.
  std::string commas = replaceAll(canonical, " 1 1 1 1 1 1 1 1 1 1 1 1 ! occ. schd",
                                  ",1,1,1,1,1,1,1,1,1,1,1,1, ! occ. schd");
  std::string tabs = replaceAll(canonical, " 0 0 0 0 0 ! steady simulation",
                                "\t0\t0 0\t\t0 0\t! steady simulation");
  std::string comments = replaceAll(canonical, "\n-999\n", "\n-999 ! end of section\n");
  comments = replaceAll(comments, " ! levels plus icon data:", "\t!levels");
  const Variant variants[] = {{"crlf", replaceAll(canonical, "\n", "\r\n")},
                              {"commas", commas},
                              {"tabs", tabs},
                              {"comments", comments}};
  for (const Variant& v : variants) {
    ASSERT_NE(v.text, canonical) << v.name;
    Diagnostics d;
    auto read = readBack(v.text, d);
    EXPECT_EQ(projectText(*read), canonical) << v.name;
  }
}

TEST(PrjRoundTrip, WrittenFileOnDiskReadsBack) {
  TempDir dir;
  auto project = smallProject();
  Diagnostics d;
  ASSERT_EQ(writeProject(d.reporter, *project, {}, dir / "a.prj"), 0);
  auto read = std::make_unique<Project>();
  ProjectFileInfo info;
  ASSERT_EQ(readProject(d.reporter, read, info, dir / "a.prj", dir / "a.bkp"), 0);
  EXPECT_EQ(read->settings.name, "a");
  EXPECT_EQ(readFile(dir / "a.bkp"), readFile(dir / "a.prj"));
  EXPECT_EQ(projectText(*read), readFile(dir / "a.prj"));
}

}  // namespace
}  // namespace mz::test
