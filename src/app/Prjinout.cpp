#include "app/Prjinout.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "app/FileKinds.h"
#include "app/ProjectArg.h"
#include "app/Session.h"
#include "foundation/Formats.h"

namespace mz {

namespace fs = std::filesystem;

namespace {

inline constexpr const char* kTitleProgram = "MULZONW3";

// The colour marks of the layers take the configuration's drawing colours.
DrawingColours drawingColoursOf(const Configuration& config) {
  const Palette& p = config.drawingColours;
  DrawingColours c;
  c.background = p[PaletteRole::Background];
  c.drawLine = p[PaletteRole::DrawLine];
  c.error = p[PaletteRole::Errors];
  c.foreground = p[PaletteRole::Foreground];
  c.undefined = p[PaletteRole::Undefined];
  return c;
}

// A file the program may read but not write back: no write permission at all, or none for us.
bool readOnly(const fs::path& path) {
  std::error_code ec;
  const fs::perms perms = fs::status(path, ec).permissions();
  if (ec) return false;
  constexpr fs::perms kWrite =
      fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  return (perms & kWrite) == fs::perms::none || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

bool isUntitled(std::string_view name) {
  return name.empty() || name.front() == ' ';
}

std::string windowTitle(std::string_view name) {
  const std::string shown(isUntitled(name) ? kUntitled : name);
  return cformat("%s - %s", kTitleProgram, shown.c_str());
}

ProjectLife::ProjectLife(Session& session) : ProjectLife(session, nullptr) {}

ProjectLife::ProjectLife(Session& session, DiskWriter& disk) : ProjectLife(session, &disk) {}

ProjectLife::ProjectLife(Session& session, DiskWriter* disk)
    : session_(session),
      ownDisk_(disk ? std::unique_ptr<DiskWriter>()
                    : std::unique_ptr<DiskWriter>(std::make_unique<SystemDisk>())),
      disk_(disk ? *disk : *ownDisk_),
      pad_(session.reporter, drawingColoursOf(session.config)) {
  auto project = std::make_unique<Project>();
  ProjectDefaults& d = project->settings.defaults;
  d.ud = session.config.defaultUnitSystem;
  d.uf = session.config.defaultFlowUnit;
  d.T = session.config.defaultTemperature;
  d.uT = session.config.temperatureUnit;
  bind(std::move(project));
  installNew();
}

ProjectLife::~ProjectLife() = default;

void ProjectLife::setProblemsView(ProblemsView* view) {
  problemsView_ = view;
  if (context_) context_->view = view;
}

std::string ProjectLife::displayName() const {
  return untitled() ? std::string(kUntitled) : project_->settings.name;
}

void ProjectLife::titleChanged() {
  if (window_) window_->titleChanged(title());
}

void ProjectLife::bind(std::unique_ptr<Project> project) {
  project_ = std::move(project);
  auto host = std::make_unique<ProjectSketchHost>(*project_, session_.reporter);
  if (host_) {
    host->annotationDialogFn = host_->annotationDialogFn;
    host->newZoneDialogFn = host_->newZoneDialogFn;
    host->zoneDialogFn = host_->zoneDialogFn;
  }
  host_ = std::move(host);
  walls_.emplace(pad_, *host_);
  context_.emplace(CheckContext{*project_, pad_, problems_, problemsView_});
}

bool ProjectLife::install(std::unique_ptr<Project> project, const ProjectFileInfo& info) {
  bind(std::move(project));
  problems_.clear();
  if (!pad_.allocated() || pad_.rows() != info.rows || pad_.columns() != info.cols) {
    pad_.releaseLayers();
    if (!pad_.allocateLayers(info.rows, info.cols)) return false;
  }
  info_ = info;
  pad_.setCursor(1, 1);
  if (project_->levels.empty()) return true;
  Level* lowest = project_->levels.lowest();
  project_->currentLevel = Levels::ref(lowest);
  return showLevel(pad_, project_->levels, *lowest);
}

void ProjectLife::installNew() {
  // The defaults of new data stay those of the project last in memory.
  const ProjectDefaults kept = project_ ? project_->settings.defaults : ProjectDefaults{};
  auto project = std::make_unique<Project>();
  ProjectDefaults& d = project->settings.defaults;
  d.ud = kept.ud;
  d.uf = kept.uf;
  d.T = kept.T;
  d.uT = kept.uT;
  project->addLevel(nullptr);
  project->marks = {};
  ProjectFileInfo info;
  info.rows = kNewProjectRows;
  info.cols = kNewProjectColumns;
  path_.clear();
  install(std::move(project), info);
  const CellPos cursor = pad_.cursor();
  session_.ui.setStatusText(cformat("Col %d, Row %d", cursor.column, cursor.row));
}

bool ProjectLife::askSaveChanges() {
  const ChangeMarks& marks = project_->marks;
  if (!marks.modified && !marks.renumberDue) return true;
  const std::string name = displayName();
  const Answer answer = session_.reporter.askYesNoCancel(
      cformat("Save changes to current project file: %s ?", name.c_str()));
  if (answer == Answer::Cancel) return false;
  // Changes whose save failed or was cancelled are not thrown away.
  return answer == Answer::No || saveProject();
}

bool ProjectLife::newProject() {
  if (!askSaveChanges()) return false;
  if (window_) window_->leavingProject();
  installNew();
  if (window_) window_->projectReplaced();
  titleChanged();
  return true;
}

bool ProjectLife::openProject() {
  if (!askSaveChanges()) return false;
  const std::string folder = untitled() ? std::string() : project_->settings.path;
  const OpenResult chosen = chooseFileToOpen(session_.reporter, "PRJ", folder);
  if (chosen.choice != OpenChoice::Chosen) return false;
  return openProjectFile(chosen.path);
}

bool ProjectLife::openProjectFile(const std::string& path) {
  fs::path file(path);
  if (file.is_relative()) file = (session_.startDirectory / file).lexically_normal();
  if (window_) {
    window_->leavingProject();
    window_->waitCursor(true);
  }
  session_.ui.setStatusText("Reading Project");
  auto read = std::make_unique<Project>();
  ProjectFileInfo info;
  const bool ok =
      readProject(session_.reporter, read, info, file, session_.files.projectBackup) == 0 &&
      install(std::move(read), info);
  if (ok) {
    if (info.converted || readOnly(file)) {
      // The next save asks for a new name.
      project_->settings.name.clear();
      path_.clear();
      project_->marks.modified = true;
    } else {
      path_ = file.native();
      project_->marks.modified = false;
    }
    project_->marks.renumberDue = false;
    session_.recent.remember(file.native());
  } else {
    installNew();
  }
  if (window_) {
    window_->waitCursor(false);
    window_->projectReplaced();
  }
  titleChanged();
  return ok;
}

bool ProjectLife::openRecentProject(std::size_t slot) {
  if (slot >= session_.recent.size()) return false;
  if (!askSaveChanges()) return false;
  const std::string entry = session_.recent.paths()[slot];
  session_.reporter.logText(cformat("Recent Project: %s\n", entry.c_str()));
  session_.recent.remove(slot);
  const ProjectArgument argument = resolveProjectArgument(entry, session_.startDirectory);
  // Only the completion of a relative entry is logged, not the entry as a parameter.
  for (std::size_t k = 1; k < argument.logLines.size(); ++k)
    session_.reporter.logText(argument.logLines[k]);
  return openProjectFile(argument.projectPath);
}

void ProjectLife::storeCurrentLevel() {
  if (Level* level = project_->current(); level && pad_.allocated()) storeLevel(pad_, *level);
}

bool ProjectLife::writeTo(const std::string& path, bool renumber) {
  if (window_) window_->waitCursor(true);
  ErrorReporter& reporter = session_.reporter;
  bool ok = true;
  if (renumber) {
    // Errors of the numbering (such as a WPC definition error) fail the save that follows.
    reporter.resetCount();
    checkBuilding(CheckMode::Renumber);
    if (reporter.errorCount() != 0) {
      reporter.report(Severity::Error, {"Did not save project file because of errors"});
      ok = false;
    }
  } else {
    storeCurrentLevel();
  }
  Level* current = project_->current();
  const std::vector<LevelItem> stored = current ? current->items : std::vector<LevelItem>{};
  ok = ok && writeProject(reporter, *project_, info_, path, disk_) == 0;
  // The writer's icon check may have repaired items; the layers show what was written.
  if (current && pad_.allocated() && current->items != stored) {
    const CellPos cursor = pad_.cursor();
    showLevel(pad_, project_->levels, *current);
    pad_.setCursor(cursor.row, cursor.column);
  }
  if (ok)
    project_->marks = {};
  else
    project_->marks.modified = true;
  if (window_) window_->waitCursor(false);
  return ok;
}

bool ProjectLife::saveProject(bool renumber) {
  if (untitled() || path_.empty()) return saveProjectAs(renumber);
  return writeTo(path_, renumber);
}

bool ProjectLife::saveProjectAs(bool renumber) {
  std::string proposal;
  if (!untitled()) {
    proposal = project_->settings.name + ".prj";
    if (!project_->settings.path.empty())
      proposal = (fs::path(project_->settings.path) / proposal).native();
  }
  const std::optional<std::string> chosen =
      chooseFileToSave(session_.reporter, "PRJ", std::move(proposal));
  if (!chosen) return false;
  return saveProjectTo(*chosen, renumber);
}

void ProjectLife::setPath(const std::string& path) {
  path_ = path;
  const fs::path file(path);
  project_->settings.path = file.parent_path().native();
  project_->settings.name = file.stem().native();
}

bool ProjectLife::saveProjectTo(const std::string& path, bool renumber) {
  fs::path file(path);
  if (file.is_relative()) file = (session_.startDirectory / file).lexically_normal();
  const std::string previousPath = path_;
  const std::string previousFolder = project_->settings.path;
  const std::string previousName = project_->settings.name;
  setPath(file.native());
  const bool ok = writeTo(path_, renumber);
  if (ok) {
    session_.recent.remember(path_);
  } else {
    path_ = previousPath;
    project_->settings.path = previousFolder;
    project_->settings.name = previousName;
  }
  titleChanged();
  return ok;
}

CheckResult ProjectLife::checkBuilding(CheckMode mode) {
  return mz::checkBuilding(*context_, mode);
}

bool ProjectLife::goToLevel(Level& level) {
  Level* current = project_->current();
  if (current == &level) return true;
  if (walls_->drawing()) walls_->cancel();
  project_->currentLevel = Levels::ref(&level);
  if (!current) return showLevel(pad_, project_->levels, level);
  return changeLevel(pad_, project_->levels, *current, level);
}

Level& ProjectLife::insertBlankLevel(bool above) {
  if (walls_->drawing()) walls_->cancel();
  Level& from = *project_->current();
  storeLevel(pad_, from);
  Levels& levels = project_->levels;
  Level* below = above ? &from : levels.below(from);
  Level& added = below ? project_->addLevel(below, from.delHt) : project_->addLevel(nullptr);
  for (std::size_t i = 1; i < levels.size(); ++i)
    levels[i].refHt = levels[i - 1].refHt + levels[i - 1].delHt;
  project_->currentLevel = Levels::ref(&added);
  showLevel(pad_, levels, added);
  return added;
}

void ProjectLife::releaseProject() {
  if (window_) window_->leavingProject();
  problems_.clear();
  auto empty = std::make_unique<Project>();
  empty->settings.defaults = project_->settings.defaults;
  bind(std::move(empty));
  pad_.releaseLayers();
  path_.clear();
  titleChanged();
}

}  // namespace mz
