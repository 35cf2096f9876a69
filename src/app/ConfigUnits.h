#pragma once
// Temperature conversion for the configuration file, whose default zone temperature is written
// and read in one of four units. Unit codes: 0 K, 1 R, 2 C, 3 F.

namespace mz {

inline constexpr int kTemperatureUnitCount = 4;

// The value in the given unit converted to kelvin; an unknown unit leaves it as it is.
double temperatureToKelvin(double value, int unit);
// Kelvin converted to the given unit; an unknown unit leaves it as it is.
double temperatureFromKelvin(double kelvin, int unit);

}  // namespace mz
