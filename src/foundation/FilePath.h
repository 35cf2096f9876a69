#pragma once
// Splitting a path into drive, folder, base name and extension, and joining them again.

#include <string>
#include <string_view>

namespace mz {

class ErrorReporter;

struct PathParts {
  std::string drive;  // "X:" when the path starts with a letter and a colon, else empty
  std::string dir;    // up to and including the last separator
  std::string name;   // base name without extension
  std::string ext;    // from the last "." of the name on, the "." included
};

// The separator is whichever of "\" and "/" comes first in the path; the folder ends at the last
// occurrence of that character.
PathParts splitPath(std::string_view path);

// Output limits of a bounded split, in characters including the terminating place; 0 means that
// part is not wanted.
struct PathLimits {
  std::size_t drive = 3;
  std::size_t dir = 256;
  std::size_t name = 256;
  std::size_t ext = 256;
};

// As splitPath, but each part is cut to its limit less one; a cut is logged at severity 2
// ("PathSplit: file drive overrun", "... path ...", "... name ...", "... extension ...").
// A drive limit below 3 gives an empty drive.
PathParts pathSplit(std::string_view path, const PathLimits& limits, ErrorReporter* reporter);

std::string makePath(std::string_view drive, std::string_view dir, std::string_view name,
                     std::string_view ext);

}  // namespace mz
