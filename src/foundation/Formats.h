#pragma once
// Value formatters and date and time conversions used by the writers of data files, so that
// what is written is what the token reader accepts. All are pure; out-of-range input is brought
// into range rather than ending the program (the readers refuse such values on the way in).

#include <array>
#include <string>
#include <string_view>

namespace mz {

inline constexpr int kSecondsPerDay = 86400;
inline constexpr int kDaysPerYear = 365;

struct Month {
  std::string_view name;
  int days;
};
inline constexpr std::array<Month, 12> kMonths = {{{"Jan", 31},
                                                   {"Feb", 28},
                                                   {"Mar", 31},
                                                   {"Apr", 30},
                                                   {"May", 31},
                                                   {"Jun", 30},
                                                   {"Jul", 31},
                                                   {"Aug", 31},
                                                   {"Sep", 30},
                                                   {"Oct", 31},
                                                   {"Nov", 30},
                                                   {"Dec", 31}}};

std::string formatInt(long n);                 // "%ld"
std::string formatFloat(float x, int width);   // "%<width>g"
std::string formatTime(long seconds);          // HH:MM:SS, seconds clamped to 0..86400
std::string formatClock(int h, int m, int s);  // each part "%d", below 10 "0%d"
std::string formatMonthDay(int dayOfYear);     // Jan01
std::string formatSlashDate(int dayOfYear);    // 1/31

// Day of the year, clamped to 1..365, split into month 1..12 and day of month 1..31.
int monthOfDay(int dayOfYear);
int dayOfMonth(int dayOfYear);
// Day of the year of a month (1..12) and a day in it; no range checks.
int dayOfYear(int month, int day);

struct ClockParts {
  int hours, minutes, seconds;
};
ClockParts splitTime(long seconds);  // clamped to 0..86400
int hoursOf(long seconds);
int minutesOf(long seconds);
int secondsOf(long seconds);

// x rounded to the given significant digits, without exponent; trailing zeros after the point
// and a bare point removed; no leading zero before the point; an empty result is "0".
std::string formatSignificant(double x, int digits);

// True when |a - b| > 1e-6 |a + b|: whether an edited real value changed.
bool differsRelatively(double a, double b);

// The line cut at its first "!" with the blanks before the cut removed.
std::string stripComment(std::string_view line);

// printf-style formatting into a std::string, always in the "C" locale's number forms.
std::string cformat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace mz
