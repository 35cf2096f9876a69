#include "model/DataElements.h"

#include <algorithm>

#include "foundation/Formats.h"

namespace mz {

bool OccupancySchedule::visits(Ref<Zone> zone) const {
  return std::any_of(points.begin(), points.end(),
                     [zone](const OccupancyPoint& p) { return p.zone == zone; });
}

void fillEndOfDayZones(std::vector<OccupancyPoint>& points) {
  for (std::size_t i = 1; i < points.size(); ++i)
    if (points[i].time == 86400 && points[i].zone.empty()) points[i].zone = points[i - 1].zone;
}

WindFit heldWindFit(std::int16_t type) {
  if (type == static_cast<std::int16_t>(WindFit::CubicSpline)) return WindFit::CubicSpline;
  if (type == static_cast<std::int16_t>(WindFit::Trigonometric)) return WindFit::Trigonometric;
  return WindFit::Linear;
}

bool setWindPoints(ErrorReporter& reporter, WindProfile& profile, std::span<const float> azimuths,
                   std::span<const float> coefficients) {
  if (azimuths.size() != coefficients.size() || azimuths.size() > kWindPoints) {
    reporter.report(Severity::Error,
                    {"Wind profile ", profile.name, ": more than ",
                     formatInt(static_cast<long>(kWindPoints)), " points or unpaired values"});
    return false;
  }
  profile.npts = static_cast<std::int16_t>(azimuths.size());
  profile.azimuths.fill(360.0f);
  profile.coefficients.fill(0.0f);
  std::copy(azimuths.begin(), azimuths.end(), profile.azimuths.begin());
  std::copy(coefficients.begin(), coefficients.end(), profile.coefficients.begin());
  if (profile.npts > 1) profile.coefficients[azimuths.size() - 1] = profile.coefficients[0];
  return true;
}

}  // namespace mz
