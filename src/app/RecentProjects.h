#pragma once
// The recent-projects list, its file "Projects.txt" and the entries of its menu.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace mz {

class ErrorReporter;

class RecentProjects {
 public:
  static constexpr std::size_t kCapacity = 10;
  static constexpr std::size_t kPathLimit = 260;

  // Oldest first: slot 0 is the oldest, slot size() - 1 the newest.
  const std::vector<std::string>& paths() const { return paths_; }
  std::size_t size() const { return paths_.size(); }
  bool empty() const { return paths_.empty(); }

  // Puts path at the newest end: an equal entry (case-sensitive) is removed first, and a full
  // list drops its oldest entry.
  void remember(std::string path);
  // Removes a slot, the later entries moving down; a slot out of range changes nothing.
  void remove(std::size_t slot);
  // Appends without the checks of remember, for the file reader; ignored when full.
  void append(std::string path);
  void clear() { paths_.clear(); }

  bool operator==(const RecentProjects&) const = default;

 private:
  std::vector<std::string> paths_;
};

// A missing file leaves the list empty. A bad header gives a warning and a counted error; the
// count is brought into 0..10 and that many lines are read as paths.
void readRecentProjects(RecentProjects& recent, ErrorReporter& reporter,
                        const std::filesystem::path& path);
std::string formatRecentProjects(const RecentProjects& recent);
// False after the counted error "Could not open Projects.txt.".
bool writeRecentProjects(const RecentProjects& recent, ErrorReporter& reporter,
                         const std::filesystem::path& path);

// Commands of the recent-projects submenu: 70 + slot opens a slot, 4106 is the inert "none".
inline constexpr int kFirstRecentCommand = 70;
inline constexpr int kNoRecentCommand = 4106;
// Width of an entry's text on the menu, in pixels.
inline constexpr int kRecentEntryWidth = 250;

struct MenuEntry {
  std::string text;
  int command;
  bool enabled;
  bool operator==(const MenuEntry&) const = default;
};

// The width of a text in the menu's font.
using TextWidth = std::function<int(std::string_view)>;

// The entries newest first, "&k " + the path shortened to fit maxWidth; "none" when empty.
std::vector<MenuEntry> recentMenuEntries(const RecentProjects& recent, const TextWidth& width,
                                         int maxWidth = kRecentEntryWidth);

// The text with its middle replaced by "..." so that width(result) <= maxWidth, keeping as much
// of both ends as fits (the end gets the extra character); the text itself when it fits.
// Cuts fall between UTF-8 characters.
std::string shortenMiddle(std::string_view text, const TextWidth& width, int maxWidth);
// The same with a budget of characters (bytes).
std::string shortenMiddle(std::string_view text, std::size_t budget);

}  // namespace mz
