#include "foundation/Lists.h"

#include "foundation/Formats.h"
#include "foundation/Tables.h"

namespace mz {

bool checkName(ErrorReporter& reporter, std::string_view name, std::size_t size) {
  const char* refusal = nullptr;
  if (name.empty())
    refusal = "Empty name not permitted";
  else if (name.find(' ') != std::string_view::npos)
    refusal = "Blanks not permitted in name";
  else if (name.find(',') != std::string_view::npos)
    refusal = "Commas not permitted in name";
  else if (name.find('!') != std::string_view::npos)
    refusal = "Exclamation points not permitted in name";
  if (refusal) {
    reporter.showMessage(1, {refusal});
    return false;
  }
  if (name.size() >= size) {
    reporter.showMessage(
        1, {"Name is longer than ", formatInt(static_cast<long>(size) - 1), " characters"});
    return false;
  }
  return true;
}

namespace {

// An address as the dump shows it; a null address is "0" on every platform.
std::string addressText(const void* address) {
  return address ? cformat("%p", address) : std::string("0");
}

}  // namespace

void failReordering(ErrorReporter& reporter, std::string_view listName,
                    std::span<const IndexDumpEntry> entries) {
  std::string dump =
      cformat("Error in %.*sList:\n", static_cast<int>(listName.size()), listName.data());
  int index = 0;
  for (const IndexDumpEntry& e : entries) {
    ++index;
    if (e.filled)
      dump += cformat(" %3d %3d [%s] [%s]\n", index, e.number, addressText(e.address).c_str(),
                      addressText(e.link).c_str());
    else
      dump += cformat(" %3d null [0]\n", index);
  }
  reporter.logText(dump);
  reporter.fatal({listName, "List reordering error"});
}

}  // namespace mz
