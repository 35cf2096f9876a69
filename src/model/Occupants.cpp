#include "model/Occupants.h"

#include "model/Project.h"

namespace mz {

SourceSink Project::newSourceSink() const {
  SourceSink css;
  css.mult = 1.0f;
  return css;
}

Exposure Project::newExposure() const {
  Exposure exposure;
  exposure.exposure.assign(contaminants.size(), 0.0f);
  exposure.dose.assign(contaminants.size(), 0.0f);
  return exposure;
}

}  // namespace mz
