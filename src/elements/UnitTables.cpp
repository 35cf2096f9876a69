#include "elements/UnitTables.h"

#include <array>
#include <utility>

namespace mz {
namespace {

using units::kAirDensity;
using units::kCubicFeetPerCubicMetre;

struct Family {
  std::string_view name;
  std::vector<UnitDef> units;
};

using FamilyTable = std::array<Family, kUnitTypeCount + 1>;

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

// The text form of a display label: powers written with a caret, and the water column unit with
// the letter O that the display form writes as a zero.
std::string textForm(std::string_view label) {
  std::string text(label);
  replaceAll(text, "²", "^2");
  replaceAll(text, "³", "^3");
  replaceAll(text, "in. H20", "in.H2O");
  return text;
}

UnitDef unit(std::string_view label, double factor, SpeciesTerm term = SpeciesTerm::None) {
  return UnitDef{std::string(label), textForm(label), factor, 0, term};
}

struct Numerator {
  std::string_view label;
  double factor;
  SpeciesTerm term;
};

// Numerators of the source strength and concentration units, per kg of species.
constexpr std::array<Numerator, 14> kNumerators = {{
    {"kg", 1, SpeciesTerm::None},
    {"lb", 2.2046, SpeciesTerm::None},
    {"Bq", 1, SpeciesTerm::Activity},
    {"pCi", 1 / 0.037, SpeciesTerm::Activity},
    {"g", 1e3, SpeciesTerm::None},
    {"mg", 1e6, SpeciesTerm::None},
    {"µg", 1e9, SpeciesTerm::None},
    {"ng", 1e12, SpeciesTerm::None},
    {"m³", 1, SpeciesTerm::GasVolume},
    {"L", 1e3, SpeciesTerm::GasVolume},
    {"mL", 1e6, SpeciesTerm::GasVolume},
    {"µL", 1e9, SpeciesTerm::GasVolume},
    {"ft³", kCubicFeetPerCubicMetre, SpeciesTerm::GasVolume},
    {"#", 1, SpeciesTerm::Particles},
}};

const Numerator& numerator(std::string_view label) {
  for (const Numerator& n : kNumerators)
    if (n.label == label) return n;
  return kNumerators[0];
}

struct Divisor {
  std::string_view label;
  double factor;
};

// Time divisors of the rate families: units per second.
constexpr std::array<Divisor, 3> kPerTime = {{{"/s", 1}, {"/min", 60}, {"/h", 3600}}};

// Air divisors of the concentration families: kg of air per unit of the denominator.
constexpr std::array<Divisor, 6> kPerAir = {{{"/kg", 1},
                                             {"/m³", kAirDensity},
                                             {"/lb", 0.45359},
                                             {"/ft³", kAirDensity / kCubicFeetPerCubicMetre},
                                             {"/L", kAirDensity * 1e-3},
                                             {"/cm³", kAirDensity * 1e-6}}};

const Divisor& perAir(std::string_view label) {
  for (const Divisor& d : kPerAir)
    if (d.label == label) return d;
  return kPerAir[0];
}

UnitDef concentration(std::string_view num, std::string_view den) {
  const Numerator& n = numerator(num);
  const Divisor& d = perAir(den);
  return unit(std::string(num) + std::string(den), n.factor * d.factor, n.term);
}

// Twelve numerators over each time divisor, then # over each.
std::vector<UnitDef> sourceStrength() {
  std::vector<UnitDef> list;
  for (const Divisor& t : kPerTime) {
    for (std::string_view num :
         {"kg", "lb", "Bq", "pCi", "g", "mg", "µg", "ng", "m³", "L", "mL", "µL"}) {
      const Numerator& n = numerator(num);
      list.push_back(unit(std::string(num) + std::string(t.label), n.factor * t.factor, n.term));
    }
  }
  for (const Divisor& t : kPerTime)
    list.push_back(unit(std::string("#") + std::string(t.label), t.factor, SpeciesTerm::Particles));
  return list;
}

// As the source strength, but the volumes are of air and there are no activity units.
std::vector<UnitDef> depositionFlowRate() {
  struct AirNumerator {
    std::string_view label;
    double factor;
  };
  constexpr std::array<AirNumerator, 10> kAir = {{{"kg", 1},
                                                  {"lb", 2.2046},
                                                  {"g", 1e3},
                                                  {"mg", 1e6},
                                                  {"µg", 1e9},
                                                  {"ng", 1e12},
                                                  {"m³", 1 / kAirDensity},
                                                  {"L", 1e3 / kAirDensity},
                                                  {"mL", 1e6 / kAirDensity},
                                                  {"µL", 1e9 / kAirDensity}}};
  std::vector<UnitDef> list;
  for (const Divisor& t : kPerTime)
    for (const AirNumerator& n : kAir)
      list.push_back(unit(std::string(n.label) + std::string(t.label), n.factor * t.factor));
  for (const Divisor& t : kPerTime)
    list.push_back(unit(std::string("#") + std::string(t.label), t.factor, SpeciesTerm::Particles));
  return list;
}

std::vector<UnitDef> fullConcentration() {
  std::vector<UnitDef> list = {
      concentration("kg", "/kg"),
      unit("ppm", 1e6 * kAirDensity, SpeciesTerm::GasVolume),
      unit("ppb", 1e9 * kAirDensity, SpeciesTerm::GasVolume),
      concentration("Bq", "/kg"),
      concentration("Bq", "/m³"),
      concentration("pCi", "/lb"),
      concentration("pCi", "/L"),
      concentration("kg", "/m³"),
      concentration("lb", "/lb"),
      concentration("lb", "/ft³"),
  };
  for (std::string_view num : {"g", "mg", "µg", "ng"})
    for (std::string_view den : {"/kg", "/m³", "/lb", "/ft³"})
      list.push_back(concentration(num, den));
  constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kVolumes = {
      {{"m³", "/kg"},
       {"m³", "/m³"},
       {"ft³", "/lb"},
       {"ft³", "/ft³"},
       {"L", "/kg"},
       {"L", "/m³"},
       {"L", "/lb"},
       {"L", "/ft³"},
       {"mL", "/kg"},
       {"mL", "/m³"},
       {"mL", "/lb"},
       {"µL", "/kg"},
       {"µL", "/m³"},
       {"µL", "/lb"}}};
  for (const auto& [num, den] : kVolumes) list.push_back(concentration(num, den));
  for (std::string_view den : {"/kg", "/m³", "/lb", "/ft³", "/L", "/cm³"})
    list.push_back(concentration("#", den));
  return list;
}

// A subset of the full concentration list: closed ranges of its indices, in order.
std::vector<UnitDef> concentrationSubset(const std::vector<UnitDef>& full,
                                         std::initializer_list<std::pair<int, int>> ranges) {
  std::vector<UnitDef> list;
  for (const auto& [first, last] : ranges)
    for (int i = first; i <= last; ++i) list.push_back(full[static_cast<std::size_t>(i)]);
  return list;
}

FamilyTable buildFamilies() {
  FamilyTable f;
  f[0] = {"null", {}};
  f[1] = {"Dimensionless", {unit("", 1), unit("", 1)}};
  f[2] = {"Length",
          {unit("m", 1), unit("ft", 1 / 0.3048), unit("cm", 100), unit("in", 12 / 0.3048),
           unit("mm", 1000), unit("dm", 10), unit("µm", 1e6)}};
  f[3] = {"Time", {unit("s", 1), unit("min", 1.0 / 60), unit("h", 1.0 / 3600)}};
  f[4] = {"Mass",
          {unit("kg", 1), unit("lb", 1 / 0.45359237), unit("g", 1000),
           unit("#", 1, SpeciesTerm::Particles), unit("Bq", 1, SpeciesTerm::Activity),
           unit("pCi", 1 / 0.037, SpeciesTerm::Activity)}};
  // The temperature rules are not factors; see the conversion.
  f[5] = {"Temperature", {unit("K", 1), unit("R", 1.8), unit("°C", 1), unit("°F", 1.8)}};
  f[6] = {"Pressure",
          {unit("Pa", 1), unit("in. H20", 1 / 248.84), unit("kPa", 1.0 / 1000),
           unit("in.Hg", 1 / 3386.42), unit("atm.", 1.0 / 101325), unit("psi", 1 / 6894.757),
           unit("mm.Hg", 1 / 133.331)}};
  f[7] = {"Temperature Difference", {unit("°C", 1), unit("°F", 1.8)}};
  f[8] = {"Pressure Difference", {unit("Pa", 1), unit("in. H20", 1 / 248.84)}};
  UnitDef poundsPerSecond = unit("lb/s", 2.204622622);
  poundsPerSecond.siFactor = 0.45359237;
  f[9] = {"Mass Flow Rate",
          {unit("kg/s", 1), unit("scfm", 2118.88 / kAirDensity), unit("sL/s", 1000 / kAirDensity),
           unit("sm³/s", 1 / kAirDensity), unit("sm³/h", 3600 / kAirDensity), poundsPerSecond,
           unit("sft³/h", 60 * 2118.88 / kAirDensity), unit("sL/min", 60000 / kAirDensity),
           unit("kg/h", 3600)}};
  f[10] = {"Area",
           {unit("m²", 1), unit("ft²", 1 / 0.09290304), unit("cm²", 1e4),
            unit("in²", 144 / 0.09290304), unit("mm²", 1e6), unit("dm²", 100), unit("µm²", 1e12)}};
  UnitDef litre = unit("L", 1000);
  litre.textLabel = "l";
  f[11] = {"Volume",
           {unit("m³", 1), unit("ft³", 35.3146667), unit("cm³", 1e6),
            unit("in³", 1728 * 35.3146667), unit("mm³", 1e9), litre, unit("µm³", 1e18)}};
  f[12] = {"Angle", {unit("rad", 1), unit("deg", 1 / 0.0174532925)}};
  f[13] = {"Speed",
           {unit("m/s", 1), unit("fpm", 1 / 0.00508), unit("cm/s", 100), unit("mph", 1 / 0.44704),
            unit("m/h", 3600), unit("km/h", 3.6), unit("knot", 1 / 0.5144444)}};
  f[14] = {"Volumetric Flow Rate",
           {unit("m³/s", 1), unit("cfm", 2118.88), unit("L/s", 1000), unit("L/min", 60000),
            unit("m³/h", 3600), unit("ft³/h", 60 * 2118.88)}};
  f[15] = {"Per Unit Length", {unit("m²/m", 1), unit("in²/ft", 472.440945), unit("cm²/m", 1e4)}};
  f[16] = {"Per Unit Area", {unit("m²/m²", 1), unit("in²/ft²", 144), unit("cm²/m²", 1e4)}};
  f[17] = {"Source Strength", sourceStrength()};
  f[18] = {"Deposition Flow Rate", depositionFlowRate()};
  f[19] = {"Time Constant",
           {unit("1/s", 1), unit("1/min", 60), unit("1/h", 3600), unit("1/dy", 86400),
            unit("1/yr", 365.2422 * 86400)}};
  f[20] = {"Density", {unit("kg/m³", 1), unit("lb/ft³", 0.0624279606), unit("g/cm³", 0.001)}};
  f[21] = {"Duct Leakage Rate", {unit("L/s/m²", 1), unit("cfm/100ft²", 19.685)}};
  f[22] = {"Molecular Diffusivify",
           {unit("m²/s", 1), unit("ft²/s", 1 / 0.09290304), unit("cm²/s", 1e4),
            unit("ft²/h", 3600 / 0.09290304)}};
  f[23] = {"Specific Heat",
           {unit("J/(kgK)", 1), unit("Btu/(lbF)", 1 / 4186.8), unit("kJ/(kgK)", 0.001)}};
  const std::vector<UnitDef> full = fullConcentration();
  f[24] = {"Mass Concentration", concentrationSubset(full, {{0, 2}, {7, 45}})};
  f[25] = {"Mass Concentration", full};
  f[26] = {"Mass Concentration", concentrationSubset(full, {{0, 39}})};
  f[27] = {"Mass Concentration", concentrationSubset(full, {{0, 2}, {7, 39}})};
  f[28] = {"Mass Concentration", concentrationSubset(full, {{0, 0}, {7, 25}, {40, 45}})};
  f[29] = {"Mass Concentration", concentrationSubset(full, {{0, 0}, {7, 25}})};
  f[30] = {"Surface Mass",
           {unit("kg/m²", 1), unit("g/m²", 1e3), unit("mg/m²", 1e6), unit("µg/m²", 1e9),
            unit("#/m²", 1, SpeciesTerm::Particles), unit("kg/cm²", 1e-4), unit("g/cm²", 0.1),
            unit("mg/cm²", 100), unit("µg/cm²", 1e5), unit("#/cm²", 1e-4, SpeciesTerm::Particles),
            unit("lb/ft²", 2.2046 * 0.092903), unit("#/ft²", 0.092903, SpeciesTerm::Particles),
            unit("lb/in²", 2.2046 * 0.092903 / 144),
            unit("#/in²", 0.092903 / 144, SpeciesTerm::Particles)}};
  return f;
}

const FamilyTable& families() {
  static const FamilyTable table = buildFamilies();
  return table;
}

const Family* findFamily(UnitType type) {
  const int code = unitTypeCode(type);
  if (code < 1 || code > kUnitTypeCount) return nullptr;
  return &families()[static_cast<std::size_t>(code)];
}

}  // namespace

std::optional<UnitType> unitTypeFromCode(int code) {
  if (code < 1 || code > kUnitTypeCount) return std::nullopt;
  return static_cast<UnitType>(code);
}

int unitCount(UnitType type) {
  const Family* family = findFamily(type);
  return family ? static_cast<int>(family->units.size()) : 0;
}

bool isValidUnit(UnitType type, int index) {
  return index >= 0 && index < unitCount(type);
}

const UnitDef* findUnit(UnitType type, int index) {
  if (!isValidUnit(type, index)) return nullptr;
  return &findFamily(type)->units[static_cast<std::size_t>(index)];
}

std::string_view unitLabel(UnitType type, int index) {
  const UnitDef* u = findUnit(type, index);
  return u ? std::string_view(u->label) : std::string_view();
}

std::string_view unitTextLabel(UnitType type, int index) {
  const UnitDef* u = findUnit(type, index);
  return u ? std::string_view(u->textLabel) : std::string_view();
}

std::vector<std::string_view> unitLabels(UnitType type) {
  std::vector<std::string_view> labels;
  if (const Family* family = findFamily(type))
    for (const UnitDef& u : family->units) labels.emplace_back(u.label);
  return labels;
}

std::string_view unitTypeName(UnitType type) {
  const Family* family = findFamily(type);
  return family ? family->name : std::string_view();
}

std::vector<std::string_view> unitTypeNames() {
  std::vector<std::string_view> names;
  for (const Family& family : families()) names.push_back(family.name);
  return names;
}

std::string toWindows1252(std::string_view utf8) {
  // The labels use only characters of the Latin-1 supplement, which the code page keeps at
  // the same place: a two-byte sequence C2 xx is the byte xx.
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte == 0xC2 && i + 1 < utf8.size()) {
      out.push_back(utf8[++i]);
    } else {
      out.push_back(utf8[i]);
    }
  }
  return out;
}

}  // namespace mz
