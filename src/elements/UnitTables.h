#pragma once
// The constant tables of the unit families: every unit's two labels and the constant part of its
// conversion factor. Stored values are SI; unit index 0 of every family is the SI unit. Labels
// are held as UTF-8; toWindows1252 gives the single-byte form that text files receive.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

// A unit family. The codes are those stored in files and records.
enum class UnitType : std::int16_t {
  Dimensionless = 1,
  Length = 2,
  Time = 3,
  Mass = 4,
  Temperature = 5,
  Pressure = 6,
  TemperatureDifference = 7,
  PressureDifference = 8,
  MassFlowRate = 9,
  Area = 10,
  Volume = 11,
  Angle = 12,
  Speed = 13,
  VolumetricFlowRate = 14,
  PerUnitLength = 15,
  PerUnitArea = 16,
  SourceStrength = 17,
  DepositionFlowRate = 18,
  TimeConstant = 19,
  Density = 20,
  DuctLeakageRate = 21,
  MolecularDiffusivity = 22,
  SpecificHeat = 23,
  // Mass concentration in kg of species per kg of air. The full list is 25; the others are the
  // subsets a species can use, by which of its properties are known.
  ConcentrationGasParticle = 24,  // molar mass and particle data, no decay
  ConcentrationFull = 25,         // molar mass, particle data and decay
  ConcentrationGasDecay = 26,     // molar mass and decay, no particle data
  ConcentrationGas = 27,          // molar mass only
  ConcentrationParticle = 28,     // particle data, no molar mass
  ConcentrationMass = 29,         // neither molar mass nor particle data
  SurfaceMass = 30,
};

inline constexpr int kUnitTypeCount = 30;

// The family of a stored code, or nothing for a code outside 1 to 30.
std::optional<UnitType> unitTypeFromCode(int code);
constexpr int unitTypeCode(UnitType type) {
  return static_cast<int>(type);
}

// Constants of the conversion rules.
namespace units {
inline constexpr double kAirDensity = 1.2041;                // kg/m³
inline constexpr double kMolarVolume = 24.05;                // m³/kmol
inline constexpr double kAvogadro = 6.023e23;                // 1/mol
inline constexpr double kSphereVolume = 0.5235987938053089;  // sphere volume over diameter cubed
inline constexpr double kCubicFeetPerCubicMetre = 35.3147;   // of the concentration families
}  // namespace units

// What a unit's factor takes from the species besides its constant part.
enum class SpeciesTerm {
  None,
  GasVolume,  // Vm / M: m³ of the species gas per kg
  Particles,  // 1 / mp: particles per kg
  Activity,   // λ · 1000 · NA / M: Bq per kg
};

struct UnitDef {
  std::string label;      // display label (dialogs, unit selectors)
  std::string textLabel;  // messages, text output files, chart titles
  double factor = 1;      // display value = SI value × factor × species term
  double siFactor = 0;    // when nonzero: SI value = display value × siFactor
  SpeciesTerm term = SpeciesTerm::None;
};

// Number of units of a family; 0 for a code outside 1 to 30.
int unitCount(UnitType type);
bool isValidUnit(UnitType type, int index);
// The unit, or nothing for a code or index outside the tables.
const UnitDef* findUnit(UnitType type, int index);
// Labels; empty for a code or index outside the tables.
std::string_view unitLabel(UnitType type, int index);
std::string_view unitTextLabel(UnitType type, int index);
// The display labels of a family in index order; empty for a code outside 1 to 30.
std::vector<std::string_view> unitLabels(UnitType type);
// The family name ("Length", ...); empty for a code outside 1 to 30.
std::string_view unitTypeName(UnitType type);
// Index 0 "null", then the family names by code.
std::vector<std::string_view> unitTypeNames();

// The labels' bytes for text files: ², ³, µ and ° in their single-byte code page form.
std::string toWindows1252(std::string_view utf8);

}  // namespace mz
