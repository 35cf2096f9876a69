#include "CheckFixture.h"

#include "sketchpad/SketchProject.h"
#include "sketchpad/SketchSymbols.h"
#include "sketchpad/SketchText.h"

namespace mz::test {

Level& CheckFixture::addLevel(std::string_view text) {
  std::string error;
  const std::optional<SketchText> parsed = parseSketchText(text, &error);
  EXPECT_TRUE(parsed) << error;
  if (!pad.allocated()) pad.allocateLayers(parsed->rows, parsed->columns);
  Level& level = project.addLevel(project.levels.highest());
  level.items = parsed->items;
  const Ref<Level> ref = Levels::ref(&level);
  for (const LevelItem& item : level.items) {
    const std::int32_t n = item.number;
    if (n <= 0) continue;
    const auto origin = static_cast<float>(n);
    if (item.code == icon::kZone && !project.zones.at(n)) {
      Zone zone = project.newZone();
      zone.name = "Z" + std::to_string(n);
      zone.level = ref;
      zone.Vol = 10.0f;
      project.putZone(zone, n);
    } else if ((isPathIcon(item.code) || item.code == icon::kSupply ||
                item.code == icon::kReturn) &&
               !project.paths.at(n)) {
      AirflowPath path = project.newPath({});
      path.level = ref;
      path.X = origin;
      if (!isPathIcon(item.code)) path.flags = PathFlag::AhsPoint;
      project.putPath(path, n);
    } else if (item.code == icon::kSourceSink && !project.sourceSinks.at(n)) {
      SourceSink source = project.newSourceSink();
      source.mult = origin;
      project.putCss(source, n);
    } else if (item.code == icon::kExposure && !project.exposures.at(n)) {
      project.putExposure(project.newExposure(), n);
    } else if (item.code == icon::kAnnotation && !project.annotations.at(n)) {
      project.putNote(Annotation{}, n);
    } else if (item.code >= icon::kSegmentUp && item.code <= icon::kSegmentLeft &&
               !project.ducts.at(n)) {
      project.putDuct(project.newDuct(0), n);
    } else if (hasFlag(item.code, flag::kJunction) && !project.junctions.at(n)) {
      Junction junction = project.newJunction(item.code);
      junction.level = ref;
      junction.X = origin;
      if (item.code >= kTerminalIcon) junction.t = JunctionKind::Terminal;
      project.putJunction(junction, n);
    }
  }
  return level;
}

void CheckFixture::open() {
  show(*project.levels.lowest());
}

void CheckFixture::show(Level& level) {
  project.currentLevel = Levels::ref(&level);
  showLevel(pad, project.levels, level);
}

std::vector<std::string> CheckFixture::texts() const {
  std::vector<std::string> out;
  for (const Problem& p : problems.displayed()) out.push_back(p.text);
  return out;
}

std::vector<LevelItem> CheckFixture::itemsOf(const Level& level, std::uint8_t code) const {
  std::vector<LevelItem> out;
  for (const LevelItem& item : level.items)
    if (item.code == code) out.push_back(item);
  return out;
}

std::vector<std::string> CheckFixture::zoneNames() const {
  std::vector<std::string> out;
  for (int n = 1; n <= project.zones.count(); ++n) {
    const Zone* zone = project.zones.at(n);
    out.push_back(zone ? zone->name : "-");
  }
  return out;
}

std::vector<int> CheckFixture::pathOrigins() const {
  std::vector<int> out;
  for (int n = 1; n <= project.paths.count(); ++n) {
    const AirflowPath* path = project.paths.at(n);
    out.push_back(path ? static_cast<int>(path->X) : -1);
  }
  return out;
}

AirflowElement& CheckFixture::addAirflowElement(std::string name, std::int16_t type,
                                                std::uint8_t icon) {
  AirflowElement element;
  element.name = std::move(name);
  element.type = type;
  element.icon = icon;
  return project.airflowElements.addElement(element);
}

}  // namespace mz::test
