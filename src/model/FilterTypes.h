#pragma once
// The type data of filter elements.

#include <cstdint>
#include <variant>
#include <vector>

#include "foundation/Lists.h"

namespace mz {

struct Species;
struct FilterElement;

inline constexpr std::size_t kFilterPoints = 256;

struct SpeciesEfficiency {
  Ref<Species> species;
  float efficiency = 0.0f;
};

struct EfficiencyPoint {
  float x = 0.0f;  // particle size (m) or relative loading (kg/kg)
  float efficiency = 0.0f;
};

struct ConstantEfficiencyData {  // "cef"
  std::vector<SpeciesEfficiency> species;
};

struct ParticleFilterData {             // "pf0"
  std::vector<EfficiencyPoint> points;  // at most kFilterPoints
  std::int16_t sizeUnit = 0;
};

struct GaseousSpecies {
  Ref<Species> species;
  float breakthrough = 0.0f;
  std::vector<EfficiencyPoint> points;  // at most kFilterPoints
};

struct GaseousFilterData {  // "gf0"
  std::vector<GaseousSpecies> species;
};

struct SuperFilterData {  // "spf"
  std::vector<Ref<FilterElement>> subElements;
};

using FilterData = std::variant<std::monostate, ConstantEfficiencyData, ParticleFilterData,
                                GaseousFilterData, SuperFilterData>;

}  // namespace mz
