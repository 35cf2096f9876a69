#include "app/Mulzon.h"

#include <chrono>
#include <ctime>
#include <system_error>

#include "app/CnfgDlg.h"
#include "app/Environment.h"
#include "app/Session.h"
#include "app/StartLog.h"

namespace mz {

namespace {

std::time_t modificationTime(const std::filesystem::path& path) {
  std::error_code ec;
  const auto stamp = std::filesystem::last_write_time(path, ec);
  if (ec) return 0;
  return std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(stamp));
}

}  // namespace

void startSession(Session& session, const Environment& env) {
  session.startDirectory = env.startDirectory;
  session.files = locateProgramFiles(env);
  const std::filesystem::path& logPath = session.files.logFile;
  if (session.log.open(logPath)) {
    session.log.write(
        logHeader(env.programPath.native(), modificationTime(env.programPath), std::time(nullptr)));
  } else {
    session.reporter.report(Severity::Error, {" Failed to open ", logPath.native()});
  }
  readConfiguration(session.config, session.reporter, session.files.configFile);
  readRecentProjects(session.recent, session.reporter, session.files.recentFile);
}

ProjectArgument projectFromCommandLine(Session& session, std::string_view text) {
  ProjectArgument argument = resolveProjectArgument(text, session.startDirectory);
  for (const std::string& line : argument.logLines) session.reporter.logText(line);
  return argument;
}

void shutDown(Session& session, RecentOnExit recent) {
  if (recent == RecentOnExit::Write)
    writeRecentProjects(session.recent, session.reporter, session.files.recentFile);
  session.log.close();
}

}  // namespace mz
