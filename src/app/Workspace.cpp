#include "app/Workspace.h"

#include "foundation/Heap.h"

namespace mz {

Workspace::Workspace(ErrorReporter& reporter, DrawingColours colours)
    : reporter_(reporter), project_(std::make_unique<Project>()), pad_(reporter, colours) {
  replace(std::make_unique<Project>(), GridSize{});
}

void Workspace::setPath(std::string path) {
  path_ = std::move(path);
  const std::filesystem::path p(path_);
  project_->settings.path = path_.empty() ? std::string() : p.parent_path().string();
  project_->settings.name = path_.empty() ? std::string() : p.stem().string();
}

std::string Workspace::displayName() const {
  if (path_.empty()) return "(untitled)";
  return std::filesystem::path(path_).filename().string();
}

bool Workspace::replace(std::unique_ptr<Project> project, GridSize grid) {
  walls_.reset();
  host_.reset();
  project_ = std::move(project);
  // A project without levels (a new one) gets its first level; that is no change to save.
  if (project_->levels.empty()) {
    project_->addLevel(nullptr);
    project_->marks = {};
  }
  host_ = std::make_unique<ProjectSketchHost>(*project_, reporter_);
  walls_ = std::make_unique<WallDrawing>(pad_, *host_);
  grid_ = grid;
  pad_.releaseLayers();
  // A size the layers refuse has been reported; the drawing then gets the default grid.
  if (!pad_.allocateLayers(grid.rows, grid.columns)) {
    grid_ = GridSize{};
    pad_.allocateLayers(grid_.rows, grid_.columns);
  }
  Level* lowest = project_->levels.lowest();
  project_->currentLevel = Levels::ref(lowest);
  const bool loaded = mz::showLevel(pad_, project_->levels, *lowest);
  pad_.setCursor(1, 1);
  return loaded;
}

bool Workspace::showLevel(Level& level) {
  Level* from = currentLevel();
  if (walls_->drawing()) walls_->cancel();
  const bool loaded = from ? changeLevel(pad_, project_->levels, *from, level)
                           : mz::showLevel(pad_, project_->levels, level);
  project_->currentLevel = Levels::ref(&level);
  return loaded;
}

Level& Workspace::insertBlankLevel(bool above) {
  if (walls_->drawing()) walls_->cancel();
  Level& from = *currentLevel();
  mz::storeLevel(pad_, from);
  Levels& levels = project_->levels;
  Level* below = above ? &from : levels.below(from);
  Level& added = below ? project_->addLevel(below, from.delHt) : project_->addLevel(nullptr);
  for (std::size_t i = 1; i < levels.size(); ++i)
    levels[i].refHt = levels[i - 1].refHt + levels[i - 1].delHt;
  project_->currentLevel = Levels::ref(&added);
  mz::showLevel(pad_, levels, added);
  return added;
}

void Workspace::storeCurrentLevel() {
  if (Level* level = currentLevel()) mz::storeLevel(pad_, *level);
}

}  // namespace mz
