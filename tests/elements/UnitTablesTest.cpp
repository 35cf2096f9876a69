#include "elements/UnitTables.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace mz {
namespace {

TEST(UnitTables, FamilySizes) {
  constexpr std::array<int, 31> kSizes = {0, 2,  7,  3, 6, 4, 7, 2, 2,  9,  7,  7,  2,  7,  6, 3,
                                          3, 39, 33, 5, 3, 2, 4, 3, 42, 46, 40, 36, 26, 20, 14};
  for (int code = 1; code <= kUnitTypeCount; ++code) {
    const UnitType type = *unitTypeFromCode(code);
    EXPECT_EQ(unitCount(type), kSizes[static_cast<std::size_t>(code)]) << "family " << code;
    EXPECT_EQ(unitLabels(type).size(), static_cast<std::size_t>(unitCount(type)));
  }
}

TEST(UnitTables, CodesAndIndexesOutsideTheTablesGiveNothing) {
  EXPECT_FALSE(unitTypeFromCode(0));
  EXPECT_FALSE(unitTypeFromCode(31));
  const auto bad = static_cast<UnitType>(31);
  EXPECT_EQ(unitCount(bad), 0);
  EXPECT_TRUE(unitLabels(bad).empty());
  EXPECT_EQ(unitTypeName(bad), "");
  EXPECT_EQ(unitLabel(bad, 0), "");
  for (int index : {-1, 7, 32767}) {
    EXPECT_FALSE(isValidUnit(UnitType::Length, index));
    EXPECT_EQ(findUnit(UnitType::Length, index), nullptr);
    EXPECT_EQ(unitLabel(UnitType::Length, index), "");
    EXPECT_EQ(unitTextLabel(UnitType::Length, index), "");
  }
}

TEST(UnitTables, FamilyNames) {
  const std::vector<std::string_view> names = unitTypeNames();
  ASSERT_EQ(names.size(), 31u);
  EXPECT_EQ(names[0], "null");
  EXPECT_EQ(names[1], "Dimensionless");
  EXPECT_EQ(names[9], "Mass Flow Rate");
  EXPECT_EQ(names[22], "Molecular Diffusivify");
  for (int code = 24; code <= 29; ++code) EXPECT_EQ(names[code], "Mass Concentration");
  EXPECT_EQ(names[30], "Surface Mass");
  EXPECT_EQ(unitTypeName(UnitType::DuctLeakageRate), "Duct Leakage Rate");
}

struct LabelCase {
  UnitType type;
  int index;
  std::string_view label;
  std::string_view text;
};

TEST(UnitTables, DisplayAndTextLabels) {
  const LabelCase cases[] = {
      {UnitType::Dimensionless, 1, "", ""},
      {UnitType::Length, 6, "µm", "µm"},
      {UnitType::Temperature, 3, "°F", "°F"},
      {UnitType::Pressure, 1, "in. H20", "in.H2O"},
      {UnitType::Pressure, 4, "atm.", "atm."},
      {UnitType::PressureDifference, 1, "in. H20", "in.H2O"},
      {UnitType::MassFlowRate, 6, "sft³/h", "sft^3/h"},
      {UnitType::Area, 3, "in²", "in^2"},
      {UnitType::Volume, 5, "L", "l"},
      {UnitType::VolumetricFlowRate, 2, "L/s", "L/s"},
      {UnitType::PerUnitArea, 1, "in²/ft²", "in^2/ft^2"},
      {UnitType::SourceStrength, 0, "kg/s", "kg/s"},
      {UnitType::SourceStrength, 9, "L/s", "L/s"},
      {UnitType::SourceStrength, 11, "µL/s", "µL/s"},
      {UnitType::SourceStrength, 12, "kg/min", "kg/min"},
      {UnitType::SourceStrength, 32, "m³/h", "m^3/h"},
      {UnitType::SourceStrength, 38, "#/h", "#/h"},
      {UnitType::DepositionFlowRate, 9, "µL/s", "µL/s"},
      {UnitType::DepositionFlowRate, 10, "kg/min", "kg/min"},
      {UnitType::DepositionFlowRate, 30, "#/s", "#/s"},
      {UnitType::TimeConstant, 4, "1/yr", "1/yr"},
      {UnitType::DuctLeakageRate, 1, "cfm/100ft²", "cfm/100ft^2"},
      {UnitType::SpecificHeat, 1, "Btu/(lbF)", "Btu/(lbF)"},
      {UnitType::ConcentrationFull, 27, "m³/m³", "m^3/m^3"},
      {UnitType::ConcentrationFull, 44, "#/L", "#/L"},
      {UnitType::ConcentrationGasParticle, 36, "#/kg", "#/kg"},
      {UnitType::ConcentrationGas, 35, "µL/lb", "µL/lb"},
      {UnitType::ConcentrationParticle, 20, "#/kg", "#/kg"},
      {UnitType::ConcentrationMass, 19, "ng/ft³", "ng/ft^3"},
      {UnitType::SurfaceMass, 13, "#/in²", "#/in^2"},
  };
  for (const LabelCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "family " << unitTypeCode(c.type) << " unit " << c.index);
    EXPECT_EQ(unitLabel(c.type, c.index), c.label);
    EXPECT_EQ(unitTextLabel(c.type, c.index), c.text);
  }
}

TEST(UnitTables, FullConcentrationListOrder) {
  const std::vector<std::string_view> expected = {
      "kg/kg", "ppm",    "ppb",   "Bq/kg", "Bq/m³",  "pCi/lb",  "pCi/L", "kg/m³",
      "lb/lb", "lb/ft³", "g/kg",  "g/m³",  "g/lb",   "g/ft³",   "mg/kg", "mg/m³",
      "mg/lb", "mg/ft³", "µg/kg", "µg/m³", "µg/lb",  "µg/ft³",  "ng/kg", "ng/m³",
      "ng/lb", "ng/ft³", "m³/kg", "m³/m³", "ft³/lb", "ft³/ft³", "L/kg",  "L/m³",
      "L/lb",  "L/ft³",  "mL/kg", "mL/m³", "mL/lb",  "µL/kg",   "µL/m³", "µL/lb",
      "#/kg",  "#/m³",   "#/lb",  "#/ft³", "#/L",    "#/cm³"};
  EXPECT_EQ(unitLabels(UnitType::ConcentrationFull), expected);
}

TEST(UnitTables, SingleByteLabelsForTextFiles) {
  EXPECT_EQ(toWindows1252(unitLabel(UnitType::ConcentrationFull, 19)), "\xB5g/m\xB3");
  EXPECT_EQ(toWindows1252(unitTextLabel(UnitType::ConcentrationFull, 19)), "\xB5g/m^3");
  EXPECT_EQ(toWindows1252(unitLabel(UnitType::Area, 0)), "m\xB2");
  EXPECT_EQ(toWindows1252(unitTextLabel(UnitType::TemperatureDifference, 1)),
            "\xB0"
            "F");
  EXPECT_EQ(toWindows1252("kg/s"), "kg/s");
}

}  // namespace
}  // namespace mz
