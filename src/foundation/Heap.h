#pragma once
// Diagnostics and named memory: the one reporter through which every problem is shown, logged
// and counted, the program log it writes to, and the labelled allocation accounting.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <source_location>
#include <string>
#include <string_view>

#include "ui/UiPort.h"

namespace mz {

// Report severities. The negative ones only query or reset the error count.
enum class Severity : int {
  CountReset = -2,
  CountQuery = -1,
  Note = 0,
  Warning = 1,
  Error = 2,
  Fatal = 3,
};

// Message parts; the list ends at the first empty part.
using Parts = std::initializer_list<std::string_view>;

// The program log. Each write is flushed at once so that the log survives a fatal end.
class LogFile {
 public:
  // Creates (truncates) the file; false when it cannot be created.
  bool open(const std::filesystem::path& path);
  void close();
  bool isOpen() const { return file_ != nullptr; }
  const std::filesystem::path& path() const { return path_; }
  // Writes the text as it is (no line end added); nothing when the log is not open.
  void write(std::string_view text);

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file_;
  std::filesystem::path path_;
};

// The caption of a severity (0 to 3; above 3 is 3).
std::string_view severityCaption(int severity);
// The icon for a caption, chosen by its first letter.
MessageIcon captionIcon(std::string_view caption);
// The base name of a source path, without folder and extension, at most 15 characters.
std::string sourceBaseName(std::string_view path);

class ErrorReporter {
 public:
  // What a fatal report does after its box was closed; the default ends the process with 1.
  using FatalAction = std::function<void()>;

  explicit ErrorReporter(UiPort& ui, LogFile* log = nullptr);

  // Shows, logs and (for Error) counts a report; returns the error count afterwards. A fatal
  // report does not return. Negative severities only query or reset the count.
  int report(Severity severity, Parts parts,
             std::source_location where = std::source_location::current());
  int report(int severity, Parts parts,
             std::source_location where = std::source_location::current());
  // Ends the program after showing and logging the message: for impossible internal states.
  [[noreturn]] void fatal(Parts parts,
                          std::source_location where = std::source_location::current());

  int errorCount() const { return errorCount_; }
  int resetCount() { return errorCount_ = 0; }

  // A dialog's notice: kind 0 NOTE, 1 WARNING, 2 (and above) ERROR; negative shows nothing.
  // Neither logged nor counted.
  void showMessage(int kind, Parts parts);
  // A line in the log only: caption, one blank, the text, a line end. Severity 3 ends the program.
  void logLine(int severity, std::string_view text);
  // Writes text to the log as it is.
  void logText(std::string_view text);

  bool askYesNo(std::string_view text);
  Answer askYesNoCancel(std::string_view text);

  UiPort& ui() { return ui_; }
  LogFile* log() { return log_; }
  void setLog(LogFile* log) { log_ = log; }
  void setFatalAction(FatalAction action) { fatalAction_ = std::move(action); }

  // The text of a report: a blank, the parts up to the first empty one, at most 255 characters,
  // then a line end.
  static std::string composeText(Parts parts);

 private:
  [[noreturn]] void endProgram();

  UiPort& ui_;
  LogFile* log_;
  int errorCount_ = 0;
  FatalAction fatalAction_;
};

// Running totals of labelled allocations, for the log.
class MemoryTotals {
 public:
  void allocated(std::size_t bytes) { allocated_ += static_cast<std::uint32_t>(bytes); }
  void freed(std::size_t bytes) { freed_ += static_cast<std::uint32_t>(bytes); }
  std::uint32_t allocatedBytes() const { return allocated_; }
  std::uint32_t freedBytes() const { return freed_; }
  // "%s: %ld bytes allocated, %ld freed, %ld net\n"
  std::string totalsLine(std::string_view label) const;

 private:
  std::uint32_t allocated_ = 0;
  std::uint32_t freed_ = 0;
};

}  // namespace mz
