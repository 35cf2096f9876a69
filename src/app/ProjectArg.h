#pragma once
// The project named on the command line.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

struct ProjectArgument {
  std::string projectPath;            // absolute, with the extension ".prj"
  std::vector<std::string> logLines;  // for the program log, each with its line end
};

// The command-line text as a project path: a relative path is taken from the folder the program
// was started in, and the extension becomes ".prj". The log gets "Project by parameter: %s"
// with the text and, for a relative path, "Working directory: %s%s" with the folder the project
// is in.
ProjectArgument resolveProjectArgument(std::string_view text,
                                       const std::filesystem::path& startDirectory);

}  // namespace mz
