#pragma once
// Duct junctions and terminals (junctions that open into a zone or to ambient).

#include <array>
#include <cstdint>
#include <vector>

#include "foundation/Tables.h"
#include "model/DataElements.h"
#include "model/Level.h"
#include "model/Zones.h"

namespace mz {

struct ControlNode;
struct DuctSegment;

namespace JunctionKind {
inline constexpr std::int16_t Junction = 0;
inline constexpr std::int16_t Terminal = 1;
inline constexpr std::int16_t AmbientTerminal = 3;  // opens to ambient, carries wind data
}  // namespace JunctionKind

inline constexpr float kDefaultTerminalDuctArea = 0.0314f;  // m2, when no duct element gives one

struct TerminalData {
  Ref<Filter> filter;
  Ref<WindProfile> windProfile;
  float wPset = 0.0f;
  float wPmod = 0.0f;
  float wazm = 0.0f;
  std::int16_t balance = 0;         // "Balance Terminal:"
  float ductArea = 0.0f;            // m2
  float freeFaceArea = 0.0f;        // m2
  float designFlow = 0.0f;          // kg/s
  float lossCoefficient = 0.0f;     // "Terminal Loss Coefficient:"
  float balanceCoefficient = 0.0f;  // "Balance Loss Coefficient:"
  float maxBalanceCoefficient = 0.0f;
  std::int16_t areaUnit = 0;
  std::int16_t flowUnit = 0;
  std::uint8_t dir = 0;
  std::uint8_t reverseDir = 0;
};

struct Junction : ComponentHead {
  std::uint16_t flags = 0;
  std::int16_t t = JunctionKind::Junction;
  Ref<Zone> zone;  // a terminal's zone (ambient allowed); empty for a plain junction
  Ref<DuctSegment> duct;
  Ref<KineticReaction> reaction;
  Ref<WeekSchedule> schedule;
  Ref<ControlNode> control;
  Ref<Level> level;
  float X = 0.0f, Y = 0.0f, relHt = 0.0f;
  float T0 = 0.0f;
  float P0 = 0.0f;
  std::uint8_t icon = 0;
  std::int16_t colour = -1;
  std::array<std::int16_t, 4> units{};
  std::vector<float> CC0;
  TerminalData terminal;  // meaningful for terminals only

  bool isTerminal() const { return t != JunctionKind::Junction; }
};

// Terminal icon codes and the direction a terminal takes from where its duct leaves it.
inline constexpr std::uint8_t kTerminalIcon = 162, kTerminalUpIcon = 163, kTerminalDownIcon = 164;
enum class DuctSide : std::uint8_t { Above, Below, Right, Left };
// The direction code of a terminal: a same-level terminal by the side of its duct cell, one with
// a duct to the level above 6, one with a duct to the level below 3; 0 for other icons.
std::uint8_t terminalDirection(std::uint8_t icon, DuctSide ductCell);
// Sets both direction codes of a terminal.
void setTerminalDirection(TerminalData& data, std::uint8_t dir);

}  // namespace mz
