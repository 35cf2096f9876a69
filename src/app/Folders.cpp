#include "app/Folders.h"

#include <system_error>

#include "app/Environment.h"
#include "app/Version.h"
#include "foundation/FileOps.h"

namespace mz {

std::optional<std::filesystem::path> userConfigBase(const Environment& env) {
  auto value = [&env](std::string_view name) -> std::optional<std::string> {
    if (!env.variable) return std::nullopt;
    auto v = env.variable(name);
    if (v && v->empty()) return std::nullopt;
    return v;
  };
  if (auto appData = value("APPDATA")) return std::filesystem::path(*appData);
  if (auto xdg = value("XDG_CONFIG_HOME")) return std::filesystem::path(*xdg);
  if (auto home = value("HOME")) return std::filesystem::path(*home) / ".config";
  return std::nullopt;
}

ProgramFiles composeProgramFiles(const std::filesystem::path& programPath,
                                 const std::filesystem::path& userDataDirectory) {
  ProgramFiles f;
  f.programPath = programPath;
  f.programDirectory = programPath.parent_path();
  f.userDataDirectory = userDataDirectory;
  f.logFile = userDataDirectory / "MULZONW3.log";
  f.configFile = userDataDirectory / "Mulzon.cfg";
  f.recentFile = userDataDirectory / "Projects.txt";
  f.projectBackup = userDataDirectory / "PROJECT.BKP";
  f.projectTemporary = userDataDirectory / "PROJECT.TMP";
  f.libraryBackup = userDataDirectory / "LIBRARY.BKP";
  const std::filesystem::path help = f.programDirectory / kHelpFileName;
  f.helpFile = fileExists(help) ? help : std::filesystem::path(kHelpFileName);
  return f;
}

ProgramFiles locateProgramFiles(const Environment& env) {
  const std::filesystem::path programDirectory = env.programPath.parent_path();
  std::filesystem::path userData = programDirectory;
  if (auto base = userConfigBase(env)) {
    userData = *base / kVendorFolder / std::string(kProgramTitle);
    // A folder that cannot be made shows when the log cannot be created in it.
    std::error_code ec;
    std::filesystem::create_directories(userData, ec);
  }
  return composeProgramFiles(env.programPath, userData);
}

}  // namespace mz
