#include "app/ProjectArg.h"

namespace mz {

ProjectArgument resolveProjectArgument(std::string_view text,
                                       const std::filesystem::path& startDirectory) {
  ProjectArgument result;
  result.logLines.push_back("Project by parameter: " + std::string(text) + "\n");
  std::filesystem::path path(text);
  if (path.is_relative()) {
    path = (startDirectory / path).lexically_normal();
    // The drive part of the line is empty on this system.
    std::string folder = path.parent_path().native();
    if (!folder.ends_with('/')) folder += '/';
    result.logLines.push_back("Working directory: " + folder + "\n");
  }
  path.replace_extension(".prj");
  result.projectPath = path.native();
  return result;
}

}  // namespace mz
