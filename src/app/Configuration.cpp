#include "app/Configuration.h"

namespace mz {

const std::array<const char*, kPaletteCount>& paletteNames() {
  static const std::array<const char*, kPaletteCount> names = {"Default", "User Palette 1",
                                                               "User Palette 2", "User Palette 3"};
  return names;
}

const std::array<Palette, kPaletteCount>& defaultPalettes() {
  // Columns: foreground, background, controls, undefined, draw line, sub level, flow results,
  // ducts, pressure results, errors, highlight.
  static const std::array<Palette, kPaletteCount> palettes = {{
      {{0, 39, 15, 1, 5, 37, 17, 26, 4, 2, 13}},
      {{2, 0, 12, 7, 5, 13, 17, 22, 4, 39, 23}},
      {{13, 39, 15, 33, 30, 36, 23, 26, 29, 2, 8}},
      {{12, 0, 28, 2, 18, 10, 39, 24, 19, 39, 32}},
  }};
  return palettes;
}

const std::array<Rgb, kColourTableSize>& colourTable() {
  static const std::array<Rgb, kColourTableSize> table = {{
      {0, 0, 0},     {128, 0, 0},     {255, 0, 0},     {255, 65, 227},  {243, 121, 121},
      {170, 85, 0},  {255, 102, 0},   {255, 153, 0},   {255, 204, 0},   {255, 204, 153},
      {51, 51, 0},   {128, 128, 0},   {153, 204, 0},   {255, 255, 0},   {255, 255, 153},
      {0, 51, 0},    {0, 128, 0},     {51, 153, 102},  {0, 255, 0},     {204, 255, 204},
      {0, 51, 102},  {0, 128, 128},   {51, 204, 204},  {0, 255, 255},   {204, 255, 255},
      {0, 0, 128},   {0, 0, 255},     {51, 102, 255},  {0, 204, 255},   {204, 255, 255},
      {51, 51, 153}, {102, 102, 153}, {128, 0, 128},   {153, 51, 102},  {204, 153, 255},
      {51, 51, 51},  {128, 128, 128}, {150, 150, 150}, {192, 192, 192}, {255, 255, 255},
  }};
  return table;
}

Rgb colourOf(unsigned index) {
  const auto& table = colourTable();
  return table[index < table.size() ? index : table.size() - 1];
}

void Configuration::applyPalette() {
  drawingColours = palettes[selectedPalette < kPaletteCount ? selectedPalette : 0];
}

}  // namespace mz
