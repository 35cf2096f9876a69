#pragma once
// The first line of the configuration and recent-projects files: a file-type word, the program
// name and one of the version strings.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <source_location>
#include <string_view>

namespace mz {

class ErrorReporter;
class TokenReader;

// Reads the three header words and gives the version index. When a word differs, the version is
// unknown or it is "1.0", it reports the warning badText + path and the counted error
// "Invalid header data: " + the first line (both at the caller's location) and gives nothing.
std::optional<std::size_t> readFileHeader(
    TokenReader& reader, ErrorReporter& reporter, std::string_view fileType,
    std::string_view badText, const std::filesystem::path& path,
    std::source_location where = std::source_location::current());

}  // namespace mz
