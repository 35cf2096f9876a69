#pragma once
// Conversions between stored SI values and the units the user sees. A value is converted only
// where it meets the user or a text output; results are rounded to single precision.

#include <optional>

#include "elements/UnitTables.h"
#include "foundation/Heap.h"

namespace mz {

// The properties of a species that the species-dependent units need.
struct SpeciesUnitProperties {
  float molwt = 0;  // molar mass, kg/kmol
  float mdiam = 0;  // mean particle diameter, m
  float edens = 0;  // effective particle density, kg/m³
  float decay = 0;  // radioactive decay constant, 1/s
};

enum class UnitDirection { ToSi, ToDisplay };

enum class ConversionStatus {
  Done = 0,
  NeedsMolecularWeight = 1,
  NeedsDiameterAndDensity = 2,
  NeedsDecayConstant = 3,
  InvalidUnit = 4,  // family code or unit index outside the tables
  NoSpecies = 5,    // a species-dependent unit without a species
};

struct Conversion {
  float value;  // the converted value; the input unconverted when the status is not Done
  ConversionStatus status;
};

// Converts without reporting. Index 0 gives the value itself for any family.
Conversion tryConvertUnits(double value, UnitDirection direction, UnitType type, int index,
                           const std::optional<SpeciesUnitProperties>& species);

// The concentration family (24 to 29) that a species' known properties allow.
UnitType concentrationFamily(const SpeciesUnitProperties& species);
bool isConcentrationFamily(UnitType type);

// Temperature units as the configuration stores them; the same as the Temperature family's
// unit indices.
enum class TemperatureUnit { Kelvin = 0, Rankine = 1, Celsius = 2, Fahrenheit = 3 };
// A temperature in the unit with the given code (0 K, 1 R, 2 °C, 3 °F) to kelvin and back;
// nothing for a code outside 0 to 3.
std::optional<float> temperatureToKelvin(double value, int unitCode);
std::optional<float> kelvinToTemperature(double kelvin, int unitCode);

// The configuration's unit choices for new fields.
struct UnitDefaults {
  int system = 0;       // 0 SI, 1 inch-pound: the unit index of new fields
  int massFlow = 0;     // unit index of new mass flow fields
  int temperature = 0;  // unit index of new temperature fields
};
// The unit index a new field of the family starts with; 0 when the configured index does not
// exist in the family.
int defaultUnitIndex(UnitType type, const UnitDefaults& defaults);

// Conversions with their reports, and the current species that the species-dependent units use.
// Dialogs and readers set the species before converting such values.
class UnitConverter {
 public:
  explicit UnitConverter(ErrorReporter& reporter) : reporter_(reporter) {}

  void setCurrentSpecies(std::optional<SpeciesUnitProperties> species) { species_ = species; }
  const std::optional<SpeciesUnitProperties>& currentSpecies() const { return species_; }

  // Converts with the current species. A failure is reported as an error and gives the value
  // unconverted with its status.
  Conversion convert(double value, UnitDirection direction, UnitType type, int index);

  // Whether a family code and unit index (read from a file, say) exist; reports an error
  // when not.
  bool checkUnit(UnitType type, int index);

  // The index in family `to` of the unit with the same label as unit `index` of family `from`;
  // 0 (kg/kg) when `to` has no such unit. Both families must be concentration families.
  int remapConcentrationUnit(UnitType from, UnitType to, int index);

  ErrorReporter& reporter() { return reporter_; }

 private:
  void reportFailure(ConversionStatus status, UnitType type, int index);

  ErrorReporter& reporter_;
  std::optional<SpeciesUnitProperties> species_;
};

}  // namespace mz
