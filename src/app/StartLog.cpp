#include "app/StartLog.h"

#include <array>

#include "app/Version.h"
#include "foundation/Formats.h"

namespace mz {

std::string clockText(const std::tm& t) {
  static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed",
                                                       "Thu", "Fri", "Sat"};
  const int day = t.tm_wday >= 0 && t.tm_wday < 7 ? t.tm_wday : 0;
  const int month = t.tm_mon >= 0 && t.tm_mon < 12 ? t.tm_mon : 0;
  return cformat("%s %s %02d %02d:%02d:%02d %d", kDays[day], kMonths[month].name.data(), t.tm_mday,
                 t.tm_hour, t.tm_min, t.tm_sec, t.tm_year + 1900);
}

std::string clockText(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return clockText(local);
}

std::string logHeader(std::string_view programPath, std::time_t created, std::time_t started) {
  std::string out = "Program:  " + std::string(programPath) + "\n";
  out += cformat("  Version:  %s%c\n", kCurrentVersion.data(), kRevisionLetter);
  out += "  Created:  " + clockText(created) + "\n";
  out += "Start at:  " + clockText(started) + "\n";
  return out;
}

}  // namespace mz
