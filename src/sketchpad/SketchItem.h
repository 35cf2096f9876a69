#pragma once
// The stored form of one significant cell of a level's drawing.

#include <cstdint>

namespace mz {

struct SketchItem {
  std::int16_t row = 0;
  std::int16_t column = 0;
  std::uint8_t code = 0;  // IconKind
  std::int32_t number = 0;
  bool operator==(const SketchItem&) const = default;
};

}  // namespace mz
