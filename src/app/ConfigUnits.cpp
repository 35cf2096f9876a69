#include "app/ConfigUnits.h"

namespace mz {

namespace {
constexpr double kCelsiusZero = 273.15;
constexpr double kFahrenheitZero = 459.67;  // in rankine
constexpr double kRankinePerKelvin = 1.8;
}  // namespace

double temperatureToKelvin(double value, int unit) {
  switch (unit) {
    case 1:
      return value / kRankinePerKelvin;
    case 2:
      return value + kCelsiusZero;
    case 3:
      return (value + kFahrenheitZero) / kRankinePerKelvin;
    default:
      return value;
  }
}

double temperatureFromKelvin(double kelvin, int unit) {
  switch (unit) {
    case 1:
      return kelvin * kRankinePerKelvin;
    case 2:
      return kelvin - kCelsiusZero;
    case 3:
      return kelvin * kRankinePerKelvin - kFahrenheitZero;
    default:
      return kelvin;
  }
}

}  // namespace mz
