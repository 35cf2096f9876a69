#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/DataElements.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;

constexpr Ref<Zone> kZone3{3};

struct EndOfDayCase {
  const char* what;
  std::vector<OccupancyPoint> points;
  std::vector<Ref<Zone>> zones;
};

class EndOfDayTest : public ::testing::TestWithParam<EndOfDayCase> {};

TEST_P(EndOfDayTest, AnEndPointWithoutZoneStaysWhereThePreviousPointWas) {
  std::vector<OccupancyPoint> points = GetParam().points;
  fillEndOfDayZones(points);
  std::vector<Ref<Zone>> zones;
  for (const OccupancyPoint& p : points) zones.push_back(p.zone);
  EXPECT_EQ(zones, GetParam().zones) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Points, EndOfDayTest,
    ::testing::Values(EndOfDayCase{"end point takes the previous zone",
                                   {{0, kZone3, 0, 0, 0}, {86400, {}, 0, 0, 0}},
                                   {kZone3, kZone3}},
                      EndOfDayCase{"an ambient previous point",
                                   {{0, Ref<Zone>::ambient(), 0, 0, 0}, {86400, {}, 0, 0, 0}},
                                   {Ref<Zone>::ambient(), Ref<Zone>::ambient()}},
                      EndOfDayCase{"a first point at the end of the day stays out of the building",
                                   {{86400, {}, 0, 0, 0}},
                                   {Ref<Zone>{}}},
                      EndOfDayCase{
                          "other points keep their empty zone",
                          {{0, kZone3, 0, 0, 0}, {3600, {}, 0, 0, 0}, {86400, {}, 0, 0, 0}},
                          {kZone3, Ref<Zone>{}, Ref<Zone>{}}}));

TEST(WindProfile, HoldsAtMostSeventeenPointsAndClosesThePeriod) {
  Diagnostics d;
  WindProfile profile;
  profile.name = "wall";
  const float az[] = {0, 90, 180, 270, 360};
  const float cp[] = {0.6f, -0.3f, -0.5f, -0.3f, 0.1f};
  ASSERT_TRUE(setWindPoints(d.reporter, profile, az, cp));
  EXPECT_EQ(profile.npts, 5);
  EXPECT_FLOAT_EQ(profile.coefficients[4], 0.6f);
  EXPECT_FLOAT_EQ(profile.azimuths[5], 360.0f);
  EXPECT_FLOAT_EQ(profile.azimuths[16], 360.0f);

  std::vector<float> full(17, 0.2f), tooMany(18, 0.2f);
  ASSERT_TRUE(setWindPoints(d.reporter, profile, full, full));
  EXPECT_EQ(profile.npts, 17);
  WindProfile before = profile;
  EXPECT_FALSE(setWindPoints(d.reporter, profile, tooMany, tooMany));
  EXPECT_EQ(profile.npts, 17);
  EXPECT_EQ(profile.azimuths, before.azimuths);
  EXPECT_EQ(d.reporter.errorCount(), 1);
  EXPECT_THAT(d.messages(),
              ::testing::ElementsAre("Wind profile wall: more than 17 points or unpaired values"));
}

TEST(WindProfile, TypesOtherThanSplineAndTrigonometricAreHeldLinear) {
  EXPECT_EQ(heldWindFit(2), WindFit::CubicSpline);
  EXPECT_EQ(heldWindFit(3), WindFit::Trigonometric);
  for (std::int16_t t : {0, 1, 4, -1}) EXPECT_EQ(heldWindFit(t), WindFit::Linear) << t;
}

TEST(WeekSchedule, UnitTypeZeroIsHeldAsOne) {
  EXPECT_EQ(WeekSchedule::heldUnitType(0), 1);
  EXPECT_EQ(WeekSchedule::heldUnitType(5), 5);
  EXPECT_EQ(WeekSchedule{}.utyp, 1);
}

TEST(OccupancySchedule, VisitsTheZonesOfItsPoints) {
  OccupancySchedule occ;
  occ.points = {{0, kZone3, 0, 0, 0}, {3600, Ref<Zone>::ambient(), 0, 0, 0}};
  EXPECT_TRUE(occ.visits(kZone3));
  EXPECT_TRUE(occ.visits(Ref<Zone>::ambient()));
  EXPECT_FALSE(occ.visits(Ref<Zone>{4}));
}

}  // namespace
}  // namespace mz
