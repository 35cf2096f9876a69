#pragma once
// Simple air handling systems: two implicit zones (return and supply) and three implicit paths
// (recirculation, outdoor air, exhaust), joined to the building by supply and return points.

#include <cstdint>

#include "foundation/Lists.h"

namespace mz {

inline constexpr const char* kDeleteAhsQuestion = "Delete entire AHS related to this icon?";

struct Zone;
struct AirflowPath;

struct SimpleAhs : ElementHead {
  Ref<Zone> returnZone;
  Ref<Zone> supplyZone;
  Ref<AirflowPath> recirculationPath;  // return zone to supply zone
  Ref<AirflowPath> outdoorAirPath;     // ambient to supply zone
  Ref<AirflowPath> exhaustPath;        // return zone to ambient
};

}  // namespace mz
