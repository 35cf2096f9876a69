#pragma once
// Duct segments between two junctions.

#include <array>
#include <cstdint>

#include "foundation/Tables.h"
#include "model/DataElements.h"
#include "model/Jctns.h"

namespace mz {

struct ControlNode;

inline constexpr float kDefaultDuctLength = 5.0f;    // m
inline constexpr float kDefaultDuctArea = 0.15708f;  // Ain and Aout of a new segment

struct DuctSegment : ComponentHead {
  std::uint16_t flags = 0;  // kept as read
  Ref<Junction> from;
  Ref<Junction> to;
  Ref<DuctElement> element;
  Ref<Filter> filter;
  Ref<WeekSchedule> schedule;
  Ref<ControlNode> control;
  std::uint8_t dir = 0;  // "Positive Flow Direction" on the SketchPad
  float len = 0.0f;      // m
  float Ain = 0.0f, Aout = 0.0f;
  float sllc = 0.0f;  // sum of loss coefficients
  std::int16_t colour = -1;
  std::array<std::int16_t, 2> units{};
};

}  // namespace mz
