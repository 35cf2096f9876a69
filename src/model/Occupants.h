#pragma once
// Things placed inside zones: source/sinks, occupants (exposures) and annotations.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/Tables.h"
#include "model/DataElements.h"
#include "model/Zones.h"

namespace mz {

struct ControlNode;

struct SourceSink : ComponentHead {
  std::int16_t units = 0;
  Ref<Zone> zone;
  Ref<SourceElement> element;
  Ref<WeekSchedule> schedule;
  Ref<ControlNode> control;
  float mult = 0.0f;
  float CC0 = 0.0f;  // "Initial Concentration:" of "bls" and "dvr" elements
  float Xmin = 0.0f, Ymin = 0.0f, Hmin = 0.0f;
  float Xmax = 0.0f, Ymax = 0.0f, Hmax = 0.0f;
  std::string cfdId;
};

inline constexpr std::size_t kExposureDescriptionLength = 66;

struct Generation {
  Ref<Species> species;
  Ref<WeekSchedule> schedule;
  float rate = 0.0f;  // kg/s
  std::int16_t unit = 0;
};

struct Exposure : ComponentHead {
  std::int16_t generate = 0;  // "Generate Contaminants"
  std::string description;
  std::array<Ref<OccupancySchedule>, kDayTypes> occupancy{};
  std::vector<Generation> generations;
  float multiplier = 0.0f;
  Ref<WeekSchedule> inhalationSchedule;
  float peakInhalation = 0.0f;
  float bodyWeight = 0.0f;  // kg
  // Working arrays of exposure and dose results, one value per contaminant.
  std::vector<float> exposure;
  std::vector<float> dose;
  std::array<std::int16_t, 2> units{};
};

struct Annotation : ComponentHead {
  std::string text;
};

}  // namespace mz
