#pragma once
// A run of the command-line tool: the start-up of the desktop program without a window, one
// command, and the end of the run.

#include <functional>
#include <iosfwd>

#include "ui/UiPort.h"

namespace mz {

struct Environment;
struct Session;

enum class ExitStatus : int {
  Success = 0,   // the command succeeded and found nothing wrong
  Failure = 1,   // it failed or found problems
  BadUsage = 2,  // the command line was not understood
};

using ConsoleCommand = std::function<ExitStatus(Session&)>;

// Notices and reports go to messages as "CAPTION: text"; every question gets answer. Problems
// of the start-up itself (a bad configuration file, no log) are reported but leave the
// command's status alone. The recent-projects file is left as it is: the tool opens projects
// for itself, not for the user's menu.
ExitStatus runConsoleCommand(std::ostream& messages, Answer answer, const Environment& env,
                             const ConsoleCommand& command);

}  // namespace mz
