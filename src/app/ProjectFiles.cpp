#include "app/ProjectFiles.h"

#include "prjfile/PrjFile.h"
#include "sketchpad/Levelw.h"

namespace mz {

ProjectServices projectFileServices(const std::filesystem::path& backup) {
  ProjectServices services;
  services.read = [backup](ErrorReporter& reporter, const std::filesystem::path& path,
                           std::unique_ptr<Project>& project, GridSize& grid, bool& converted) {
    ProjectFileInfo info;
    if (readProject(reporter, project, info, path, backup) != 0) return false;
    grid = {info.rows, info.cols};
    converted = info.converted;
    return true;
  };
  services.write = [](ErrorReporter& reporter, Project& project, const GridSize& grid,
                      const std::filesystem::path& path) {
    ProjectFileInfo info;
    info.rows = static_cast<std::int16_t>(grid.rows);
    info.cols = static_cast<std::int16_t>(grid.columns);
    return writeProject(reporter, project, info, path) == 0;
  };
  services.checkLevel = [](Project& project, SketchPad& pad) {
    ProblemList problems;
    CheckContext context{project, pad, problems};
    checkLevel(context);
    std::vector<LocatedProblem> located;
    for (const Problem& p : problems.displayed()) {
      const Level* level = project.levels.find(p.level);
      located.push_back({level ? level->number : 0, p.row, p.column, p.text});
    }
    return located;
  };
  services.renumber = [](Project& project, SketchPad& pad) {
    ProblemList problems;
    CheckContext context{project, pad, problems};
    return checkBuilding(context, CheckMode::Renumber) == CheckResult::Passed;
  };
  return services;
}

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

}  // namespace mz
