#pragma once
// The real file system with one step of a file replacement made to fail.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/AtomicFile.h"

namespace mz::test {

enum class DiskStep { None, Create, Write, Flush, Close, Rename };

class FaultyDisk final : public DiskWriter {
 public:
  explicit FaultyDisk(DiskStep failing = DiskStep::None) : failing_(failing) {}
  void fail(DiskStep step) { failing_ = step; }

  std::unique_ptr<FreshFile> create(const std::filesystem::path& folder, std::string_view prefix,
                                    std::filesystem::perms mode) override;
  bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
  void remove(const std::filesystem::path& path) override;

 private:
  SystemDisk disk_;
  DiskStep failing_;
};

// The names in a folder, sorted.
std::vector<std::string> folderNames(const std::filesystem::path& folder);

}  // namespace mz::test
