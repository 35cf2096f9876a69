#include "elements/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/TestSupport.h"

namespace mz {
namespace {

// Definitions the expected factors are derived from.
constexpr double kFoot = 0.3048;        // m
constexpr double kInch = 0.0254;        // m
constexpr double kPound = 0.45359237;   // kg
constexpr double kGravity = 9.80665;    // m/s², standard
constexpr double kBtu = 1055.05585262;  // J, international table
constexpr double kMile = 1609.344;      // m
constexpr double kNauticalMile = 1852;  // m
constexpr double kAir = 1.2041;         // kg/m³, the program's air density
constexpr double kFoot2 = kFoot * kFoot;
constexpr double kFoot3 = kFoot * kFoot * kFoot;
constexpr double kInch2 = kInch * kInch;
constexpr double kInch3 = kInch * kInch * kInch;
// Manometer and barometer units have no exact definition; the program uses these values (Pa).
constexpr double kInchWater = 248.84;
constexpr double kInchMercury = 3386.42;
constexpr double kMillimetreMercury = 133.331;

struct FactorCase {
  UnitType type;
  int index;
  double perSi;             // display units per SI unit
  double tolerance = 1e-6;  // relative
};

// Every unit of the families whose factors need no species.
const FactorCase kFactorCases[] = {
    {UnitType::Dimensionless, 1, 1},
    {UnitType::Length, 1, 1 / kFoot},
    {UnitType::Length, 2, 100},
    {UnitType::Length, 3, 1 / kInch},
    {UnitType::Length, 4, 1000},
    {UnitType::Length, 5, 10},
    {UnitType::Length, 6, 1e6},
    {UnitType::Time, 1, 1.0 / 60},
    {UnitType::Time, 2, 1.0 / 3600},
    {UnitType::Mass, 1, 1 / kPound},
    {UnitType::Mass, 2, 1000},
    {UnitType::Pressure, 1, 1 / kInchWater},
    {UnitType::Pressure, 2, 1e-3},
    {UnitType::Pressure, 3, 1 / kInchMercury},
    {UnitType::Pressure, 4, 1 / 101325.0},
    {UnitType::Pressure, 5, kInch2 / (kPound * kGravity)},
    {UnitType::Pressure, 6, 1 / kMillimetreMercury},
    {UnitType::TemperatureDifference, 1, 9.0 / 5},
    {UnitType::PressureDifference, 1, 1 / kInchWater},
    {UnitType::MassFlowRate, 1, 60 / (kFoot3 * kAir)},
    {UnitType::MassFlowRate, 2, 1000 / kAir},
    {UnitType::MassFlowRate, 3, 1 / kAir},
    {UnitType::MassFlowRate, 4, 3600 / kAir},
    {UnitType::MassFlowRate, 5, 1 / kPound},
    {UnitType::MassFlowRate, 6, 3600 / (kFoot3 * kAir)},
    {UnitType::MassFlowRate, 7, 60000 / kAir},
    {UnitType::MassFlowRate, 8, 3600},
    {UnitType::Area, 1, 1 / kFoot2},
    {UnitType::Area, 2, 1e4},
    {UnitType::Area, 3, 1 / kInch2},
    {UnitType::Area, 4, 1e6},
    {UnitType::Area, 5, 100},
    {UnitType::Area, 6, 1e12},
    {UnitType::Volume, 1, 1 / kFoot3},
    {UnitType::Volume, 2, 1e6},
    {UnitType::Volume, 3, 1 / kInch3},
    {UnitType::Volume, 4, 1e9},
    {UnitType::Volume, 5, 1000},
    {UnitType::Volume, 6, 1e18},
    {UnitType::Angle, 1, 180 / std::numbers::pi},
    {UnitType::Speed, 1, 60 / kFoot},
    {UnitType::Speed, 2, 100},
    {UnitType::Speed, 3, 3600 / kMile},
    {UnitType::Speed, 4, 3600},
    {UnitType::Speed, 5, 3.6},
    {UnitType::Speed, 6, 3600 / kNauticalMile},
    {UnitType::VolumetricFlowRate, 1, 60 / kFoot3},
    {UnitType::VolumetricFlowRate, 2, 1000},
    {UnitType::VolumetricFlowRate, 3, 60000},
    {UnitType::VolumetricFlowRate, 4, 3600},
    {UnitType::VolumetricFlowRate, 5, 3600 / kFoot3},
    {UnitType::PerUnitLength, 1, kFoot / kInch2},
    {UnitType::PerUnitLength, 2, 1e4},
    {UnitType::PerUnitArea, 1, kFoot2 / kInch2},
    {UnitType::PerUnitArea, 2, 1e4},
    {UnitType::TimeConstant, 1, 60},
    {UnitType::TimeConstant, 2, 3600},
    {UnitType::TimeConstant, 3, 86400},
    {UnitType::TimeConstant, 4, 365.2422 * 86400},  // tropical year
    {UnitType::Density, 1, kFoot3 / kPound},
    {UnitType::Density, 2, 1e-3},
    // The table rounds 19.68504 to 19.685.
    {UnitType::DuctLeakageRate, 1, 1e-3 * (60 / kFoot3) * kFoot2 * 100, 1e-5},
    {UnitType::MolecularDiffusivity, 1, 1 / kFoot2},
    {UnitType::MolecularDiffusivity, 2, 1e4},
    {UnitType::MolecularDiffusivity, 3, 3600 / kFoot2},
    {UnitType::SpecificHeat, 1, kPound / (1.8 * kBtu)},
    {UnitType::SpecificHeat, 2, 1e-3},
    // Families 17 and 18 and surface mass in mass units. Their pound is 2.2046 per kg (1e-5 off).
    {UnitType::SourceStrength, 1, 1 / kPound, 2e-5},
    {UnitType::SourceStrength, 7, 1e12},
    {UnitType::SourceStrength, 16, 60e3},
    {UnitType::SourceStrength, 29, 3600e6},
    {UnitType::DepositionFlowRate, 5, 1e12},
    {UnitType::DepositionFlowRate, 6, 1 / kAir},
    {UnitType::DepositionFlowRate, 19, 60e9 / kAir},
    {UnitType::DepositionFlowRate, 21, 3600 / kPound, 2e-5},
    {UnitType::SurfaceMass, 6, 0.1},
    {UnitType::SurfaceMass, 8, 1e5},
    {UnitType::SurfaceMass, 10, kFoot2 / kPound, 2e-5},
    {UnitType::SurfaceMass, 12, kInch2 / kPound, 2e-5},
};

class Units : public testing::Test {
 protected:
  test::Diagnostics d;
  UnitConverter units{d.reporter};
};

TEST_F(Units, FactorsBothWays) {
  const double si = 2.5;
  for (const FactorCase& c : kFactorCases) {
    SCOPED_TRACE(testing::Message() << "family " << unitTypeCode(c.type) << " unit " << c.index
                                    << " " << unitTextLabel(c.type, c.index));
    const Conversion shown = units.convert(si, UnitDirection::ToDisplay, c.type, c.index);
    EXPECT_EQ(shown.status, ConversionStatus::Done);
    EXPECT_NEAR(shown.value, si * c.perSi, c.tolerance * si * c.perSi);
    const Conversion back = units.convert(si, UnitDirection::ToSi, c.type, c.index);
    EXPECT_NEAR(back.value, si / c.perSi, c.tolerance * si / c.perSi);
  }
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

TEST_F(Units, PoundsPerSecondUseTheExactPoundOnTheWayIn) {
  const Conversion back = units.convert(1, UnitDirection::ToSi, UnitType::MassFlowRate, 5);
  EXPECT_EQ(back.value, static_cast<float>(kPound));
}

TEST_F(Units, RateUnitsScaleWithTheirTimeDivisor) {
  units.setCurrentSpecies(SpeciesUnitProperties{29, 1e-6f, 1000, 1e-3f});
  const struct {
    UnitType type;
    int perSecond;  // units over /s
    int hashFirst;  // first # unit
  } families[] = {{UnitType::SourceStrength, 12, 36}, {UnitType::DepositionFlowRate, 10, 30}};
  for (const auto& f : families) {
    auto shown = [&](int index) {
      return static_cast<double>(units.convert(1, UnitDirection::ToDisplay, f.type, index).value);
    };
    for (int i = 0; i < f.perSecond; ++i) {
      EXPECT_NEAR(shown(i + f.perSecond), 60 * shown(i), 1e-6 * 60 * shown(i));
      EXPECT_NEAR(shown(i + 2 * f.perSecond), 3600 * shown(i), 1e-6 * 3600 * shown(i));
    }
    EXPECT_NEAR(shown(f.hashFirst + 1), 60 * shown(f.hashFirst), 1e-6 * 60 * shown(f.hashFirst));
    EXPECT_NEAR(shown(f.hashFirst + 2), 3600 * shown(f.hashFirst),
                1e-6 * 3600 * shown(f.hashFirst));
  }
}

TEST_F(Units, IndexZeroIsTheValueItselfWithoutChecks) {
  const double value = 0.1;  // not exact in single precision
  for (int code : {1, 5, 17, 25, 30, 31, 0, -4}) {
    const Conversion c =
        units.convert(value, UnitDirection::ToDisplay, static_cast<UnitType>(code), 0);
    EXPECT_EQ(c.status, ConversionStatus::Done);
    EXPECT_EQ(c.value, 0.1f);
  }
  EXPECT_TRUE(d.ui.events().empty());
}

TEST_F(Units, RoundTripOfEveryUnit) {
  units.setCurrentSpecies(SpeciesUnitProperties{29, 2e-6f, 1500, 2e-4f});
  for (int code = 1; code <= kUnitTypeCount; ++code) {
    const UnitType type = *unitTypeFromCode(code);
    const double si = type == UnitType::Temperature ? 300.0 : 0.37;
    for (int index = 0; index < unitCount(type); ++index) {
      SCOPED_TRACE(testing::Message() << "family " << code << " unit " << index);
      const Conversion shown = units.convert(si, UnitDirection::ToDisplay, type, index);
      ASSERT_EQ(shown.status, ConversionStatus::Done);
      ASSERT_TRUE(std::isfinite(shown.value));
      const Conversion back = units.convert(shown.value, UnitDirection::ToSi, type, index);
      EXPECT_NEAR(back.value, si, 1e-6 * si);
    }
  }
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

struct TemperatureCase {
  float kelvin;
  int index;
  double shown;
};

TEST_F(Units, Temperatures) {
  const TemperatureCase cases[] = {
      {273.15f, 2, 0.0},  // single precision 273.149994 still shows exactly 0 °C
      {273.15f, 1, 491.67}, {300, 2, 26.85}, {300, 3, 80.33},       {300, 1, 540},
      {0, 2, -273.15},      {0, 3, -459.67}, {255.372222f, 3, 0.0},
  };
  for (const TemperatureCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.kelvin << " K in unit " << c.index);
    const float shown =
        units.convert(c.kelvin, UnitDirection::ToDisplay, UnitType::Temperature, c.index).value;
    if (c.shown == 0) {
      EXPECT_EQ(shown, 0.0f);
    } else {
      EXPECT_NEAR(shown, c.shown, 1e-6 * std::abs(c.shown));
    }
    EXPECT_NEAR(units.convert(c.shown, UnitDirection::ToSi, UnitType::Temperature, c.index).value,
                c.kelvin, 1e-4);
  }
}

TEST(TemperatureCodes, ConvertThroughTheTemperatureFamily) {
  const struct {
    int code;
    double value;  // 20 °C in the unit
  } cases[] = {{0, 293.15}, {1, 527.67}, {2, 20}, {3, 68}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    ASSERT_TRUE(temperatureToKelvin(c.value, c.code));
    EXPECT_NEAR(*temperatureToKelvin(c.value, c.code), 293.15, 1e-4);
    EXPECT_NEAR(*kelvinToTemperature(293.15, c.code), c.value, 1e-4);
  }
  for (int bad : {-1, 4}) {
    EXPECT_FALSE(temperatureToKelvin(20, bad));
    EXPECT_FALSE(kelvinToTemperature(20, bad));
  }
}

TEST_F(Units, UnknownUnitsAreErrorsAndLeaveTheValue) {
  const struct {
    int code;
    int index;
    std::string_view message;
  } cases[] = {
      {2, 7, "Invalid units conversion: type 2 : 7"},
      {2, -1, "Invalid units conversion: type 2 : -1"},
      {25, 46, "Invalid units conversion: type 25 : 46"},
      {31, 1, "Invald units type: 31"},
      {0, 3, "Invald units type: 0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    d.ui.clear();
    d.reporter.resetCount();
    const Conversion result =
        units.convert(1.5, UnitDirection::ToDisplay, static_cast<UnitType>(c.code), c.index);
    EXPECT_EQ(result.status, ConversionStatus::InvalidUnit);
    EXPECT_EQ(result.value, 1.5f);
    EXPECT_EQ(d.reporter.errorCount(), 1);
    EXPECT_EQ(d.messages(), std::vector<std::string>{std::string(c.message)});
  }
}

TEST_F(Units, CheckUnitOfFileValues) {
  EXPECT_TRUE(units.checkUnit(UnitType::Speed, 6));
  EXPECT_FALSE(units.checkUnit(UnitType::Speed, 7));
  EXPECT_FALSE(units.checkUnit(static_cast<UnitType>(40), 0));
  EXPECT_EQ(d.messages(), (std::vector<std::string>{"Invalid units conversion: type 13 : 7",
                                                    "Invalid units type: 40"}));
  EXPECT_EQ(d.reporter.errorCount(), 2);
}

TEST(DefaultUnits, ConfigurationChoosesTheIndexOfNewFields) {
  const UnitDefaults ip{1, 8, 3};
  EXPECT_EQ(defaultUnitIndex(UnitType::Length, ip), 1);
  EXPECT_EQ(defaultUnitIndex(UnitType::ConcentrationGas, ip), 1);
  EXPECT_EQ(defaultUnitIndex(UnitType::MassFlowRate, ip), 8);
  EXPECT_EQ(defaultUnitIndex(UnitType::Temperature, ip), 3);
  // Configured indexes a family does not have fall back to SI.
  const UnitDefaults odd{2, 9, 4};
  EXPECT_EQ(defaultUnitIndex(UnitType::Angle, odd), 0);
  EXPECT_EQ(defaultUnitIndex(UnitType::Length, odd), 2);
  EXPECT_EQ(defaultUnitIndex(UnitType::MassFlowRate, odd), 0);
  EXPECT_EQ(defaultUnitIndex(UnitType::Temperature, odd), 0);
}

}  // namespace
}  // namespace mz
