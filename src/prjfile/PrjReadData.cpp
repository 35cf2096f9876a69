// Readers of the data sections: species, schedules, wind profiles, reactions, filters, element
// lists and control networks.

#include <algorithm>

#include "elements/Units.h"
#include "model/ElementTypes.h"
#include "prjfile/PrjSections.h"

namespace mz {

namespace {

constexpr ReadMode kNewLine = ReadMode::FirstOfNextLine;

// The display factor and labels of a species' default-concentration unit. A unit that cannot be
// shown for the species' properties keeps the factor 1 and SI labels.
void setDisplayUnits(Species& s) {
  SpeciesUnitProperties props{s.molwt, s.mdiam, s.edens, s.decay};
  UnitType family = concentrationFamily(props);
  Conversion c = tryConvertUnits(1.0, UnitDirection::ToDisplay, family, s.units[0], props);
  int unit = c.status == ConversionStatus::Done ? s.units[0] : 0;
  s.displayFactor = c.status == ConversionStatus::Done ? c.value : 1.0f;
  s.displayLabels = {std::string(unitLabel(family, unit)),
                     std::string(unitTextLabel(family, unit))};
}

// Links a read record into its name-ordered list and its section's number index.
template <class T>
T& appendElement(ElementList<T>& list, ReadIndex<T>& index, const T& record) {
  T& added = list.appendSorted(record);
  index.add(ElementList<T>::ref(&added));
  return added;
}

}  // namespace

bool readSpecies(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> nctm = in.count();
  if (!nctm) return false;
  std::vector<std::int32_t> numbers;
  for (int k = 0; k < *nctm && !in.failed(); ++k) numbers.push_back(in.i());
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Species number mis-match: ")) return false;
    Species s;
    s.number = n;
    s.s = in.s();
    s.t = in.s();
    s.molwt = in.f();
    s.mdiam = in.f();
    s.edens = in.f();
    s.decay = in.f();
    s.Dm = in.f();
    s.CCdef = in.f();
    s.Cp = in.f();
    for (auto& u : s.units) u = in.s();
    s.name = in.name();
    s.description = in.line(kDescriptionLength);
    if (in.failed()) return false;
    // The contaminant list decides which species are simulated.
    s.s = std::find(numbers.begin(), numbers.end(), n) != numbers.end() ? 1 : 0;
    setDisplayUnits(s);
    appendElement(p.species, st.species, s);
  }
  p.contaminants.clear();
  p.contaminantDefaults.clear();
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    std::int32_t n = numbers[k];
    if (n < 1 || n > *count ||
        std::find(numbers.begin(), numbers.begin() + static_cast<long>(k), n) !=
            numbers.begin() + static_cast<long>(k)) {
      in.error("Invalid contaminant number: ", n);
      return false;
    }
    Ref<Species> ref = st.species.at(n);
    p.contaminants.push_back(ref);
    p.contaminantDefaults.push_back(p.species.find(ref)->CCdef);
  }
  p.waterVapour = p.findWaterVapour();
  return in.end();
}

bool readDaySchedules(ReadState& st) {
  PrjInput& in = st.in;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Day-schedule number mis-match: ")) return false;
    DaySchedule d;
    d.number = n;
    std::optional<int> npts = in.countNext();
    if (!npts) return false;
    d.shap = in.s();
    d.utyp = in.s();
    d.ucnv = in.s();
    d.name = in.name();
    d.description = in.line(kDescriptionLength);
    for (int k = 0; k < *npts && !in.failed(); ++k) {
      d.times.push_back(in.in.readTime(kNewLine));
      d.values.push_back(in.f());
    }
    if (in.failed()) return false;
    appendElement(st.project.daySchedules, st.days, d);
  }
  return in.end();
}

bool readWeekSchedules(ReadState& st) {
  PrjInput& in = st.in;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Week-schedule number mis-match: ")) return false;
    WeekSchedule w;
    w.number = n;
    w.utyp = WeekSchedule::heldUnitType(in.s());
    w.ucnv = in.s();
    w.name = in.name();
    w.description = in.line(kDescriptionLength);
    for (std::size_t k = 0; k < kDayTypes && !in.failed(); ++k) {
      std::int32_t day = in.i(k == 0 ? kNewLine : ReadMode::NextToken);
      if (in.failed()) break;
      if (day < 1 || day > st.days.size()) {
        in.error("Bad day-schedule: ", day);
        return false;
      }
      w.days[k] = st.days.at(day);
      st.project.daySchedules.find(w.days[k])->useCount++;
    }
    if (in.failed()) return false;
    appendElement(st.project.weekSchedules, st.weeks, w);
  }
  return in.end();
}

bool readWindProfiles(ReadState& st) {
  PrjInput& in = st.in;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Wind number mis-match: ")) return false;
    WindProfile w;
    w.number = n;
    std::optional<int> npts = in.countNext(kWindPoints);
    if (!npts) return false;
    std::int16_t type = in.s();
    w.name = in.name();
    w.description = in.line(kDescriptionLength);
    std::vector<float> az, cp;
    for (int k = 0; k < *npts && !in.failed(); ++k) {
      az.push_back(in.f(kNewLine));
      cp.push_back(in.f());
    }
    if (in.failed()) return false;
    // The fits of types 2 and 3 belong to the wind profile models; the type is kept as read.
    w.type = heldWindFit(type);
    if (!setWindPoints(in.reporter, w, az, cp)) return false;
    appendElement(st.project.windProfiles, st.winds, w);
  }
  return in.end();
}

bool readReactions(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Reaction number mis-match: ")) return false;
    KineticReaction r;
    r.number = n;
    std::optional<int> pairs = in.countNext();
    if (!pairs) return false;
    r.name = in.name();
    r.description = in.line(kDescriptionLength);
    for (int k = 0; k < *pairs && !in.failed(); ++k) {
      std::string reactant, product;
      if (!in.in.readToken(reactant, kNewLine, kNameSize)) in.error("PRJ read error: ", n);
      product = in.name();
      ReactionPair pair;
      pair.rate = in.f();
      if (in.failed()) return false;
      pair.reactant = ElementList<Species>::ref(p.species.findElementOrSay(in.reporter, reactant));
      pair.product = ElementList<Species>::ref(p.species.findElementOrSay(in.reporter, product));
      r.pairs.push_back(pair);
    }
    if (in.failed()) return false;
    appendElement(p.reactions, st.reactions, r);
  }
  return in.end();
}

bool readFilterElements(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Filter element number mis-match: ")) return false;
    FilterElement e;
    e.number = n;
    std::string keyword = in.name();
    std::size_t type = lookupKeyword(in.reporter, keyword, kFilterElementKeywords);
    e.area = in.f();
    e.depth = in.f();
    e.density = in.f();
    e.units[0] = in.s();
    e.units[1] = in.s();
    e.name = in.name();
    e.description = in.line(kDescriptionLength);
    if (type >= kFilterElementKeywords.size()) {
      in.error("Invalid filter element type ", static_cast<long>(type));
      return false;
    }
    e.type = static_cast<FilterType>(type);
    if (in.failed()) return false;
    FilterElement& added = appendElement(p.filterElements, st.filterElements, e);
    readFilterData(st, added);
    if (in.failed()) return false;
  }
  for (auto& pending : st.superFilters) {
    FilterElement* e = p.filterElements.find(pending.owner);
    auto& subs = std::get<SuperFilterData>(e->typeData).subElements;
    for (std::int32_t number : pending.numbers) {
      if (!in.checkRef(number, 1, st.filterElements.size(),
                       "Invalid filter element number: ", number))
        return false;
      subs.push_back(st.filterElements.at(number));
    }
  }
  return in.end();
}

bool readFilters(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  p.filters.reserve(*count + 1);
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Filter number mis-match: ")) return false;
    Filter f;
    std::int32_t element = in.i();
    if (in.failed()) return false;
    if (element < 1 || element > st.filterElements.size()) {
      in.error("Invalid filter element number: ", element);
      return false;
    }
    f.element = st.filterElements.at(element);
    FilterElement* fe = p.filterElements.find(f.element);
    const auto* super = std::get_if<SuperFilterData>(&fe->typeData);
    std::optional<int> subs = in.countNext(super ? super->subElements.size() : 1);
    if (!subs) return false;
    for (int k = 0; k < *subs && !in.failed(); ++k) {
      FilterSubElement sub;
      sub.relativeLoading = in.f(kNewLine);
      // A single entry is the filter element itself, else the k-th sub-element of the super one.
      sub.element =
          *subs == 1 || !super ? f.element : super->subElements[static_cast<std::size_t>(k)];
      std::optional<int> m = in.countNext();
      if (!m) return false;
      for (int j = 0; j < *m && !in.failed(); ++j) {
        std::string name;
        if (!in.in.readToken(name, kNewLine, kNameSize)) in.error("PRJ read error: ", n);
        SpeciesLoading loading;
        loading.loading = in.f();
        if (in.failed()) return false;
        loading.species = ElementList<Species>::ref(p.species.findElementOrSay(in.reporter, name));
        sub.loadings.push_back(loading);
      }
      f.subElements.push_back(std::move(sub));
    }
    if (in.failed()) return false;
    p.filters.put(f, n);
  }
  return in.end();
}

bool readSourceElements(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "S/S element number mis-match: ")) return false;
    SourceElement e;
    e.number = n;
    std::string species = in.name();
    std::string keyword = in.name();
    e.name = in.name();
    e.description = in.line(kDescriptionLength);
    if (in.failed()) return false;
    std::size_t type = lookupKeyword(in.reporter, keyword, kSourceElementKeywords);
    if (type >= kSourceElementKeywords.size()) {
      in.error("Invalid S/S element type ", static_cast<long>(type));
      return false;
    }
    e.type = static_cast<std::int16_t>(type);
    if (e.type != kSuperSourceType)
      e.species = ElementList<Species>::ref(p.species.findElementOrSay(in.reporter, species));
    SourceElement& added = appendElement(p.sourceElements, st.sources, e);
    readSourceData(st, added);
    if (in.failed()) return false;
  }
  for (auto& pending : st.superSources) {
    SourceElement* e = p.sourceElements.find(pending.owner);
    auto& subs = std::get<SuperSource>(e->typeData).subElements;
    for (std::int32_t number : pending.numbers) {
      if (!in.checkRef(number, 1, st.sources.size(), "Invalid S/S element number, element ",
                       e->number))
        return false;
      subs.push_back(st.sources.at(number));
    }
  }
  return in.end();
}

namespace {

// One reader for airflow and duct elements; `duct` chooses the list and the type range.
template <class T, class ReadData>
bool readFlowElements(ReadState& st, ElementList<T>& list, ReadIndex<T>& index, bool duct,
                      ReadData readData) {
  PrjInput& in = st.in;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Element number mis-match: ")) return false;
    T e;
    e.number = n;
    e.icon = in.b();
    std::string keyword = in.name();
    e.name = in.name();
    e.description = in.line(kDescriptionLength);
    if (in.failed()) return false;
    std::size_t type = lookupKeyword(in.reporter, keyword, kFlowElementKeywords);
    // Each list holds its own kind: airflow types 0 to 27, duct types 28 to 40.
    bool fits = type < kFlowElementKeywords.size() &&
                (duct ? type >= std::size_t(kFirstDuctType) : type < std::size_t(kFirstDuctType));
    if (!fits) {
      in.error("Invalid element type ", static_cast<long>(type));
      return false;
    }
    e.type = static_cast<std::int16_t>(type);
    T& added = appendElement(list, index, e);
    readData(st, added);
    if (in.failed()) return false;
  }
  return true;
}

}  // namespace

bool readAirflowElements(ReadState& st) {
  Project& p = st.project;
  if (!readFlowElements(st, p.airflowElements, st.airflow, false, readAirflowData)) return false;
  for (auto& pending : st.superAirflow) {
    AirflowElement* e = p.airflowElements.find(pending.owner);
    auto& subs = std::get<SuperAirflowData>(e->typeData).subElements;
    for (std::size_t k = 0; k < subs.size(); ++k) {
      std::int32_t number = pending.numbers[k];
      if (!st.in.checkRef(number, 1, st.airflow.size(), "Invalid sub-element number, element ",
                          e->number))
        return false;
      subs[k].element = st.airflow.at(number);
    }
  }
  return st.in.end();
}

bool readDuctElements(ReadState& st) {
  Project& p = st.project;
  if (!readFlowElements(st, p.ductElements, st.ductElements, true, readDuctData)) return false;
  return st.in.end();
}

bool readSuperElements(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Element number mis-match: ")) return false;
    ControlSuperElement e;
    e.number = n;
    e.flags = in.us();
    std::int32_t input = in.i();
    std::int32_t output = in.i();
    std::optional<int> nn = in.countNext();
    if (!nn) return false;
    std::optional<int> ni = in.countNext();
    if (!ni) return false;
    e.name = in.name();
    e.description = in.line(kSuperDescriptionLength);
    if (in.failed()) return false;
    if (!in.checkRef(input, 0, *nn, "Invalid control node number, node ", input) ||
        !in.checkRef(output, 0, *nn, "Invalid control node number, node ", output))
      return false;
    ControlSuperElement& added = appendElement(p.superElements, st.supers, e);
    std::optional<int> subCount = in.count();
    if (!subCount) return false;
    if (*subCount != *nn) {
      in.error("Sub-node count mis-match: ", *subCount);
      return false;
    }
    if (!readNodes(st, *nn, &added)) return false;
    added.input =
        input ? Ref<ControlNode>{added.nodes[std::size_t(input - 1)].id} : Ref<ControlNode>{};
    added.output =
        output ? Ref<ControlNode>{added.nodes[std::size_t(output - 1)].id} : Ref<ControlNode>{};
    for (int k = 0; k < *ni && !in.failed(); ++k) {
      LevelItem item;
      item.code = in.b(kNewLine);
      item.column = in.s();
      item.row = in.s();
      item.number = in.i();
      added.items.push_back(item);
    }
    if (in.failed()) return false;
  }
  return in.end();
}

bool readControlNodes(ReadState& st) {
  std::optional<int> count = st.in.count();
  if (!count) return false;
  st.project.controls.reserve(*count + 1);
  if (!readNodes(st, *count, nullptr)) return false;
  return st.in.end();
}

bool readOccupancySchedules(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  std::optional<int> count = in.count();
  if (!count) return false;
  for (int n = 1; n <= *count; ++n) {
    if (!in.number(n, "Occpancy-schedule number mis-match: ")) return false;
    OccupancySchedule o;
    o.number = n;
    std::optional<int> npts = in.countNext();
    if (!npts) return false;
    o.units = in.s();
    o.name = in.name();
    o.description = in.line(kDescriptionLength);
    for (int k = 0; k < *npts && !in.failed(); ++k) {
      OccupancyPoint pt;
      pt.time = in.in.readTime(kNewLine);
      std::int32_t zone = in.i();
      pt.X = in.f();
      pt.Y = in.f();
      pt.relHt = in.f();
      if (in.failed()) return false;
      if (zone < -1 || zone > p.zones.count()) {
        in.error("Invalid zone number, Occ ", n);
        return false;
      }
      pt.zone = p.zoneRef(zone);
      o.points.push_back(pt);
    }
    if (in.failed()) return false;
    fillEndOfDayZones(o.points);
    appendElement(p.occupancySchedules, st.occupancy, o);
  }
  return in.end();
}

}  // namespace mz
