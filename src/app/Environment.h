#pragma once
// What start-up takes from the process: environment variables, the program's own path and the
// folder it was started in. Tests give their own.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace mz {

struct Environment {
  // The value of an environment variable; nothing when it is not set.
  std::function<std::optional<std::string>(std::string_view)> variable;
  std::filesystem::path programPath;     // the running executable
  std::filesystem::path startDirectory;  // the current directory when the program started

  // The running process's environment, /proc/self/exe and its current directory.
  static Environment current();
};

}  // namespace mz
