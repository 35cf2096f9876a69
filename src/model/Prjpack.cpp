#include "model/Prjpack.h"

#include <optional>

#include "foundation/Formats.h"
#include "model/Project.h"

namespace mz {

namespace {

struct IconRule {
  const char* what;  // "zone", "path", ...
  long lo, hi;       // the valid numbers
  bool repairable;
  std::int32_t repair;
  const char* tail;
};

constexpr const char* kUndefined = "\nThe icon has been set to undefined.";
constexpr const char* kCorrected = "\nThe icon has been corrected.";

std::optional<IconRule> ruleFor(std::uint8_t code, const Project& p) {
  auto in = [code](int lo, int hi) { return code >= lo && code <= hi; };
  const long zones = p.zones.count();
  if (code == 5 || code == 6) return IconRule{"zone", -2, zones, true, -2, kUndefined};
  if (code == 7) return IconRule{"AMBT", -1, -1, true, -1, kCorrected};
  if (code == 11 || code == 12 || in(14, 22)) return IconRule{"wall", 0, 0, true, 0, kCorrected};
  if (in(23, 25) || in(27, 31) || code == 128 || code == 129)
    return IconRule{"path", 0, p.paths.count(), true, 0, kUndefined};
  if (code == 42) return IconRule{"note", 0, p.annotations.count(), true, 0, kUndefined};
  if (code == 130) return IconRule{"AHS", 0, static_cast<long>(p.ahs.size()), true, 0, kUndefined};
  if (code == 131) return IconRule{"exposure", 0, p.exposures.count(), true, 0, kUndefined};
  if (code == 133) return IconRule{"source", 0, p.sourceSinks.count(), true, 0, kUndefined};
  if (in(145, 151)) return IconRule{"duct", 0, p.ducts.count(), true, 0, kUndefined};
  if (in(154, 157))
    return IconRule{"duct", 1, p.ducts.count(), false, 0, "\nThis icon cannot be undefined."};
  if (in(158, 164)) return IconRule{"junction", 0, p.junctions.count(), true, 0, kUndefined};
  if (in(168, 180)) return IconRule{"link", 0, p.controls.count(), true, 0, kUndefined};
  if (in(181, 187)) return IconRule{"control", 0, p.controls.count(), true, 0, kUndefined};
  return std::nullopt;
}

}  // namespace

bool checkIcons(ErrorReporter& reporter, Project& project) {
  bool failed = false;
  for (std::size_t l = 0; l < project.levels.size(); ++l) {
    Level& level = project.levels[l];
    for (LevelItem& item : level.items) {
      std::string text = cformat(": level %d icon (%d %d %d %d)", level.number, item.code,
                                 item.column, item.row, item.number);
      std::optional<IconRule> rule = ruleFor(item.code, project);
      if (!rule) {
        reporter.report(Severity::Error, {"Invalid icon", text});
        failed = true;
        continue;
      }
      // Zone icons name -2 (undefined), -1 (ambient) or a zone, never 0.
      bool valid = item.number >= rule->lo && item.number <= rule->hi &&
                   !(rule->lo == -2 && item.number == 0);
      if (valid) continue;
      reporter.report(Severity::Error, {cformat("Invalid %s #", rule->what), text, rule->tail});
      if (rule->repairable)
        item.number = rule->repair;
      else
        failed = true;
    }
  }
  return failed;
}

}  // namespace mz
