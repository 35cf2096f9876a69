// Readers of the building sections: levels with their items, simple AHS, zones, paths,
// junctions, ducts, source/sinks, exposures and annotations.

#include "model/ElementTypes.h"
#include "prjfile/PrjSections.h"

namespace mz {

namespace {

constexpr ReadMode kNewLine = ReadMode::FirstOfNextLine;

// A reference number checked against its list; `lo` is 0 where none is allowed, -1 where the
// ambient zone may be named, 1 where a record is required.
struct RefCheck {
  PrjInput& in;
  long owner;
  bool operator()(long number, long lo, long count, std::string_view message) {
    return in.checkRef(number, lo, count, message, owner);
  }
};

template <class T>
Ref<T> useElement(ElementList<T>& list, const ReadIndex<T>& index, long number) {
  Ref<T> ref = index.at(number);
  if (T* e = list.find(ref)) e->useCount++;
  return ref;
}

Ref<Level> levelRef(Project& p, long number) {
  return number >= 1 && static_cast<std::size_t>(number) <= p.levels.size()
             ? Levels::ref(&p.levels[std::size_t(number - 1)])
             : Ref<Level>{};
}

// The CFD flag and, when 1, the CFD ID.
void readCfd(PrjInput& in, std::string& id) {
  if (in.s() == 1) id = in.name(kZoneNameSize);
}

// Initial concentrations of zones or junctions: a count of records x contaminants, then one row
// per record.
template <class T>
bool readConcentrations(PrjInput& in, ComponentTable<T>& table, int nctm,
                        std::string_view countMismatch, std::string_view rowMismatch) {
  if (in.failed()) return false;
  std::optional<int> count = in.count();
  if (!count) return false;
  if (*count != table.count() * nctm) {
    in.error(countMismatch, *count);
    return false;
  }
  for (int n = 1; n <= table.count() && nctm > 0; ++n) {
    if (!in.number(n, rowMismatch)) return false;
    T* record = table.at(n);
    record->CC0.assign(static_cast<std::size_t>(nctm), 0.0f);
    for (float& c : record->CC0) c = in.f();
    if (in.failed()) return false;
  }
  return in.end();
}

}  // namespace

bool readLevels(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Level number mis-match: ")) return false;
    Level level;
    level.number = n;
    level.refHt = in.f();
    level.delHt = in.f();
    std::optional<int> ni = in.countNext();
    if (!ni) return false;
    level.units[0] = in.s();
    level.units[1] = in.s();
    level.name = in.name();
    if (in.failed()) return false;
    level.items.reserve(static_cast<std::size_t>(*ni));
    for (int k = 0; k < *ni; ++k) {
      LevelItem item;
      item.code = in.b(kNewLine);
      item.column = in.s();
      item.row = in.s();
      item.number = in.i();
      if (in.failed()) return false;
      if (item.row < 0 || item.row >= in.rows || item.column < 0 || item.column >= in.cols) {
        in.reporter.report(Severity::Error,
                           {cformat("Item outside the SketchPad: level %d icon (%d %d %d %d)", n,
                                    item.code, item.column, item.row, item.number)});
        return false;
      }
      level.items.push_back(item);
    }
    p.levels.append(level);
  }
  return in.end();
}

bool readAhs(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "System number mis-match: ")) return false;
    SimpleAhs a;
    a.number = n;
    PendingNumbers<SimpleAhs> links;
    for (int k = 0; k < 5; ++k) links.numbers.push_back(in.i());
    a.name = in.name();
    a.description = in.line(kDescriptionLength);
    if (in.failed()) return false;
    SimpleAhs& added = p.ahs.appendSorted(a);
    links.owner = ElementList<SimpleAhs>::ref(&added);
    st.ahs.add(links.owner);
    st.ahsLinks.push_back(std::move(links));
  }
  return in.end();
}

bool readZones(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  p.zones.reserve(*count + 1);
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Zone number mis-match: ")) return false;
    RefCheck check{in, n};
    Zone z;
    z.flags = in.us() & ZoneFlag::Used;
    std::int32_t schedule = in.i(), control = in.i(), reaction = in.i(), level = in.i();
    z.relHt = in.f();
    z.Vol = in.f();
    z.T0 = in.f();
    z.P0 = in.f();
    z.name = in.name(kZoneNameSize);
    z.colour = in.s();
    for (auto& u : z.units) u = in.s();
    z.axis = in.s();
    readCfd(in, z.cfdId);
    if (z.axis != 0) {
      std::string word = in.name();
      if (word != "1D:" && !in.failed()) in.error("Missing 1D data, zone ", n);
      ZoneAxis& a = z.oneD;
      for (float* v : {&a.x1, &a.y1, &a.h1, &a.x2, &a.y2, &a.h2, &a.cellSize, &a.dispersion})
        *v = in.f();
      z.oneDUnits[0] = in.s();
      z.oneDUnits[1] = in.s();
    }
    if (in.failed()) return false;
    if (!check(schedule, 0, st.weeks.size(), "Invalid schedule number, zone ") ||
        !check(control, 0, p.controls.count(), "Invalid control node number, zone ") ||
        !check(reaction, 0, st.reactions.size(), "Invalid reaction number, zone ") ||
        !check(level, 1, static_cast<long>(p.levels.size()), "Invalid level number, zone "))
      return false;
    z.schedule = useElement(p.weekSchedules, st.weeks, schedule);
    z.control = p.controls.ref(control);
    z.reaction = st.reactions.at(reaction);
    z.level = levelRef(p, level);
    p.zones.put(z, n);
  }
  if (!in.end()) return false;
  return readConcentrations(in, p.zones, p.nctm(),
                            "Zones*contaminant count mis-match: ", "Zone number mis-match: ");
}

bool readPaths(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  p.paths.reserve(*count + 1);
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Path number mis-match: ")) return false;
    RefCheck check{in, n};
    AirflowPath a;
    a.flags = in.us() & PathFlag::Used;
    std::int32_t from = in.i(), to = in.i(), element = in.i(), filter = in.i(), wind = in.i(),
                 ahs = in.i(), schedule = in.i(), control = in.i(), level = in.i();
    for (float* v :
         {&a.X, &a.Y, &a.relHt, &a.mult, &a.wPset, &a.wPmod, &a.wazm, &a.Fahs, &a.Xmax, &a.Xmin})
      *v = in.f();
    a.icn = static_cast<std::uint8_t>(in.us());
    a.dir = static_cast<std::uint8_t>(in.us());
    for (auto& u : a.units) u = in.s();
    if (in.s() == 1) {
      a.cfdId = in.name(kZoneNameSize);
      for (auto& v : a.cfdValues) v = in.s();
    }
    if (in.failed()) return false;
    const long zones = p.zones.count();
    bool needsElement = (a.flags & 0x78) == 0;
    bool ahsPoint = (a.flags & PathFlag::AhsPoint) != 0;
    if (!check(from, -1, zones, "Invalid zone number, path ") ||
        !check(to, -1, zones, "Invalid zone number, path ") ||
        (needsElement &&
         !check(element, 1, st.airflow.size(), "Invalid flow element number, path ")) ||
        !check(filter, 0, p.filters.count(), "Invalid filter number, path ") ||
        !check(wind, 0, st.winds.size(), "Invalid wind profile number, path ") ||
        !check(ahs, ahsPoint ? 1 : 0, ahsPoint ? st.ahs.size() : 0, "Invalid AHS number, path ") ||
        !check(schedule, 0, st.weeks.size(), "Invalid week-schedule number, path ") ||
        !check(control, 0, p.controls.count(), "Invalid control node number, path ") ||
        !check(level, 1, static_cast<long>(p.levels.size()), "Invalid level number, path "))
      return false;
    a.from = p.zoneRef(from);
    a.to = p.zoneRef(to);
    if (needsElement) a.element = st.airflow.at(element);
    a.filter = p.filters.ref(filter);
    a.windProfile = st.winds.at(wind);
    a.ahs = st.ahs.at(ahs);
    a.schedule = useElement(p.weekSchedules, st.weeks, schedule);
    a.control = p.controls.ref(control);
    a.level = levelRef(p, level);
    p.paths.put(a, n);
  }
  // The systems' zones and paths, now that both exist.
  for (const auto& links : st.ahsLinks) {
    SimpleAhs* a = p.ahs.find(links.owner);
    RefCheck check{in, a->number};
    const auto& k = links.numbers;
    if (!check(k[0], 1, p.zones.count(), "Invalid zone number, AHS ") ||
        !check(k[1], 1, p.zones.count(), "Invalid zone number, AHS ") ||
        !check(k[2], 1, p.paths.count(), "Invalid path number, AHS ") ||
        !check(k[3], 1, p.paths.count(), "Invalid path number, AHS ") ||
        !check(k[4], 1, p.paths.count(), "Invalid path number, AHS "))
      return false;
    a->returnZone = p.zones.ref(k[0]);
    a->supplyZone = p.zones.ref(k[1]);
    a->recirculationPath = p.paths.ref(k[2]);
    a->outdoorAirPath = p.paths.ref(k[3]);
    a->exhaustPath = p.paths.ref(k[4]);
  }
  return in.end();
}

bool readJunctions(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  p.junctions.reserve(*count + 1);
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Junction number mis-match: ")) return false;
    RefCheck check{in, n};
    Junction j;
    j.flags = in.us();
    j.t = static_cast<std::int16_t>(in.us());
    std::int32_t zone = in.i(), duct = in.i(), reaction = in.i(), schedule = in.i(),
                 control = in.i(), level = in.i();
    for (float* v : {&j.X, &j.Y, &j.relHt, &j.T0, &j.P0}) *v = in.f();
    j.icon = in.b();
    j.colour = in.s();
    for (auto& u : j.units) u = in.s();
    std::int32_t filter = 0, wind = 0;
    if (j.isTerminal()) {
      TerminalData& t = j.terminal;
      std::string word = in.name();
      if (word != "T:" && !in.failed()) in.error("Missing terminal data, junction ", n);
      filter = in.i();
      wind = in.i();
      t.wPset = in.f();
      t.wPmod = in.f();
      t.wazm = in.f();
      t.balance = in.s();
      for (float* v : {&t.ductArea, &t.freeFaceArea, &t.designFlow, &t.lossCoefficient,
                       &t.balanceCoefficient, &t.maxBalanceCoefficient})
        *v = in.f();
      t.areaUnit = in.s();
      t.flowUnit = in.s();
      t.reverseDir = in.b();
      t.dir = in.b();
    }
    if (in.failed()) return false;
    if (!check(zone, -1, p.zones.count(), "Invalid zone number, junction ") ||
        !check(reaction, 0, st.reactions.size(), "Invalid reaction number, junction ") ||
        !check(schedule, 0, st.weeks.size(), "Invalid schedule number, junction ") ||
        !check(control, 0, p.controls.count(), "Invalid control node number, junction ") ||
        !check(level, 1, static_cast<long>(p.levels.size()), "Invalid level number, junction ") ||
        !check(filter, 0, p.filters.count(), "Invalid filter number, junction ") ||
        !check(wind, 0, st.winds.size(), "Invalid wind profile number, junction ") ||
        (duct < 0 && !check(duct, 0, 0, "Invalid duct number, junction ")))
      return false;
    j.zone = p.zoneRef(zone);
    j.reaction = st.reactions.at(reaction);
    j.schedule = useElement(p.weekSchedules, st.weeks, schedule);
    j.control = p.controls.ref(control);
    j.level = levelRef(p, level);
    j.terminal.filter = p.filters.ref(filter);
    j.terminal.windProfile = st.winds.at(wind);
    Junction& added = p.junctions.put(j, n);
    if (duct != 0) st.junctionDucts.emplace_back(Ref<Junction>{added.id}, duct);
  }
  if (!in.end()) return false;
  return readConcentrations(in, p.junctions, p.nctm(), "Junctions*contaminant count mis-match: ",
                            "Junction number mis-match: ");
}

bool readDucts(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  p.ducts.reserve(*count + 1);
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Duct number mis-match: ")) return false;
    RefCheck check{in, n};
    DuctSegment d;
    d.flags = in.us();
    std::int32_t from = in.i(), to = in.i(), element = in.i(), filter = in.i(), schedule = in.i(),
                 control = in.i();
    d.dir = static_cast<std::uint8_t>(in.us());
    d.len = in.f();
    d.Ain = in.f();
    d.Aout = in.f();
    d.sllc = in.f();
    d.colour = in.s();
    d.units[0] = in.s();
    d.units[1] = in.s();
    if (in.failed()) return false;
    const long junctions = p.junctions.count();
    if (!check(from, 0, junctions, "Invalid junction number, duct ") ||
        !check(to, 0, junctions, "Invalid junction number, duct ") ||
        !check(element, 1, st.ductElements.size(), "Invalid duct element number, duct ") ||
        !check(filter, 0, p.filters.count(), "Invalid filter number, duct ") ||
        !check(schedule, 0, st.weeks.size(), "Invalid week-schedule number, duct ") ||
        !check(control, 0, p.controls.count(), "Invalid control node number, duct "))
      return false;
    d.from = p.junctions.ref(from);
    d.to = p.junctions.ref(to);
    d.element = st.ductElements.at(element);
    d.filter = p.filters.ref(filter);
    d.schedule = useElement(p.weekSchedules, st.weeks, schedule);
    d.control = p.controls.ref(control);
    const DuctElement* e = p.ductElements.find(d.element);
    if (e && e->type == kFirstDuctType && d.len <= 0.0f && d.sllc <= 0.0f)
      in.reporter.report(
          Severity::Warning,
          {"Duct ", formatInt(n), " with DWC element has neither length nor loss coefficient"});
    p.ducts.put(d, n);
  }
  for (const auto& [ref, number] : st.junctionDucts)
    if (number > p.ducts.count()) {
      in.error("Invalid duct number, junction ", p.junctions.numberOf(ref));
      return false;
    }
  return in.end();
}

bool readSourceSinks(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  p.sourceSinks.reserve(*count + 1);
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "S/S number mis-match")) return false;
    RefCheck check{in, n};
    SourceSink s;
    std::int32_t zone = in.i(), element = in.i(), schedule = in.i(), control = in.i();
    for (float* v : {&s.mult, &s.CC0, &s.Xmin, &s.Ymin, &s.Hmin, &s.Xmax, &s.Ymax, &s.Hmax})
      *v = in.f();
    s.units = in.s();
    readCfd(in, s.cfdId);
    if (in.failed()) return false;
    if (!check(zone, 0, p.zones.count(), "Invalid zone number, source ") ||
        !check(element, 1, st.sources.size(), "Invalid element number, source ") ||
        !check(schedule, 0, st.weeks.size(), "Invalid week-schedule number, source ") ||
        !check(control, 0, p.controls.count(), "Invalid control node number, source "))
      return false;
    s.zone = p.zones.ref(zone);
    s.element = st.sources.at(element);
    s.schedule = useElement(p.weekSchedules, st.weeks, schedule);
    s.control = p.controls.ref(control);
    p.sourceSinks.put(s, n);
  }
  return in.end();
}

bool readExposures(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  p.exposures.reserve(*count + 1);
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Exposure number mis-match: ")) return false;
    RefCheck check{in, n};
    Exposure x;
    x.generate = in.s();
    std::optional<int> g = in.countNext();
    if (!g) return false;
    x.multiplier = in.f();
    x.peakInhalation = in.f();
    std::int32_t inhalation = in.i();
    x.bodyWeight = in.f();
    x.units[0] = in.s();
    x.units[1] = in.s();
    x.description = in.line(kExposureDescriptionLength);
    if (in.failed()) return false;
    if (!check(inhalation, 0, st.weeks.size(), "Invalid week-schedule number, exposure "))
      return false;
    x.inhalationSchedule = useElement(p.weekSchedules, st.weeks, inhalation);
    for (std::size_t k = 0; k < kDayTypes; ++k) {
      std::int32_t occ = in.i(k == 0 ? kNewLine : ReadMode::NextToken);
      if (in.failed()) return false;
      if (!check(occ, 0, st.occupancy.size(), "Invalid occupancy-schedule number, exposure "))
        return false;
      x.occupancy[k] = st.occupancy.at(occ);
    }
    for (int k = 0; k < *g; ++k) {
      std::string name;
      if (!in.in.readToken(name, kNewLine, kNameSize)) in.error("PRJ read error: ", n);
      Generation gen;
      std::int32_t schedule = in.i();
      gen.rate = in.f();
      gen.unit = in.s();
      if (in.failed()) return false;
      Species* species = p.species.findElementOrSay(in.reporter, name);
      if (!species) {
        in.reporter.report(Severity::Error, {"Species not found: ", name});
        return false;
      }
      if (!check(schedule, 0, st.weeks.size(), "Invalid week-schedule number, exposure "))
        return false;
      gen.species = ElementList<Species>::ref(species);
      gen.schedule = useElement(p.weekSchedules, st.weeks, schedule);
      x.generations.push_back(gen);
    }
    x.exposure.assign(static_cast<std::size_t>(p.nctm()), 0.0f);
    x.dose.assign(static_cast<std::size_t>(p.nctm()), 0.0f);
    p.exposures.put(x, n);
  }
  return in.end();
}

bool readAnnotations(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  p.annotations.reserve(*count + 1);
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Note number mis-match: ")) return false;
    Annotation a;
    in.in.readToken(a.text, ReadMode::RestOfLine, kDescriptionLength + 2);
    if (in.failed()) return false;
    p.annotations.put(a, n);
  }
  return in.end();
}

void setPathIcons(Project& p) {
  for (std::size_t l = 0; l < p.levels.size(); ++l) {
    for (LevelItem& item : p.levels[l].items) {
      if (item.code < 23 || item.code > 31) continue;
      AirflowPath* path = p.paths.at(item.number);
      if (!path) continue;
      const AirflowElement* element = p.airflowElements.find(path->element);
      if (item.code <= 27 && element && element->icon >= 23 && element->icon <= 31) {
        item.code = element->icon;
        path->icn = element->icon;
      }
      if (path->icn >= 23 && path->icn <= 25) item.code = path->icn;
      if (item.code > 27 && path->dir >= 1 && path->dir <= 6) {
        static constexpr std::uint8_t kByDir[] = {0, 30, 28, 30, 31, 29, 31};
        item.code = kByDir[path->dir];
      }
    }
  }
}

}  // namespace mz
