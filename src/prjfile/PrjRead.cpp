// The whole-file reader: the version test, the header, the run control and the sections in
// file order.

#include <cmath>
#include <fstream>
#include <sstream>

#include "foundation/AtomicFile.h"
#include "model/Prjpack.h"
#include "prjfile/PrjFile.h"
#include "prjfile/PrjSections.h"

namespace mz {

namespace {

constexpr std::size_t kPathSize = 260;     // the first four file names: up to 258 characters
constexpr std::size_t kWpcPathSize = 256;  // WPC and EWC: up to 254

std::vector<std::string> splitWords(std::string_view line) {
  std::vector<std::string> words;
  std::string word;
  for (char c : line) {
    if (c == ' ' || c == ',' || c == '\t' || c == '\r') {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word.push_back(c);
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

std::string_view nthLine(std::string_view text, int n) {
  for (; n > 0; --n) {
    std::size_t nl = text.find('\n');
    if (nl == std::string_view::npos) return {};
    text.remove_prefix(nl + 1);
  }
  return text.substr(0, std::min(text.find('\n'), std::size_t{255}));
}

// The version test: true when the text is of the current version. Older versions are refused
// until their converters exist.
bool testVersion(ErrorReporter& r, std::string_view text, std::string_view name) {
  const std::string current(kPrjVersions[kCurrentPrjVersion]);
  std::vector<std::string> words = splitWords(nthLine(text, 0));
  if (words.empty() || words[0] != "MulzonW") {
    std::vector<std::string> second = splitWords(nthLine(text, 1));
    if (!second.empty() && parseInteger(second[0]) == 5) {
      r.report(Severity::Error,
               {name, " is a MulzonW 1.0 file; reading older versions is not available: ",
                cformat("Cannot convert to MulzonW %s", current.c_str())});
      return false;
    }
    r.report(Severity::Error, {name, cformat("Cannot convert to MulzonW %s", current.c_str())});
    return false;
  }
  std::string word = words.size() > 1 ? words[1] : std::string();
  std::string_view version = std::string_view(word).substr(0, 3);
  std::size_t k = kCurrentPrjVersion + 1;
  while (k > 0 && kPrjVersions[k - 1] != version) --k;
  if (k == 0 || k == 1) {
    r.report(Severity::Error, {name, " is a MulzonW ", word, " file"});
    return false;
  }
  if (k - 1 != kCurrentPrjVersion) {
    r.report(Severity::Error,
             {name, " is a MulzonW ", word, " file; reading older versions is not available: ",
              cformat("Cannot convert to MulzonW %s", current.c_str())});
    return false;
  }
  return true;
}

void readWeather(PrjInput& in, SteadyWeather& w) {
  w.Ta = in.f(ReadMode::FirstOfNextLine);
  w.Pb = in.f();
  w.Ws = in.f();
  w.Wd = in.f();
  w.rh = in.f();
  w.day = in.s();
  for (auto& u : w.units) u = in.s();
}

std::string readPath(PrjInput& in, std::size_t size) {
  std::string line;
  if (!in.in.readToken(line, ReadMode::NextLine, size))
    in.reporter.report(Severity::Error, {"PRJ read error; see LOG file"});
  return stripComment(line);
}

void readSolver(PrjInput& in, SolverSet& set) {
  set.slae = in.s(ReadMode::FirstOfNextLine);
  set.rs = in.s();
  set.maxi = in.s();
  set.relcnvg = in.f();
  set.abscnvg = in.f();
  set.relax = in.f();
  set.gamma = in.f();
  set.ucc = in.s();
}

// Reads the sections 3 to 24 in file order, stopping at the first counted error.
bool readSections(ReadState& st) {
  using Reader = bool (*)(ReadState&);
  static constexpr Reader kSections[] = {readSpecies,        readLevels,
                                         readDaySchedules,   readWeekSchedules,
                                         readWindProfiles,   readReactions,
                                         readFilterElements, readFilters,
                                         readSourceElements, readAirflowElements,
                                         readDuctElements,   readSuperElements,
                                         readControlNodes,   readAhs,
                                         readZones,          readPaths,
                                         readJunctions,      readDucts,
                                         readSourceSinks,    readOccupancySchedules,
                                         readExposures,      readAnnotations};
  for (Reader section : kSections) {
    if (!section(st) || st.in.failed()) return false;
    if (section == readDucts) {
      for (auto& [ref, number] : st.junctionDucts) {
        Junction* j = st.project.junctions.find(ref);
        if (j) j->duct = st.project.ducts.ref(number);
      }
    }
  }
  return true;
}

// Reads the header and the sections; `refused` tells a file refused by its header from one whose
// sections failed.
bool readBody(ErrorReporter& r, Project& project, ProjectFileInfo& info, PrjInput& in,
              std::string_view name, bool& refused) {
  refused = true;
  const std::string current(kPrjVersions[kCurrentPrjVersion]);
  std::string token;
  if (!in.in.readToken(token, ReadMode::NextToken) || token != "MulzonW") {
    r.report(Severity::Error, {name, cformat("Not a MulzonW %s file", current.c_str())});
    return false;
  }
  in.in.readToken(token, ReadMode::NextToken);
  if (std::string_view(token).substr(0, 3) != current) {
    r.report(Severity::Error, {name, "\n is a MulzonW ", token, " file"});
    return false;
  }
  char revision = token.size() > 3 ? token[3] : ' ';
  if (static_cast<unsigned char>(revision) > static_cast<unsigned char>(kPrjRevision))
    r.report(Severity::Warning, {cformat("PRJ file may require revision (%c) of MulzonW %s",
                                         revision, current.c_str())});
  refused = false;
  r.resetCount();
  info.echoInput = in.s() != 0;
  in.in.setEcho(info.echoInput);
  project.settings.description = in.line(kDescriptionLength);

  ReadState st{in, project};
  if (!readRunControl(st) || in.failed()) return false;
  info.rows = static_cast<std::int16_t>(in.rows);
  info.cols = static_cast<std::int16_t>(in.cols);
  if (!readSections(st)) return false;
  if (!resolveControls(st)) return false;
  in.in.readToken(token, ReadMode::RestOfLine);
  return !in.failed();
}

}  // namespace

bool readRunControl(ReadState& st) {
  PrjInput& in = st.in;
  ProjectSettings& s = st.project.settings;
  ProjectDefaults& d = s.defaults;
  RunControl& rc = s.runControl;
  in.rows = in.s(ReadMode::FirstOfNextLine);
  in.cols = in.s();
  // Written unsigned, so read unsigned.
  d.ud = static_cast<std::int16_t>(in.us());
  d.uf = static_cast<std::int16_t>(in.us());
  d.T = in.f();
  d.uT = in.s();
  d.N = in.f();
  d.wH = in.f();
  d.uwH = in.s();
  d.Ao = in.f();
  d.a = in.f();
  if (in.failed()) return false;
  if (in.rows < 3 || in.cols < 3) {
    in.error("Invalid SketchPad size, rows ", in.rows);
    return false;
  }
  double modifier = d.Ao * std::pow(d.wH / 10.0, static_cast<double>(d.a));
  d.windModifier = static_cast<float>(modifier * modifier);

  readWeather(in, rc.steady);
  readWeather(in, rc.windTest);
  DataFiles& f = s.files;
  f.weather = readPath(in, kPathSize);
  f.contaminant = readPath(in, kPathSize);
  f.continuousValues = readPath(in, kPathSize);
  f.discreteValues = readPath(in, kPathSize);
  f.wpc = readPath(in, kWpcPathSize);
  f.ewc = readPath(in, kWpcPathSize);
  WpcSettings& w = s.wpc;
  w.description = in.line(kDescriptionLength);
  w.Xref = in.f(ReadMode::FirstOfNextLine);
  w.Yref = in.f();
  w.Zref = in.f();
  w.angle = in.f();
  w.unit = in.s();
  w.epsP = in.f(ReadMode::FirstOfNextLine);
  w.epsS = in.f();
  w.tShift = in.in.readTime();
  w.dStart = static_cast<std::int16_t>(in.in.readMonthDay());
  w.dEnd = static_cast<std::int16_t>(in.in.readMonthDay());
  w.wp = in.s();
  w.mf = in.s();

  Site& site = s.site;
  site.latitude = in.f(ReadMode::FirstOfNextLine);
  site.longitude = in.f();
  site.timeZone = in.f();
  site.altitude = in.f();
  site.groundTemperature = in.f();
  site.units[0] = in.s();
  site.units[1] = in.s();
  const double radians = site.latitude * 3.14159265358979 / 180.0;
  site.sinLatitude = static_cast<float>(std::sin(radians));
  site.cosLatitude = static_cast<float>(std::cos(radians));

  rc.sim_af = in.s(ReadMode::FirstOfNextLine);
  rc.afcalc = in.s();
  rc.afmaxi = in.s();
  rc.afrcnvg = in.f();
  rc.afacnvg = in.f();
  rc.afrelax = in.f();
  rc.uac = in.s();
  rc.Pbldg = in.f();
  rc.uPb = in.s();

  rc.slae = in.s(ReadMode::FirstOfNextLine);
  rc.rs = in.s();
  rc.aflmaxi = in.s();
  rc.aflcnvg = in.f();
  rc.aflinit = in.s();
  rc.Tadj = in.s();

  rc.sim_mf = in.s(ReadMode::FirstOfNextLine);
  rc.cyclic.maxi = in.s();
  rc.cyclic.relcnvg = in.f();
  rc.cyclic.abscnvg = in.f();
  rc.cyclic.relax = in.f();
  rc.cyclic.ucc = in.s();
  readSolver(in, rc.nonTrace);
  readSolver(in, rc.trace);
  rc.trace.ucc = rc.nonTrace.ucc;

  rc.sim_sts = in.s(ReadMode::FirstOfNextLine);
  rc.sim_1dz = in.s();
  rc.sim_1dd = in.s();
  rc.celldx = in.f();
  rc.sim_vjt = in.s();
  rc.udx = in.s();

  rc.tsdens = in.s(ReadMode::FirstOfNextLine);
  rc.tsrelax = in.f();
  rc.tsmaxi = std::max<std::int16_t>(in.s(), 2);

  rc.date_st = static_cast<std::int16_t>(in.in.readDate(ReadMode::FirstOfNextLine));
  rc.time_st = in.in.readTime();
  rc.date_0 = static_cast<std::int16_t>(in.in.readDate());
  rc.time_0 = in.in.readTime();
  rc.date_1 = static_cast<std::int16_t>(in.in.readDate());
  rc.time_1 = in.in.readTime();
  rc.t_step = in.in.readTime();
  rc.t_list = in.in.readTime();
  rc.t_scrn = in.in.readTime();

  rc.restart = in.s(ReadMode::FirstOfNextLine);
  rc.rstdate = static_cast<std::int16_t>(in.in.readDate());
  rc.rsttime = in.in.readTime();

  rc.list = in.s(ReadMode::FirstOfNextLine);
  rc.doDlg = in.s();
  auto flag = [&] { return static_cast<std::int16_t>(in.i()); };
  rc.pfsave = flag();
  rc.zfsave = flag();
  rc.zcsave = flag();
  for (auto& f29 : rc.outputFlags) f29 = flag();
  if (in.failed()) return false;

  std::optional<int> n = in.count();
  if (!n) return false;
  if (*n == 0) {
    in.error("Invalid rvals count: ", 0);
    return false;
  }
  rc.rvals.assign(static_cast<std::size_t>(*n), 0.0f);
  for (std::size_t k = 0; k < rc.rvals.size() && !in.failed(); ++k)
    rc.rvals[k] = in.f(k == 0 ? ReadMode::FirstOfNextLine : ReadMode::NextToken);

  rc.valZ = in.s(ReadMode::FirstOfNextLine);
  rc.valD = in.s();
  rc.valC = in.s();
  rc.ctype = in.s(ReadMode::FirstOfNextLine);
  rc.conv = in.f();
  rc.var = in.s();
  in.s();  // zref: always 0
  rc.imax = in.s();
  rc.dtcmo = in.s();
  if (in.failed()) return false;
  return in.end();
}

int readProjectText(ErrorReporter& reporter, std::unique_ptr<Project>& project,
                    ProjectFileInfo& info, std::string text, std::string_view name) {
  reporter.logText(
      cformat("\nTesting project file: %.*s\n", static_cast<int>(name.size()), name.data()));
  if (!testVersion(reporter, text, name)) return 1;
  reporter.logText(
      cformat("\nReading project file: %.*s\n", static_cast<int>(name.size()), name.data()));
  auto fresh = std::make_unique<Project>();
  ProjectFileInfo read = info;
  read.converted = false;
  TokenReader tokens(reporter);
  const std::size_t size = text.size();
  tokens.openText(std::move(text));
  PrjInput in(tokens, reporter, size);
  bool refused = false;
  bool ok = readBody(reporter, *fresh, read, in, name, refused);
  tokens.close();
  if (!ok || reporter.errorCount() != 0) {
    if (!refused) reporter.report(Severity::Error, {"Failed to read project file: \n", name});
    project = std::make_unique<Project>();
    return 1;
  }
  if (checkIcons(reporter, *fresh)) {
    reporter.report(Severity::Error,
                    {"There are errors in the icon list in the project file: \n", name});
    project = std::make_unique<Project>();
    return 1;
  }
  setPathIcons(*fresh);
  // The file holds a super element's implicit paths as ordinary paths directly after it.
  fresh->relinkImplicitPaths();
  fresh->currentLevel = Levels::ref(fresh->levels.lowest());
  fresh->marks.modified = false;
  fresh->marks.renumberDue = false;
  project = std::move(fresh);
  info = read;
  return 0;
}

int readProject(ErrorReporter& reporter, std::unique_ptr<Project>& project, ProjectFileInfo& info,
                const std::filesystem::path& path, const std::filesystem::path& backup) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    reporter.report(Severity::Error, {"Could not open file: ", path.string()});
    project = std::make_unique<Project>();
    return 1;
  }
  std::ostringstream buffer;
  buffer << file.rdbuf();
  std::string text = std::move(buffer).str();
  if (readProjectText(reporter, project, info, backup.empty() ? std::move(text) : text,
                      path.string()) != 0)
    return 1;
  project->settings.path = path.parent_path().string();
  project->settings.name = path.stem().string();
  // The project is read: a backup that cannot be made is only a warning.
  if (!backup.empty()) {
    SystemDisk disk;
    replaceFile(reporter, Severity::Warning, disk, backup, text);
  }
  return 0;
}

}  // namespace mz
