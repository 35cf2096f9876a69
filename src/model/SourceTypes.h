#pragma once
// The type data of source/sink elements (types 0 to 13). `fields()` lists the values of a
// model's file line in their stored order.

#include <cstdint>
#include <tuple>
#include <variant>
#include <vector>

#include "foundation/Lists.h"

namespace mz {

struct SourceElement;

namespace SourceType {
inline constexpr std::int16_t Ccf = 0, Prs = 1, Cut = 2, Eds = 3, Bls = 4, Brs = 5, Dvs = 6,
                              Drs = 7, Dvr = 8, Sup = 9, Plm = 10, Pkm = 11, Sxd = 12, Dxd = 13;
inline constexpr std::int16_t Count = 14;
}  // namespace SourceType

// Two values with their two units: "ccf" (G, D), "cut" (G, Ccut), "eds" (Go, k), "dvs" (Vd, As).
struct TwoValueSource {
  float v1 = 0.0f, v2 = 0.0f;
  std::int16_t u1 = 0, u2 = 0;
  auto fields() { return std::tie(v1, v2, u1, u2); }
};

struct PressureSource {  // "prs"
  float G = 0.0f, n = 0.0f;
  std::int16_t uG = 0;
  auto fields() { return std::tie(G, n, uG); }
};

struct BoundaryLayerSource {  // "bls"
  float h = 0.0f, d = 0.0f, k = 0.0f, mass = 0.0f;
  std::int16_t uh = 0, ud = 0, umass = 0;
  auto fields() { return std::tie(h, d, k, mass, uh, ud, umass); }
};

// One value with its unit: "brs" (mass), "drs" (Kd).
struct OneValueSource {
  float value = 0.0f;
  std::int16_t unit = 0;
  auto fields() { return std::tie(value, unit); }
};

struct ResuspensionSink {  // "dvr"
  float Vd = 0.0f, r = 0.0f, Ad = 0.0f, Ar = 0.0f;
  std::int16_t uVd = 0, ur = 0, uAd = 0, uAr = 0;
  auto fields() { return std::tie(Vd, r, Ad, Ar, uVd, ur, uAd, uAr); }
};

// "plm" (a, b, tp, unit of Ep, unit of tp) and "pkm" (a, b, tp, unit of a, unit of tp).
struct EmissionModel {
  float a = 1.0f, b = 1.0f, tp = 1.0f;
  std::int16_t u1 = 29, u2 = 2;
  auto fields() { return std::tie(a, b, tp, u1, u2); }
};

struct SuperSource {  // "sup"
  std::vector<Ref<SourceElement>> subElements;
};

// "sxd" (two values) and "dxd" (four values): kept as read.
struct OpaqueSource {
  std::vector<float> values;
};

using SourceData =
    std::variant<std::monostate, TwoValueSource, PressureSource, BoundaryLayerSource,
                 OneValueSource, ResuspensionSink, EmissionModel, SuperSource, OpaqueSource>;

// The type data of a new element of a type; nothing for codes outside 0 to 13.
SourceData defaultSourceData(std::int16_t type);

}  // namespace mz
