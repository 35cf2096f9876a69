// Writers of the data sections.

#include "model/ElementTypes.h"
#include "prjfile/PrjSections.h"

namespace mz {

namespace {

// The record's name and, on the next line, its description.
void nameAndDescription(PrjOutput& out, const ElementHead& e) {
  out.name(e.name);
  out.put("\n");
  out.wholeLine(e.description, kDescriptionLength);
}

template <class T>
std::int32_t numberOf(const ElementList<T>& list, Ref<T> ref) {
  const T* e = list.find(ref);
  return e ? e->number : 0;
}

}  // namespace

void writeSpecies(PrjOutput& out, Project& p) {
  int nctm = p.nctm();
  out.count(nctm, "contaminants");
  if (nctm > 0) {
    out.put("  ");
    for (Ref<Species> c : p.contaminants) out.format(" %d", numberOf(p.species, c));
    out.put("\n");
  }
  int simulated = 0;
  for (const Species& s : p.species.all()) simulated += s.s == 1 ? 1 : 0;
  if (simulated != nctm) out.reporter().report(Severity::Error, {" nctm mis-match"});
  out.count(static_cast<long>(p.species.size()), "species");
  if (!p.species.empty())
    out.put(
        "! # s t   molwt    mdiam       edens       decay       Dm          CCdef        Cp    "
        "u...  name\n");
  for (const Species& s : p.species.all()) {
    out.format("%3d %d %d %8.4f %11.4e %11.4e %11.4e %11.4e %11.4e %8.3f %d %d %d %d %d ", s.number,
               s.s, s.t, double(s.molwt), double(s.mdiam), double(s.edens), double(s.decay),
               double(s.Dm), double(s.CCdef), double(s.Cp), s.units[0], s.units[1], s.units[2],
               s.units[3], s.units[4]);
    nameAndDescription(out, s);
  }
  out.end();
}

void writeDaySchedules(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.daySchedules.size()), "day-schedules");
  if (!p.daySchedules.empty()) out.put("! # npts shap utyp ucnv name\n");
  for (const DaySchedule& d : p.daySchedules.all()) {
    out.format("%3d %4d %4d %4d %4d ", d.number, static_cast<int>(d.times.size()), d.shap, d.utyp,
               d.ucnv);
    nameAndDescription(out, d);
    for (std::size_t k = 0; k < d.times.size(); ++k)
      out.format(" %s %g\n", formatTime(d.times[k]).c_str(),
                 double(k < d.values.size() ? d.values[k] : 0.0f));
  }
  out.end();
}

void writeWeekSchedules(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.weekSchedules.size()), "week-schedules");
  if (!p.weekSchedules.empty()) out.put("! # utyp ucnv name\n");
  for (const WeekSchedule& w : p.weekSchedules.all()) {
    out.format("%3d %4d %4d ", w.number, w.utyp, w.ucnv);
    nameAndDescription(out, w);
    for (Ref<DaySchedule> day : w.days) {
      std::int32_t n = numberOf(p.daySchedules, day);
      if (n < 1) out.reporter().report(Severity::Error, {"Bad week-schedule: ", w.name});
      out.format(" %d", n);
    }
    out.put("\n");
  }
  out.end();
}

void writeWindProfiles(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.windProfiles.size()), "wind pressure profiles");
  for (const WindProfile& w : p.windProfiles.all()) {
    int npts = w.npts;
    if (npts < 0 || static_cast<std::size_t>(npts) > kWindPoints) {
      out.error("Invalid wind profile point count: ", npts);
      npts = 0;
    }
    out.format("%d %d %d ", w.number, npts, static_cast<int>(w.type));
    nameAndDescription(out, w);
    for (int k = 0; k < npts; ++k)
      out.format(" %5.1f %6.3f\n", double(w.azimuths[std::size_t(k)]),
                 double(w.coefficients[std::size_t(k)]));
  }
  out.end();
}

void writeReactions(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.reactions.size()), "kinetic reactions");
  for (const KineticReaction& r : p.reactions.all()) {
    // A pair whose species is gone (not found when read) cannot be written by name.
    std::vector<const ReactionPair*> kept;
    for (const ReactionPair& pair : r.pairs)
      if (p.species.find(pair.reactant) && p.species.find(pair.product)) kept.push_back(&pair);
    if (kept.size() != r.pairs.size())
      out.reporter().report(Severity::Warning,
                            {"Reaction pair without species left out: ", r.name});
    out.format("%d %d ", r.number, static_cast<int>(kept.size()));
    nameAndDescription(out, r);
    for (const ReactionPair* pair : kept) {
      out.put(" ");
      out.name(p.species.find(pair->reactant)->name);
      out.put(" ");
      out.name(p.species.find(pair->product)->name);
      out.format(" %g\n", double(pair->rate));
    }
  }
  out.end();
}

void writeFilterElements(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.filterElements.size()), "filter elements");
  for (const FilterElement& e : p.filterElements.all()) {
    std::string_view keyword =
        typeKeyword(kFilterElementKeywords, static_cast<std::int16_t>(e.type));
    if (keyword.empty()) keyword = "???";
    out.format("%d %s %g %g %g %d %d ", e.number, std::string(keyword).c_str(), double(e.area),
               double(e.depth), double(e.density), e.units[0], e.units[1]);
    nameAndDescription(out, e);
    writeFilterData(out, p, e);
  }
  out.end();
}

void writeFilters(PrjOutput& out, Project& p) {
  out.count(p.filters.count(), "filters");
  for (int n = 1; n <= p.filters.count(); ++n) {
    const Filter* f = p.filters.at(n);
    if (!f) out.reporter().fatal({"Null pointer - filter: ", formatInt(n)});
    std::int32_t element = numberOf(p.filterElements, f->element);
    if (element < 1) out.error("Invalid filter element number: ", element);
    out.format("%3d %3d %3d\n", n, element, f->subCount());
    for (const FilterSubElement& sub : f->subElements) {
      std::vector<const SpeciesLoading*> kept;
      for (const SpeciesLoading& l : sub.loadings)
        if (p.species.find(l.species)) kept.push_back(&l);
      out.format("   %g %d\n", double(sub.relativeLoading), static_cast<int>(kept.size()));
      for (const SpeciesLoading* l : kept) {
        out.put("   ");
        out.name(p.species.find(l->species)->name);
        out.format(" %g\n", double(l->loading));
      }
    }
  }
  out.end();
}

void writeSourceElements(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.sourceElements.size()), "source/sink elements");
  for (const SourceElement& e : p.sourceElements.all()) {
    std::string_view keyword = typeKeyword(kSourceElementKeywords, e.type);
    const Species* species = p.species.find(e.species);
    std::string_view speciesName =
        e.type != kSuperSourceType && species ? std::string_view(species->name) : "null";
    out.format("%d ", e.number);
    out.name(speciesName);
    out.format(" %s ", keyword.empty() ? "???" : std::string(keyword).c_str());
    nameAndDescription(out, e);
    if (keyword.empty()) {
      out.error("Invalid element type ", e.type);
      continue;
    }
    writeSourceData(out, p, e);
  }
  out.end();
}

namespace {

template <class T, class WriteData>
void writeFlowElements(PrjOutput& out, ElementList<T>& list, const char* label,
                       WriteData writeData) {
  out.count(static_cast<long>(list.size()), label);
  for (const T& e : list.all()) {
    std::string_view keyword = typeKeyword(kFlowElementKeywords, e.type);
    out.format("%d %u %s ", e.number, static_cast<unsigned>(e.icon),
               keyword.empty() ? "???" : std::string(keyword).c_str());
    nameAndDescription(out, e);
    if (keyword.empty()) {
      out.error("Invalid element type ", e.type);
      continue;
    }
    writeData(e);
  }
  out.end();
}

}  // namespace

void writeAirflowElements(PrjOutput& out, Project& p) {
  writeFlowElements(out, p.airflowElements, "flow elements",
                    [&](const AirflowElement& e) { writeAirflowData(out, p, e); });
}

void writeDuctElements(PrjOutput& out, Project& p) {
  writeFlowElements(out, p.ductElements, "duct elements",
                    [&](const DuctElement& e) { writeDuctData(out, e); });
}

void writeOccupancySchedules(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.occupancySchedules.size()), "occupancy schedules");
  for (const OccupancySchedule& o : p.occupancySchedules.all()) {
    out.format("%d %d %d ", o.number, static_cast<int>(o.points.size()), o.units);
    nameAndDescription(out, o);
    for (const OccupancyPoint& pt : o.points) {
      std::int32_t zone = p.zoneNumber(pt.zone);
      if (!pt.zone.empty() && zone == 0) out.error("Invalid zone number, schedule ", o.number);
      out.format(" %s %d %7.3f %7.3f %7.3f\n", formatTime(pt.time).c_str(), zone, double(pt.X),
                 double(pt.Y), double(pt.relHt));
    }
  }
  out.end();
}

}  // namespace mz
