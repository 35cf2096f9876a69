// The whole-file writer: the header, the run control and the sections in file order.

#include "foundation/AtomicFile.h"
#include "model/Prjpack.h"
#include "prjfile/PrjFile.h"
#include "prjfile/PrjSections.h"

namespace mz {

namespace {

constexpr std::size_t kPathLength = 258;
constexpr std::size_t kWpcPathLength = 254;

void writeWeather(PrjOutput& out, const SteadyWeather& w, const char* label) {
  out.format("%7.3f %8.1f %6.3f %5.1f %5.3f %d %d %d %d %d ! %s\n", double(w.Ta), double(w.Pb),
             double(w.Ws), double(w.Wd), double(w.rh), w.day, w.units[0], w.units[1], w.units[2],
             w.units[3], label);
}

// A file name line: "null" when none is named. A name that the reader would cut (at a "!") or
// could not hold is an ERROR report.
void writePath(PrjOutput& out, const std::string& path, bool noneWhenEmpty, std::size_t limit,
               const char* label) {
  if (path == kNoFile || (noneWhenEmpty && path.empty())) {
    out.format("null ! no %s\n", label);
    return;
  }
  if (path.empty() || path.find_first_of("!\n\r") != std::string::npos || path.size() > limit ||
      path.front() == ' ' || path.back() == ' ')
    out.reporter().report(Severity::Error, {"Invalid file name: \"", path, "\""});
  out.format("%s ! %s\n", path.c_str(), label);
}

void writeSolver(PrjOutput& out, const SolverSet& s, std::int16_t ucc, const char* label) {
  out.format("      %5d %3d %4d %9.2e %9.2e %5.3f %5.3f %3d ! (%s)\n", s.slae, s.rs, s.maxi,
             double(s.relcnvg), double(s.abscnvg), double(s.relax), double(s.gamma), ucc, label);
}

void numberElementLists(Project& p) {
  p.species.numberElements();
  p.daySchedules.numberElements();
  p.weekSchedules.numberElements();
  p.windProfiles.numberElements();
  p.reactions.numberElements();
  p.filterElements.numberElements();
  p.sourceElements.numberElements();
  p.airflowElements.numberElements();
  p.ductElements.numberElements();
  p.superElements.numberElements();
  p.occupancySchedules.numberElements();
  p.ahs.numberElements();
}

}  // namespace

void writeRunControl(PrjOutput& out, Project& project, const ProjectFileInfo& info) {
  ProjectSettings& s = project.settings;
  const ProjectDefaults& d = s.defaults;
  RunControl& rc = s.runControl;
  out.put("! rows cols ud uf    T   uT     N     wH  u  Ao    a\n");
  out.format("%6d %4d %2u %2u %7.3f %d %7.2f %5.2f %d %5.3f %5.3f\n", info.rows, info.cols,
             static_cast<unsigned>(static_cast<std::uint16_t>(d.ud)),
             static_cast<unsigned>(static_cast<std::uint16_t>(d.uf)), double(d.T), d.uT,
             double(d.N), double(d.wH), d.uwH, double(d.Ao), double(d.a));
  out.put("! Ta       Pb      Ws    Wd    rh  day u..\n");
  writeWeather(out, rc.steady, "steady simulation");
  writeWeather(out, rc.windTest, "wind pressure test");
  writePath(out, s.files.weather, true, kPathLength, "weather file");
  writePath(out, s.files.contaminant, true, kPathLength, "contaminant file");
  writePath(out, s.files.continuousValues, true, kPathLength, "continuous values file");
  writePath(out, s.files.discreteValues, true, kPathLength, "discrete values file");
  if (s.files.wpc == kNoFile) rc.outputFlags[kOutputFlags - 1] = 0;
  writePath(out, s.files.wpc, false, kWpcPathLength, "WPC file");
  writePath(out, s.files.ewc, false, kWpcPathLength, "EWC file");
  const WpcSettings& w = s.wpc;
  out.wholeLine(w.description, kDescriptionLength);
  out.put("!  Xref    Yref    Zref   angle u\n");
  out.format(" %7.3f %7.3f %7.3f %6.2f %d\n", double(w.Xref), double(w.Yref), double(w.Zref),
             double(w.angle), w.unit);
  out.put("! epsP epsS  tShift  dStart dEnd wp mf\n");
  out.format("  %.2f %.2f %s %5s %5s %2d %2d\n", double(w.epsP), double(w.epsS),
             formatTime(w.tShift).c_str(), formatSlashDate(w.dStart).c_str(),
             formatSlashDate(w.dEnd).c_str(), w.wp, w.mf);
  const Site& site = s.site;
  out.put("! latd  longtd   tznr  altd  Tgrnd u..\n");
  out.format("%6.2f %7.2f %6.2f %5.0f %6.2f %d %d\n", double(site.latitude), double(site.longitude),
             double(site.timeZone), double(site.altitude), double(site.groundTemperature),
             site.units[0], site.units[1]);
  out.put("!sim_af afcalc afmaxi afrcnvg afacnvg afrelax uac Pbldg uPb\n");
  out.format("%6d %6d %6d %7g %7g %7.2f %3d %5.2f %3d\n", rc.sim_af, rc.afcalc, rc.afmaxi,
             double(rc.afrcnvg), double(rc.afacnvg), double(rc.afrelax), rc.uac, double(rc.Pbldg),
             rc.uPb);
  out.put("!   slae rs aflmaxi aflcnvg aflinit Tadj\n");
  out.format("%7d %3d %6d %7g %6d %4d\n", rc.slae, rc.rs, rc.aflmaxi, double(rc.aflcnvg),
             rc.aflinit, rc.Tadj);
  out.put("!sim_mf slae rs maxi   relcnvg   abscnvg relax gamma ucc\n");
  out.format("%5d         %6d %9.2e %9.2e %5.3f       %3d ! (cyclic)\n", rc.sim_mf, rc.cyclic.maxi,
             double(rc.cyclic.relcnvg), double(rc.cyclic.abscnvg), double(rc.cyclic.relax),
             rc.cyclic.ucc);
  writeSolver(out, rc.nonTrace, rc.nonTrace.ucc, "non-trace");
  writeSolver(out, rc.trace, rc.nonTrace.ucc, "trace");
  out.put("!sim_sts sim_1dz sim_1dd celldx sim_vjt udx\n");
  out.format("%6d %7d %7d %8.3f %5d %4d\n", rc.sim_sts, rc.sim_1dz, rc.sim_1dd, double(rc.celldx),
             rc.sim_vjt, rc.udx);
  out.put("!tsdens relax tsmaxi\n");
  out.format("%6d %6.2f %5d\n", rc.tsdens, double(rc.tsrelax), rc.tsmaxi);
  out.put("!date_st time_st  date_0 time_0   date_1 time_1    t_step   t_list   t_scrn\n");
  out.format("%7s %s", formatMonthDay(rc.date_st).c_str(), formatTime(rc.time_st).c_str());
  out.format("%7s %s", formatMonthDay(rc.date_0).c_str(), formatTime(rc.time_0).c_str());
  out.format("%7s %s", formatMonthDay(rc.date_1).c_str(), formatTime(rc.time_1).c_str());
  out.format("  %s", formatTime(rc.t_step).c_str());
  out.format(" %s", formatTime(rc.t_list).c_str());
  out.format(" %s\n", formatTime(rc.t_scrn).c_str());
  out.put("!restart  date  time\n");
  out.format("%7d  %5s %s\n", rc.restart, formatMonthDay(rc.rstdate).c_str(),
             formatTime(rc.rsttime).c_str());
  out.put("!list doDlg pfsave zfsave zcsave\n");
  out.format("%4d %5d %6d %6d %6d\n", rc.list, rc.doDlg, rc.pfsave, rc.zfsave, rc.zcsave);
  out.put("!vol ach -bw cbw exp -bw age -bw\n");
  for (std::size_t k = 0; k < 8; ++k) out.format("%3d ", rc.outputFlags[k]);
  out.put("\n!...\n");
  for (std::size_t k = 8; k < kOutputFlags; ++k) out.format(" %d", rc.outputFlags[k]);
  out.put("\n");
  if (rc.rvals.empty()) out.error("Invalid rvals count: ", 0);
  out.format("%d ! rvals:\n", static_cast<int>(rc.rvals.size()));
  for (float v : rc.rvals) out.format("%g ", double(v));
  out.put("\n!valZ valD valC\n");
  out.format("%4d %4d %4d\n", rc.valZ, rc.valD, rc.valC);
  out.put("!ctype conv var zref imax dtcmo\n");
  out.format("%4d %5f %4d %4d %4d %4d\n", rc.ctype, double(rc.conv), rc.var, 0, rc.imax, rc.dtcmo);
  out.end();
}

bool writeProjectText(ErrorReporter& reporter, Project& project, const ProjectFileInfo& info,
                      std::string& text) {
  reporter.resetCount();
  text.clear();
  PrjOutput out(reporter, text);
  numberElementLists(project);
  out.format("MulzonW %s%c %d\n", std::string(kPrjVersions[kCurrentPrjVersion]).c_str(),
             kPrjRevision, info.echoInput ? 1 : 0);
  out.wholeLine(project.settings.description, kDescriptionLength);
  writeRunControl(out, project, info);
  writeSpecies(out, project);
  checkIcons(reporter, project);
  writeLevels(out, project);
  writeDaySchedules(out, project);
  writeWeekSchedules(out, project);
  writeWindProfiles(out, project);
  writeReactions(out, project);
  writeFilterElements(out, project);
  writeFilters(out, project);
  writeSourceElements(out, project);
  writeAirflowElements(out, project);
  writeDuctElements(out, project);
  writeSuperElements(out, project);
  writeControlNodes(out, project);
  writeAhs(out, project);
  writeZones(out, project);
  writePaths(out, project);
  writeJunctions(out, project);
  writeDucts(out, project);
  writeSourceSinks(out, project);
  writeOccupancySchedules(out, project);
  writeExposures(out, project);
  writeAnnotations(out, project);
  out.put("* end project file.\n");
  return reporter.errorCount() == 0;
}

int writeProject(ErrorReporter& reporter, Project& project, const ProjectFileInfo& info,
                 const std::filesystem::path& path) {
  SystemDisk disk;
  return writeProject(reporter, project, info, path, disk);
}

int writeProject(ErrorReporter& reporter, Project& project, const ProjectFileInfo& info,
                 const std::filesystem::path& path, DiskWriter& disk) {
  reporter.ui().setStatusText(" Saving project file");
  std::string text;
  bool ok = writeProjectText(reporter, project, info, text);
  reporter.ui().setStatusText("");
  if (!ok) {
    reporter.report(Severity::Error, {"Did not save project file because of errors"});
    return 1;
  }
  if (!replaceFile(reporter, Severity::Error, disk, path, text)) return 1;
  project.marks.modified = false;
  return 0;
}

}  // namespace mz
