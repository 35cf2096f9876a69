#pragma once
// Levels (storeys) of the building, kept from the lowest to the highest, each with its item list:
// the stored form of its SketchPad drawing.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/Lists.h"

namespace mz {

// One significant cell of a level's drawing: its symbol code (an IconKind) and the number of the
// record it stands for. A level keeps its items in row-major order of their cells.
struct LevelItem {
  std::int16_t row = 0;
  std::int16_t column = 0;
  std::uint8_t code = 0;
  std::int32_t number = 0;

  friend bool operator==(const LevelItem&, const LevelItem&) = default;
};

struct Level {
  RecordId id = 0;
  float refHt = 0.0f;  // elevation of the floor, m
  float delHt = 0.0f;  // distance to the level above, m
  std::vector<LevelItem> items;
  std::int32_t number = 0;              // 1 for the lowest level
  std::array<std::int16_t, 2> units{};  // display units of refHt and delHt
  std::string name;
};

// The levels in order from the lowest (number 1) to the highest. Levels are owned one per cell,
// so links to them stay valid when levels are inserted or removed around them.
class Levels {
 public:
  std::size_t size() const { return order_.size(); }
  bool empty() const { return order_.empty(); }
  Level* lowest() { return order_.empty() ? nullptr : order_.front().get(); }
  Level* highest() { return order_.empty() ? nullptr : order_.back().get(); }
  Level* above(const Level& level);
  Level* below(const Level& level);
  Level* find(Ref<Level> ref);
  const Level* find(Ref<Level> ref) const;
  static Ref<Level> ref(const Level* level) { return level ? Ref<Level>{level->id} : Ref<Level>{}; }
  // The level numbered n (1 = lowest) after numbering, or none.
  Level* byNumber(int n);
  Level& operator[](std::size_t i) { return *order_[i]; }
  const Level& operator[](std::size_t i) const { return *order_[i]; }

  // Inserts a copy of `level` directly above `below` (at the bottom when none) and numbers the
  // levels from 1 upward.
  Level& insertAbove(const Level* below, const Level& level);
  // Appends a copy at the top (the readers' order).
  Level& append(const Level& level);
  bool remove(const Level& level);
  void clear() { order_.clear(); }
  // Numbers 1, 2, ... from the lowest; returns the count.
  int numberLevels();

 private:
  std::size_t position(const Level& level) const;

  std::vector<std::unique_ptr<Level>> order_;
  RecordId lastId_ = 0;
};

}  // namespace mz
