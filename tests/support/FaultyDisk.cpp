#include "support/FaultyDisk.h"

#include <algorithm>
#include <string>
#include <vector>

namespace mz::test {

namespace {

class FaultyFile final : public FreshFile {
 public:
  FaultyFile(std::unique_ptr<FreshFile> file, DiskStep failing)
      : file_(std::move(file)), failing_(failing) {}
  const std::filesystem::path& path() const override { return file_->path(); }
  bool write(std::string_view bytes) override {
    // A full disk takes part of the text.
    if (failing_ != DiskStep::Write) return file_->write(bytes);
    file_->write(bytes.substr(0, bytes.size() / 2));
    return false;
  }
  bool flush() override { return file_->flush() && failing_ != DiskStep::Flush; }
  bool close() override { return file_->close() && failing_ != DiskStep::Close; }

 private:
  std::unique_ptr<FreshFile> file_;
  DiskStep failing_;
};

}  // namespace

std::unique_ptr<FreshFile> FaultyDisk::create(const std::filesystem::path& folder,
                                              std::string_view prefix,
                                              std::filesystem::perms mode) {
  if (failing_ == DiskStep::Create) return nullptr;
  std::unique_ptr<FreshFile> file = disk_.create(folder, prefix, mode);
  if (!file) return nullptr;
  return std::make_unique<FaultyFile>(std::move(file), failing_);
}

bool FaultyDisk::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
  return failing_ != DiskStep::Rename && disk_.rename(from, to);
}

void FaultyDisk::remove(const std::filesystem::path& path) {
  disk_.remove(path);
}

std::vector<std::string> folderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().native());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace mz::test
