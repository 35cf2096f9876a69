#pragma once
// The type data of airflow elements (types 0 to 27) and the parts that duct elements share with
// them. Each model is a plain struct; `fields()` lists the values of its one file line in their
// stored order, so the project file reader and writer handle most models alike.

#include <array>
#include <cstdint>
#include <tuple>
#include <variant>
#include <vector>

#include "foundation/Lists.h"

namespace mz {

struct AirflowElement;

// Powerlaw models with a laminar branch: "plr_qcn", "plr_fcn", "dct_fcn", "dct_qcn".
struct PowerLawData {
  float laminar = 0.0f, C = 0.01f, n = 0.5f;
  auto fields() { return std::tie(laminar, C, n); }
};

struct OrificeData {  // "plr_orfc"
  float laminar = 0.0f, C = 0.0f, n = 0.5f;
  float A = 0.01f, D = 0.112838f, Cd = 0.6f, Re = 30.0f;
  std::int16_t uA = 0, uD = 0;
  auto fields() { return std::tie(laminar, C, n, A, D, Cd, Re, uA, uD); }
};

struct LeakageData {  // "plr_leak1", "plr_leak2", "plr_leak3"
  float laminar = 0.0f, C = 0.0f, n = 0.65f, Cd = 0.6f, dPr = 10.0f;
  float perItem = 0.0f, perLength = 0.0f, perArea = 0.0f;
  std::int16_t uItem = 2, uLength = 2, uArea = 2, udPr = 0;
  auto fields() {
    return std::tie(laminar, C, n, Cd, dPr, perItem, perLength, perArea, uItem, uLength, uArea,
                    udPr);
  }
};

struct ConnectionData {  // "plr_conn"
  float laminar = 0.0f, C = 0.0f, n = 0.5f, A = 0.01f, Cf = 0.6f;
  std::int16_t uA = 0;
  auto fields() { return std::tie(laminar, C, n, A, Cf, uA); }
};

struct TestPointData {  // "plr_test1"
  float laminar = 0.0f, C = 0.0f, n = 0.5f, dP = 4.0f, F = 0.019f;
  std::int16_t udP = 0, uF = 0;
  auto fields() { return std::tie(laminar, C, n, dP, F, udP, uF); }
};

struct TwoTestPointData {  // "plr_test2"
  float laminar = 0.0f, C = 0.0f, n = 0.5f;
  float dP1 = 4.0f, F1 = 0.019f, dP2 = 10.0f, F2 = 0.029f;
  std::array<std::int16_t, 4> units{};
  auto fields() {
    return std::tie(laminar, C, n, dP1, F1, dP2, F2, units[0], units[1], units[2], units[3]);
  }
};

struct CrackData {  // "plr_crack"
  float laminar = 0.0f, C = 0.0f, n = 0.5f, L = 2.0f, W = 0.002f;
  std::int16_t uL = 0, uW = 4;
  auto fields() { return std::tie(laminar, C, n, L, W, uL, uW); }
};

struct StairwellData {  // "plr_stair"
  float laminar = 0.0f, C = 0.0f, n = 0.5f, H = 3.0f, A = 12.5f, people = 0.0f;
  std::int16_t treads = 0;  // 1 open treads, 0 closed
  std::int16_t uA = 0, uH = 0;
  auto fields() { return std::tie(laminar, C, n, H, A, people, treads, uA, uH); }
};

struct ShaftData {  // "plr_shaft"
  float laminar = 0.0f, C = 0.0f, n = 0.0f, H = 3.0f, A = 6.0f, P = 10.0f, e = 0.1f;
  std::array<std::int16_t, 4> units{};  // A, H, P, e
  auto fields() {
    return std::tie(laminar, C, n, H, A, P, e, units[0], units[1], units[2], units[3]);
  }
};

// Backdraft dampers: "plr_bdq", "plr_bdf", "dct_bdq", "dct_bdf".
struct BackdraftData {
  float laminar = 0.0f, Cpos = 0.01f, npos = 0.5f, Cneg = 0.0001f, nneg = 0.5f;
  auto fields() { return std::tie(laminar, Cpos, npos, Cneg, nneg); }
};

struct QuadraticData {  // "qfr_qab", "qfr_fab"
  float a = 0.0f, b = 0.0f;
  auto fields() { return std::tie(a, b); }
};

struct QuadraticCrackData {  // "qfr_crack"
  float a = 0.0f, b = 0.0f, L = 2.0f, W = 0.002f, d = 0.05f;
  std::int16_t bends = 2;
  std::int16_t uL = 0, uW = 4, ud = 2;
  auto fields() { return std::tie(a, b, L, W, d, bends, uL, uW, ud); }
};

struct QuadraticTestData {  // "qfr_test2"
  float a = 0.0f, b = 0.0f, dP1 = 4.0f, F1 = 0.019f, dP2 = 10.0f, F2 = 0.029f;
  std::array<std::int16_t, 4> units{};
  auto fields() { return std::tie(a, b, dP1, F1, dP2, F2, units[0], units[1], units[2], units[3]); }
};

struct DoorData {  // "dor_door"
  float laminar = 0.0f, C = 0.0f, n = 0.5f, dTmin = 0.01f, h = 2.0f, w = 0.8f, Cd = 0.78f;
  std::int16_t udT = 0, uh = 0, uw = 0;
  auto fields() { return std::tie(laminar, C, n, dTmin, h, w, Cd, udT, uh, uw); }
};

struct TwoOpeningData {  // "dor_pl2"
  float laminar = 0.0f, C = 0.0f, n = 0.5f, dh = 0.0f, h = 2.0f, w = 0.8f, Cd = 0.78f;
  std::int16_t uh = 0, uw = 0;
  auto fields() { return std::tie(laminar, C, n, dh, h, w, Cd, uh, uw); }
};

// Constant flows: "fan_cmf", "fan_cvf", "dct_cmf", "dct_cvf".
struct ConstantFlowData {
  float flow = 1.0f;
  std::int16_t unit = 0;
  auto fields() { return std::tie(flow, unit); }
};

inline constexpr std::size_t kFanPoints = 10;

struct FanPoint {
  float F = 0.0f, dP = 0.0f, dPr = 0.0f;
  std::int16_t uF = 0, udP = 0, udPr = 0;
};

// Fan performance curve: "fan_fan", "dct_fan".
struct FanData {
  float laminar = 0.0f, C = 0.0f, n = 0.5f, rhoref = 1.2041f;
  float freeFlow = 0.0f, shutoff = 0.0f, cutoff = 0.1f;
  std::array<float, 4> c{};  // c0..c3 of the fitted cubic
  float Ao = 0.01f;          // equivalent orifice area for fan-off conditions
  std::int16_t uAo = 0;
  std::vector<FanPoint> points;  // at most kFanPoints
  auto headFields() { return std::tie(laminar, C, n, rhoref, freeFlow, shutoff, cutoff); }
};

inline constexpr std::size_t kSplinePoints = 256;

// Cubic spline models: "csf_fsp" to "csf_psq", "dct_fsp" to "dct_psq".
struct SplineData {
  std::vector<float> x, y;  // equal sizes, at most kSplinePoints
  std::int16_t ux = 0, uy = 0;
};

// One sub-element of a super airflow element.
struct SuperSubElement {
  Ref<AirflowElement> element;
  float relHt = 0.0f;  // m, relative elevation
  bool filtered = false;
  bool schedulable = false;
};

// The type data of a super airflow element (type 27).
struct SuperAirflowData {
  std::vector<SuperSubElement> subElements;
  std::int16_t relHtUnit = 0;
};

using AirflowData =
    std::variant<std::monostate, OrificeData, LeakageData, ConnectionData, PowerLawData,
                 TestPointData, TwoTestPointData, CrackData, StairwellData, ShaftData,
                 BackdraftData, QuadraticData, QuadraticCrackData, QuadraticTestData, DoorData,
                 TwoOpeningData, ConstantFlowData, FanData, SplineData, SuperAirflowData>;

// The type data of a new element of an airflow type (0 to 27); nothing for other codes.
AirflowData defaultAirflowData(std::int16_t type);

// Air properties of the element models.
inline constexpr double kAirDensity = 1.2041;        // kg/m3
inline constexpr double kAirViscosity = 1.81625e-5;  // kg/(m s)

enum class FlowForm { Volume, Mass, DensityRoot };
// The laminar coefficient that meets the turbulent branch C dP^n where the Reynolds number in an
// opening of area A and diameter D reaches Re.
double laminarCoefficient(double C, double n, double A, double D, double Re, FlowForm form);

}  // namespace mz
