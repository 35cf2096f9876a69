#pragma once
// The kinds of file that the file choosers offer (project, weather, library and other files),
// the chooser requests made from them, and the preview texts the open chooser shows for the
// selected file.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/UiPort.h"

namespace mz {

class ErrorReporter;

struct FileKind {
  std::string_view keyword;    // "PRJ"
  std::string_view filter;     // "Project Files (*.PRJ)"
  std::string_view extension;  // "prj"
  bool open = false;           // offered by the open chooser
  bool save = false;           // offered by the save chooser
  bool preview = false;        // the open chooser previews the selected file
};

// Every kind, in table order.
std::span<const FileKind> fileKinds();
// The kind of a keyword (exact, upper case), or nothing.
const FileKind* findFileKind(std::string_view keyword);

// The chooser request of a kind: its filter (the extension in both cases) and default
// extension. A keyword outside the table is the ERROR "Invalid file extension: " and nothing.
std::optional<FileRequest> fileRequest(ErrorReporter& reporter, std::string_view keyword, bool save,
                                       std::string initialPath);

enum class OpenChoice { Cancelled = 1, Chosen = 2, Missing = 3 };

struct OpenResult {
  OpenChoice choice = OpenChoice::Cancelled;
  std::string path;  // the chosen path (also when it does not exist)
};

// The open chooser of a kind. A chosen file that does not exist is the notice "Could not find
// file: %s" (kind 2). An invalid keyword counts as cancelled.
OpenResult chooseFileToOpen(ErrorReporter& reporter, std::string_view keyword,
                            std::string initialPath);
// The save chooser of a kind: the chosen path, or nothing. The chooser itself asks before an
// existing file is overwritten.
std::optional<std::string> chooseFileToSave(ErrorReporter& reporter, std::string_view keyword,
                                            std::string initialPath);

// The two texts under the open chooser's file list.
struct FilePreview {
  std::string type;         // by default the file's first line
  std::string description;  // by default its second line
  bool operator==(const FilePreview&) const = default;
};

// The preview of a file of the kind from its first two lines (without line ends). Project files
// name their version ("MulzonW 3.0"), or "MulzonW 1.0" for the old form whose second line is
// the number 5, or "Unknown PRJ format"; weather and library files of the first version are
// named so, with their first line as description.
FilePreview previewTexts(const FileKind& kind, std::string_view firstLine,
                         std::string_view secondLine);
// The preview of the file at `path`: nothing when the kind shows no preview, the file's extension
// is not the kind's (compared without regard to case) or the file cannot be read.
std::optional<FilePreview> previewFile(std::string_view keyword, const std::filesystem::path& path);

}  // namespace mz
