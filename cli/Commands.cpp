#include <iostream>
#include <string>

#include "Command.h"
#include "app/Prjinout.h"
#include "app/Session.h"
#include "sketchpad/SketchText.h"

namespace mz::cli {

namespace {

// A command on one project file, opened as the desktop program opens it.
class ProjectCommand : public Command {
 public:
  void define(CLI::App& sub) override {
    sub.add_option("PROJECT", project_, "the project file")->required();
    defineMore(sub);
  }

  ExitStatus run(Session& session) override {
    ProjectLife life(session);
    if (!life.openProjectFile(project_)) return ExitStatus::Failure;
    return runOn(life);
  }

 protected:
  virtual void defineMore(CLI::App&) {}
  virtual ExitStatus runOn(ProjectLife& life) = 0;

  std::string project_;
};

class CheckCommand final : public ProjectCommand {
 public:
  std::string_view name() const override { return "check"; }
  std::string_view summary() const override {
    return "open a project and run the full building check; each problem is printed as "
           "\"level <number> row <r> col <c>: <message>\"";
  }

 private:
  ExitStatus runOn(ProjectLife& life) override {
    const CheckResult result = life.checkBuilding(CheckMode::Full);
    // In the order of the problems window: the newest first.
    for (const Problem& problem : life.problems().displayed())
      std::cout << problemLine(life.project(), problem) << '\n';
    return result == CheckResult::Passed && life.problems().empty() ? ExitStatus::Success
                                                                    : ExitStatus::Failure;
  }
};

class SaveCommand final : public ProjectCommand {
 public:
  std::string_view name() const override { return "save"; }
  std::string_view summary() const override {
    return "open a project and save it as the desktop program does (renumbered in drawing "
           "order, through a temporary file), onto OUT when given";
  }

 private:
  void defineMore(CLI::App& sub) override {
    sub.add_option("-o,--output", output_, "save onto this file instead");
  }

  ExitStatus runOn(ProjectLife& life) override {
    if (output_.empty() && life.untitled()) {
      std::cerr << "mulzon: " << project_
                << " is saved only under a new name (it was converted or is read-only): give "
                   "one with -o\n";
      return ExitStatus::Failure;
    }
    const bool saved = output_.empty() ? life.saveProject() : life.saveProjectTo(output_);
    return saved ? ExitStatus::Success : ExitStatus::Failure;
  }

  std::string output_;
};

class ShowCommand final : public ProjectCommand {
 public:
  std::string_view name() const override { return "show"; }
  std::string_view summary() const override {
    return "open a project and print a level's drawing and zone map as text";
  }

 private:
  void defineMore(CLI::App& sub) override {
    sub.add_option("--level", level_, "the level's number, 1 for the lowest (the default)")
        ->check(CLI::PositiveNumber);
  }

  ExitStatus runOn(ProjectLife& life) override {
    Level* level = life.project().levels.byNumber(level_);
    if (!level) {
      std::cerr << "mulzon: " << project_ << " has no level " << level_ << " (it has "
                << life.project().levels.size() << ")\n";
      return ExitStatus::Failure;
    }
    if (!life.goToLevel(*level)) return ExitStatus::Failure;
    std::cout << printLevel(life.pad(), SketchCopy::Current) << '\n'
              << printZoneMap(life.pad(), SketchCopy::Current);
    return ExitStatus::Success;
  }

  int level_ = 1;
};

}  // namespace

CommandList allCommands() {
  CommandList commands;
  commands.push_back(std::make_unique<CheckCommand>());
  commands.push_back(std::make_unique<SaveCommand>());
  commands.push_back(std::make_unique<ShowCommand>());
  return commands;
}

}  // namespace mz::cli
