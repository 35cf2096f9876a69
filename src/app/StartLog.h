#pragma once
// The lines the program log begins with.

#include <ctime>
#include <string>
#include <string_view>

namespace mz {

// The 24-character form "Www Mmm dd hh:mm:ss yyyy" of a local time, in English whatever the
// locale, e.g. "Tue Dec 08 20:30:07 2026".
std::string clockText(const std::tm& local);
std::string clockText(std::time_t when);

// "Program:  %s", "  Version:  %s%c", "  Created:  %s" and "Start at:  %s", each with its line
// end.
std::string logHeader(std::string_view programPath, std::time_t created, std::time_t started);

}  // namespace mz
