#pragma once
// The project file: the whole-file reader and writer and the version table.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/AtomicFile.h"
#include "foundation/Heap.h"
#include "model/Project.h"

namespace mz {

// The known file versions, oldest first; the last is the current one.
inline constexpr std::array<std::string_view, 7> kPrjVersions{"1.0", "2.0", "2.1", "2.2",
                                                              "2.3", "2.4", "3.0"};
inline constexpr std::size_t kCurrentPrjVersion = 6;
inline constexpr char kPrjRevision = ' ';

// What a project file holds beside the project: the SketchPad grid it was drawn on and the
// echo flag of its reader.
struct ProjectFileInfo {
  std::int16_t rows = 58;
  std::int16_t cols = 66;
  bool echoInput = false;
  bool converted = false;  // set when the file was converted from an older version
};

// Reads a project file into a new project. On success `project` is replaced and `info` set, and
// the text read is saved as `backup` when one is given (a backup that cannot be saved is a
// warning); on failure `project` is a fresh, empty one and `info` is unchanged. Returns 0 on
// success, 1 on failure.
int readProject(ErrorReporter& reporter, std::unique_ptr<Project>& project, ProjectFileInfo& info,
                const std::filesystem::path& path, const std::filesystem::path& backup = {});
// The same on a file's text held in memory (`name` stands for the path in the messages).
int readProjectText(ErrorReporter& reporter, std::unique_ptr<Project>& project,
                    ProjectFileInfo& info, std::string text, std::string_view name = "(text)");

// The text of the whole project file. Numbers the data element lists and runs the icon check
// (whose repairs change the items). Returns false, after the reports, when an error was counted;
// the text is then not to be saved.
bool writeProjectText(ErrorReporter& reporter, Project& project, const ProjectFileInfo& info,
                      std::string& text);
// Writes the project file through a fresh file that replaces it only when the whole text was
// written without a counted error; otherwise the file on disk is left as it was. Returns 0 on
// success, 1 on failure.
int writeProject(ErrorReporter& reporter, Project& project, const ProjectFileInfo& info,
                 const std::filesystem::path& path);
int writeProject(ErrorReporter& reporter, Project& project, const ProjectFileInfo& info,
                 const std::filesystem::path& path, DiskWriter& disk);

}  // namespace mz
