#include "app/ConsoleRun.h"

#include "app/Mulzon.h"
#include "app/Session.h"
#include "ui/ConsoleUi.h"

namespace mz {

ExitStatus runConsoleCommand(std::ostream& messages, Answer answer, const Environment& env,
                             const ConsoleCommand& command) {
  ConsoleUi ui(messages, answer);
  Session session(ui);
  startSession(session, env);
  const ExitStatus status = command(session);
  shutDown(session, RecentOnExit::Keep);
  return status;
}

}  // namespace mz
