#pragma once
// Helpers shared by the test programs.

#include <filesystem>
#include <string>
#include <string_view>

#include "foundation/Heap.h"
#include "ui/ScriptedUi.h"

namespace mz::test {

// A fresh folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// The reporter of a test with its scripted ui and a log in memory-backed file.
struct Diagnostics {
  ScriptedUi ui;
  ErrorReporter reporter{ui};
  // Message texts shown, in order, without their location lines.
  std::vector<std::string> messages() const;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, std::string_view text);

}  // namespace mz::test
