#include "app/TextFile.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace mz {

bool replaceFileContents(const std::filesystem::path& path, std::string_view text) {
  std::filesystem::path temporary = path;
  temporary += ".new";
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file(std::fopen(temporary.c_str(), "wb"));
  if (!file) return false;
  bool ok = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
  ok = std::fflush(file.get()) == 0 && ok;
  ok = std::fclose(file.release()) == 0 && ok;
  std::error_code ec;
  if (ok) std::filesystem::rename(temporary, path, ec);
  if (!ok || ec) {
    std::filesystem::remove(temporary, ec);
    return false;
  }
  return true;
}

}  // namespace mz
