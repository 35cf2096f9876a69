#pragma once
// A generated building for the benchmarks: 20 levels with 500 rooms each, 10,000 zones and
// 10,000 paths, every room opening through its top wall to the room above or to ambient. It
// checks clean.

#include <string>
#include <vector>

#include "model/Project.h"
#include "sketchpad/SketchSymbols.h"

namespace mz::bench {

inline constexpr int kLevels = 20;
inline constexpr int kRoomRows = 20;
inline constexpr int kRoomColumns = 25;
inline constexpr int kPitch = 4;  // rooms of 3 x 3 cells between walls
inline constexpr int kRows = 1 + kRoomRows * kPitch + 2;
inline constexpr int kColumns = 1 + kRoomColumns * kPitch + 2;
inline constexpr int kZones = kLevels * kRoomRows * kRoomColumns;

inline LevelItem item(int row, int column, std::uint8_t code, std::int32_t number) {
  return {static_cast<std::int16_t>(row), static_cast<std::int16_t>(column), code, number};
}

// One level's items in stored order; zones and paths numbered from the given counters.
inline std::vector<LevelItem> rooms(int& zone, int& path) {
  std::vector<LevelItem> items;
  for (int i = 0; i <= kRoomRows; ++i) {
    const int wallRow = 1 + i * kPitch;
    for (int j = 0; j <= kRoomColumns; ++j) {
      const int bits = (i > 0 ? dir::kUp : 0) | (i < kRoomRows ? dir::kDown : 0) |
                       (j > 0 ? dir::kLeft : 0) | (j < kRoomColumns ? dir::kRight : 0);
      items.push_back(item(wallRow, 1 + j * kPitch, wallCodeForBits(bits), 0));
      if (i < kRoomRows && j < kRoomColumns)
        items.push_back(item(wallRow, 3 + j * kPitch, icon::kPathStandard, ++path));
    }
    if (i == kRoomRows) break;
    for (int j = 0; j < kRoomColumns; ++j)
      items.push_back(item(wallRow + 2, 3 + j * kPitch, icon::kZone, ++zone));
  }
  return items;
}

// Adds the levels with their records to an empty project; the lowest level is current.
inline void generateBuilding(Project& project) {
  AirflowElement orifice;
  orifice.name = "orifice";
  orifice.type = 5;
  orifice.icon = icon::kPathStandard;
  orifice.typeData = PowerLawData{};
  const Ref<AirflowElement> element =
      ElementList<AirflowElement>::ref(&project.airflowElements.addElement(orifice));
  int zone = 0;
  int path = 0;
  for (int l = 0; l < kLevels; ++l) {
    Level& level = project.addLevel(project.levels.highest());
    const int firstZone = zone + 1;
    const int firstPath = path + 1;
    level.items = rooms(zone, path);
    const Ref<Level> ref = Levels::ref(&level);
    for (int n = firstZone; n <= zone; ++n) {
      Zone z = project.newZone();
      z.name = "z" + std::to_string(n);
      z.level = ref;
      z.Vol = 27.0f;
      project.putZone(z, n);
    }
    for (int n = firstPath; n <= path; ++n) {
      AirflowPath p = project.newPath({});
      p.element = element;
      p.level = ref;
      project.putPath(p, n);
    }
  }
  project.currentLevel = Levels::ref(project.levels.lowest());
}

}  // namespace mz::bench
