#pragma once
// The configuration file "Mulzon.cfg": reading with validation of every value, and writing.

#include <filesystem>
#include <string>

#include "app/Configuration.h"

namespace mz {

class ErrorReporter;

// Reads the file into config. A missing file keeps every value, silently. A bad header keeps
// every value after a warning and an error; each bad value is a counted error naming it and
// keeps the value it had (or the stated fallback); bad cell sizes end the reading. The drawing
// colours are refreshed from the selected palette in every case.
void readConfiguration(Configuration& config, ErrorReporter& reporter,
                       const std::filesystem::path& path);

// The file's text, line by line as written.
std::string formatConfiguration(const Configuration& config);

// Writes the file; false after the counted error "Could not open MULZON.CFG.".
bool writeConfiguration(const Configuration& config, ErrorReporter& reporter,
                        const std::filesystem::path& path);

}  // namespace mz
