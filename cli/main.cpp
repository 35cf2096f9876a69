// mulzon: the command-line tool over the core libraries.

#include <CLI/CLI.hpp>
#include <iostream>

#include "Command.h"
#include "app/Environment.h"
#include "app/Version.h"

int main(int argc, char** argv) {
  using mz::ExitStatus;
  CLI::App app{
      "The MulzonW command-line tool: the program's start-up without a window, then "
      "one command.",
      "mulzon"};
  bool version = false;
  bool yes = false;
  bool no = false;
  app.add_flag("--version", version, "print the program name and version");
  CLI::Option* yesOption = app.add_flag("--yes", yes, "answer every question Yes");
  CLI::Option* noOption = app.add_flag("--no", no, "answer every question No");
  yesOption->excludes(noOption);
  // The global options may also follow a subcommand.
  app.fallthrough();

  mz::cli::CommandList commands = mz::cli::allCommands();
  std::vector<std::pair<CLI::App*, mz::cli::Command*>> subcommands;
  for (auto& command : commands) {
    CLI::App* sub =
        app.add_subcommand(std::string(command->name()), std::string(command->summary()));
    sub->fallthrough();
    command->define(*sub);
    subcommands.emplace_back(sub, command.get());
  }
  app.require_subcommand(0, 1);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : static_cast<int>(ExitStatus::BadUsage);
  }

  mz::cli::Command* chosen = nullptr;
  for (auto& [sub, command] : subcommands)
    if (sub->parsed()) chosen = command;
  if (!version && !chosen) {
    std::cerr << app.help();
    return static_cast<int>(ExitStatus::BadUsage);
  }

  // Without --yes or --no a question gets the answer that changes nothing.
  const mz::Answer answer = yes ? mz::Answer::Yes : no ? mz::Answer::No : mz::Answer::Cancel;
  const ExitStatus status = mz::runConsoleCommand(std::cerr, answer, mz::Environment::current(),
                                                  [&](mz::Session& session) {
                                                    if (version) {
                                                      std::cout << mz::kProgramTitle << '\n';
                                                      return ExitStatus::Success;
                                                    }
                                                    return chosen->run(session);
                                                  });
  return static_cast<int>(status);
}
