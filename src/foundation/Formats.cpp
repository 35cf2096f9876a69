#include "foundation/Formats.h"

#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace mz {

namespace {

// Number forms are always those of the "C" locale, whatever the program's locale is.
class CLocaleScope {
 public:
  CLocaleScope() {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    previous_ = uselocale(cLocale);
  }
  ~CLocaleScope() { uselocale(previous_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  locale_t previous_;
};

long clampTime(long seconds) {
  return seconds < 0 ? 0 : seconds > kSecondsPerDay ? kSecondsPerDay : seconds;
}

int clampDay(int day) {
  return day < 1 ? 1 : day > kDaysPerYear ? kDaysPerYear : day;
}

std::string twoDigits(int n) { return cformat("%02d", n); }

}  // namespace

std::string cformat(const char* format, ...) {
  CLocaleScope scope;
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  char small[256];
  const int needed = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  std::string out;
  if (needed < 0) {
    va_end(again);
    return out;
  }
  if (static_cast<std::size_t>(needed) < sizeof small) {
    out.assign(small, static_cast<std::size_t>(needed));
  } else {
    out.resize(static_cast<std::size_t>(needed) + 1);
    std::vsnprintf(out.data(), out.size(), format, again);
    out.resize(static_cast<std::size_t>(needed));
  }
  va_end(again);
  return out;
}

std::string formatInt(long n) {
  return std::to_string(n);
}

std::string formatFloat(float x, int width) {
  return cformat("%*g", width, static_cast<double>(x));
}

std::string formatTime(long seconds) {
  const ClockParts p = splitTime(seconds);
  return twoDigits(p.hours) + ":" + twoDigits(p.minutes) + ":" + twoDigits(p.seconds);
}

std::string formatClock(int h, int m, int s) {
  return twoDigits(h) + ":" + twoDigits(m) + ":" + twoDigits(s);
}

int monthOfDay(int day) {
  day = clampDay(day);
  int month = 0;
  while (day > kMonths[static_cast<std::size_t>(month)].days) {
    day -= kMonths[static_cast<std::size_t>(month)].days;
    ++month;
  }
  return month + 1;
}

int dayOfMonth(int day) {
  day = clampDay(day);
  for (const Month& m : kMonths) {
    if (day <= m.days) break;
    day -= m.days;
  }
  return day;
}

int dayOfYear(int month, int day) {
  int total = day;
  for (int m = 1; m < month && m <= 12; ++m) total += kMonths[static_cast<std::size_t>(m - 1)].days;
  return total;
}

std::string formatMonthDay(int day) {
  return std::string(kMonths[static_cast<std::size_t>(monthOfDay(day) - 1)].name) +
         twoDigits(dayOfMonth(day));
}

std::string formatSlashDate(int day) {
  return std::to_string(monthOfDay(day)) + "/" + std::to_string(dayOfMonth(day));
}

ClockParts splitTime(long seconds) {
  seconds = clampTime(seconds);
  return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60)};
}

int hoursOf(long seconds) {
  return splitTime(seconds).hours;
}
int minutesOf(long seconds) {
  return splitTime(seconds).minutes;
}
int secondsOf(long seconds) {
  return splitTime(seconds).seconds;
}

std::string formatSignificant(double x, int digits) {
  if (digits < 1) digits = 1;
  if (x == 0 || !std::isfinite(x)) return x == 0 ? "0" : cformat("%g", x);
  const int order = static_cast<int>(std::floor(std::log10(std::fabs(x))));
  const int decimals = digits - 1 - order;
  std::string text;
  if (decimals > 0) {
    text = cformat("%.*f", decimals, x);
    // A rounding carry (9.96 to 10.0) adds a digit before the point; one fewer decimal keeps the
    // count of significant digits.
    const std::size_t point = text.find('.');
    const std::size_t lead = text.find_first_of("123456789");
    if (lead != std::string::npos && lead<point&& static_cast<int>(point - lead)> order + 1 &&
        decimals > 1)
      text = cformat("%.*f", decimals - 1, x);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  } else {
    const double scale = std::pow(10.0, -decimals);
    text = cformat("%.0f", std::round(x / scale) * scale);
  }
  if (text.starts_with("0.")) text.erase(0, 1);
  if (text.starts_with("-0.")) text.erase(1, 1);
  if (text.empty() || text == "-" || text == "-0") return std::string(1, '0');
  return text;
}

bool differsRelatively(double a, double b) {
  return std::fabs(a - b) > 1e-6 * std::fabs(a + b);
}

std::string stripComment(std::string_view line) {
  const std::size_t bang = line.find('!');
  std::string_view kept = line.substr(0, bang);
  while (!kept.empty() && (kept.back() == ' ' || kept.back() == '\t')) kept.remove_suffix(1);
  return std::string(kept);
}

}  // namespace mz
