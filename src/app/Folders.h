#pragma once
// The program's folders and the fixed files in them.

#include <filesystem>
#include <optional>

namespace mz {

struct Environment;

inline constexpr const char* kVendorFolder = "Mulzon";
inline constexpr const char* kHelpFileName = "MWHelp30.chm";

struct ProgramFiles {
  std::filesystem::path programPath;
  std::filesystem::path programDirectory;   // the folder of the running executable
  std::filesystem::path userDataDirectory;  // per-user folder, or programDirectory
  std::filesystem::path logFile;            // "MULZONW3.log"
  std::filesystem::path configFile;         // "Mulzon.cfg"
  std::filesystem::path recentFile;         // "Projects.txt"
  std::filesystem::path projectBackup;      // "PROJECT.BKP"
  std::filesystem::path projectTemporary;   // "PROJECT.TMP"
  std::filesystem::path libraryBackup;      // "LIBRARY.BKP"
  std::filesystem::path helpFile;           // in programDirectory when there, else the bare name
};

// The base of the per-user folder: APPDATA when set, else XDG_CONFIG_HOME, else ~/.config
// (empty values count as unset); nothing when none is known.
std::optional<std::filesystem::path> userConfigBase(const Environment& env);

// The file paths for the two folders.
ProgramFiles composeProgramFiles(const std::filesystem::path& programPath,
                                 const std::filesystem::path& userDataDirectory);

// Finds the folders, creating base / "Mulzon" / "MulzonW 3.0" when missing, and composes the
// paths. Without a per-user base the program folder is used. The current directory is left as
// it is.
ProgramFiles locateProgramFiles(const Environment& env);

}  // namespace mz
