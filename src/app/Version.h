#pragma once
// The program's name and version table. The first line of the configuration and
// recent-projects files names one of these versions; its index decides which fields follow.

#include <array>
#include <optional>
#include <string_view>

namespace mz {

inline constexpr std::string_view kProgramName = "MulzonW";
inline constexpr std::array<std::string_view, 7> kVersions = {"1.0", "2.0", "2.1", "2.2",
                                                              "2.3", "2.4", "3.0"};
inline constexpr std::size_t kCurrentVersionIndex = kVersions.size() - 1;
inline constexpr std::string_view kCurrentVersion = kVersions[kCurrentVersionIndex];
inline constexpr char kRevisionLetter = ' ';
// The per-user folder and the command-line tool's --version text: "MulzonW 3.0".
inline constexpr std::string_view kProgramTitle = "MulzonW 3.0";

// Index of a version string, searched from the current version downwards.
inline std::optional<std::size_t> findVersion(std::string_view text) {
  for (std::size_t i = kVersions.size(); i-- > 0;)
    if (kVersions[i] == text) return i;
  return std::nullopt;
}

}  // namespace mz
