#pragma once
// The one way the core talks to the person at the screen. The desktop program answers it with
// message boxes and file dialogs, the command-line tool with standard error and its --yes/--no
// choice, and tests with a script.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

enum class MessageIcon { Information, Warning, Error, Question };

enum class Answer { Yes, No, Cancel };

// One entry of a file chooser's type list, such as {"Project Files (*.prj)", {"*.prj"}}.
struct FileFilter {
  std::string label;
  std::vector<std::string> patterns;
};

struct FileRequest {
  std::string title;
  std::vector<FileFilter> filters;
  std::string initialPath;       // folder or file the chooser starts in; empty for the default
  std::string defaultExtension;  // appended by save choosers when the user types none, e.g. "prj"
};

class UiPort {
 public:
  virtual ~UiPort() = default;

  // A modal notice with a caption ("NOTE", "WARNING", "ERROR", "FATAL", ...) and an icon.
  virtual void showMessage(std::string_view caption, MessageIcon icon, std::string_view text) = 0;
  // A "Question" box with Yes and No.
  virtual bool askYesNo(std::string_view text) = 0;
  // A "Question" box with Yes, No and Cancel.
  virtual Answer askYesNoCancel(std::string_view text) = 0;
  // File choosers: the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> chooseOpenFile(const FileRequest& request) = 0;
  virtual std::optional<std::string> chooseSaveFile(const FileRequest& request) = 0;
  // The refusal sound of drawing and placement rules.
  virtual void beep() = 0;
  // The first part of the main window's status bar.
  virtual void setStatusText(std::string_view text) = 0;
};

}  // namespace mz
