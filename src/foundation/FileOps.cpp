#include "foundation/FileOps.h"

#include <cstdio>
#include <memory>
#include <system_error>

#include "foundation/Heap.h"

namespace mz {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

bool copyFile(ErrorReporter& reporter, const std::filesystem::path& from,
              const std::filesystem::path& to) {
  reporter.logText("file_copy\n  from " + from.native() + "\n  to " + to.native() + "\n");
  std::error_code ec;
  if (from == to || std::filesystem::equivalent(from, to, ec)) return true;

  File in(std::fopen(from.c_str(), "rb"));
  if (!in) {
    reporter.report(Severity::Error, {" Failed to open ", from.native()});
    return false;
  }
  File out(std::fopen(to.c_str(), "wb"));
  if (!out) {
    reporter.report(Severity::Error, {" Failed to open ", to.native()});
    return false;
  }
  char buffer[5120];
  bool ok = true;
  for (;;) {
    const std::size_t got = std::fread(buffer, 1, sizeof buffer, in.get());
    if (got > 0 && std::fwrite(buffer, 1, got, out.get()) != got) {
      ok = false;
      break;
    }
    if (got < sizeof buffer) {
      if (std::ferror(in.get())) ok = false;
      break;
    }
  }
  if (std::fclose(out.release()) != 0) ok = false;
  if (!ok) reporter.report(Severity::Error, {" Failed to write ", to.native()});
  return ok;
}

bool fileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::status(path, ec));
}

}  // namespace mz
