#pragma once
// File copy and existence, as used when projects and libraries are saved.

#include <filesystem>

namespace mz {

class ErrorReporter;

// Logs "file_copy\n  from %s\n  to %s\n" and copies from onto to. The same file (by identity, not
// by the text of its path) is left alone and counts as success. Every write and the close are
// checked; a failure is a counted " Failed to open " / " Failed to write " error and false.
bool copyFile(ErrorReporter& reporter, const std::filesystem::path& from,
              const std::filesystem::path& to);

// True when the file's status can be read.
bool fileExists(const std::filesystem::path& path);

}  // namespace mz
