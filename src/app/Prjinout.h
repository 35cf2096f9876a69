#pragma once
// The project life cycle: the one project in memory with its SketchPad, how it comes into being
// (new, open), how it is written (save, save as) and released, the question that protects
// unsaved changes, and the window title. The desktop program's window and the command-line tool
// both drive it; everything it asks or shows goes through the session's ui port.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/AtomicFile.h"
#include "model/Project.h"
#include "prjfile/PrjFile.h"
#include "sketchpad/Levelw.h"
#include "sketchpad/SketchLayers.h"
#include "sketchpad/SketchProject.h"
#include "sketchpad/Walldraw.h"

namespace mz {

struct Session;

// What the life cycle tells the window around it; every call does nothing by default.
class ProjectWindow {
 public:
  virtual ~ProjectWindow() = default;
  // Before the project is replaced or released: drawing tools off, the results file closed.
  virtual void leavingProject() {}
  // After the project was replaced: the layers may have another size.
  virtual void projectReplaced() {}
  virtual void titleChanged(std::string_view title) { (void)title; }
  virtual void waitCursor(bool on) { (void)on; }
};

inline constexpr std::string_view kUntitled = "(untitled)";
inline constexpr int kNewProjectRows = 58;
inline constexpr int kNewProjectColumns = 66;

// An empty project name, or one beginning with a blank, stands for an untitled project.
bool isUntitled(std::string_view name);
// "MULZONW3 - " and the project name, or "(untitled)".
std::string windowTitle(std::string_view name);

class ProjectLife {
 public:
  // Starts with a new project on a SketchPad of 66 columns by 58 rows, drawn in the
  // configuration's colours. The defaults of new data (unit system, flow unit, temperature) come
  // from the session's configuration; a project read later replaces them, and new projects keep
  // them.
  explicit ProjectLife(Session& session);
  // The same with the file operations of saves given (tests make them fail).
  ProjectLife(Session& session, DiskWriter& disk);
  ProjectLife(const ProjectLife&) = delete;
  ProjectLife& operator=(const ProjectLife&) = delete;
  ~ProjectLife();

  Project& project() { return *project_; }
  const Project& project() const { return *project_; }
  SketchPad& pad() { return pad_; }
  const SketchPad& pad() const { return pad_; }
  // The editing rules' host; its dialog bindings stay when the project is replaced.
  ProjectSketchHost& host() { return *host_; }
  const ProjectSketchHost& host() const { return *host_; }
  // The wall and box tool on the SketchPad; bound to the project in memory like the host.
  WallDrawing& walls() { return *walls_; }
  const WallDrawing& walls() const { return *walls_; }
  ProblemList& problems() { return problems_; }
  const ProblemList& problems() const { return problems_; }
  // Bound to the project in memory: valid until the project is replaced.
  CheckContext& checkContext() { return *context_; }
  const ProjectFileInfo& fileInfo() const { return info_; }

  void setWindow(ProjectWindow* window) { window_ = window; }
  void setProblemsView(ProblemsView* view);

  // The project file's path; empty for an untitled project.
  const std::string& path() const { return path_; }
  bool untitled() const { return isUntitled(project_->settings.name); }
  // The project name, or "(untitled)".
  std::string displayName() const;
  std::string title() const { return windowTitle(project_->settings.name); }

  // When the project is modified or due for renumbering, asks "Save changes to current project
  // file: %s ?". Yes saves; false when the answer was Cancel or the save did not succeed, and
  // the caller stops.
  bool askSaveChanges();
  // After the question, a new untitled project with one level "<1>" on a 66 by 58 grid. False
  // when the question stopped it.
  bool newProject();
  // After the question, the open chooser for project files, then openProjectFile.
  bool openProject();
  // Replaces the project by the file's contents without a question. A converted or read-only
  // file gives an untitled, modified project; a file that cannot be read leaves a new project.
  // The path of a project read goes to the recent-projects list.
  bool openProjectFile(const std::string& path);
  // The recent-projects entry at `slot`: the question, then the entry leaves the list and its
  // project is opened (coming back as the newest entry when it opened).
  bool openRecentProject(std::size_t slot);

  // Renumbers through the building walk (unless the caller has just run it) and writes the
  // project file; an untitled project goes through saveProjectAs. A failed save leaves the file
  // on disk as it was and the project modified.
  bool saveProject(bool renumber = true);
  // The save chooser for project files, proposing the project's name with ".prj", then
  // saveProjectTo. A cancelled chooser changes nothing.
  bool saveProjectAs(bool renumber = true);
  // Saves under `path`, which becomes the project's path; a failed save keeps the previous path
  // and name. A saved path goes to the recent-projects list.
  bool saveProjectTo(const std::string& path, bool renumber = true);

  // The building check on the project, from the current level.
  CheckResult checkBuilding(CheckMode mode);
  // Makes a level current, storing the one in the layers first. False when an item was refused.
  bool goToLevel(Level& level);
  // A new empty level directly above or below the current one with the current level's height
  // (below the lowest: 3 m at 0 m); it becomes current and the levels above are stacked on it.
  Level& insertBlankLevel(bool above);

  // The end of the run: the project data and the SketchPad layers are released; the project is
  // empty until the next new or open.
  void releaseProject();

 private:
  ProjectLife(Session& session, DiskWriter* disk);
  // Makes `project` the one in memory, the host's dialog bindings kept.
  void bind(std::unique_ptr<Project> project);
  // Takes a project and shows its lowest level on a grid of the given size. False when the
  // layers could not take it.
  bool install(std::unique_ptr<Project> project, const ProjectFileInfo& info);
  void installNew();
  bool writeTo(const std::string& path, bool renumber);
  void storeCurrentLevel();
  void setPath(const std::string& path);
  void titleChanged();

  Session& session_;
  std::unique_ptr<DiskWriter> ownDisk_;
  DiskWriter& disk_;
  std::unique_ptr<Project> project_;
  SketchPad pad_;
  std::unique_ptr<ProjectSketchHost> host_;
  std::optional<WallDrawing> walls_;
  ProblemList problems_;
  ProblemsView* problemsView_ = nullptr;
  std::optional<CheckContext> context_;
  ProjectFileInfo info_;
  std::string path_;
  ProjectWindow* window_ = nullptr;
};

}  // namespace mz
