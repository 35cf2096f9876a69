#include "app/FileHeader.h"

#include <string>

#include "app/Version.h"
#include "foundation/Heap.h"
#include "foundation/Utils.h"

namespace mz {

std::optional<std::size_t> readFileHeader(TokenReader& reader, ErrorReporter& reporter,
                                          std::string_view fileType, std::string_view badText,
                                          const std::filesystem::path& path,
                                          std::source_location where) {
  const auto type = reader.next();
  const auto program = reader.next();
  const auto version = reader.next();
  std::optional<std::size_t> index;
  if (type == fileType && program == kProgramName && version) index = findVersion(*version);
  if (index && *index > 0) return index;

  reader.rewind();
  std::string line;
  // The whole line goes into the report (which keeps its first 255 characters), so a long line
  // is no second error.
  reader.readLine(line, std::size_t{1} << 16);
  reporter.report(Severity::Warning, {badText, path.native()}, where);
  reporter.report(Severity::Error, {"Invalid header data: ", line}, where);
  return std::nullopt;
}

}  // namespace mz
