#pragma once
// Zones: well-mixed volumes of the building, and the implicit zones of simple air handling
// systems.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/Tables.h"
#include "model/DataElements.h"
#include "model/Level.h"

namespace mz {

struct ControlNode;

namespace ZoneFlag {
inline constexpr std::uint16_t VariablePressure = 0x01;
inline constexpr std::uint16_t VariableContaminants = 0x02;
inline constexpr std::uint16_t Unassigned04 = 0x04;  // kept as read
inline constexpr std::uint16_t AhsImplicit = 0x08;
inline constexpr std::uint16_t NotInBuildingVolume = 0x10;
inline constexpr std::uint16_t Cfd = 0x20;
inline constexpr std::uint16_t Used = 0x3F;  // the bits a file may carry
}  // namespace ZoneFlag

// The zone's one-dimensional axis: two points and the cell data.
struct ZoneAxis {
  float x1 = 0.0f, y1 = 0.0f, h1 = 0.0f;
  float x2 = 0.0f, y2 = 0.0f, h2 = 0.0f;
  float cellSize = 0.0f;    // m
  float dispersion = 0.0f;  // axial dispersion coefficient
};

struct Zone : ComponentHead {
  std::uint16_t flags = 0;
  float relHt = 0.0f;          // m, floor relative to its level
  float Vol = 0.0f;            // m3
  float T0 = 0.0f;             // K
  float P0 = 0.0f;             // Pa
  Ref<WeekSchedule> schedule;  // temperature schedule; empty: constant
  Ref<ControlNode> control;
  Ref<KineticReaction> reaction;
  Ref<Level> level;
  ZoneAxis oneD;
  std::int16_t colour = -1;
  std::array<std::int16_t, 4> units{};
  // 1..4: one-dimensional zone with that axis orientation; -1..-4: normal zone keeping the
  // orientation chosen earlier; 0: normal zone without 1D data.
  std::int16_t axis = 0;
  std::array<std::int16_t, 2> oneDUnits{};  // dispersion coefficient; 1D lengths
  std::string name;
  std::string cfdId;
  std::vector<float> CC0;  // kg/kg per contaminant, in contaminant-list order

  bool isOneDimensional() const { return axis > 0; }
};

// The question before a zone icon is deleted; `phantoms` is the number of phantom zones above
// that lose their zone.
std::string zoneDeletionQuestion(int phantoms);

// The axis value after switching between a normal and a one-dimensional zone.
std::int16_t switchedAxis(std::int16_t axis, bool oneDimensional);

}  // namespace mz
