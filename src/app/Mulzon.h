#pragma once
// Start-up and shut-down of a run, shared by the desktop program and the command-line tool.

#include <string_view>

#include "app/ProjectArg.h"

namespace mz {

struct Environment;
struct Session;

// Finds the folders (creating the per-user one), creates the log with its header lines, reads
// the configuration and the recent projects. A log that cannot be created is a counted error
// and the run goes on without a log; nothing here stops the start-up.
void startSession(Session& session, const Environment& env);

// Resolves the project named on the command line and writes its lines to the log.
ProjectArgument projectFromCommandLine(Session& session, std::string_view text);

enum class RecentOnExit { Write, Keep };

// The orderly end: writes the recent-projects file (unless kept as it is) and closes the log.
void shutDown(Session& session, RecentOnExit recent = RecentOnExit::Write);

}  // namespace mz
