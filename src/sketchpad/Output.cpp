#include "sketchpad/Output.h"

#include <algorithm>
#include <cstdlib>

#include "sketchpad/SketchGlyphs.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {

namespace {

int ownColour(const std::vector<std::int16_t>& colours, int number) {
  if (number <= 0 || static_cast<std::size_t>(number) >= colours.size()) return -1;
  return colours[static_cast<std::size_t>(number)];
}

class CellPainter {
 public:
  CellPainter(const SketchPad& pad, const RenderScene& scene, PixelBuffer& buffer)
      : pad_(pad), scene_(scene), font_(glyphFont(scene.cellSize)), buffer_(buffer) {}

  void paint(int row, int column, int x0, int y0) {
    x0_ = x0;
    y0_ = y0;
    const bool cursor =
        scene_.cursor && scene_.cursor->row == row && scene_.cursor->column == column;
    fill(backgroundOf(row, column, cursor));
    const LevelLayers& cur = pad_.current();
    if (scene_.showSubLevel && pad_.hasSubLevel()) {
      const LevelLayers& sub = pad_.sub();
      const std::uint8_t subColour = scene_.palette.subLevel;
      glyph(sub.walls.at(row, column), subColour);
      glyph(sub.sketch.at(row, column), subColour);
      glyph(sub.ducts.at(row, column), subColour);
      glyph(sub.links.at(row, column), subColour);
    }
    if (const std::uint8_t code = cur.sketch.at(row, column); code != 0) {
      const int number = cur.paths.at(row, column);
      const bool defined = symbolFlags(code) < flag::kZoneType || number > 0 || number == -1;
      glyph(code, defined ? scene_.palette.foreground : scene_.palette.undefined);
    } else {
      glyph(cur.walls.at(row, column), scene_.palette.foreground);
    }
    if (const std::uint8_t code = cur.ducts.at(row, column); code != 0)
      glyph(code, ductColour(code, cur.paths.at(row, column)));
    if (scene_.showLinks)
      if (const std::uint8_t code = cur.links.at(row, column); code != 0)
        glyph(code,
              cur.ctrls.at(row, column) != 0 ? scene_.palette.controls : scene_.palette.undefined);
    if (cursor) invert();
  }

 private:
  std::uint8_t backgroundOf(int row, int column, bool cursor) const {
    const RenderPalette& p = scene_.palette;
    std::uint8_t colour = p.background;
    if (scene_.colourZones) {
      const int own = ownColour(scene_.zoneColours, pad_.current().zones.at(row, column));
      if (own >= 0 && own <= 255) colour = static_cast<std::uint8_t>(own);
    }
    const std::uint8_t mark = pad_.colours().at(row, column);
    const DrawingColours& marks = pad_.drawingColours();
    if (mark != marks.background) {
      if (mark == marks.error)
        colour = p.errors;
      else if (mark == marks.drawLine && !cursor)
        colour = p.drawLine;
    }
    if (pad_.selection().at(row, column) != 0) colour = p.highlight;
    if (scene_.highlight) {
      const CellPos h = *scene_.highlight;
      const int dr = std::abs(h.row - row);
      const int dc = std::abs(h.column - column);
      if (dr <= 1 && dc <= 1 && (dr | dc) != 0) colour = p.highlight;
    }
    return colour;
  }

  std::uint8_t ductColour(std::uint8_t code, int number) const {
    const RenderPalette& p = scene_.palette;
    if (number == 0) return p.undefined;
    if (!scene_.colourDucts) return p.ducts;
    const int own = hasFlag(code, flag::kJunction) ? ownColour(scene_.junctionColours, number)
                                                   : ownColour(scene_.ductColours, number);
    return own >= 0 && own <= 255 ? static_cast<std::uint8_t>(own) : p.ducts;
  }

  void fill(std::uint8_t colour) {
    background_ = colour;
    const int s = font_.size;
    for (int y = 0; y < s; ++y) std::fill_n(&buffer_.at(x0_, y0_ + y), s, colour);
  }

  void glyph(std::uint8_t code, std::uint8_t colour) {
    if (code == 0) return;
    const Glyph& g = font_[code];
    const int s = font_.size;
    for (int y = 0; y < s; ++y) {
      std::uint16_t bits = g.rows[static_cast<std::size_t>(y)];
      std::uint8_t* line = &buffer_.at(x0_, y0_ + y);
      for (int x = 0; bits != 0; ++x, bits >>= 1)
        if (bits & 1U) line[x] = colour;
    }
  }

  // The cursor cell: the background and everything drawn over it change places.
  void invert() {
    const int s = font_.size;
    for (int y = 0; y < s; ++y) {
      std::uint8_t* line = &buffer_.at(x0_, y0_ + y);
      for (int x = 0; x < s; ++x)
        line[x] = line[x] == background_ ? scene_.palette.foreground : background_;
    }
  }

  const SketchPad& pad_;
  const RenderScene& scene_;
  const GlyphFont& font_;
  PixelBuffer& buffer_;
  int x0_ = 0;
  int y0_ = 0;
  std::uint8_t background_ = 0;
};

}  // namespace

void renderCells(const SketchPad& pad, const RenderScene& scene, CellPos origin, CellRect cells,
                 PixelBuffer& buffer) {
  if (!pad.allocated()) return;
  const int s = glyphFont(scene.cellSize).size;
  const int top = std::max({cells.row, 0, origin.row});
  const int left = std::max({cells.column, 0, origin.column});
  const int bottom = std::min({cells.row + cells.rows, pad.rows(), origin.row + buffer.height / s});
  const int right =
      std::min({cells.column + cells.columns, pad.columns(), origin.column + buffer.width / s});
  CellPainter painter(pad, scene, buffer);
  for (int r = top; r < bottom; ++r)
    for (int c = left; c < right; ++c)
      painter.paint(r, c, (c - origin.column) * s, (r - origin.row) * s);
}

PixelBuffer renderView(const SketchPad& pad, const RenderScene& scene, CellPos origin, int rows,
                       int columns) {
  const int s = glyphFont(scene.cellSize).size;
  PixelBuffer buffer(std::max(0, columns) * s, std::max(0, rows) * s, scene.palette.background);
  renderCells(pad, scene, origin, {origin.row, origin.column, rows, columns}, buffer);
  return buffer;
}

PixelBuffer renderGrid(const SketchPad& pad, const RenderScene& scene) {
  return renderView(pad, scene, {0, 0}, pad.rows(), pad.columns());
}

}  // namespace mz
