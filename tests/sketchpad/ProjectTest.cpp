#include <gtest/gtest.h>

#include "SketchFixture.h"
#include "model/Project.h"
#include "sketchpad/SketchPlace.h"
#include "sketchpad/SketchProject.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {
namespace {

using test::lines;
using test::parsed;

TEST(SketchProject, DeletingAZoneOnALevelClearsItsPhantomsAndTheRecord) {
  test::Diagnostics diag;
  Project project;
  Level& ground = project.addLevel(nullptr);
  Level& first = project.addLevel(&ground);
  ground.items =
      parsed(lines({"..........", ".+-----+..", ".|.Z1..|..", ".+-----+..", ".........."})).items;
  first.items =
      parsed(lines({"..........", ".+-----+..", ".|.P...|..", ".+-----+..", ".........."})).items;
  ASSERT_EQ(project.addZone(project.newZone()), 1);
  SketchPad pad(diag.reporter);
  ASSERT_TRUE(pad.allocateLayers(5, 10));

  ASSERT_TRUE(showLevel(pad, project.levels, first));
  EXPECT_EQ(pad.current().paths.at(2, 3), 1);  // the phantom continues zone 1
  EXPECT_EQ(first.items[2].number, 1);

  project.currentLevel = Levels::ref(&ground);
  ASSERT_TRUE(changeLevel(pad, project.levels, first, ground));
  EXPECT_FALSE(pad.hasSubLevel());
  ProjectSketchHost host(project, diag.reporter);
  pad.setCursor(2, 3);
  diag.ui.answer(Answer::Yes);
  ASSERT_TRUE(deleteZoneIcon(pad, host, true));
  EXPECT_EQ(diag.ui.eventsOf(UiEvent::Kind::YesNo)[0].text,
            "Delete this zone icon and clear\nthe 1 phantom zone(s) above it?");
  EXPECT_EQ(project.zones.at(1), nullptr);
  EXPECT_EQ(first.items[2].number, 0);
  EXPECT_TRUE(project.marks.modified);

  ASSERT_TRUE(changeLevel(pad, project.levels, ground, first));
  EXPECT_EQ(ground.items.size(), 4u);  // the walls only
  EXPECT_EQ(pad.current().paths.at(2, 3), zonemap::kUndefined);
}

TEST(SketchProject, GridMustHoldEveryItem) {
  Project project;
  Level& level = project.addLevel(nullptr);
  level.items = {{56, 65, icon::kZone, 1}};
  EXPECT_TRUE(itemsFitGrid(project.levels, 58, 66));
  EXPECT_FALSE(itemsFitGrid(project.levels, 57, 66));
  EXPECT_FALSE(itemsFitGrid(project.levels, 58, 65));
}

}  // namespace
}  // namespace mz
