// Control networks in the project file: the control node section, the sub-nodes of super
// element definitions, and the links resolved after the whole file.

#include "prjfile/PrjSections.h"

namespace mz {

namespace {

constexpr ReadMode kNewLine = ReadMode::FirstOfNextLine;
constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kUnitsSize = 16;

// The nodes of one network, wherever they are kept.
class Network {
 public:
  Network(Project& p, ControlSuperElement* super) : p_(p), super_(super) {}
  int count() const {
    return super_ ? static_cast<int>(super_->nodes.size()) : p_.controls.count();
  }
  ControlNode* at(int number) {
    if (!super_) return p_.controls.at(number);
    return number >= 1 && number <= count() ? &super_->nodes[std::size_t(number - 1)] : nullptr;
  }
  Ref<ControlNode> ref(int number) {
    ControlNode* n = at(number);
    return n ? Ref<ControlNode>{n->id} : Ref<ControlNode>{};
  }
  std::int32_t numberOf(Ref<ControlNode> ref) const {
    return super_ ? super_->nodeNumber(ref) : p_.controls.numberOf(ref);
  }

 private:
  Project& p_;
  ControlSuperElement* super_;
};

void readNodeData(ReadState& st, ControlNode& node, std::vector<std::int32_t>& inputs,
                  std::array<std::int32_t, 3>& instance) {
  PrjInput& in = st.in;
  Project& p = st.project;
  node.data = defaultControlData(node.type);
  std::visit(
      [&](auto& d) {
        using D = std::decay_t<decltype(d)>;
        if constexpr (std::is_same_v<D, SensorData>) {
          d.offset = in.f(kNewLine);
          d.gain = in.f();
          d.timeConstant = in.f();
          in.f();  // the last signal is not kept
          d.lastSignal = 0.0f;
          d.itemNumber = in.i();
          d.source = in.s();
          d.measure = in.s();
          d.X = in.f();
          d.Y = in.f();
          d.relHt = in.f();
          d.unit = in.s();
          std::string species = in.name();
          if (!in.failed() && d.measure == 0 && species != "none")
            d.species = ElementList<Species>::ref(p.species.findElementOrSay(in.reporter, species));
        } else if constexpr (std::is_same_v<D, ScheduleSignal>) {
          std::int32_t n = in.i(kNewLine);
          if (in.checkRef(n, 0, st.weeks.size(), "Invalid week-schedule number, node ",
                          node.number))
            d.schedule = st.weeks.at(n);
        } else if constexpr (std::is_same_v<D, ValueSignal>) {
          d.value = in.f(kNewLine);
        } else if constexpr (std::is_same_v<D, ValueFileSignal>) {
          std::string name;
          if (!in.in.readToken(name, kNewLine, kNameSize))
            in.error("PRJ read error: ", node.number);
          d.name = name;
        } else if constexpr (std::is_same_v<D, ReportData>) {
          d.offset = in.f(kNewLine);
          d.gain = in.f();
          d.defaults = in.s();
          d.header = in.name(kHeaderSize);
          d.units = in.name(kUnitsSize);
        } else if constexpr (std::is_same_v<D, ModifierData>) {
          d.offset = in.f(kNewLine);
          d.gain = in.f();
        } else if constexpr (std::is_same_v<D, HysteresisData>) {
          d.slack = in.f(kNewLine);
          d.a = in.f();
          d.b = in.f();
        } else if constexpr (std::is_same_v<D, ScheduledDelayData>) {
          std::int32_t up = in.i(kNewLine), down = in.i();
          if (in.checkRef(up, 0, st.days.size(), "Invalid day-schedule number, node ",
                          node.number) &&
              in.checkRef(down, 0, st.days.size(), "Invalid day-schedule number, node ",
                          node.number)) {
            d.increasing = st.days.at(up);
            d.decreasing = st.days.at(down);
          }
        } else if constexpr (std::is_same_v<D, ExponentialDelayData>) {
          d.increasing = in.in.readTime(kNewLine);
          d.decreasing = in.in.readTime();
        } else if constexpr (std::is_same_v<D, RunningAverageData>) {
          d.span = in.in.readTime(kNewLine);
        } else if constexpr (std::is_same_v<D, MultipleInputData>) {
          std::optional<int> n = in.count();
          if (!n) return;
          for (int k = 0; k < *n && !in.failed(); ++k) inputs.push_back(in.i());
        } else if constexpr (std::is_same_v<D, PiControllerData>) {
          d.Kp = in.f(kNewLine);
          d.Ki = in.f();
          d.a = in.f();
          d.b = in.f();
        } else if constexpr (std::is_same_v<D, SuperInstanceData>) {
          d.value = in.s(kNewLine);
          instance = {in.i(), in.i(), in.i()};
        } else if constexpr (std::is_same_v<D, PolynomialData>) {
          std::optional<int> order = in.count();
          if (!order) return;
          if (static_cast<std::size_t>(*order) >= kPolynomialCoefficients) {
            in.error("More than 10 polynomial coefficients, node ", node.number);
            return;
          }
          d.coefficients.assign(static_cast<std::size_t>(*order + 1), 0.0f);
          for (float& a : d.coefficients) a = in.f();
        } else if constexpr (std::is_same_v<D, UnknownControlData>) {
          d.value = in.i(kNewLine);
        }
      },
      node.data);
}

}  // namespace

bool readNodes(ReadState& st, int count, ControlSuperElement* super) {
  PrjInput& in = st.in;
  Project& p = st.project;
  Network net(p, super);
  struct Links {
    std::int32_t in1, in2;
    std::vector<std::int32_t> inputs;
    std::array<std::int32_t, 3> instance{};
  };
  std::vector<Links> links(static_cast<std::size_t>(count));
  if (super) super->nodes.reserve(static_cast<std::size_t>(count));
  for (int n = 1; n <= count; ++n) {
    if (!in.number(n, "Control number mis-match: ")) return false;
    ControlNode node;
    node.number = n;
    std::string keyword = in.name();
    std::size_t type = lookupKeyword(in.reporter, keyword, kControlTypeNames);
    node.type = static_cast<std::int16_t>(type);
    node.sequence = in.s();
    node.flags = in.us();
    node.inputCount = in.s();
    Links& l = links[std::size_t(n - 1)];
    l.in1 = in.i();
    l.in2 = in.i();
    node.name = in.name();
    node.description = in.line(kDescriptionLength);
    if (in.failed()) return false;
    if (node.type == ControlType::NewSensor || node.type > ControlType::Unknown + 1) {
      in.error("Invalid control type ", node.type);
      return false;
    }
    if (!in.checkRef(l.in1, 0, count, "Invalid control node number, node ", n) ||
        !in.checkRef(l.in2, 0, count, "Invalid control node number, node ", n))
      return false;
    readNodeData(st, node, l.inputs, l.instance);
    if (in.failed()) return false;
    if (super) {
      node.id = static_cast<RecordId>(n);
      super->nodes.push_back(std::move(node));
    } else {
      p.controls.put(node, n);
    }
  }
  // Links within the network, now that every node exists.
  for (int n = 1; n <= count; ++n) {
    ControlNode& node = *net.at(n);
    Links& l = links[std::size_t(n - 1)];
    node.input1 = net.ref(l.in1);
    node.input2 = net.ref(l.in2);
    if (auto* multi = std::get_if<MultipleInputData>(&node.data)) {
      for (std::int32_t k : l.inputs) {
        if (!in.checkRef(k, 1, count, "Invalid control node number, node ", n)) return false;
        multi->inputs.push_back(net.ref(k));
      }
    } else if (auto* inst = std::get_if<SuperInstanceData>(&node.data)) {
      auto [def, input, output] = l.instance;
      if (!in.checkRef(def, 1, st.supers.size(), "Invalid super element number, node ", n) ||
          !in.checkRef(input, 0, count, "Invalid control node number, node ", n) ||
          !in.checkRef(output, 0, count, "Invalid control node number, node ", n))
        return false;
      inst->definition = st.supers.at(def);
      inst->input = net.ref(input);
      inst->output = net.ref(output);
      const ControlSuperElement* definition = p.superElements.find(inst->definition);
      int copies = static_cast<int>(definition->nodes.size());
      if (n + copies > count) {
        in.error("Missing sub-nodes of super element instance, node ", n);
        return false;
      }
      for (int k = 1; k <= copies; ++k) inst->copies.push_back(net.ref(n + k));
    } else if (auto* sensor = std::get_if<SensorData>(&node.data)) {
      st.sensors.push_back({sensor, n});
    }
  }
  return true;
}

bool resolveControls(ReadState& st) {
  PrjInput& in = st.in;
  Project& p = st.project;
  for (const PendingSensor& pending : st.sensors) {
    SensorData& s = *pending.sensor;
    std::int32_t n = s.itemNumber;
    auto invalid = [&] {
      in.error("Invalid sensor item number, node ", pending.owner);
      return false;
    };
    switch (s.source) {
      case SensorSource::Zone:
        if (n < -1 || n > p.zones.count()) return invalid();
        s.item = p.zoneRef(n).id;
        break;
      case SensorSource::Path:
        if (n < 0 || n > p.paths.count()) return invalid();
        s.item = p.paths.ref(n).id;
        break;
      case SensorSource::Junction:
      case SensorSource::Terminal:
        if (n < 0 || n > p.junctions.count()) return invalid();
        s.item = p.junctions.ref(n).id;
        break;
      case SensorSource::Duct:
        if (n < 0 || n > p.ducts.count()) return invalid();
        s.item = p.ducts.ref(n).id;
        break;
      case SensorSource::Occupant:
        if (n < 0 || n > p.exposures.count()) return invalid();
        s.item = p.exposures.ref(n).id;
        break;
      default:
        in.reporter.report(Severity::Error, {" Unidentified sensor type"});
        return false;
    }
  }
  // Phantom counts from the phantom icons of every level.
  for (std::size_t l = 0; l < p.levels.size(); ++l)
    for (const LevelItem& item : p.levels[l].items)
      if (item.code == 186)
        if (ControlNode* node = p.controls.at(item.number)) node->phantoms++;
  return true;
}

namespace {

std::int32_t sensorItemNumber(PrjOutput& out, Project& p, const SensorData& s) {
  switch (s.source) {
    case SensorSource::Zone:
      return p.zoneNumber(Ref<Zone>{s.item});
    case SensorSource::Path:
      return p.paths.numberOf(Ref<AirflowPath>{s.item});
    case SensorSource::Junction:
    case SensorSource::Terminal:
      return p.junctions.numberOf(Ref<Junction>{s.item});
    case SensorSource::Duct:
      return p.ducts.numberOf(Ref<DuctSegment>{s.item});
    case SensorSource::Occupant:
      return p.exposures.numberOf(Ref<Exposure>{s.item});
    default:
      out.reporter().report(Severity::Error, {" Unidentified sensor pointer"});
      return s.itemNumber;
  }
}

void writeNodeData(PrjOutput& out, Project& p, const ControlNode& node, Network& net) {
  std::visit(
      [&](const auto& d) {
        using D = std::decay_t<decltype(d)>;
        if constexpr (std::is_same_v<D, SensorData>) {
          const Species* species = p.species.find(d.species);
          std::string name = d.measure == 0 && species ? species->name : std::string("none");
          out.format(" %g %g %g %g %d %d %d %7.3f %7.3f %7.3f %d ", double(d.offset),
                     double(d.gain), double(d.timeConstant), double(d.lastSignal),
                     sensorItemNumber(out, p, d), d.source, d.measure, double(d.X), double(d.Y),
                     double(d.relHt), d.unit);
          out.name(name);
          out.put("\n");
        } else if constexpr (std::is_same_v<D, ScheduleSignal>) {
          const WeekSchedule* w = p.weekSchedules.find(d.schedule);
          out.format(" %d\n", w ? w->number : 0);
        } else if constexpr (std::is_same_v<D, ValueSignal>) {
          out.format(" %g\n", double(d.value));
        } else if constexpr (std::is_same_v<D, ValueFileSignal>) {
          out.put(" ");
          out.name(d.name);
          out.put("\n");
        } else if constexpr (std::is_same_v<D, ReportData>) {
          out.format(" %g %g %d ", double(d.offset), double(d.gain), d.defaults);
          out.name(d.header, kHeaderSize);
          out.put(" ");
          out.name(d.units, kUnitsSize);
          out.put("\n");
        } else if constexpr (std::is_same_v<D, ModifierData>) {
          out.format(" %g %g\n", double(d.offset), double(d.gain));
        } else if constexpr (std::is_same_v<D, HysteresisData>) {
          out.format(" %g %g %g\n", double(d.slack), double(d.a), double(d.b));
        } else if constexpr (std::is_same_v<D, ScheduledDelayData>) {
          const DaySchedule* up = p.daySchedules.find(d.increasing);
          const DaySchedule* down = p.daySchedules.find(d.decreasing);
          out.format(" %d %d\n", up ? up->number : 0, down ? down->number : 0);
        } else if constexpr (std::is_same_v<D, ExponentialDelayData>) {
          out.format(" %s %s\n", formatTime(d.increasing).c_str(),
                     formatTime(d.decreasing).c_str());
        } else if constexpr (std::is_same_v<D, RunningAverageData>) {
          out.format(" %s\n", formatTime(d.span).c_str());
        } else if constexpr (std::is_same_v<D, MultipleInputData>) {
          out.format(" %d ", static_cast<int>(d.inputs.size()));
          for (Ref<ControlNode> input : d.inputs) {
            std::int32_t number = net.numberOf(input);
            if (number == 0) out.error("Invalid control node number, node ", node.number);
            out.format(" %d", number);
          }
          out.put("\n");
        } else if constexpr (std::is_same_v<D, PiControllerData>) {
          out.format(" %g %g %g %g\n", double(d.Kp), double(d.Ki), double(d.a), double(d.b));
        } else if constexpr (std::is_same_v<D, SuperInstanceData>) {
          const ControlSuperElement* def = p.superElements.find(d.definition);
          if (!def) out.error("Invalid super element number, node ", node.number);
          out.format(" %d %d %d %d\n", d.value, def ? def->number : 0, net.numberOf(d.input),
                     net.numberOf(d.output));
        } else if constexpr (std::is_same_v<D, PolynomialData>) {
          if (d.coefficients.empty() || d.coefficients.size() > kPolynomialCoefficients)
            out.error("More than 10 polynomial coefficients, node ", node.number);
          out.format(" %d", static_cast<int>(d.coefficients.size()) - 1);
          for (float a : d.coefficients) out.format(" %g", double(a));
          out.put("\n");
        } else {
          out.put("\n");
        }
      },
      node.data);
}

}  // namespace

void writeNodes(PrjOutput& out, Project& p, const ControlSuperElement* super) {
  Network net(p, const_cast<ControlSuperElement*>(super));
  int count = net.count();
  if (count > 0) out.put("! # typ seq f n  c1  c2 name\n");
  for (int n = 1; n <= count; ++n) {
    const ControlNode* node = net.at(n);
    if (!node) out.reporter().fatal({"Null pointer - control: ", formatInt(n)});
    if (node->number != n) out.reporter().report(Severity::Error, {"Controls out of order"});
    bool known = node->type >= 0 && node->type < static_cast<int>(kControlTypes) &&
                 node->type != ControlType::NewSensor;
    std::string_view keyword = known ? kControlTypeNames[std::size_t(node->type)] : "???";
    out.format("%3d %3s %3d %1u %1d %3d %3d ", n, std::string(keyword).c_str(), node->sequence,
               static_cast<unsigned>(node->flags), node->inputCount, net.numberOf(node->input1),
               net.numberOf(node->input2));
    out.name(node->name);
    out.put("\n");
    out.wholeLine(node->description, kDescriptionLength);
    if (!known) {
      out.error("Invalid element type ", node->type);
      continue;
    }
    writeNodeData(out, p, *node, net);
  }
}

void writeControlNodes(PrjOutput& out, Project& p) {
  out.count(p.controls.count(), "control nodes");
  writeNodes(out, p, nullptr);
  out.end();
}

void writeSuperElements(PrjOutput& out, Project& p) {
  out.count(static_cast<long>(p.superElements.size()), "control super elements");
  if (!p.superElements.empty()) out.put("! #   f  in out  nn  ni name\n");
  for (const ControlSuperElement& e : p.superElements.all()) {
    out.format("%3d %3d", e.number, static_cast<int>(e.flags));
    out.format(" %3d", e.nodeNumber(e.input));
    out.format(" %3d", e.nodeNumber(e.output));
    out.format(" %3d %3d ", static_cast<int>(e.nodes.size()), static_cast<int>(e.items.size()));
    out.name(e.name);
    out.put("\n");
    out.wholeLine(e.description, kSuperDescriptionLength);
    out.count(static_cast<long>(e.nodes.size()), "sub-nodes");
    writeNodes(out, p, &e);
    for (const LevelItem& item : e.items)
      out.format(" %3d %3d %3d %3d\n", item.code, item.column, item.row, item.number);
  }
  out.end();
}

}  // namespace mz
