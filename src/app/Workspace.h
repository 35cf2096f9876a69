#pragma once
// The one project in memory with its SketchPad: the layers, the editing host over the records,
// the wall tool, the project file's path and grid, and the services bound by the program (the
// project file reader and writer, the checks).

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Project.h"
#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchProject.h"
#include "sketchpad/Walldraw.h"

namespace mz {

class ErrorReporter;

struct GridSize {
  int rows = 58;
  int columns = 66;
  bool operator==(const GridSize&) const = default;
};

// A problem of a check, located on a level (by number) and a cell.
struct LocatedProblem {
  int level = 0;
  int row = 0;
  int column = 0;
  std::string text;
  bool operator==(const LocatedProblem&) const = default;
};

// What the main window needs of other subsystems; an empty function makes its commands
// unavailable.
struct ProjectServices {
  // Reads a project file; false after the reader's reports. `converted` is set for a file of
  // an older version.
  std::function<bool(ErrorReporter&, const std::filesystem::path&, std::unique_ptr<Project>&,
                     GridSize&, bool& converted)>
      read;
  // Writes the project file, leaving the file on disk as it was on failure.
  std::function<bool(ErrorReporter&, Project&, const GridSize&, const std::filesystem::path&)>
      write;
  // The level check of the current level (stored in the layers).
  std::function<std::vector<LocatedProblem>(Project&, SketchPad&)> checkLevel;
  // The building walk that renumbers before a save; false when it failed.
  std::function<bool(Project&, SketchPad&)> renumber;
};

class Workspace {
 public:
  Workspace(ErrorReporter& reporter, DrawingColours colours);

  Project& project() { return *project_; }
  const Project& project() const { return *project_; }
  SketchPad& pad() { return pad_; }
  const SketchPad& pad() const { return pad_; }
  ProjectSketchHost& host() { return *host_; }
  const ProjectSketchHost& host() const { return *host_; }
  WallDrawing& walls() { return *walls_; }
  const WallDrawing& walls() const { return *walls_; }
  const GridSize& grid() const { return grid_; }

  // The project file's path; empty for an untitled project.
  const std::string& path() const { return path_; }
  void setPath(std::string path);
  // The name shown in the title and the save question: the file name, or "(untitled)".
  std::string displayName() const;

  // Takes `project` (given one level when it has none) on a grid of `grid`: the layers are
  // allocated anew, the lowest level shown and the cursor put on row 1, column 1. False when a
  // level's item was refused.
  bool replace(std::unique_ptr<Project> project, GridSize grid);

  // The current level, and the move to another one (storing the current layers first).
  Level* currentLevel() { return project_->current(); }
  bool showLevel(Level& level);
  // A new empty level directly above or below the current one, with the current level's
  // height (the lowest new level stands at 0 m with 3 m); it becomes current and the levels
  // above are stacked on it.
  Level& insertBlankLevel(bool above);
  // Rebuilds the current level's item list from the layers.
  void storeCurrentLevel();

 private:
  ErrorReporter& reporter_;
  std::unique_ptr<Project> project_;
  SketchPad pad_;
  std::unique_ptr<ProjectSketchHost> host_;
  std::unique_ptr<WallDrawing> walls_;
  GridSize grid_;
  std::string path_;
};

}  // namespace mz
