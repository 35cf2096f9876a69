#pragma once
// Data elements: the named, reusable definitions that building components refer to. Each kind
// lives in its own name-ordered ElementList; every record begins with the ElementHead.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "foundation/Lists.h"
#include "foundation/Tables.h"
#include "model/AirflowTypes.h"
#include "model/DuctTypes.h"
#include "model/FilterTypes.h"
#include "model/SourceTypes.h"

namespace mz {

struct Zone;

struct Species : ElementHead {
  std::int16_t s = 0;  // 1: one of the project's contaminants ("Use in Simulation:")
  std::int16_t t = 0;  // 1: non-trace, 0: trace
  float molwt = 0.0f;  // kg/kmol
  float mdiam = 0.0f;  // m
  float edens = 0.0f;  // kg/m3
  float decay = 0.0f;  // 1/s
  float Dm = 0.0f;     // m2/s
  float CCdef = 0.0f;  // kg/kg, initial concentration of new zones and junctions
  float Cp = 0.0f;     // J/(kg K)
  std::array<std::int16_t, 5> units{};
  // Computed from the concentration unit whenever the record is read or edited.
  float displayFactor = 1.0f;
  std::array<std::string, 2> displayLabels;
};

inline constexpr std::size_t kDayTypes = 12;

struct DaySchedule : ElementHead {
  std::int16_t shap = 0;
  std::int16_t utyp = 0;
  std::int16_t ucnv = 0;
  std::vector<std::int32_t> times;  // seconds after midnight, 0..86400
  std::vector<float> values;
  std::int16_t npts() const { return static_cast<std::int16_t>(times.size()); }
};

struct WeekSchedule : ElementHead {
  std::int16_t utyp = 1;  // a utyp of 0 is held as 1 (heldUnitType)
  std::int16_t ucnv = 0;
  std::array<Ref<DaySchedule>, kDayTypes> days{};

  static std::int16_t heldUnitType(std::int16_t utyp) { return utyp == 0 ? 1 : utyp; }
};

struct OccupancyPoint {
  std::int32_t time = 0;  // seconds after midnight
  Ref<Zone> zone;         // ambient allowed; empty: not in the building
  float X = 0.0f, Y = 0.0f, relHt = 0.0f;
};

struct OccupancySchedule : ElementHead {
  std::int16_t units = 0;
  std::vector<OccupancyPoint> points;
  std::int16_t npts() const { return static_cast<std::int16_t>(points.size()); }
  bool visits(Ref<Zone> zone) const;
};

// The point list of an occupancy schedule as read or edited: a point at the end of the day
// (86400) without a zone stays in the zone of the point before it. A first point has no point
// before it and keeps its empty zone (the occupant is not in the building).
void fillEndOfDayZones(std::vector<OccupancyPoint>& points);

inline constexpr std::size_t kWindPoints = 17;

enum class WindFit : std::int16_t { Linear = 1, CubicSpline = 2, Trigonometric = 3 };

struct WindProfile : ElementHead {
  WindFit type = WindFit::Linear;
  std::int16_t npts = 0;
  // Azimuths in degrees; the slots after the last point hold 360.
  std::array<float, kWindPoints> azimuths{};
  std::array<float, kWindPoints> coefficients{};
  // Fitted coefficients of the spline or trigonometric fit, set by the wind profile models.
  std::vector<double> fit;
};

// Sets the profile's points: the slots after the last hold 360 and the last point's coefficient
// equals the first's (the profile is periodic). More than kWindPoints points is an ERROR report
// and leaves the profile unchanged. A type other than 2 or 3 is held as linear.
bool setWindPoints(ErrorReporter& reporter, WindProfile& profile, std::span<const float> azimuths,
                   std::span<const float> coefficients);
WindFit heldWindFit(std::int16_t type);

struct ReactionPair {
  Ref<Species> reactant;
  Ref<Species> product;
  float rate = 0.0f;
};

struct KineticReaction : ElementHead {
  std::vector<ReactionPair> pairs;
};

// Filter element type codes (keywords in ElementTypes.h).
enum class FilterType : std::int16_t { Cef = 0, Pf0 = 1, Gf0 = 2, Spf = 3 };

struct FilterElement : ElementHead {
  FilterType type = FilterType::Cef;
  float area = 0.0f;                    // m2 ("Area:")
  float depth = 0.0f;                   // m ("Depth:")
  float density = 0.0f;                 // kg/m3 ("Density:")
  std::array<std::int16_t, 2> units{};  // lengths and areas; density
  FilterData typeData;                  // the model's own data
};

// Airflow element type codes that the path rules use (the keywords are in ElementTypes.h).
inline constexpr std::int16_t kDoorType = 18;          // "dor_door"
inline constexpr std::int16_t kTwoOpeningType = 19;    // "dor_pl2"
inline constexpr std::int16_t kFanCmfType = 20;        // "fan_cmf"
inline constexpr std::int16_t kFanCvfType = 21;        // "fan_cvf"
inline constexpr std::int16_t kFanType = 22;           // "fan_fan"
inline constexpr std::int16_t kSuperAirflowType = 27;  // "sup_afe"
inline constexpr std::int16_t kFirstDuctType = 28;
inline constexpr std::int16_t kLastDuctType = 40;

struct AirflowElement : ElementHead {
  std::int16_t type = 0;  // 0..27
  std::uint8_t icon = 0;  // IconKind of the paths that use it
  AirflowData typeData;   // the model's data; a SuperAirflowData for type 27
  const SuperAirflowData* superData() const { return std::get_if<SuperAirflowData>(&typeData); }
};

struct DuctElement : ElementHead {
  std::int16_t type = kFirstDuctType;  // 28..40
  std::uint8_t icon = 0;
  DuctData typeData;
};

struct SourceElement : ElementHead {
  Ref<Species> species;  // none for a super element
  std::int16_t type = 0;
  SourceData typeData;
};

// A filter as placed on a path, duct, terminal or AHS point.
struct SpeciesLoading {
  Ref<Species> species;
  float loading = 0.0f;
};

struct FilterSubElement {
  float relativeLoading = 0.0f;
  Ref<FilterElement> element;  // the filter element itself for a simple filter
  std::vector<SpeciesLoading> loadings;
};

struct Filter : ComponentHead {
  Ref<FilterElement> element;
  // One entry per sub-element: 1 for a simple filter element, the super element's count else.
  std::vector<FilterSubElement> subElements;
  std::int16_t subCount() const { return static_cast<std::int16_t>(subElements.size()); }
};

}  // namespace mz
