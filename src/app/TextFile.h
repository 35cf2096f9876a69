#pragma once
// Replacing a small text file as a whole: the text goes to a temporary file beside the target,
// which is renamed over the target only when every byte was written, so that a failed write
// leaves the old file as it was.

#include <filesystem>
#include <string_view>

namespace mz {

bool replaceFileContents(const std::filesystem::path& path, std::string_view text);

}  // namespace mz
