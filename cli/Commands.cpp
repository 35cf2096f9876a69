#include "Command.h"

namespace mz::cli {

CommandList allCommands() {
  CommandList commands;
  return commands;
}

}  // namespace mz::cli
