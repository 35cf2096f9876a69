// The type-data lines of airflow, duct, source/sink and filter elements, with the values that
// reading recomputes.

#include <cmath>

#include "model/ElementTypes.h"
#include "prjfile/PrjSections.h"

namespace mz {

namespace {

constexpr ReadMode kNewLine = ReadMode::FirstOfNextLine;

template <class S>
concept HasFields = requires(S s) {
  s.fields();
};

void readFan(PrjInput& in, FanData& fan) {
  readFields(in, fan.headFields());
  fan.c[0] = in.f(kNewLine);
  fan.c[1] = in.f();
  fan.c[2] = in.f();
  fan.c[3] = in.f();
  std::optional<int> npts = in.countNext(kFanPoints);
  fan.Ao = in.f();
  fan.uAo = in.s();
  if (!npts) return;
  fan.points.assign(static_cast<std::size_t>(*npts), FanPoint{});
  for (FanPoint& pt : fan.points) {
    pt.F = in.f(kNewLine);
    pt.uF = in.s();
    pt.dP = in.f();
    pt.udP = in.s();
    pt.dPr = in.f();
    pt.udPr = in.s();
  }
}

void writeFan(PrjOutput& out, const FanData& fan) {
  FanData copy = fan;
  writeFields(out, copy.headFields());
  if (fan.points.size() > kFanPoints)
    out.error("More than 10 fan points: ", long(fan.points.size()));
  out.format(" %g %g %g %g %d %g %d\n", double(fan.c[0]), double(fan.c[1]), double(fan.c[2]),
             double(fan.c[3]), static_cast<int>(fan.points.size()), double(fan.Ao), fan.uAo);
  for (const FanPoint& pt : fan.points)
    out.format("  %g %d %g %d %g %d\n", double(pt.F), pt.uF, double(pt.dP), pt.udP, double(pt.dPr),
               pt.udPr);
}

void readSpline(PrjInput& in, SplineData& s) {
  std::optional<int> npts = in.count();
  if (!npts) return;
  if (static_cast<std::size_t>(*npts) > kSplinePoints) {
    in.error("More than 256 spline points: ", *npts);
    return;
  }
  s.ux = in.s();
  s.uy = in.s();
  for (int k = 0; k < *npts && !in.failed(); ++k) {
    s.x.push_back(in.f(kNewLine));
    s.y.push_back(in.f());
  }
}

void writeSpline(PrjOutput& out, const SplineData& s) {
  if (s.x.size() > kSplinePoints || s.x.size() != s.y.size())
    out.error("Invalid spline point count: ", long(s.x.size()));
  std::size_t n = std::min(s.x.size(), s.y.size());
  out.format(" %d %d %d\n", static_cast<int>(n), s.ux, s.uy);
  for (std::size_t k = 0; k < n; ++k) out.format("  %g %g\n", double(s.x[k]), double(s.y[k]));
}

// Reads or writes the data of one model: the one-line models through their field lists.
template <class S>
void readModel(ReadState& st, S& data) {
  if constexpr (HasFields<S>)
    readFields(st.in, data.fields());
  else if constexpr (std::is_same_v<S, FanData>)
    readFan(st.in, data);
  else if constexpr (std::is_same_v<S, SplineData>)
    readSpline(st.in, data);
}

template <class S>
void writeModel(PrjOutput& out, const S& data) {
  if constexpr (HasFields<S>) {
    S copy = data;
    writeFields(out, copy.fields());
  } else if constexpr (std::is_same_v<S, FanData>) {
    writeFan(out, data);
  } else if constexpr (std::is_same_v<S, SplineData>) {
    writeSpline(out, data);
  }
}

template <class Variant>
bool holdsTypeOf(const Variant& held, const Variant& expected) {
  return held.index() == expected.index() && expected.index() != 0;
}

}  // namespace

void readAirflowData(ReadState& st, AirflowElement& e) {
  PrjInput& in = st.in;
  e.typeData = defaultAirflowData(e.type);
  if (auto* super = std::get_if<SuperAirflowData>(&e.typeData)) {
    std::optional<int> n = in.count();
    if (!n) return;
    std::int32_t schedulable = in.i();
    super->relHtUnit = in.s();
    PendingNumbers<AirflowElement> pending{ElementList<AirflowElement>::ref(&e), {}};
    for (int k = 0; k < *n && !in.failed(); ++k) {
      SuperSubElement sub;
      std::int32_t number = in.i(kNewLine);
      sub.relHt = in.f();
      sub.filtered = in.s() != 0;
      sub.schedulable = schedulable != 0 && number == schedulable;
      pending.numbers.push_back(number);
      super->subElements.push_back(sub);
    }
    st.superAirflow.push_back(std::move(pending));
    return;
  }
  std::visit([&](auto& data) { readModel(st, data); }, e.typeData);
  if (auto* o = std::get_if<OrificeData>(&e.typeData)) {
    o->D = static_cast<float>(std::sqrt(1.27324 * o->A));
    o->laminar = static_cast<float>(
        laminarCoefficient(o->C, o->n, o->A, o->D, o->Re, FlowForm::DensityRoot));
  }
}

void writeAirflowData(PrjOutput& out, Project& p, const AirflowElement& e) {
  if (!holdsTypeOf(e.typeData, defaultAirflowData(e.type))) {
    out.error("Invalid element type ", e.type);
    return;
  }
  if (const auto* super = std::get_if<SuperAirflowData>(&e.typeData)) {
    std::int32_t schedulable = 0;
    for (const SuperSubElement& sub : super->subElements)
      if (sub.schedulable)
        schedulable =
            p.airflowElements.find(sub.element) ? p.airflowElements.find(sub.element)->number : 0;
    out.format("  %d %d %d\n", static_cast<int>(super->subElements.size()), schedulable,
               super->relHtUnit);
    for (const SuperSubElement& sub : super->subElements) {
      const AirflowElement* used = p.airflowElements.find(sub.element);
      if (!used) out.error("Invalid sub-element, element ", e.number);
      out.format("  %d %g %d\n", used ? used->number : 0, double(sub.relHt), sub.filtered ? 1 : 0);
    }
    return;
  }
  std::visit([&](const auto& data) { writeModel(out, data); }, e.typeData);
}

void readDuctData(ReadState& st, DuctElement& e) {
  PrjInput& in = st.in;
  e.typeData = defaultDuctData(e.type);
  std::visit([&](auto& data) { readModel(st, data); }, e.typeData.model);
  readFields(in, e.typeData.shape.valueFields());
  readFields(in, e.typeData.shape.unitFields());
  const DuctShape& shape = e.typeData.shape;
  if (auto* dwc = std::get_if<DarcyColebrookData>(&e.typeData.model)) {
    dwc->D = shape.D;
    dwc->A = shape.A;
    dwc->relativeRoughness = shape.D != 0.0f ? dwc->eps / shape.D : 0.0f;
  } else if (auto* o = std::get_if<DuctOrificeData>(&e.typeData.model)) {
    o->D = static_cast<float>(std::sqrt(1.2732395 * o->A));
    o->laminar =
        static_cast<float>(laminarCoefficient(o->C, o->n, o->A, o->D, 30.0, FlowForm::DensityRoot));
  }
}

void writeDuctData(PrjOutput& out, const DuctElement& e) {
  if (!holdsTypeOf(e.typeData.model, defaultDuctData(e.type).model)) {
    out.error("Invalid element type ", e.type);
    return;
  }
  std::visit([&](const auto& data) { writeModel(out, data); }, e.typeData.model);
  DuctShape shape = e.typeData.shape;
  writeFields(out, shape.valueFields());
  writeFields(out, shape.unitFields());
}

void readSourceData(ReadState& st, SourceElement& e) {
  PrjInput& in = st.in;
  e.typeData = defaultSourceData(e.type);
  if (std::holds_alternative<SuperSource>(e.typeData)) {
    std::optional<int> n = in.count();
    if (!n) return;
    PendingNumbers<SourceElement> pending{ElementList<SourceElement>::ref(&e), {}};
    for (int k = 0; k < *n && !in.failed(); ++k) pending.numbers.push_back(in.i());
    st.superSources.push_back(std::move(pending));
    return;
  }
  if (auto* opaque = std::get_if<OpaqueSource>(&e.typeData)) {
    bool first = true;
    for (float& v : opaque->values) {
      v = in.f(first ? kNewLine : ReadMode::NextToken);
      first = false;
    }
    return;
  }
  std::visit(
      [&](auto& data) {
        if constexpr (HasFields<std::decay_t<decltype(data)>>) readFields(in, data.fields());
      },
      e.typeData);
}

void writeSourceData(PrjOutput& out, Project& p, const SourceElement& e) {
  if (!holdsTypeOf(e.typeData, defaultSourceData(e.type))) {
    out.error("Invalid element type ", e.type);
    return;
  }
  if (const auto* super = std::get_if<SuperSource>(&e.typeData)) {
    out.format("%d\n", static_cast<int>(super->subElements.size()));
    for (Ref<SourceElement> sub : super->subElements) {
      const SourceElement* used = p.sourceElements.find(sub);
      if (!used) out.error("Invalid sub-element, element ", e.number);
      out.format(" %d", used ? used->number : 0);
    }
    out.put("\n");
    return;
  }
  // "sxd" and "dxd" are written as they were read, so that a project read is saved whole.
  if (const auto* opaque = std::get_if<OpaqueSource>(&e.typeData)) {
    for (float v : opaque->values) out.format(" %g", double(v));
    out.put("\n");
    return;
  }
  std::visit(
      [&](const auto& data) {
        using S = std::decay_t<decltype(data)>;
        if constexpr (HasFields<S>) {
          S copy = data;
          writeFields(out, copy.fields());
        }
      },
      e.typeData);
}

void readFilterData(ReadState& st, FilterElement& e) {
  PrjInput& in = st.in;
  Project& p = st.project;
  auto species = [&](std::string_view name) {
    return ElementList<Species>::ref(p.species.findElementOrSay(in.reporter, name));
  };
  auto points = [&](std::vector<EfficiencyPoint>& pts, int n) {
    for (int k = 0; k < n && !in.failed(); ++k) {
      EfficiencyPoint pt;
      pt.x = in.f(kNewLine);
      pt.efficiency = in.f();
      pts.push_back(pt);
    }
  };
  auto token = [&] {
    std::string name;
    if (!in.in.readToken(name, kNewLine, kNameSize)) in.error("PRJ read error: ", e.number);
    return name;
  };
  switch (e.type) {
    case FilterType::Cef: {
      ConstantEfficiencyData data;
      std::optional<int> n = in.count();
      if (!n) return;
      for (int k = 0; k < *n && !in.failed(); ++k) {
        std::string name = token();
        SpeciesEfficiency entry;
        entry.efficiency = in.f();
        if (in.failed()) return;
        entry.species = species(name);
        data.species.push_back(entry);
      }
      e.typeData = std::move(data);
      break;
    }
    case FilterType::Pf0: {
      ParticleFilterData data;
      std::optional<int> n = in.count();
      if (!n) return;
      if (static_cast<std::size_t>(*n) > kFilterPoints) {
        in.error("More than 256 filter points: ", *n);
        return;
      }
      data.sizeUnit = in.s();
      points(data.points, *n);
      e.typeData = std::move(data);
      break;
    }
    case FilterType::Gf0: {
      GaseousFilterData data;
      std::optional<int> n = in.count();
      if (!n) return;
      for (int k = 0; k < *n && !in.failed(); ++k) {
        std::string name = token();
        GaseousSpecies entry;
        entry.breakthrough = in.f();
        std::optional<int> npts = in.countNext(kFilterPoints);
        if (!npts) return;
        entry.species = species(name);
        points(entry.points, *npts);
        data.species.push_back(std::move(entry));
      }
      e.typeData = std::move(data);
      break;
    }
    case FilterType::Spf: {
      std::optional<int> n = in.count();
      if (!n) return;
      PendingNumbers<FilterElement> pending{ElementList<FilterElement>::ref(&e), {}};
      for (int k = 0; k < *n && !in.failed(); ++k) pending.numbers.push_back(in.i());
      st.superFilters.push_back(std::move(pending));
      e.typeData = SuperFilterData{};
      break;
    }
  }
}

void writeFilterData(PrjOutput& out, Project& p, const FilterElement& e) {
  auto speciesName = [&](Ref<Species> ref) -> const Species* { return p.species.find(ref); };
  auto points = [&](const std::vector<EfficiencyPoint>& pts) {
    for (const EfficiencyPoint& pt : pts)
      out.format("  %g %g\n", double(pt.x), double(pt.efficiency));
  };
  auto leftOut = [&] {
    out.reporter().report(Severity::Warning, {"Filter data without species left out: ", e.name});
  };
  const FilterData& d = e.typeData;
  if (const auto* cef = std::get_if<ConstantEfficiencyData>(&d); cef && e.type == FilterType::Cef) {
    std::vector<const SpeciesEfficiency*> kept;
    for (const SpeciesEfficiency& s : cef->species)
      if (speciesName(s.species)) kept.push_back(&s);
    if (kept.size() != cef->species.size()) leftOut();
    out.format("%3d\n", static_cast<int>(kept.size()));
    for (const SpeciesEfficiency* s : kept)
      out.format("  %s %g\n", out.checkedName(speciesName(s->species)->name).data(),
                 double(s->efficiency));
  } else if (const auto* pf = std::get_if<ParticleFilterData>(&d);
             pf && e.type == FilterType::Pf0) {
    if (pf->points.size() > kFilterPoints)
      out.error("More than 256 filter points: ", long(pf->points.size()));
    out.format(" %d %d\n", static_cast<int>(pf->points.size()), pf->sizeUnit);
    points(pf->points);
  } else if (const auto* gf = std::get_if<GaseousFilterData>(&d); gf && e.type == FilterType::Gf0) {
    std::vector<const GaseousSpecies*> kept;
    for (const GaseousSpecies& s : gf->species)
      if (speciesName(s.species)) kept.push_back(&s);
    if (kept.size() != gf->species.size()) leftOut();
    out.format(" %d\n", static_cast<int>(kept.size()));
    for (const GaseousSpecies* s : kept) {
      if (s->points.size() > kFilterPoints)
        out.error("More than 256 filter points: ", long(s->points.size()));
      out.format("  %s %g %d\n", out.checkedName(speciesName(s->species)->name).data(),
                 double(s->breakthrough), static_cast<int>(s->points.size()));
      points(s->points);
    }
  } else if (const auto* spf = std::get_if<SuperFilterData>(&d); spf && e.type == FilterType::Spf) {
    out.format("%d\n", static_cast<int>(spf->subElements.size()));
    for (Ref<FilterElement> sub : spf->subElements) {
      const FilterElement* used = p.filterElements.find(sub);
      if (!used) out.error("Invalid sub-element, element ", e.number);
      out.format(" %d", used ? used->number : 0);
    }
    out.put("\n");
  } else {
    out.error("Invalid element type ", static_cast<int>(e.type));
  }
}

}  // namespace mz
