#pragma once
// Replacing a file without ever damaging it: the new text goes to a fresh file of a unique name
// in the target's folder, is written, flushed to the disk and closed, and only then renamed over
// the target. Any failure removes the fresh file and leaves the target byte for byte as it was;
// several programs saving at once each use their own fresh file.

#include <filesystem>
#include <memory>
#include <string_view>

namespace mz {

class ErrorReporter;
enum class Severity : int;

// An open file that receives the new text.
class FreshFile {
 public:
  virtual ~FreshFile() = default;
  virtual const std::filesystem::path& path() const = 0;
  // Each is false when it failed.
  virtual bool write(std::string_view bytes) = 0;
  virtual bool flush() = 0;  // through to the disk
  virtual bool close() = 0;
};

// The file system operations of a replacement; tests make single steps fail.
class DiskWriter {
 public:
  virtual ~DiskWriter() = default;
  // A new file in `folder` whose name begins with `prefix` and is unique there, with the given
  // permissions; nothing when it cannot be created.
  virtual std::unique_ptr<FreshFile> create(const std::filesystem::path& folder,
                                            std::string_view prefix,
                                            std::filesystem::perms mode) = 0;
  virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual void remove(const std::filesystem::path& path) = 0;
};

// The real file system.
class SystemDisk final : public DiskWriter {
 public:
  std::unique_ptr<FreshFile> create(const std::filesystem::path& folder, std::string_view prefix,
                                    std::filesystem::perms mode) override;
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  void remove(const std::filesystem::path& path) override;
};

// Replaces `target` (or creates it) with `text`. The new file keeps the permissions of the file
// it replaces; a symbolic link is followed, so the link stays. An existing target that may not be
// written is refused. Each failure is one report at `severity` ("Could not open file: ",
// "Could not open temporary file: ", "Could not write file: ", "Could not replace file: ") and
// false.
bool replaceFile(ErrorReporter& reporter, Severity severity, DiskWriter& disk,
                 const std::filesystem::path& target, std::string_view text);

}  // namespace mz
