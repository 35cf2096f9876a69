#include "elements/UnitField.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace mz {
namespace {

constexpr double kFoot = 0.3048;

class UnitFieldTest : public testing::Test {
 protected:
  test::Diagnostics d;
  UnitConverter units{d.reporter};
  float stored = 1.0f;
};

TEST_F(UnitFieldTest, ShowsTheStoredValueInItsUnit) {
  UnitField field(units, stored, UnitType::Length, 1);
  EXPECT_FALSE(field.enabled());
  field.show();
  EXPECT_EQ(field.text(), "3.28084");
  EXPECT_TRUE(field.enabled());
  EXPECT_EQ(field.unitLabel(), "ft");
  EXPECT_EQ(field.unitChoices().size(), 7u);
  field.markNotApplicable(true);
  EXPECT_EQ(field.text(), " N/A");
  EXPECT_FALSE(field.enabled());
  field.markNotApplicable(false);
  EXPECT_TRUE(field.enabled());
}

struct AcceptCase {
  UnitType type;
  int index;
  FieldBounds bounds;
  std::string_view entered;
  bool accepted;
  float storedAfter;  // SI
  std::string_view text;
  std::string_view message;  // the WARNING, empty when accepted
};

TEST_F(UnitFieldTest, AcceptsOrRefusesTypedText) {
  const AcceptCase cases[] = {
      {UnitType::Length, 1, {}, "2", true, static_cast<float>(2 * kFoot), "     2", ""},
      {UnitType::Length, 1, {}, " 2.5 ", true, static_cast<float>(2.5 * kFoot), "   2.5", ""},
      {UnitType::Length, 0, {}, "-3.4e38", true, -3.4e38f, "-3.4e+38", ""},
      {UnitType::Length,
       0,
       {},
       "1234567890123456789",
       true,
       1234567890123456789.0f,
       "1.23457e+18",
       ""},
      {UnitType::Length,
       0,
       {},
       "12345678901234567890",
       false,
       1.0f,
       "     1",
       "There are too many digits in this number."},
      {UnitType::Length, 0, {}, "12a", false, 1.0f, "     1", "Not a valid number: \"12a\""},
      {UnitType::Length, 0, {}, "3.5e38", false, 1.0f, "     1", "Not a valid number: \"3.5e38\""},
      {UnitType::Length, 0, {}, "nan", false, 1.0f, "     1", "Not a valid number: \"nan\""},
      {UnitType::Length, 0, {}, "inf", false, 1.0f, "     1", "Not a valid number: \"inf\""},
      {UnitType::Length, 0, {}, "", false, 1.0f, "     1", "Not a valid number: \"\""},
      {UnitType::Length,
       1,
       {0.01, kNoBound},
       "0",
       false,
       1.0f,
       "3.28084",
       "Value must not be less than 0.0328084 ft"},
      {UnitType::PressureDifference,
       1,
       {kNoBound, 100},
       "1",
       false,
       1.0f,
       "0.00401865",
       "Value must not be greater than 0.401865 in.H2O"},
      // Both checks apply; the lower one is reported first.
      {UnitType::Length,
       0,
       {2, 1},
       "1.5",
       false,
       1.0f,
       "     1",
       "Value must not be less than 2 m"},
      // A value equal to a bound is accepted, even one not exact in single precision.
      {UnitType::Dimensionless, 0, {0.0001, kNoBound}, "0.0001", true, 0.0001f, "0.0001", ""},
      {UnitType::Length, 0, {kNoBound, 5}, "5", true, 5.0f, "     5", ""},
      // Conversions that overflow single precision are not numbers for the field.
      {UnitType::SpecificHeat,
       2,
       {},
       "1e38",
       false,
       1.0f,
       " 0.001",
       "Not a valid number: \"1e38\""},
  };
  for (const AcceptCase& c : cases) {
    SCOPED_TRACE(c.entered);
    d.ui.clear();
    stored = 1.0f;
    UnitField field(units, stored, c.type, c.index);
    EXPECT_EQ(field.accept(c.entered, c.bounds), c.accepted);
    EXPECT_EQ(stored, c.storedAfter);
    EXPECT_EQ(field.text(), c.text);
    if (c.accepted) {
      EXPECT_TRUE(d.ui.events().empty());
    } else {
      ASSERT_EQ(d.ui.events().size(), 1u);
      EXPECT_EQ(d.ui.events()[0].caption, "WARNING");
      EXPECT_EQ(d.messages(), std::vector<std::string>{std::string(c.message)});
    }
  }
  EXPECT_EQ(d.reporter.errorCount(), 0);  // notices are not counted
}

TEST_F(UnitFieldTest, ItsOwnTextIsAcceptedAgain) {
  UnitField field(units, stored, UnitType::Temperature, 3);
  ASSERT_TRUE(field.accept("68"));
  const float kelvin = stored;
  EXPECT_NEAR(kelvin, 293.15f, 1e-4);
  EXPECT_TRUE(field.accept(field.text()));
  EXPECT_EQ(stored, kelvin);
}

TEST_F(UnitFieldTest, UnitChangeNeedsTheSpeciesProperty) {
  units.setCurrentSpecies(SpeciesUnitProperties{0, 0, 0, 0});
  stored = 2e-6f;  // kg/s
  UnitField field(units, stored, UnitType::SourceStrength, 0);
  EXPECT_FALSE(field.changeUnit(9));  // L/s needs a molar mass
  EXPECT_EQ(field.unitIndex(), 0);
  EXPECT_EQ(d.messages(), std::vector<std::string>{"Units [L/s] require a molecular weight"});
  EXPECT_TRUE(field.changeUnit(17));  // mg/min
  EXPECT_EQ(field.unitIndex(), 17);
  EXPECT_EQ(field.text(), "   120");
  EXPECT_FALSE(field.changeUnit(39));
  EXPECT_EQ(field.unitIndex(), 17);
  EXPECT_EQ(d.messages().back(), "Invalid units conversion: type 17 : 39");
  EXPECT_EQ(stored, 2e-6f);
}

TEST_F(UnitFieldTest, AUnitTheSpeciesNoLongerAllowsFallsBackToSi) {
  units.setCurrentSpecies(SpeciesUnitProperties{29, 0, 0, 0});
  stored = 1e-6f;
  UnitField field(units, stored, UnitType::ConcentrationGas, 1);
  field.show();
  EXPECT_EQ(field.text(), "0.998573");
  units.setCurrentSpecies(SpeciesUnitProperties{0, 0, 0, 0});
  field.show();
  EXPECT_EQ(field.unitIndex(), 0);
  EXPECT_EQ(field.text(), "1e-06");
  EXPECT_EQ(d.messages(), std::vector<std::string>(1, "Units [ppm] require a molecular weight"));

  // Typed while the field still showed ppm: refused, and the field moves to SI.
  UnitField typed(units, stored, UnitType::ConcentrationGas, 1);
  EXPECT_FALSE(typed.accept("5"));
  EXPECT_EQ(stored, 1e-6f);
  EXPECT_EQ(typed.unitIndex(), 0);
  EXPECT_EQ(typed.text(), " 1e-06");
  EXPECT_EQ(d.messages().size(), 2u);
}

TEST_F(UnitFieldTest, AnUnknownUnitIndexFromAFileBecomesSi) {
  UnitField field(units, stored, UnitType::Speed, 12);
  EXPECT_EQ(field.unitIndex(), 0);
  EXPECT_EQ(d.messages(), std::vector<std::string>{"Invalid units conversion: type 13 : 12"});
  EXPECT_EQ(d.reporter.errorCount(), 1);
  field.show();
  EXPECT_EQ(field.text(), "1");
}

}  // namespace
}  // namespace mz
