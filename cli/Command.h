#pragma once
// A subcommand of mulzon: it declares its options and arguments on its own CLI11 subcommand and
// runs on the started session.

#include <CLI/CLI.hpp>
#include <memory>
#include <string_view>
#include <vector>

#include "app/ConsoleRun.h"

namespace mz::cli {

class Command {
 public:
  virtual ~Command() = default;
  virtual std::string_view name() const = 0;
  virtual std::string_view summary() const = 0;
  // Binds the command's options and arguments to its own members.
  virtual void define(CLI::App& sub) = 0;
  virtual ExitStatus run(Session& session) = 0;
};

using CommandList = std::vector<std::unique_ptr<Command>>;

// Every subcommand of the tool, in the order the help lists them.
CommandList allCommands();

}  // namespace mz::cli
