// Writers of the building sections.

#include "model/ElementTypes.h"
#include "prjfile/PrjSections.h"

namespace mz {

namespace {

// The number of a linked element for the file, 0 when none.
template <class T>
std::int32_t numberOf(const ElementList<T>& list, Ref<T> ref) {
  const T* e = list.find(ref);
  return e ? e->number : 0;
}

// Checks a number about to be written; a bad one is an ERROR report with the owner's number.
struct WriteCheck {
  PrjOutput& out;
  long owner;
  void operator()(long number, long lo, long hi, std::string_view message) {
    if (number < lo || number > hi) out.error(message, owner);
  }
};

// A link that names a record which is gone writes 0; the check then reports it.
template <class T>
long linkNumber(const ComponentTable<T>& table, Ref<T> ref) {
  if (ref.empty()) return 0;
  long n = table.numberOf(ref);
  return n == 0 ? -999 : n;
}
template <class T>
long linkNumber(const ElementList<T>& list, Ref<T> ref) {
  if (ref.empty()) return 0;
  const T* e = list.find(ref);
  return e ? e->number : -999;
}
long zoneLink(const Project& p, Ref<Zone> ref) {
  if (ref.empty()) return 0;
  long n = p.zoneNumber(ref);
  return n == 0 ? -999 : n;
}
long levelNumber(const Project& p, Ref<Level> ref) {
  const Level* l = p.levels.find(ref);
  return l ? l->number : 0;
}
long shown(long n) {
  return n == -999 ? 0 : n;
}

void writeCfd(PrjOutput& out, const std::string& id) {
  if (id.empty()) {
    out.put(" 0");
    return;
  }
  out.put(" 1 ");
  out.name(id, kZoneNameSize);
}

template <class T>
void writeConcentrations(PrjOutput& out, Project& p, const ComponentTable<T>& table,
                         const char* label, const char* heading) {
  int nctm = p.nctm();
  out.count(static_cast<long>(table.count()) * nctm, label);
  if (table.count() > 0 && nctm > 0) {
    out.put(heading);
    for (Ref<Species> c : p.contaminants) {
      const Species* s = p.species.find(c);
      std::string name = s ? s->name.substr(0, 10) : std::string();
      out.format(" %10s", name.c_str());
    }
    out.put("\n");
    for (int n = 1; n <= table.count(); ++n) {
      const T* record = table.at(n);
      out.format("%4d", n);
      for (std::size_t k = 0; k < std::size_t(nctm); ++k)
        out.format(" %10.3e", double(k < record->CC0.size() ? record->CC0[k] : 0.0f));
      out.put("\n");
    }
  }
  out.end();
}

}  // namespace

void writeLevels(PrjOutput& out, Project& p) {
  p.levels.numberLevels();
  out.count(static_cast<long>(p.levels.size()), "levels plus icon data");
  out.put("! #  refHt   delHt  ni  u  name\n");
  for (std::size_t l = 0; l < p.levels.size(); ++l) {
    const Level& level = p.levels[l];
    out.format("%3d %7.3f %7.3f %d %d %d ", level.number, double(level.refHt), double(level.delHt),
               static_cast<int>(level.items.size()), level.units[0], level.units[1]);
    out.name(level.name);
    out.put("\n!icn col row  #\n");
    for (const LevelItem& item : level.items)
      out.format(" %3d %3d %3d %3d\n", item.code, item.column, item.row, item.number);
  }
  out.end();
}

void writeAhs(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.ahs.size()), "simple AHS");
  if (!p.ahs.empty()) out.put("! # zr# zs# pr# ps# px# name\n");
  for (const SimpleAhs& a : p.ahs.all()) {
    WriteCheck check{out, a.number};
    long zr = linkNumber(p.zones, a.returnZone), zs = linkNumber(p.zones, a.supplyZone);
    long pr = linkNumber(p.paths, a.recirculationPath), ps = linkNumber(p.paths, a.outdoorAirPath),
         px = linkNumber(p.paths, a.exhaustPath);
    for (long z : {zr, zs}) check(z, 1, p.zones.count(), "Invalid zone number, AHS ");
    for (long q : {pr, ps, px}) check(q, 1, p.paths.count(), "Invalid path number, AHS ");
    out.format("%3d %3ld %3ld %3ld %3ld %3ld ", a.number, shown(zr), shown(zs), shown(pr),
               shown(ps), shown(px));
    out.name(a.name);
    out.put("\n");
    out.wholeLine(a.description, kDescriptionLength);
  }
  out.end();
}

void writeZones(PrjOutput& out, Project& p) {
  out.count(p.zones.count(), "zones");
  if (p.zones.count() > 0)
    out.put("! Z#  f  s#  c#  k#  l#  relHt    Vol  T0  P0  name  clr u..  axs  1-D data:\n");
  for (int n = 1; n <= p.zones.count(); ++n) {
    const Zone* z = p.zones.at(n);
    if (!z) out.reporter().fatal({"Null pointer - zone: ", formatInt(n)});
    WriteCheck check{out, n};
    long schedule = linkNumber(p.weekSchedules, z->schedule);
    long control = linkNumber(p.controls, z->control);
    long reaction = linkNumber(p.reactions, z->reaction);
    long level = levelNumber(p, z->level);
    check(schedule, 0, static_cast<long>(p.weekSchedules.size()), "Invalid schedule number, zone ");
    check(control, 0, p.controls.count(), "Invalid control node number, zone ");
    check(reaction, 0, static_cast<long>(p.reactions.size()), "Invalid reaction number, zone ");
    check(level, 1, static_cast<long>(p.levels.size()), "Invalid level number, zone ");
    out.format("%4d %2u %3ld %3ld %3ld %3ld %7.3f %5g %6g %g ", n, static_cast<unsigned>(z->flags),
               shown(schedule), shown(control), shown(reaction), level, double(z->relHt),
               double(z->Vol), double(z->T0), double(z->P0));
    out.name(z->name, kZoneNameSize);
    out.format(" %d %d %d %d %d %d", z->colour, z->units[0], z->units[1], z->units[2], z->units[3],
               z->axis);
    writeCfd(out, z->cfdId);
    if (z->axis != 0) {
      const ZoneAxis& a = z->oneD;
      out.format(" 1D: %7.3f %7.3f %7.3f %7.3f %7.3f %7.3f %g %g %d %d", double(a.x1), double(a.y1),
                 double(a.h1), double(a.x2), double(a.y2), double(a.h2), double(a.cellSize),
                 double(a.dispersion), z->oneDUnits[0], z->oneDUnits[1]);
    }
    out.put("\n");
  }
  out.end();
  writeConcentrations(out, p, p.zones, "initial zone concentrations", "! Z#");
}

void writePaths(PrjOutput& out, Project& p) {
  out.count(p.paths.count(), "flow paths");
  if (p.paths.count() > 0)
    out.put(
        "! P#    f  n#  m#  e#  f#  w#  a#  s#  c#  l#    X       Y      relHt  mult wPset wPmod "
        "wazm Fahs Xmax Xmin icn dir u..\n");
  for (int n = 1; n <= p.paths.count(); ++n) {
    const AirflowPath* a = p.paths.at(n);
    if (!a) out.reporter().fatal({"Null pointer - path: ", formatInt(n)});
    WriteCheck check{out, n};
    long from = zoneLink(p, a->from), to = zoneLink(p, a->to);
    long element = linkNumber(p.airflowElements, a->element);
    long filter = linkNumber(p.filters, a->filter);
    long wind = linkNumber(p.windProfiles, a->windProfile);
    long ahs = linkNumber(p.ahs, a->ahs);
    long schedule = linkNumber(p.weekSchedules, a->schedule);
    long control = linkNumber(p.controls, a->control);
    long level = levelNumber(p, a->level);
    bool needsElement = (a->flags & 0x78) == 0;
    bool ahsPoint = (a->flags & PathFlag::AhsPoint) != 0;
    check(from, -1, p.zones.count(), "Invalid zone number, path ");
    check(to, -1, p.zones.count(), "Invalid zone number, path ");
    if (needsElement)
      check(element, 1, static_cast<long>(p.airflowElements.size()),
            "Invalid flow element number, path ");
    check(filter, 0, p.filters.count(), "Invalid filter number, path ");
    check(wind, 0, static_cast<long>(p.windProfiles.size()), "Invalid wind profile number, path ");
    check(ahs, ahsPoint ? 1 : 0, ahsPoint ? static_cast<long>(p.ahs.size()) : 0,
          "Invalid AHS number, path ");
    check(schedule, 0, static_cast<long>(p.weekSchedules.size()),
          "Invalid week-schedule number, path ");
    check(control, 0, p.controls.count(), "Invalid control node number, path ");
    check(level, 1, static_cast<long>(p.levels.size()), "Invalid level number, path ");
    out.format("%4d %4u %3ld %3ld %3ld %3ld %3ld %3ld %3ld %3ld %3ld ", n,
               static_cast<unsigned>(a->flags), shown(from), shown(to), shown(element),
               shown(filter), shown(wind), shown(ahs), shown(schedule), shown(control), level);
    out.format("%7.3f %7.3f %7.3f %g %g %g %g %g %g %g ", double(a->X), double(a->Y),
               double(a->relHt), double(a->mult), double(a->wPset), double(a->wPmod),
               double(a->wazm), double(a->Fahs), double(a->Xmax), double(a->Xmin));
    out.format("%3u %2u %d %d %d %d", static_cast<unsigned>(a->icn), static_cast<unsigned>(a->dir),
               a->units[0], a->units[1], a->units[2], a->units[3]);
    if (a->cfdId.empty()) {
      out.put(" 0\n");
    } else {
      out.put(" 1 ");
      out.name(a->cfdId, kZoneNameSize);
      out.format(" %d %d %d\n", a->cfdValues[0], a->cfdValues[1], a->cfdValues[2]);
    }
  }
  out.end();
}

void writeJunctions(PrjOutput& out, Project& p) {
  out.count(p.junctions.count(), "duct junctions");
  if (p.junctions.count() > 0)
    out.put(
        "! J#  f t  z#  dct  k#  s#  c#  l#    X       Y     relHt  T0    P0 icon clr u.. "
        "Terminal:\n");
  for (int n = 1; n <= p.junctions.count(); ++n) {
    const Junction* j = p.junctions.at(n);
    if (!j) out.reporter().fatal({"Null pointer - junction: ", formatInt(n)});
    WriteCheck check{out, n};
    long zone = zoneLink(p, j->zone);
    long duct = linkNumber(p.ducts, j->duct);
    long reaction = linkNumber(p.reactions, j->reaction);
    long schedule = linkNumber(p.weekSchedules, j->schedule);
    long control = linkNumber(p.controls, j->control);
    long level = levelNumber(p, j->level);
    check(zone, -1, p.zones.count(), "Invalid zone number, junction ");
    check(duct, 0, p.ducts.count(), "Invalid duct number, junction ");
    check(reaction, 0, static_cast<long>(p.reactions.size()),
          "Invalid kinetic reaction number, junction ");
    check(schedule, 0, static_cast<long>(p.weekSchedules.size()),
          "Invalid week-schedule number, junction ");
    check(control, 0, p.controls.count(), "Invalid control node number, junction ");
    check(level, 1, static_cast<long>(p.levels.size()), "Invalid level number, junction ");
    out.format("%4d %2u %1u %3ld %3ld %3ld %3ld %3ld %3ld", n, static_cast<unsigned>(j->flags),
               static_cast<unsigned>(static_cast<std::uint16_t>(j->t)), shown(zone), shown(duct), shown(reaction),
               shown(schedule), shown(control), level);
    out.format(" %7.3f %7.3f %7.3f %g %g", double(j->X), double(j->Y), double(j->relHt),
               double(j->T0), double(j->P0));
    out.format(" %d %d %d %d %d %d", j->icon, j->colour, j->units[0], j->units[1], j->units[2],
               j->units[3]);
    if (j->isTerminal()) {
      const TerminalData& t = j->terminal;
      long filter = linkNumber(p.filters, t.filter);
      long wind = linkNumber(p.windProfiles, t.windProfile);
      check(filter, 0, p.filters.count(), "Invalid filter number, junction ");
      check(wind, 0, static_cast<long>(p.windProfiles.size()),
            "Invalid wind profile number, junction ");
      out.format(" T: %ld %ld %g %g %g %d %g %g %g", shown(filter), shown(wind), double(t.wPset),
                 double(t.wPmod), double(t.wazm), t.balance, double(t.ductArea),
                 double(t.freeFaceArea), double(t.designFlow));
      out.format(" %g %g %g %d %d %d %d", double(t.lossCoefficient), double(t.balanceCoefficient),
                 double(t.maxBalanceCoefficient), t.areaUnit, t.flowUnit, t.reverseDir, t.dir);
    }
    out.put("\n");
  }
  out.end();
  writeConcentrations(out, p, p.junctions, "initial junction concentrations", "! J#");
}

void writeDucts(PrjOutput& out, Project& p) {
  out.count(p.ducts.count(), "duct segments");
  if (p.ducts.count() > 0)
    out.put("! D#  f  n#  m#  e#  f#  s#  c# dir len Ain Aout sllc clr u..\n");
  for (int n = 1; n <= p.ducts.count(); ++n) {
    const DuctSegment* d = p.ducts.at(n);
    if (!d) out.reporter().fatal({"Null pointer - duct: ", formatInt(n)});
    WriteCheck check{out, n};
    long from = linkNumber(p.junctions, d->from), to = linkNumber(p.junctions, d->to);
    long element = linkNumber(p.ductElements, d->element);
    long filter = linkNumber(p.filters, d->filter);
    long schedule = linkNumber(p.weekSchedules, d->schedule);
    long control = linkNumber(p.controls, d->control);
    check(from, 0, p.junctions.count(), "Invalid junction number, duct ");
    check(to, 0, p.junctions.count(), "Invalid junction number, duct ");
    check(element, 1, static_cast<long>(p.ductElements.size()),
          "Invalid duct element number, duct ");
    check(filter, 0, p.filters.count(), "Invalid filter number, duct ");
    check(schedule, 0, static_cast<long>(p.weekSchedules.size()),
          "Invalid week-schedule number, duct ");
    check(control, 0, p.controls.count(), "Invalid control node number, duct ");
    out.format("%4d %2u %3ld %3ld %3ld %3ld %3ld %3ld %3u %g %g %g %g %d %d %d\n", n,
               static_cast<unsigned>(d->flags), shown(from), shown(to), shown(element),
               shown(filter), shown(schedule), shown(control), static_cast<unsigned>(d->dir),
               double(d->len), double(d->Ain), double(d->Aout), double(d->sllc), d->colour,
               d->units[0], d->units[1]);
  }
  out.end();
}

void writeSourceSinks(PrjOutput& out, Project& p) {
  out.count(p.sourceSinks.count(), "source/sinks");
  if (p.sourceSinks.count() > 0)
    out.put("! #  z#  e#  s#  c#  mult   CC0  (X, Y, H)min  (X, Y, H)max u\n");
  for (int n = 1; n <= p.sourceSinks.count(); ++n) {
    const SourceSink* s = p.sourceSinks.at(n);
    if (!s) out.reporter().fatal({"Null pointer - source/sink: ", formatInt(n)});
    WriteCheck check{out, n};
    long zone = zoneLink(p, s->zone);
    long element = linkNumber(p.sourceElements, s->element);
    long schedule = linkNumber(p.weekSchedules, s->schedule);
    long control = linkNumber(p.controls, s->control);
    check(zone, 0, p.zones.count(), "Invalid zone number, source ");
    check(element, 1, static_cast<long>(p.sourceElements.size()),
          "Invalid element number, source ");
    check(schedule, 0, static_cast<long>(p.weekSchedules.size()),
          "Invalid week-schedule number, source ");
    check(control, 0, p.controls.count(), "Invalid control node number, source ");
    out.format("%3d %3ld %3ld %3ld %3ld %5g %5g  %g %g %g  %g %g %g  %d", n, shown(zone),
               shown(element), shown(schedule), shown(control), double(s->mult), double(s->CC0),
               double(s->Xmin), double(s->Ymin), double(s->Hmin), double(s->Xmax), double(s->Ymax),
               double(s->Hmax), s->units);
    writeCfd(out, s->cfdId);
    out.put("\n");
  }
  out.end();
}

void writeExposures(PrjOutput& out, Project& p) {
  out.count(p.exposures.count(), "exposures");
  for (int n = 1; n <= p.exposures.count(); ++n) {
    const Exposure* x = p.exposures.at(n);
    if (!x) out.reporter().fatal({"Null pointer - exposure: ", formatInt(n)});
    WriteCheck check{out, n};
    long inhalation = linkNumber(p.weekSchedules, x->inhalationSchedule);
    check(inhalation, 0, static_cast<long>(p.weekSchedules.size()),
          "Invalid week-schedule number, exposure ");
    out.format("%d %d %d %g %g %ld %g %d %d\n", n, x->generate,
               static_cast<int>(x->generations.size()), double(x->multiplier),
               double(x->peakInhalation), shown(inhalation), double(x->bodyWeight), x->units[0],
               x->units[1]);
    out.wholeLine(x->description, kExposureDescriptionLength);
    for (Ref<OccupancySchedule> occ : x->occupancy) {
      long number = linkNumber(p.occupancySchedules, occ);
      check(number, 0, static_cast<long>(p.occupancySchedules.size()),
            "Invalid occupancy-schedule number, exposure ");
      out.format(" %ld", shown(number));
    }
    out.put(" ! occ. schd\n");
    for (const Generation& g : x->generations) {
      const Species* s = p.species.find(g.species);
      if (!s) out.error("Species not found, exposure ", n);
      long schedule = linkNumber(p.weekSchedules, g.schedule);
      check(schedule, 0, static_cast<long>(p.weekSchedules.size()),
            "Invalid week-schedule number, exposure ");
      out.put(" ");
      out.name(s ? std::string_view(s->name) : std::string_view("null"));
      out.format(" %ld %g %d ! occ. gen\n", shown(schedule), double(g.rate), g.unit);
    }
  }
  out.end();
}

void writeAnnotations(PrjOutput& out, Project& p) {
  out.count(p.annotations.count(), "annotations");
  for (int n = 1; n <= p.annotations.count(); ++n) {
    const Annotation* a = p.annotations.at(n);
    if (!a) out.reporter().fatal({"Null pointer - note: ", formatInt(n)});
    out.format("%d ", n);
    std::string text = out.lineText(a->text, kDescriptionLength);
    // The rest of the line is read as it stands, a leading "!" included.
    if (!a->text.empty() && a->text.front() == '!') text.erase(0, 1);
    out.put(text);
    out.put("\n");
  }
  out.end();
}

}  // namespace mz
