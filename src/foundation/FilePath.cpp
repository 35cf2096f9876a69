#include "foundation/FilePath.h"

#include <cctype>

#include "foundation/Heap.h"

namespace mz {

PathParts splitPath(std::string_view path) {
  PathParts parts;
  if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
    parts.drive = std::string(path.substr(0, 2));
    path.remove_prefix(2);
  }
  const std::size_t first = path.find_first_of("\\/");
  if (first != std::string_view::npos) {
    const std::size_t last = path.find_last_of(path[first]);
    parts.dir = std::string(path.substr(0, last + 1));
    path.remove_prefix(last + 1);
  }
  const std::size_t dot = path.find_last_of('.');
  if (dot != std::string_view::npos) {
    parts.ext = std::string(path.substr(dot));
    path = path.substr(0, dot);
  }
  parts.name = std::string(path);
  return parts;
}

namespace {

void cut(std::string& part, std::size_t limit, std::string_view what, ErrorReporter* reporter) {
  if (limit == 0) {
    part.clear();
    return;
  }
  if (part.size() > limit - 1) {
    part.resize(limit - 1);
    if (reporter)
      reporter->logLine(2, std::string("PathSplit: file ") + std::string(what) + " overrun");
  }
}

}  // namespace

PathParts pathSplit(std::string_view path, const PathLimits& limits, ErrorReporter* reporter) {
  PathParts parts = splitPath(path);
  if (limits.drive < 3)
    parts.drive.clear();
  else
    cut(parts.drive, limits.drive, "drive", reporter);
  cut(parts.dir, limits.dir, "path", reporter);
  cut(parts.name, limits.name, "name", reporter);
  cut(parts.ext, limits.ext, "extension", reporter);
  return parts;
}

std::string makePath(std::string_view drive, std::string_view dir, std::string_view name,
                     std::string_view ext) {
  std::string out;
  out.reserve(drive.size() + dir.size() + name.size() + ext.size() + 2);
  out += drive;
  out += dir;
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') out += '/';
  out += name;
  if (!ext.empty() && ext.front() != '.') out += '.';
  out += ext;
  return out;
}

}  // namespace mz
