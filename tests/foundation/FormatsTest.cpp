#include "foundation/Formats.h"

#include <gtest/gtest.h>

#include <clocale>

namespace mz {
namespace {

TEST(Formats, TimesAndDates) {
  EXPECT_EQ(formatTime(86400), "24:00:00");
  EXPECT_EQ(formatTime(3661), "01:01:01");
  EXPECT_EQ(formatTime(0), "00:00:00");
  EXPECT_EQ(formatClock(7, 5, 30), "07:05:30");
  EXPECT_EQ(formatMonthDay(32), "Feb01");
  EXPECT_EQ(formatMonthDay(365), "Dec31");
  EXPECT_EQ(formatSlashDate(59), "2/28");
  EXPECT_EQ(formatSlashDate(1), "1/1");
  EXPECT_EQ(monthOfDay(335), 12);
  EXPECT_EQ(dayOfMonth(335), 1);
  EXPECT_EQ(dayOfYear(3, 1), 60);
  const ClockParts p = splitTime(45296);
  EXPECT_EQ(p.hours, 12);
  EXPECT_EQ(p.minutes, 34);
  EXPECT_EQ(p.seconds, 56);
}

TEST(Formats, OutOfRangeValuesAreBroughtIntoRange) {
  EXPECT_EQ(formatTime(90000), "24:00:00");
  EXPECT_EQ(formatTime(-1), "00:00:00");
  EXPECT_EQ(formatMonthDay(0), "Jan01");
  EXPECT_EQ(formatSlashDate(400), "12/31");
  EXPECT_EQ(hoursOf(100000), 24);
}

TEST(Formats, EveryDayOfTheYearRoundTrips) {
  for (int day = 1; day <= 365; ++day) EXPECT_EQ(dayOfYear(monthOfDay(day), dayOfMonth(day)), day);
}

TEST(FormatSignificant, Cases) {
  struct Case {
    double x;
    int digits;
    const char* want;
  };
  const Case cases[] = {
      {2.5, 4, "2.5"},       {1234.5, 2, "1200"}, {0.5, 3, ".5"},        {-0.5, 3, "-.5"},
      {0, 3, "0"},           {1.0, 3, "1"},       {99.96, 3, "100"},     {0.00012345, 2, ".00012"},
      {123456, 6, "123456"}, {9.996, 3, "10"},    {-1234.5, 3, "-1230"},
  };
  for (const Case& c : cases) EXPECT_EQ(formatSignificant(c.x, c.digits), c.want) << c.x;
}

TEST(Formats, SmallHelpers) {
  EXPECT_FALSE(differsRelatively(1.0, 1.0 + 1e-7));
  EXPECT_TRUE(differsRelatively(1.0, 1.001));
  EXPECT_FALSE(differsRelatively(0.0, 0.0));
  EXPECT_EQ(stripComment("  value 3   ! note"), "  value 3");
  EXPECT_EQ(stripComment("no comment  "), "no comment");
  EXPECT_EQ(formatInt(-42), "-42");
  EXPECT_EQ(formatFloat(0.1f, 8), "     0.1");
}

TEST(Formats, NumbersUseThePointWhateverTheLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
    GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(cformat("%g %.2f", 1.5, 2.25), "1.5 2.25");
  EXPECT_EQ(formatSignificant(2.5, 3), "2.5");
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace mz
