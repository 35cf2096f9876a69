#pragma once
// The type data of duct elements (types 28 to 40): a flow model, most of them shared with the
// airflow elements, followed by the description of the duct itself.

#include <array>
#include <cstdint>
#include <tuple>
#include <variant>

#include "model/AirflowTypes.h"

namespace mz {

// Cross-section, size and leakage of a duct.
struct DuctShape {
  float D = 0.2f;  // hydraulic or equivalent diameter, m
  float P = 0.6283185f;
  float A = 0.03141593f;
  float major = 0.2f, minor = 0.2f;
  float reserved = 0.0f;  // kept as read
  float leakageRate = 0.0f;
  float leakagePressure = 1.0f;
  std::int16_t shape = 0;  // 0 circle, 1 rectangle, 2 oval, 3 other
  // D, P, A, major, minor, leakage rate, leakage pressure.
  std::array<std::int16_t, 7> units{4, 4, 2, 4, 4, 0, 0};
  auto valueFields() {
    return std::tie(D, P, A, major, minor, reserved, leakageRate, leakagePressure);
  }
  auto unitFields() {
    return std::tie(shape, units[0], units[1], units[2], units[3], units[4], units[5], units[6]);
  }
};

struct DarcyColebrookData {        // "dct_dwc"
  float D = 0.0f, A = 0.0f;        // copies of the shape's values
  float relativeRoughness = 0.0f;  // eps / D
  float further = 0.0f;            // kept as read
  float eps = 0.00009f;            // roughness, m
  std::int16_t ueps = 4;
  auto fields() { return std::tie(eps, further, ueps); }
};

struct DuctOrificeData {  // "dct_plr"
  float laminar = 0.0f, C = 0.0f, n = 0.5f, A = 0.01f, D = 0.112838f, Cd = 0.6f;
  std::int16_t uA = 0, uD = 0;
  auto fields() { return std::tie(laminar, C, n, A, D, Cd, uA, uD); }
};

using DuctModel = std::variant<std::monostate, DarcyColebrookData, DuctOrificeData, PowerLawData,
                               FanData, ConstantFlowData, BackdraftData, SplineData>;

struct DuctData {
  DuctModel model;
  DuctShape shape;
};

// The type data of a new element of a duct type (28 to 40); an empty model for other codes.
DuctData defaultDuctData(std::int16_t type);

}  // namespace mz
