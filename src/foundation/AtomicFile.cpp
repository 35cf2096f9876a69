#include "foundation/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include "foundation/Heap.h"

namespace mz {

namespace fs = std::filesystem;

namespace {

class PosixFreshFile final : public FreshFile {
 public:
  PosixFreshFile(fs::path path, int fd) : path_(std::move(path)), fd_(fd) {}
  ~PosixFreshFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixFreshFile(const PosixFreshFile&) = delete;
  PosixFreshFile& operator=(const PosixFreshFile&) = delete;

  const fs::path& path() const override { return path_; }

  bool write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
  }

  bool flush() override { return ::fsync(fd_) == 0; }

  bool close() override {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  fs::path path_;
  int fd_;
};

// The file a replacement writes to: a symbolic link's own target, so that the link stays.
fs::path resolvedTarget(const fs::path& target) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
  fs::path real = fs::canonical(target, ec);
  return ec ? target : real;
}

}  // namespace

std::unique_ptr<FreshFile> SystemDisk::create(const fs::path& folder, std::string_view prefix,
                                              fs::perms mode) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::minstd_rand random(seed());
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(prefix);
    for (int k = 0; k < 8; ++k) name.push_back(kLetters[pick(random)]);
    fs::path path = folder / name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return nullptr;
    }
    if (::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
      ::close(fd);
      ::unlink(path.c_str());
      return nullptr;
    }
    return std::make_unique<PosixFreshFile>(std::move(path), fd);
  }
  return nullptr;
}

bool SystemDisk::rename(const fs::path& from, const fs::path& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return false;
  // The new name itself reaches the disk with the folder.
  fs::path folder = to.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  return true;
}

void SystemDisk::remove(const fs::path& path) {
  ::unlink(path.c_str());
}

bool replaceFile(ErrorReporter& reporter, Severity severity, DiskWriter& disk,
                 const fs::path& target, std::string_view text) {
  const fs::path real = resolvedTarget(target);
  std::error_code ec;
  const fs::file_status status = fs::status(real, ec);
  const bool exists = !ec && fs::exists(status);
  if (exists && ::access(real.c_str(), W_OK) != 0) {
    reporter.report(severity, {"Could not open file: ", target.native()});
    return false;
  }
  // A new file may be read by all and written by its owner.
  fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                   fs::perms::others_read;
  if (exists) mode = status.permissions() & fs::perms::mask;

  fs::path folder = real.parent_path();
  if (folder.empty()) folder = ".";
  const std::string prefix = "." + real.filename().native() + ".";
  std::unique_ptr<FreshFile> fresh = disk.create(folder, prefix, mode);
  if (!fresh) {
    reporter.report(severity,
                    {"Could not open temporary file: ", (folder / prefix).native(), "XXXXXXXX"});
    return false;
  }
  bool written = fresh->write(text);
  written = written && fresh->flush();
  written = fresh->close() && written;
  if (!written) {
    disk.remove(fresh->path());
    reporter.report(severity, {"Could not write file: ", fresh->path().native()});
    return false;
  }
  if (!disk.rename(fresh->path(), real)) {
    disk.remove(fresh->path());
    reporter.report(severity, {"Could not replace file: ", target.native()});
    return false;
  }
  return true;
}

}  // namespace mz
