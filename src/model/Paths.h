#pragma once
// Airflow paths: flow paths between two zones (or a zone and ambient), the supply and return
// points and the implicit paths of simple air handling systems, and the implicit paths of super
// airflow elements. Also the rules that derive a path's zones and direction from the cells
// around its icon, and the wall azimuth that follows from the direction.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "foundation/Tables.h"
#include "model/DataElements.h"
#include "model/Level.h"
#include "model/Zones.h"

namespace mz {

struct SimpleAhs;

namespace PathFlag {
inline constexpr std::uint16_t WindPressure = 0x001;
inline constexpr std::uint16_t WpcPressure = 0x002;
inline constexpr std::uint16_t WpcContaminants = 0x004;
inline constexpr std::uint16_t AhsPoint = 0x008;
inline constexpr std::uint16_t AhsRecirculation = 0x010;
inline constexpr std::uint16_t AhsOutdoorAir = 0x020;
inline constexpr std::uint16_t AhsExhaust = 0x040;
inline constexpr std::uint16_t PressureLimits = 0x080;
inline constexpr std::uint16_t FlowLimits = 0x100;
inline constexpr std::uint16_t Unassigned200 = 0x200;  // kept as read
inline constexpr std::uint16_t Used = 0x3FF;
// A path with one of these bits needs no airflow element.
inline constexpr std::uint16_t AhsAny = AhsPoint | AhsRecirculation | AhsOutdoorAir | AhsExhaust;
}  // namespace PathFlag

// Direction codes of paths and terminals: 1 toward the top of the sheet, 2 to the right, 3 up from
// the level below, 4 toward the bottom, 5 to the left, 6 down to the level below.
inline constexpr std::uint8_t kDirUp = 1, kDirRight = 2, kDirFromBelow = 3, kDirDown = 4,
                              kDirLeft = 5, kDirToBelow = 6;
// The opposite direction (d + 3, or d - 3 above 6).
std::uint8_t reverseDirection(std::uint8_t dir);

struct AirflowPath : ComponentHead {
  std::uint16_t flags = 0;
  Ref<Zone> from;  // negative side: positive flow leaves it
  Ref<Zone> to;
  Ref<AirflowElement> element;
  Ref<Filter> filter;
  Ref<WindProfile> windProfile;
  Ref<SimpleAhs> ahs;
  Ref<WeekSchedule> schedule;
  Ref<ControlNode> control;
  Ref<Level> level;
  float X = 0.0f, Y = 0.0f;
  float relHt = 0.0f;
  float mult = 0.0f;
  float wPset = 0.0f;  // Pa
  float wPmod = 0.0f;
  float wazm = 0.0f;  // degrees; below 0: not set
  float Fahs = 0.0f;  // kg/s
  float Xmax = 0.0f, Xmin = 0.0f;
  std::uint8_t icn = 0;
  std::uint8_t dir = 0;
  std::array<std::int16_t, 4> units{};  // ...; pressure difference of limits; mass flow
  std::string cfdId;
  std::array<std::int16_t, 3> cfdValues{};
  // Paths made for the sub-elements of a super airflow element; held in memory only.
  std::vector<Ref<AirflowPath>> implicitPaths;
};

inline constexpr const char* kDeletePathQuestion = "Delete this flow path?";
inline constexpr const char* kDeletePointQuestion = "Delete this supply/return?";

// Limits: setting one kind clears the other.
void setPathLimits(AirflowPath& path, std::uint16_t limitFlag);

// The azimuth of the wall a path of direction `dir` sits in, with north at `north` degrees.
float wallAzimuth(std::uint8_t dir, float north);
// Switching a path's wind pressure to "Variable": a wazm below 0 takes the wall's azimuth.
void applyVariableWind(AirflowPath& path, float north, float windModifier);

// What lies around a path icon, as the SketchPad sees it.
enum class PathCell : std::uint8_t { HorizontalWall, VerticalWall, NoWall };
struct PathSurroundings {
  PathCell cell = PathCell::NoWall;
  // Zone map values: -3 wall, -2 undefined zone, -1 ambient, 0 none, n > 0 zone n.
  std::int32_t above = 0, below = 0, left = 0, right = 0;
  std::int32_t here = 0;        // this level's cell (no-wall paths)
  std::int32_t levelBelow = 0;  // the level below's cell (no-wall paths)
};
// The path's direction and its two zones as zone-map references: -1 ambient, 0 none (a wall,
// undefined or outside every zone), n > 0 zone n. Ambient is always the first zone of a path
// with one ambient side.
struct PathPlacement {
  std::uint8_t dir = 0;
  std::int32_t from = 0;
  std::int32_t to = 0;
};
PathPlacement placePath(const PathSurroundings& around);

inline constexpr std::uint8_t kPathIconNoElement = 23;
// The icon code of a path whose element is `element`: the element's icon, or for fans the code
// that follows the direction; 23 without an element.
std::uint8_t pathIconCode(const AirflowElement* element, std::uint8_t dir);
// Sets the path's icon from its (new) element; a fan element's icon is set to match.
void applyPathIcon(AirflowPath& path, AirflowElement* element);

}  // namespace mz
