// Units that take the species' molar mass, particle data or decay constant.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "elements/Units.h"
#include "foundation/Formats.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

constexpr double kAir = 1.2041;         // kg/m³
constexpr double kMolarVolume = 24.05;  // m³/kmol
constexpr double kAvogadro = 6.023e23;
constexpr double kPicocurie = 0.037;  // Bq
constexpr double kFoot = 0.3048;

// A radioactive particulate gas: every species-dependent unit can be shown.
constexpr SpeciesUnitProperties kFull{29, 1e-6f, 1000, 1e-3f};
const double kMolarMass = kFull.molwt;
const double kParticleMass = kFull.edens * std::numbers::pi / 6 * std::pow(double{kFull.mdiam}, 3);
const double kGasVolume = kMolarVolume / kMolarMass;  // m³ of the gas per kg
const double kBecquerel = double{kFull.decay} * 1000 * kAvogadro / kMolarMass;  // Bq per kg

struct SpeciesCase {
  UnitType type;
  int index;
  double perSi;  // display units per SI unit
  double tolerance = 1e-6;
};

class SpeciesUnits : public testing::Test {
 protected:
  test::Diagnostics d;
  UnitConverter units{d.reporter};
};

TEST_F(SpeciesUnits, FactorsWithAllProperties) {
  const SpeciesCase cases[] = {
      {UnitType::Mass, 3, 1 / kParticleMass},
      {UnitType::Mass, 4, kBecquerel},
      {UnitType::Mass, 5, kBecquerel / kPicocurie},
      {UnitType::SourceStrength, 2, kBecquerel},
      {UnitType::SourceStrength, 8, kGasVolume},
      {UnitType::SourceStrength, 21, 1e3 * kGasVolume * 60},
      {UnitType::SourceStrength, 27, kBecquerel / kPicocurie * 3600},
      {UnitType::SourceStrength, 38, 3600 / kParticleMass},
      {UnitType::DepositionFlowRate, 9, 1e9 / kAir},  // 8.30496e8 µL/s of air
      {UnitType::DepositionFlowRate, 19, 60e9 / kAir},
      {UnitType::DepositionFlowRate, 31, 60 / kParticleMass},
      {UnitType::ConcentrationFull, 1, 1e6 * kGasVolume * kAir},  // 998573 ppm
      {UnitType::ConcentrationFull, 2, 1e9 * kGasVolume * kAir},
      {UnitType::ConcentrationFull, 4, kBecquerel * kAir},
      {UnitType::ConcentrationFull, 6, kBecquerel / kPicocurie * kAir / 1000},
      {UnitType::ConcentrationFull, 7, kAir},
      // lb/lb is not 1: the tables round the pound to 2.2046 per kg and 0.45359 kg.
      {UnitType::ConcentrationFull, 8, 2.2046 * 0.45359},
      // The concentration families take 35.3147 ft³ per m³.
      {UnitType::ConcentrationFull, 13, 1000 * kAir * kFoot * kFoot * kFoot, 1e-5},
      {UnitType::ConcentrationFull, 27, kGasVolume * kAir},
      {UnitType::ConcentrationFull, 29, kGasVolume * kAir, 1e-5},  // ft³/ft³ equals m³/m³
      {UnitType::ConcentrationFull, 40, 1 / kParticleMass},
      {UnitType::ConcentrationFull, 45, kAir * 1e-6 / kParticleMass},
      {UnitType::SurfaceMass, 4, 1 / kParticleMass},
      {UnitType::SurfaceMass, 9, 1e-4 / kParticleMass},
      {UnitType::SurfaceMass, 11, kFoot * kFoot / kParticleMass, 1e-5},
  };
  units.setCurrentSpecies(kFull);
  for (const SpeciesCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "family " << unitTypeCode(c.type) << " unit "
                                    << unitTextLabel(c.type, c.index));
    const Conversion shown = units.convert(1, UnitDirection::ToDisplay, c.type, c.index);
    EXPECT_EQ(shown.status, ConversionStatus::Done);
    EXPECT_NEAR(shown.value, c.perSi, c.tolerance * c.perSi);
  }
  // As the user sees them.
  auto shown = [&](UnitType type, int index) {
    return cformat("%g", units.convert(1, UnitDirection::ToDisplay, type, index).value);
  };
  EXPECT_EQ(shown(UnitType::ConcentrationFull, 1), "998573");
  EXPECT_EQ(shown(UnitType::ConcentrationFull, 27), "0.998573");
  EXPECT_EQ(shown(UnitType::ConcentrationFull, 29), "0.998573");
  EXPECT_EQ(shown(UnitType::DepositionFlowRate, 9), "8.30496e+08");
  EXPECT_EQ(shown(UnitType::DepositionFlowRate, 19), "4.98297e+10");
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

TEST_F(SpeciesUnits, SubsetFamiliesConvertAsTheFullList) {
  units.setCurrentSpecies(kFull);
  const std::vector<std::string_view> full = unitLabels(UnitType::ConcentrationFull);
  for (UnitType subset :
       {UnitType::ConcentrationGasParticle, UnitType::ConcentrationGasDecay,
        UnitType::ConcentrationGas, UnitType::ConcentrationParticle, UnitType::ConcentrationMass}) {
    for (int i = 0; i < unitCount(subset); ++i) {
      const auto at = std::find(full.begin(), full.end(), unitLabel(subset, i));
      ASSERT_NE(at, full.end());
      const int same = static_cast<int>(at - full.begin());
      EXPECT_EQ(
          units.convert(0.3, UnitDirection::ToDisplay, subset, i).value,
          units.convert(0.3, UnitDirection::ToDisplay, UnitType::ConcentrationFull, same).value)
          << unitLabel(subset, i);
    }
  }
}

TEST_F(SpeciesUnits, MissingPropertiesFailWithTheirMessage) {
  const float nan = std::nanf("");
  const struct {
    std::optional<SpeciesUnitProperties> species;
    UnitType type;
    int index;
    ConversionStatus status;
    std::string_view message;
  } cases[] = {
      {SpeciesUnitProperties{0, 1e-6f, 1000, 1e-3f}, UnitType::SourceStrength, 9,
       ConversionStatus::NeedsMolecularWeight, "Units [L/s] require a molecular weight"},
      {SpeciesUnitProperties{nan, 0, 0, 0}, UnitType::ConcentrationGas, 1,
       ConversionStatus::NeedsMolecularWeight, "Units [ppm] require a molecular weight"},
      {SpeciesUnitProperties{-5, 0, 0, 0}, UnitType::ConcentrationFull, 29,
       ConversionStatus::NeedsMolecularWeight, "Units [ft^3/ft^3] require a molecular weight"},
      {SpeciesUnitProperties{29, 0, 1000, 0}, UnitType::SurfaceMass, 4,
       ConversionStatus::NeedsDiameterAndDensity, "Units [#/m^2] require diameter and density"},
      {SpeciesUnitProperties{29, 1e-6f, 0, 0}, UnitType::DepositionFlowRate, 30,
       ConversionStatus::NeedsDiameterAndDensity, "Units [#/s] require diameter and density"},
      // The decay constant is asked for before the molar mass.
      {SpeciesUnitProperties{0, 0, 0, 0}, UnitType::Mass, 4, ConversionStatus::NeedsDecayConstant,
       "Units [Bq] require a radiation decay constant"},
      {SpeciesUnitProperties{0, 0, 0, 1e-3f}, UnitType::ConcentrationFull, 5,
       ConversionStatus::NeedsMolecularWeight, "Units [pCi/lb] require a molecular weight"},
      {std::nullopt, UnitType::ConcentrationFull, 1, ConversionStatus::NoSpecies,
       "Invalid contaminant pointer"},
      {std::nullopt, UnitType::DepositionFlowRate, 32, ConversionStatus::NoSpecies,
       "Invalid contaminant pointer"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    d.ui.clear();
    d.reporter.resetCount();
    units.setCurrentSpecies(c.species);
    for (UnitDirection direction : {UnitDirection::ToDisplay, UnitDirection::ToSi}) {
      const Conversion result = units.convert(2.5, direction, c.type, c.index);
      EXPECT_EQ(result.status, c.status);
      EXPECT_EQ(result.value, 2.5f);
    }
    EXPECT_EQ(d.reporter.errorCount(), 2);
    EXPECT_EQ(d.messages().front(), c.message);
  }
}

TEST_F(SpeciesUnits, UnitsWithoutSpeciesTermsNeedNoSpecies) {
  const Conversion shown = units.convert(1, UnitDirection::ToDisplay, UnitType::SourceStrength, 5);
  EXPECT_EQ(shown.status, ConversionStatus::Done);
  EXPECT_EQ(shown.value, 1e6f);
  EXPECT_EQ(units.convert(1, UnitDirection::ToDisplay, UnitType::DepositionFlowRate, 7).value,
            static_cast<float>(1000 / kAir));
  EXPECT_EQ(d.reporter.errorCount(), 0);
}

TEST(ConcentrationFamily, FollowsTheKnownProperties) {
  const struct {
    SpeciesUnitProperties species;
    UnitType family;
  } cases[] = {
      {{29, 1e-6f, 1000, 1e-3f}, UnitType::ConcentrationFull},
      {{29, 1e-6f, 1000, 0}, UnitType::ConcentrationGasParticle},
      {{29, 0, 1000, 1e-3f}, UnitType::ConcentrationGasDecay},
      {{29, 1e-6f, 0, 0}, UnitType::ConcentrationGas},
      {{0, 1e-6f, 1000, 1e-3f}, UnitType::ConcentrationParticle},
      {{0, 1e-6f, 1000, 0}, UnitType::ConcentrationParticle},
      {{0, 0, 0, 1e-3f}, UnitType::ConcentrationMass},
      {{-1, -1e-6f, -1000, -1}, UnitType::ConcentrationMass},
  };
  for (const auto& c : cases)
    EXPECT_EQ(concentrationFamily(c.species), c.family)
        << c.species.molwt << " " << c.species.mdiam << " " << c.species.edens << " "
        << c.species.decay;
}

TEST_F(SpeciesUnits, RemappingByLabel) {
  const struct {
    UnitType from, to;
    int index, expected;
  } cases[] = {
      {UnitType::ConcentrationGas, UnitType::ConcentrationMass, 1, 0},                // ppm
      {UnitType::ConcentrationGasParticle, UnitType::ConcentrationParticle, 36, 20},  // #/kg
      {UnitType::ConcentrationFull, UnitType::ConcentrationGasParticle, 3, 0},        // Bq/kg
      {UnitType::ConcentrationFull, UnitType::ConcentrationGasDecay, 40, 0},          // #/kg
      {UnitType::ConcentrationFull, UnitType::ConcentrationGasParticle, 11, 7},       // g/m³
      {UnitType::ConcentrationFull, UnitType::ConcentrationParticle, 11, 5},          // g/m³
      {UnitType::ConcentrationMass, UnitType::ConcentrationFull, 19, 25},             // ng/ft³
      {UnitType::ConcentrationGasDecay, UnitType::ConcentrationGas, 39, 35},          // µL/lb
      {UnitType::ConcentrationParticle, UnitType::ConcentrationGasParticle, 25, 41},  // #/cm³
      {UnitType::ConcentrationGasDecay, UnitType::ConcentrationGasDecay, 17, 17},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(units.remapConcentrationUnit(c.from, c.to, c.index), c.expected)
        << unitTypeCode(c.from) << " -> " << unitTypeCode(c.to) << " "
        << unitLabel(c.from, c.index);
    if (c.expected != 0) {
      EXPECT_EQ(unitLabel(c.to, c.expected), unitLabel(c.from, c.index));
    }
  }
  EXPECT_TRUE(d.ui.events().empty());
}

TEST_F(SpeciesUnits, RemappingRefusesOtherFamiliesAndUnknownUnits) {
  EXPECT_EQ(units.remapConcentrationUnit(UnitType::Mass, UnitType::ConcentrationFull, 2), 0);
  EXPECT_EQ(units.remapConcentrationUnit(UnitType::ConcentrationGas, UnitType::SurfaceMass, 2), 0);
  EXPECT_EQ(
      units.remapConcentrationUnit(UnitType::ConcentrationMass, UnitType::ConcentrationMass, 20),
      0);
  EXPECT_EQ(d.messages(), (std::vector<std::string>{"Bad Concn Unit Type", "Bad Concn Unit Type",
                                                    "Invalid units conversion: type 29 : 20"}));
  EXPECT_EQ(d.reporter.errorCount(), 3);
}

}  // namespace
}  // namespace mz
