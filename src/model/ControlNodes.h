#pragma once
// Control nodes of the control network and the definitions of control super elements.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "foundation/Lists.h"
#include "foundation/Tables.h"
#include "model/Level.h"

namespace mz {

struct Species;
struct WeekSchedule;
struct DaySchedule;
struct ControlNode;
struct ControlSuperElement;

inline constexpr std::size_t kControlTypes = 50;
// The type names in code order; code 36 is the chooser's value of a new sensor ("sns" again).
inline constexpr std::array<std::string_view, kControlTypes> kControlTypeNames{
    "sns", "sch", "set", "cvf", "dvf", "log", "pas", "mod", "hys", "abs", "bin", "dls", "dlx",
    "int", "rav", "inv", "and", "or",  "xor", "add", "sub", "mul", "div", "sum", "avg", "max",
    "min", "lls", "uls", "lbs", "ubs", "llc", "ulc", "pc1", "pi1", "sup", "sns", "exp", "lgn",
    "lg1", "pow", "sqt", "ply", "sin", "cos", "tan", "mdu", "cel", "flr", "sph"};

namespace ControlType {
inline constexpr std::int16_t Sensor = 0, Schedule = 1, Constant = 2, Cvf = 3, Dvf = 4, Report = 5,
                              Modifier = 7, Hysteresis = 8, ScheduledDelay = 11,
                              ExponentialDelay = 12, RunningAverage = 14, Sum = 23, Average = 24,
                              Maximum = 25, Minimum = 26, LowerBand = 29, UpperBand = 30,
                              Proportional = 33, ProportionalIntegral = 34, Super = 35,
                              NewSensor = 36, Polynomial = 42, SuperPhantom = 49;
// What a type name outside the table reads as.
inline constexpr std::int16_t Unknown = 50;
}  // namespace ControlType

namespace SensorSource {
inline constexpr std::int16_t Zone = 1, Path = 2, Junction = 3, Duct = 4, Occupant = 5,
                              Terminal = 6;
}

struct SensorData {
  float offset = 0.0f, gain = 1.0f, timeConstant = 0.0f;
  float lastSignal = 0.0f;  // not kept when read
  // The sensed item: a record id in the table of the source type (the ambient id for the ambient
  // zone); `itemNumber` is its number as last read or written.
  RecordId item = 0;
  std::int32_t itemNumber = 0;
  std::int16_t source = SensorSource::Zone;
  std::int16_t measure = 0;
  float X = 0.0f, Y = 0.0f, relHt = 0.0f;
  std::int16_t unit = 0;
  Ref<Species> species;  // measure type 0 only
};

struct ScheduleSignal {  // "sch"
  Ref<WeekSchedule> schedule;
};

// One value: "set" (constant), "lbs" and "ubs" (band width), "pc1" (Kp).
struct ValueSignal {
  float value = 1.0f;
};

struct ValueFileSignal {  // "cvf", "dvf"
  std::string name;       // at most 15 characters
};

struct ReportData {  // "log"
  float offset = 0.0f, gain = 1.0f;
  std::int16_t defaults = 2;
  std::string header = "?";   // at most 31 characters
  std::string units = "n/a";  // at most 15 characters
};

struct ModifierData {  // "mod"
  float offset = 0.0f, gain = 1.0f;
};

struct HysteresisData {  // "hys"
  float slack = 0.05f, a = 0.0f, b = 0.0f;
};

struct ScheduledDelayData {  // "dls"
  Ref<DaySchedule> increasing, decreasing;
};

struct ExponentialDelayData {  // "dlx": time constants in seconds
  std::int32_t increasing = 0, decreasing = 0;
};

struct RunningAverageData {  // "rav"
  std::int32_t span = 10;    // s
};

struct MultipleInputData {  // "sum", "avg", "max", "min"
  std::vector<Ref<ControlNode>> inputs;
};

struct PiControllerData {  // "pi1"
  float Kp = 0.0f, Ki = 0.0f, a = 0.0f, b = 0.0f;
};

struct SuperInstanceData {  // "sup"
  std::int16_t value = 0;   // kept as read
  Ref<ControlSuperElement> definition;
  Ref<ControlNode> input, output;
  // The instance's own copies of the definition's sub-nodes, which follow it in the network.
  std::vector<Ref<ControlNode>> copies;
};

inline constexpr std::size_t kPolynomialCoefficients = 10;

struct PolynomialData {  // "ply": a0, a1, ..., at most kPolynomialCoefficients
  std::vector<float> coefficients{1.0f, 1.0f};
};

// A type name outside the table: the one integer that follows it, kept as read.
struct UnknownControlData {
  std::int32_t value = 0;
};

using ControlData =
    std::variant<std::monostate, SensorData, ScheduleSignal, ValueSignal, ValueFileSignal,
                 ReportData, ModifierData, HysteresisData, ScheduledDelayData, ExponentialDelayData,
                 RunningAverageData, MultipleInputData, PiControllerData, SuperInstanceData,
                 PolynomialData, UnknownControlData>;

// The type data of a new node of a type (empty for types without data).
ControlData defaultControlData(std::int16_t type);

struct ControlNode : ComponentHead {
  std::int16_t type = 0;
  std::int16_t sequence = 0;  // evaluation order; 0: not sequenced
  std::uint16_t flags = 0;
  std::int16_t inputCount = 0;
  Ref<ControlNode> input1, input2;
  std::string name = "<none>";
  std::string description;
  int phantoms = 0;  // phantom icons that refer to the node; not stored
  ControlData data;
};

inline constexpr std::size_t kSuperDescriptionLength = 254;

namespace SuperFlag {
inline constexpr std::uint16_t Complete = 0x01;
inline constexpr std::uint16_t HasSensors = 0x02;
}  // namespace SuperFlag

// A super element definition: a network of its own, drawn on its own SketchPad. Links between
// its sub-nodes name the sub-nodes by their ids within `nodes`.
struct ControlSuperElement : ElementHead {
  std::uint16_t flags = 0;
  Ref<ControlNode> input, output;
  std::vector<ControlNode> nodes;
  std::vector<LevelItem> items;

  ControlNode* node(Ref<ControlNode> ref);
  const ControlNode* node(Ref<ControlNode> ref) const;
  // The position (1-based) of a sub-node, 0 when the link names none.
  std::int32_t nodeNumber(Ref<ControlNode> ref) const;
};

}  // namespace mz
