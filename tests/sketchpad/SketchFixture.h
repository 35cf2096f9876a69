#pragma once
// Shared pieces of the SketchPad tests: a SketchPad whose levels come from the text notation
// through the item-list loading path, and a host that records what the rules asked of it.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sketchpad/SketchHost.h"
#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchStore.h"
#include "sketchpad/SketchText.h"
#include "support/TestSupport.h"

namespace mz::test {

class FakeHost : public SketchHost {
 public:
  void markModified() override { ++modified; }
  bool resultsMode() const override { return results; }
  int speciesCount() const override { return species; }
  int zoneCount() const override { return zones; }
  void deletePath(int number) override { deletedPaths.push_back(number); }
  int occupancyReferences(int zone) const override {
    return zone == referencedZone ? references : 0;
  }
  void deleteZone(int zone) override { deletedZones.push_back(zone); }
  std::vector<std::vector<LevelItem>*> levelsAbove() override {
    std::vector<std::vector<LevelItem>*> out;
    for (auto& level : above) out.push_back(&level);
    return out;
  }
  std::optional<int> annotationDialog() override { return annotation; }
  std::optional<int> newZoneDialog() override { return newZone; }
  void zoneDialog(int zone) override { openedZones.push_back(zone); }

  int modified = 0;
  bool results = false;
  int species = 1;
  int zones = 1;
  int referencedZone = 0;
  int references = 0;
  std::optional<int> annotation = 1;
  std::optional<int> newZone;
  std::vector<int> deletedPaths;
  std::vector<int> deletedZones;
  std::vector<int> openedZones;
  std::vector<std::vector<LevelItem>> above;
};

// Items of a drawing; fails the test on a malformed text.
inline SketchText parsed(std::string_view text) {
  std::string error;
  std::optional<SketchText> t = parseSketchText(text, &error);
  EXPECT_TRUE(t) << error;
  return t ? *t : SketchText{};
}

struct SketchFixture {
  Diagnostics diag;
  SketchPad pad{diag.reporter};
  FakeHost host;

  // Allocates the grid of the current drawing (and of the sub level, when given) and loads
  // them: the sub level first, as a level change does.
  void load(std::string_view current, std::string_view below = {}) {
    SketchText level = parsed(current);
    ASSERT_TRUE(pad.allocateLayers(level.rows, level.columns));
    if (!below.empty()) {
      SketchText sub = parsed(below);
      subItems = sub.items;
      loadLevel(pad, subItems, SketchCopy::Sub);
    }
    items = level.items;
    loadLevel(pad, items, SketchCopy::Current);
  }
  std::string zoneMap() { return printZoneMap(pad, SketchCopy::Current); }
  std::vector<LevelItem> items;
  std::vector<LevelItem> subItems;
};

// Text lines joined with line ends, so tables of drawings read as pictures.
inline std::string lines(std::initializer_list<std::string_view> rows) {
  std::string out;
  for (std::string_view r : rows) {
    out += r;
    out += '\n';
  }
  return out;
}

}  // namespace mz::test
