#include "PrjFixture.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/TestSupport.h"

namespace mz::test {

namespace {

template <class T>
Ref<T> add(ElementList<T>& list, T record, std::string name) {
  record.name = std::move(name);
  record.description = "about " + record.name;
  return ElementList<T>::ref(&list.addElement(record));
}

LevelItem item(int row, int column, int code, int number) {
  return LevelItem{static_cast<std::int16_t>(row), static_cast<std::int16_t>(column),
                   static_cast<std::uint8_t>(code), number};
}

void addLevels(Project& p) {
  Level& ground = p.addLevel(nullptr);
  ground.name = "Ground";
  ground.items = {item(2, 2, 5, 1),    item(2, 6, 23, 1),   item(2, 9, 5, 2),   item(4, 2, 130, 1),
                  item(4, 4, 128, 4),  item(4, 6, 129, 5),  item(6, 2, 158, 1), item(6, 3, 154, 1),
                  item(6, 5, 162, 2),  item(8, 2, 133, 1),  item(8, 4, 131, 1), item(8, 6, 42, 1),
                  item(10, 2, 185, 1), item(10, 3, 168, 1), item(10, 6, 42, 2)};
  Level& upper = p.addLevel(&ground, 3.5f);
  upper.name = "Upper";
  upper.items = {item(2, 2, 5, 3), item(2, 5, 23, 2), item(3, 2, 6, 1), item(2, 8, 7, -1),
                 item(5, 5, 23, 3)};
}

void addSchedules(Project& p) {
  DaySchedule day;
  day.times = {0, 43200, 86400};
  day.values = {0.0f, 1.0f, 0.5f};
  day.shap = 1;
  Ref<DaySchedule> d1 = add(p.daySchedules, day, "day1");
  day.values = {1.0f, 1.0f, 1.0f};
  Ref<DaySchedule> d2 = add(p.daySchedules, day, "day2");
  WeekSchedule week;
  week.days.fill(d1);
  week.days[0] = d2;
  add(p.weekSchedules, week, "week1");
  week.days.fill(d2);
  week.utyp = 2;
  add(p.weekSchedules, week, "week2");

  WindProfile wind;
  ErrorReporter* none = nullptr;
  (void)none;
  wind.npts = 3;
  wind.azimuths = {};
  wind.azimuths.fill(360.0f);
  wind.azimuths[0] = 0.0f;
  wind.azimuths[1] = 180.0f;
  wind.azimuths[2] = 360.0f;
  wind.coefficients[0] = 0.6f;
  wind.coefficients[1] = -0.3f;
  wind.coefficients[2] = 0.6f;
  add(p.windProfiles, wind, "wall");
  wind.type = WindFit::CubicSpline;
  add(p.windProfiles, wind, "roof");
}

void addSpecies(Project& p) {
  Species co2;
  co2.s = 1;
  co2.molwt = 44.0f;
  co2.Dm = 2e-5f;
  co2.Cp = 1000.0f;
  co2.CCdef = 6e-4f;
  Ref<Species> c = add(p.species, co2, "CO2");
  Species h2o = co2;
  h2o.s = 0;
  h2o.molwt = 18.0f;
  add(p.species, h2o, "H2O");
  p.contaminants = {c};
  p.contaminantDefaults = {6e-4f};
}

void addElements(Project& p) {
  Ref<Species> co2 = ElementList<Species>::ref(p.species.findElement("CO2"));
  for (std::int16_t type = 0; type <= kSuperAirflowType; ++type) {
    AirflowElement e;
    e.type = type;
    e.icon = 23;
    e.typeData = defaultAirflowData(type);
    if (auto* o = std::get_if<OrificeData>(&e.typeData)) {
      o->C = 0.0084853f;
      o->D = static_cast<float>(std::sqrt(1.27324 * o->A));
      o->laminar = static_cast<float>(
          laminarCoefficient(o->C, o->n, o->A, o->D, o->Re, FlowForm::DensityRoot));
    }
    if (auto* fan = std::get_if<FanData>(&e.typeData))
      fan->points = {{0.1f, 100.0f, 90.0f, 0, 0, 0}, {0.2f, 50.0f, 45.0f, 1, 1, 1}};
    if (auto* spline = std::get_if<SplineData>(&e.typeData)) {
      spline->x = {0.0f, 10.0f, 20.0f};
      spline->y = {0.0f, 0.5f, 0.7f};
    }
    if (auto* super = std::get_if<SuperAirflowData>(&e.typeData)) {
      super->subElements = {
          {ElementList<AirflowElement>::ref(p.airflowElements.findElement("af00")), 0.5f, true,
           false},
          {ElementList<AirflowElement>::ref(p.airflowElements.findElement("af05")), 1.5f, false,
           true}};
    }
    add(p.airflowElements, e, cformat("af%02d", type));
  }
  for (std::int16_t type = kFirstDuctType; type <= kLastDuctType; ++type) {
    DuctElement e;
    e.type = type;
    e.icon = 23;
    e.typeData = defaultDuctData(type);
    if (auto* o = std::get_if<DuctOrificeData>(&e.typeData.model)) {
      o->C = 0.0084853f;
      o->D = static_cast<float>(std::sqrt(1.2732395 * o->A));
      o->laminar = static_cast<float>(
          laminarCoefficient(o->C, o->n, o->A, o->D, 30.0, FlowForm::DensityRoot));
    }
    if (auto* spline = std::get_if<SplineData>(&e.typeData.model)) {
      spline->x = {0.0f, 5.0f};
      spline->y = {0.0f, 0.25f};
    }
    add(p.ductElements, e, cformat("dct%02d", type));
  }
  for (std::int16_t type = 0; type < SourceType::Count; ++type) {
    SourceElement e;
    e.type = type;
    e.species = type == SourceType::Sup ? Ref<Species>{} : co2;
    e.typeData = defaultSourceData(type);
    if (auto* two = std::get_if<TwoValueSource>(&e.typeData)) *two = {1e-6f, 0.5f, 1, 2};
    if (auto* opaque = std::get_if<OpaqueSource>(&e.typeData)) opaque->values[1] = 2.5f;
    if (auto* super = std::get_if<SuperSource>(&e.typeData))
      super->subElements = {ElementList<SourceElement>::ref(p.sourceElements.findElement("ss00")),
                            ElementList<SourceElement>::ref(p.sourceElements.findElement("ss01"))};
    add(p.sourceElements, e, cformat("ss%02d", type));
  }
  FilterElement f;
  f.area = 0.5f;
  f.depth = 0.05f;
  f.density = 20.0f;
  f.typeData = ConstantEfficiencyData{{{co2, 0.8f}}};
  Ref<FilterElement> cef = add(p.filterElements, f, "fe_cef");
  f.type = FilterType::Pf0;
  f.typeData = ParticleFilterData{{{1e-7f, 0.1f}, {1e-6f, 0.5f}, {1e-5f, 0.9f}}, 2};
  Ref<FilterElement> pf0 = add(p.filterElements, f, "fe_pf0");
  f.type = FilterType::Gf0;
  f.typeData = GaseousFilterData{{{co2, 0.01f, {{0.0f, 0.9f}, {0.1f, 0.2f}}}}};
  add(p.filterElements, f, "fe_gf0");
  f.type = FilterType::Spf;
  f.typeData = SuperFilterData{{cef, pf0, cef}};
  Ref<FilterElement> spf = add(p.filterElements, f, "fe_spf");

  Filter simple;
  simple.element = cef;
  simple.subElements = {{0.25f, cef, {{co2, 0.001f}}}};
  p.addFilter(simple);
  Filter super;
  super.element = spf;
  super.subElements = {{0.1f, cef, {}}, {0.2f, pf0, {}}, {0.3f, cef, {{co2, 0.5f}}}};
  p.addFilter(super);

  KineticReaction r;
  Ref<Species> h2o = ElementList<Species>::ref(p.species.findElement("H2O"));
  r.pairs = {{co2, h2o, 0.1f}, {h2o, co2, 0.5f}};
  add(p.reactions, r, "react");
}

void addControls(Project& p) {
  ControlSuperElement def;
  def.flags = SuperFlag::Complete;
  ControlNode in;
  in.type = ControlType::Modifier;
  in.inputCount = 1;
  in.id = 1;
  in.number = 1;
  in.data = defaultControlData(in.type);
  ControlNode out;
  out.type = 5;
  out.inputCount = 1;
  out.id = 2;
  out.number = 2;
  out.input1 = Ref<ControlNode>{1};
  out.name = "report";
  out.data = defaultControlData(out.type);
  def.nodes = {in, out};
  def.input = Ref<ControlNode>{1};
  def.output = Ref<ControlNode>{2};
  def.items = {item(3, 3, 189, 1), item(3, 4, 168, 1), item(3, 5, 188, 2)};
  Ref<ControlSuperElement> se = add(p.superElements, def, "SE_1");
  p.superElements.find(se)->description = std::string(200, 'd');

  auto node = [&](std::int16_t type, ControlData data, int inputs = 0) {
    ControlNode n;
    n.type = type;
    n.inputCount = static_cast<std::int16_t>(inputs);
    n.data = std::move(data);
    n.name = cformat("n%d", p.controls.count() + 1);
    n.description = kControlTypeNames[std::size_t(type)].data();
    return p.controls.add(n);
  };
  SensorData sensor;
  sensor.item = p.zones.ref(1).id;
  sensor.species = ElementList<Species>::ref(p.species.findElement("CO2"));
  node(ControlType::Sensor, sensor);
  SensorData ambient;
  ambient.item = Ref<Zone>::ambient().id;
  ambient.measure = 1;
  node(ControlType::Sensor, ambient);
  SensorData duct;
  duct.source = SensorSource::Duct;
  duct.measure = 2;
  duct.item = p.ducts.ref(1).id;
  node(ControlType::Sensor, duct);
  node(ControlType::Schedule,
       ScheduleSignal{ElementList<WeekSchedule>::ref(p.weekSchedules.first())});
  node(ControlType::Constant, ValueSignal{2.5f});
  node(ControlType::Cvf, ValueFileSignal{"flow"});
  node(ControlType::Report, ReportData{0.0f, 1.8f, 1, "Temperature", "F"}, 1);
  node(ControlType::Modifier, ModifierData{1.0f, 2.0f}, 1);
  node(ControlType::Hysteresis, HysteresisData{}, 1);
  node(ControlType::ScheduledDelay,
       ScheduledDelayData{ElementList<DaySchedule>::ref(p.daySchedules.first()), {}}, 1);
  node(ControlType::ExponentialDelay, ExponentialDelayData{60, 3600}, 1);
  node(ControlType::RunningAverage, RunningAverageData{600}, 1);
  node(ControlType::Sum, MultipleInputData{{p.controls.ref(1), p.controls.ref(5)}}, 2);
  node(ControlType::ProportionalIntegral, PiControllerData{1.0f, 0.1f, 0.0f, 0.0f}, 1);
  node(ControlType::Polynomial, PolynomialData{{1.0f, 2.0f, 3.0f}}, 1);
  node(6, std::monostate{}, 1);
  node(ControlType::UpperBand, ValueSignal{1.0f}, 2);
  int instance = node(ControlType::Super, SuperInstanceData{}, 1);
  int c1 = node(ControlType::Modifier, ModifierData{}, 1);
  int c2 = node(5, ReportData{}, 1);
  auto& inst = std::get<SuperInstanceData>(p.controls.at(instance)->data);
  inst.definition = se;
  inst.input = p.controls.ref(c1);
  inst.output = p.controls.ref(c2);
  inst.copies = {p.controls.ref(c1), p.controls.ref(c2)};
  p.controls.at(c2)->input1 = p.controls.ref(c1);
  p.paths.at(2)->control = p.controls.ref(5);
  ControlNode* report = p.controls.at(7);
  report->input1 = p.controls.ref(1);
}

void addBuilding(Project& p) {
  Ref<Level> ground = Levels::ref(p.levels.lowest());
  Ref<Level> upper = Levels::ref(p.levels.highest());
  Ref<WeekSchedule> week = ElementList<WeekSchedule>::ref(p.weekSchedules.first());
  auto zone = [&](const char* name, Ref<Level> level) {
    Zone z = p.newZone();
    z.name = name;
    z.level = level;
    z.Vol = 50.0f;
    z.T0 = 293.15f;
    z.CC0 = {6e-4f};
    return p.addZone(z);
  };
  zone("office", ground);
  int hall = zone("hall", ground);
  p.zones.at(hall)->schedule = week;
  p.zones.at(hall)->cfdId = "cfdHall";
  int attic = zone("attic_room", upper);
  Zone& a = *p.zones.at(attic);
  a.axis = -2;
  a.oneD = {0.0f, 0.0f, 0.0f, 5.0f, 0.0f, 0.0f, 0.5f, 0.01f};
  a.reaction = ElementList<KineticReaction>::ref(p.reactions.first());
  int ret = zone("ahsR", ground);
  int sup = zone("ahsS", ground);
  p.zones.at(ret)->flags = ZoneFlag::AhsImplicit;
  p.zones.at(sup)->flags = ZoneFlag::AhsImplicit;

  Ref<AirflowElement> orifice = ElementList<AirflowElement>::ref(p.airflowElements.first());
  auto path = [&](int from, int to, Ref<Level> level) {
    AirflowPath q;
    q.from = from == -1 ? Ref<Zone>::ambient() : p.zones.ref(from);
    q.to = p.zones.ref(to);
    q.element = orifice;
    q.level = level;
    q.mult = 1.0f;
    q.icn = 23;
    q.dir = 2;
    q.wazm = -1.0f;
    return p.addPath(q);
  };
  path(1, 2, ground);
  int outside = path(-1, 3, upper);
  AirflowPath& o = *p.paths.at(outside);
  o.flags = PathFlag::WindPressure;
  o.windProfile = ElementList<WindProfile>::ref(p.windProfiles.first());
  o.filter = p.filters.ref(1);
  o.schedule = week;
  o.cfdId = "cfdPath";
  o.cfdValues = {1, 2, 3};
  path(3, 3, upper);
  auto ahsPath = [&](std::uint16_t flags, int from, int to, Ref<SimpleAhs> ahs) {
    AirflowPath q;
    q.flags = flags;
    q.from = from == -1 ? Ref<Zone>::ambient() : p.zones.ref(from);
    q.to = to == -1 ? Ref<Zone>::ambient() : p.zones.ref(to);
    q.level = ground;
    q.ahs = ahs;
    return p.addPath(q);
  };
  SimpleAhs system;
  system.name = "ahs1";
  Ref<SimpleAhs> ahs = ElementList<SimpleAhs>::ref(&p.ahs.addElement(system));
  int supply = ahsPath(PathFlag::AhsPoint, sup, 1, ahs);
  int back = ahsPath(PathFlag::AhsPoint, 1, ret, ahs);
  int recirc = ahsPath(PathFlag::AhsRecirculation, ret, sup, {});
  int oa = ahsPath(PathFlag::AhsOutdoorAir, -1, sup, {});
  int ex = ahsPath(PathFlag::AhsExhaust, ret, -1, {});
  (void)supply;
  (void)back;
  SimpleAhs& s = *p.ahs.find(ahs);
  s.returnZone = p.zones.ref(ret);
  s.supplyZone = p.zones.ref(sup);
  s.recirculationPath = p.paths.ref(recirc);
  s.outdoorAirPath = p.paths.ref(oa);
  s.exhaustPath = p.paths.ref(ex);

  Junction j = p.newJunction(158);
  j.level = ground;
  j.CC0 = {1e-4f};
  int j1 = p.addJunction(j);
  Junction t = p.newJunction(162);
  t.level = ground;
  t.t = JunctionKind::AmbientTerminal;
  t.zone = Ref<Zone>::ambient();
  t.CC0 = {2e-4f};
  t.terminal.filter = p.filters.ref(2);
  t.terminal.windProfile = ElementList<WindProfile>::ref(p.windProfiles.first());
  t.terminal.dir = 2;
  t.terminal.reverseDir = 5;
  int j2 = p.addJunction(t);
  DuctSegment d = p.newDuct(2);
  d.from = p.junctions.ref(j1);
  d.to = p.junctions.ref(j2);
  d.element = ElementList<DuctElement>::ref(p.ductElements.first());
  d.schedule = week;
  int duct = p.addDuct(d);
  p.junctions.at(j1)->duct = p.ducts.ref(duct);

  SourceSink ss = p.newSourceSink();
  ss.zone = p.zones.ref(1);
  ss.element = ElementList<SourceElement>::ref(p.sourceElements.first());
  ss.schedule = week;
  ss.cfdId = "src1";
  p.addCss(ss);

  OccupancySchedule occ;
  occ.points = {{0, Ref<Zone>{}, 0, 0, 0},
                {3600, p.zones.ref(1), 1.0f, 2.0f, 0.5f},
                {86400, p.zones.ref(1), 0, 0, 0}};
  add(p.occupancySchedules, occ, "office");
  occ.points = {{0, Ref<Zone>::ambient(), 0, 0, 0}};
  add(p.occupancySchedules, occ, "outside");
  Exposure x = p.newExposure();
  x.description = std::string(kExposureDescriptionLength, 'x');
  x.occupancy.fill(ElementList<OccupancySchedule>::ref(p.occupancySchedules.first()));
  x.generations = {{ElementList<Species>::ref(p.species.findElement("CO2")), week, 1e-6f, 0}};
  x.inhalationSchedule = week;
  x.exposure = {0.0f};
  x.dose = {0.0f};
  p.addExposure(x);

  p.addNote(Annotation{{}, ""});
  p.addNote(Annotation{{}, "!bang, a comma\tand a tab"});
}

}  // namespace

std::unique_ptr<Project> fullProject() {
  auto p = std::make_unique<Project>();
  p->settings.description = "!every section";
  p->settings.files.weather = "/data/weather files/site.wth";
  p->settings.files.wpc = "site.wpc";
  p->settings.wpc.wp = 1;
  p->settings.runControl.outputFlags[kOutputFlags - 1] = 1;
  addLevels(*p);
  addSpecies(*p);
  addSchedules(*p);
  addElements(*p);
  addBuilding(*p);
  addControls(*p);
  return p;
}

std::unique_ptr<Project> smallProject() {
  auto p = std::make_unique<Project>();
  p->settings.description = "Small office";
  Level& ground = p->addLevel(nullptr);
  ground.items = {item(2, 2, 5, 1), item(2, 5, 23, 1), item(2, 8, 5, 2), item(4, 5, 23, 2)};
  Level& upper = p->addLevel(&ground, 3.0f);
  upper.items = {item(2, 2, 5, 3), item(3, 2, 6, 1), item(2, 6, 23, 3)};
  AirflowElement e;
  e.type = 5;
  e.icon = 23;
  e.typeData = PowerLawData{};
  Ref<AirflowElement> element = add(p->airflowElements, e, "crack");
  const char* names[] = {"office", "hall", "attic"};
  for (int k = 0; k < 3; ++k) {
    Zone z = p->newZone();
    z.name = names[k];
    z.Vol = 40.0f;
    z.T0 = 293.15f;
    z.level = Levels::ref(k < 2 ? p->levels.lowest() : p->levels.highest());
    p->addZone(z);
  }
  auto path = [&](int from, int to, Ref<Level> level) {
    AirflowPath q;
    q.from = from < 0 ? Ref<Zone>::ambient() : p->zones.ref(from);
    q.to = p->zones.ref(to);
    q.element = element;
    q.level = level;
    q.mult = 1.0f;
    q.icn = 23;
    q.dir = 2;
    p->addPath(q);
  };
  path(1, 2, Levels::ref(p->levels.lowest()));
  path(-1, 1, Levels::ref(p->levels.lowest()));
  path(-1, 3, Levels::ref(p->levels.highest()));
  return p;
}

std::string projectText(Project& project, const ProjectFileInfo& info) {
  Diagnostics d;
  std::string text;
  EXPECT_TRUE(writeProjectText(d.reporter, project, info, text))
      << testing::PrintToString(d.messages());
  return text;
}

}  // namespace mz::test
