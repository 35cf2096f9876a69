#include "app/Environment.h"

#include <cstdlib>
#include <system_error>

namespace mz {

Environment Environment::current() {
  Environment env;
  env.variable = [](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    if (!value) return std::nullopt;
    return std::string(value);
  };
  std::error_code ec;
  env.programPath = std::filesystem::read_symlink("/proc/self/exe", ec);
  env.startDirectory = std::filesystem::current_path(ec);
  return env;
}

}  // namespace mz
