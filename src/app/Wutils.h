#pragma once
// The files of a project that the File menu opens with the desktop's program for their kind:
// the input files the project names, the result files of the project's name, the program's
// own log; and the help file.

#include <filesystem>
#include <optional>
#include <string_view>

namespace mz {

class Project;
struct ProgramFiles;

// True for the commands of "Open Project Input Files" and "Open Project Result Files".
bool isProjectFileCommand(int command);

// The file a project-file command opens, when the project names or makes one: input files as
// the project names them (relative names in the project's folder, or in `startDirectory` for an
// untitled project), result files as the project's name with the extension (lower case, or
// upper case when only that exists). Nothing when the project names no such file.
std::optional<std::filesystem::path> projectFileOf(int command, const Project& project,
                                                   const ProgramFiles& files,
                                                   const std::filesystem::path& startDirectory);

// Why a file could not be handed to its program, with the message the user is shown.
enum class OpenFailure { NotFound, PathNotFound, AccessDenied, NoAssociation };
std::string_view openFailureText(OpenFailure failure);

// The failure a file shows before it is handed over: a missing file or folder, or one that may
// not be read.
std::optional<OpenFailure> checkOpenable(const std::filesystem::path& path);

}  // namespace mz
