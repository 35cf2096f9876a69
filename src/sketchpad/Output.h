#pragma once
// The SketchPad renderer: paints cells of the layers into a buffer of colour-table indexes,
// for the main view, the Sketch Navigator and the bitmap export alike.

#include <cstdint>
#include <optional>
#include <vector>

#include "sketchpad/SketchLayers.h"

namespace mz {

// Colour-table indexes of the palette roles the drawing uses.
struct RenderPalette {
  std::uint8_t foreground = 0;
  std::uint8_t background = 39;
  std::uint8_t controls = 15;
  std::uint8_t undefined = 1;
  std::uint8_t drawLine = 5;
  std::uint8_t subLevel = 37;
  std::uint8_t ducts = 26;
  std::uint8_t errors = 2;
  std::uint8_t highlight = 13;
};

// What is drawn besides the layers: the view's switches, the colours of the records, and the
// marked and cursor cells.
struct RenderScene {
  RenderPalette palette;
  int cellSize = 8;
  bool colourZones = false;
  bool colourDucts = false;
  bool showLinks = false;
  bool showSubLevel = false;
  // Own colours of the records by number (index 0 unused); -1 or a missing entry: none.
  std::vector<std::int16_t> zoneColours;
  std::vector<std::int16_t> ductColours;
  std::vector<std::int16_t> junctionColours;
  std::optional<CellPos> highlight;
  std::optional<CellPos> cursor;
};

struct PixelBuffer {
  PixelBuffer() = default;
  PixelBuffer(int w, int h, std::uint8_t value)
      : width(w),
        height(h),
        pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), value) {}
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // row-major from the top left
  std::uint8_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  std::uint8_t& at(int x, int y) {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// A block of cells.
struct CellRect {
  int row = 0;
  int column = 0;
  int rows = 0;
  int columns = 0;
};

// Paints the cells of `cells` (clipped to the grid and to the buffer) into `buffer`, whose top
// left pixel is the top left corner of cell `origin`.
void renderCells(const SketchPad& pad, const RenderScene& scene, CellPos origin, CellRect cells,
                 PixelBuffer& buffer);

// The visible part of the view: `rows` x `columns` cells from `origin`; cells past the grid stay
// in the background colour.
PixelBuffer renderView(const SketchPad& pad, const RenderScene& scene, CellPos origin, int rows,
                       int columns);

// The whole grid at the scene's cell size (the Sketch Navigator at size 1, the bitmap export).
PixelBuffer renderGrid(const SketchPad& pad, const RenderScene& scene);

}  // namespace mz
