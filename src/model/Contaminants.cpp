// The contaminant list: which species are simulated and in which order.

#include <algorithm>
#include <cmath>

#include "model/Project.h"

namespace mz {

namespace {

constexpr std::string_view kWaterVapour = "H2O";

}  // namespace

bool Project::setContaminants(ErrorReporter& reporter) {
  std::vector<const Species*> nonTrace, trace;
  double nonTraceSum = 0.0;
  for (const Species& s : species.all()) {
    if (s.s != 1) continue;
    if (s.t == 1) {
      nonTrace.push_back(&s);
      if (s.name != kWaterVapour) nonTraceSum += s.CCdef;
    } else {
      trace.push_back(&s);
    }
  }
  // A refused list leaves everything as it was, the run control included.
  if (nonTrace.size() == 1) {
    reporter.showMessage(1, {"More than one non-trace contaminants required."});
    return false;
  }
  if (!nonTrace.empty() && std::fabs(nonTraceSum - 1.0) > 0.01) {
    reporter.showMessage(1, {"Concentrations of non-trace contaminants should sum to 1"});
    return false;
  }
  if (!nonTrace.empty()) settings.runControl.tsdens = 1;

  std::stable_sort(nonTrace.begin(), nonTrace.end(),
                   [](const Species* a, const Species* b) { return a->CCdef > b->CCdef; });
  std::vector<Ref<Species>> order;
  std::vector<float> defaults;
  for (const auto* group : {&nonTrace, &trace})
    for (const Species* s : *group) {
      order.push_back(ElementList<Species>::ref(s));
      defaults.push_back(s->CCdef);
    }

  bool same = order == contaminants;
  contaminants = std::move(order);
  contaminantDefaults = std::move(defaults);
  waterVapour = findWaterVapour();
  if (same) return true;

  for (int n = 1; n <= zones.capacity(); ++n)
    if (Zone* z = zones.at(n)) z->CC0 = contaminantDefaults;
  for (int n = 1; n <= junctions.capacity(); ++n)
    if (Junction* j = junctions.at(n)) j->CC0 = contaminantDefaults;
  for (int n = 1; n <= exposures.capacity(); ++n)
    if (Exposure* e = exposures.at(n)) {
      e->exposure.assign(contaminants.size(), 0.0f);
      e->dose.assign(contaminants.size(), 0.0f);
    }
  marks.modified = true;
  return true;
}

int Project::findWaterVapour() const {
  for (std::size_t i = 0; i < contaminants.size(); ++i) {
    const Species* s = species.find(contaminants[i]);
    if (s && s->name == kWaterVapour) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace mz
