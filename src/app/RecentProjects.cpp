#include "app/RecentProjects.h"

#include <algorithm>

#include "app/FileHeader.h"
#include "app/TextFile.h"
#include "app/Version.h"
#include "foundation/FileOps.h"
#include "foundation/Formats.h"
#include "foundation/Heap.h"
#include "foundation/Utils.h"

namespace mz {

void RecentProjects::remember(std::string path) {
  std::erase(paths_, path);
  if (paths_.size() >= kCapacity) paths_.erase(paths_.begin());
  paths_.push_back(std::move(path));
}

void RecentProjects::remove(std::size_t slot) {
  if (slot < paths_.size()) paths_.erase(paths_.begin() + static_cast<std::ptrdiff_t>(slot));
}

void RecentProjects::append(std::string path) {
  if (paths_.size() < kCapacity) paths_.push_back(std::move(path));
}

void readRecentProjects(RecentProjects& recent, ErrorReporter& reporter,
                        const std::filesystem::path& path) {
  recent.clear();
  if (!fileExists(path)) return;
  TokenReader reader(reporter);
  if (!reader.open(path)) return;
  if (!readFileHeader(reader, reporter, "RecentProjectsFile", "Bad recent projects file: ", path))
    return;
  const int count = std::clamp<int>(reader.readShort(), 0, RecentProjects::kCapacity);
  std::string line;
  for (int i = 0; i < count; ++i) {
    if (!reader.readToken(line, ReadMode::NextWholeLine, RecentProjects::kPathLimit + 2)) break;
    // An empty line names no project; it would only give an entry that opens nothing.
    if (!line.empty()) recent.append(line);
  }
}

std::string formatRecentProjects(const RecentProjects& recent) {
  std::string out = cformat("RecentProjectsFile MulzonW %s   ! file type identification\n",
                            kCurrentVersion.data());
  out += cformat("  %d     ! numberof projects\n", static_cast<int>(recent.size()));
  for (std::size_t slot = 0; slot < RecentProjects::kCapacity; ++slot) {
    if (slot < recent.size()) out += recent.paths()[slot];
    out += '\n';
  }
  return out;
}

bool writeRecentProjects(const RecentProjects& recent, ErrorReporter& reporter,
                         const std::filesystem::path& path) {
  if (replaceFileContents(path, formatRecentProjects(recent))) return true;
  reporter.report(Severity::Error, {"Could not open Projects.txt."});
  return false;
}

std::vector<MenuEntry> recentMenuEntries(const RecentProjects& recent, const TextWidth& width,
                                         int maxWidth) {
  std::vector<MenuEntry> entries;
  if (recent.empty()) {
    entries.push_back({"none", kNoRecentCommand, false});
    return entries;
  }
  const std::size_t count = recent.size();
  for (std::size_t k = 1; k <= count; ++k) {
    const std::size_t slot = count - k;
    const std::string prefix = "&" + std::to_string(k) + " ";
    // The prefix takes its share of the width; the path gets the rest.
    auto pathWidth = [&](std::string_view text) { return width(prefix + std::string(text)); };
    entries.push_back({prefix + shortenMiddle(recent.paths()[slot], pathWidth, maxWidth),
                       kFirstRecentCommand + static_cast<int>(slot), true});
  }
  return entries;
}

std::string shortenMiddle(std::string_view text, const TextWidth& width, int maxWidth) {
  if (width(text) <= maxWidth) return std::string(text);
  // Offsets where a UTF-8 character starts, and the end.
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
  const std::size_t n = starts.size();
  starts.push_back(text.size());
  constexpr std::string_view kEllipsis = "...";
  for (std::size_t keep = n; keep-- > 0;) {
    const std::size_t tail = (keep + 1) / 2;
    const std::size_t head = keep - tail;
    std::string candidate(text.substr(0, starts[head]));
    candidate += kEllipsis;
    candidate += text.substr(starts[n - tail]);
    if (width(candidate) <= maxWidth) return candidate;
  }
  return std::string(kEllipsis);
}

std::string shortenMiddle(std::string_view text, std::size_t budget) {
  auto characters = [](std::string_view t) {
    return static_cast<int>(std::count_if(
        t.begin(), t.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
  };
  return shortenMiddle(text, characters, static_cast<int>(budget));
}

}  // namespace mz
