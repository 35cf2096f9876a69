#include "elements/Units.h"

#include <cmath>
#include <limits>
#include <string>

namespace mz {
namespace {

// Rounds to single precision; a magnitude beyond the float range becomes an infinity of its
// sign rather than an undefined conversion.
float toFloat(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

constexpr double kCelsiusZero = 273.15;

// A °C or °F result this close to zero is shown as zero, so that a stored 273.15 K (in single
// precision 273.149994) shows as 0 °C.
double snapToZero(double value) {
  return std::abs(value) < 0.00001 ? 0.0 : value;
}

double temperatureToDisplay(double kelvin, int index) {
  switch (static_cast<TemperatureUnit>(index)) {
    case TemperatureUnit::Rankine:
      return 1.8 * kelvin;
    case TemperatureUnit::Celsius:
      return snapToZero(kelvin - kCelsiusZero);
    case TemperatureUnit::Fahrenheit:
      return snapToZero((kelvin - kCelsiusZero) * 1.8 + 32);
    case TemperatureUnit::Kelvin:
      break;
  }
  return kelvin;
}

double temperatureToSi(double value, int index) {
  switch (static_cast<TemperatureUnit>(index)) {
    case TemperatureUnit::Rankine:
      return value / 1.8;
    case TemperatureUnit::Celsius:
      return value + kCelsiusZero;
    case TemperatureUnit::Fahrenheit:
      return (value - 32) / 1.8 + kCelsiusZero;
    case TemperatureUnit::Kelvin:
      break;
  }
  return value;
}

struct Term {
  double value;
  ConversionStatus status;
};

// The species part of a unit's factor. Properties are tested as "not above zero" so that a
// missing (zero, negative or not-a-number) property fails instead of dividing by it.
Term speciesTerm(SpeciesTerm term, const SpeciesUnitProperties& s) {
  const double molwt = s.molwt;
  switch (term) {
    case SpeciesTerm::None:
      break;
    case SpeciesTerm::GasVolume:
      if (!(molwt > 0)) return {0, ConversionStatus::NeedsMolecularWeight};
      return {units::kMolarVolume / molwt, ConversionStatus::Done};
    case SpeciesTerm::Particles: {
      const double diameter = s.mdiam;
      const double density = s.edens;
      if (!(density * diameter > 0)) return {0, ConversionStatus::NeedsDiameterAndDensity};
      const double particleMass = density * units::kSphereVolume * diameter * diameter * diameter;
      return {1 / particleMass, ConversionStatus::Done};
    }
    case SpeciesTerm::Activity:
      if (!(s.decay > 0)) return {0, ConversionStatus::NeedsDecayConstant};
      if (!(molwt > 0)) return {0, ConversionStatus::NeedsMolecularWeight};
      return {static_cast<double>(s.decay) * 1000 * units::kAvogadro / molwt,
              ConversionStatus::Done};
  }
  return {1, ConversionStatus::Done};
}

}  // namespace

Conversion tryConvertUnits(double value, UnitDirection direction, UnitType type, int index,
                           const std::optional<SpeciesUnitProperties>& species) {
  if (index == 0) return {toFloat(value), ConversionStatus::Done};
  const UnitDef* unit = findUnit(type, index);
  const Conversion unchanged{toFloat(value), ConversionStatus::InvalidUnit};
  if (!unit) return unchanged;
  const bool toDisplay = direction == UnitDirection::ToDisplay;
  if (type == UnitType::Temperature) {
    return {toFloat(toDisplay ? temperatureToDisplay(value, index) : temperatureToSi(value, index)),
            ConversionStatus::Done};
  }
  double k = unit->factor;
  if (unit->term != SpeciesTerm::None) {
    if (!species) return {unchanged.value, ConversionStatus::NoSpecies};
    const Term term = speciesTerm(unit->term, *species);
    if (term.status != ConversionStatus::Done) return {unchanged.value, term.status};
    k *= term.value;
  }
  if (toDisplay) return {toFloat(value * k), ConversionStatus::Done};
  if (unit->siFactor != 0) return {toFloat(value * unit->siFactor), ConversionStatus::Done};
  return {toFloat(value / k), ConversionStatus::Done};
}

bool isConcentrationFamily(UnitType type) {
  const int code = unitTypeCode(type);
  return code >= unitTypeCode(UnitType::ConcentrationGasParticle) &&
         code <= unitTypeCode(UnitType::ConcentrationMass);
}

UnitType concentrationFamily(const SpeciesUnitProperties& species) {
  const bool gas = species.molwt > 0;
  const bool particles = species.edens > 0 && species.mdiam > 0;
  const bool decays = species.decay > 0;
  if (!gas) return particles ? UnitType::ConcentrationParticle : UnitType::ConcentrationMass;
  if (particles) return decays ? UnitType::ConcentrationFull : UnitType::ConcentrationGasParticle;
  return decays ? UnitType::ConcentrationGasDecay : UnitType::ConcentrationGas;
}

std::optional<float> temperatureToKelvin(double value, int unitCode) {
  if (!isValidUnit(UnitType::Temperature, unitCode)) return std::nullopt;
  return tryConvertUnits(value, UnitDirection::ToSi, UnitType::Temperature, unitCode, std::nullopt)
      .value;
}

std::optional<float> kelvinToTemperature(double kelvin, int unitCode) {
  if (!isValidUnit(UnitType::Temperature, unitCode)) return std::nullopt;
  return tryConvertUnits(kelvin, UnitDirection::ToDisplay, UnitType::Temperature, unitCode,
                         std::nullopt)
      .value;
}

int defaultUnitIndex(UnitType type, const UnitDefaults& defaults) {
  int index = defaults.system;
  if (type == UnitType::MassFlowRate) index = defaults.massFlow;
  if (type == UnitType::Temperature) index = defaults.temperature;
  return isValidUnit(type, index) ? index : 0;
}

Conversion UnitConverter::convert(double value, UnitDirection direction, UnitType type, int index) {
  const Conversion result = tryConvertUnits(value, direction, type, index, species_);
  if (result.status != ConversionStatus::Done) reportFailure(result.status, type, index);
  return result;
}

bool UnitConverter::checkUnit(UnitType type, int index) {
  const int code = unitTypeCode(type);
  if (!unitTypeFromCode(code)) {
    reporter_.report(Severity::Error, {"Invalid units type: ", std::to_string(code)});
    return false;
  }
  if (!isValidUnit(type, index)) {
    reporter_.report(Severity::Error, {"Invalid units conversion: type ", std::to_string(code),
                                       " : ", std::to_string(index)});
    return false;
  }
  return true;
}

void UnitConverter::reportFailure(ConversionStatus status, UnitType type, int index) {
  const int code = unitTypeCode(type);
  const std::string_view label = unitTextLabel(type, index);
  switch (status) {
    case ConversionStatus::Done:
      return;
    case ConversionStatus::InvalidUnit:
      if (!unitTypeFromCode(code)) {
        reporter_.report(Severity::Error, {"Invald units type: ", std::to_string(code)});
      } else {
        checkUnit(type, index);
      }
      return;
    case ConversionStatus::NoSpecies:
      reporter_.report(Severity::Error, {"Invalid contaminant pointer"});
      return;
    case ConversionStatus::NeedsMolecularWeight:
      reporter_.report(Severity::Error, {"Units [", label, "] require a molecular weight"});
      return;
    case ConversionStatus::NeedsDiameterAndDensity:
      reporter_.report(Severity::Error, {"Units [", label, "] require diameter and density"});
      return;
    case ConversionStatus::NeedsDecayConstant:
      reporter_.report(Severity::Error, {"Units [", label, "] require a radiation decay constant"});
      return;
  }
}

int UnitConverter::remapConcentrationUnit(UnitType from, UnitType to, int index) {
  if (!isConcentrationFamily(from) || !isConcentrationFamily(to)) {
    reporter_.report(Severity::Error, {"Bad Concn Unit Type"});
    return 0;
  }
  if (!checkUnit(from, index)) return 0;
  if (from == to) return index;
  const std::string_view label = unitLabel(from, index);
  const std::vector<std::string_view> labels = unitLabels(to);
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (labels[i] == label) return static_cast<int>(i);
  return 0;
}

}  // namespace mz
