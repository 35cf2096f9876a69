#pragma once
// The program-wide settings read from the configuration file: cell sizes, default units and
// temperature, display flags, jumps and the SketchPad colour palettes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mz {

// The roles of a palette's eleven colours, in the order of the file.
enum class PaletteRole : std::uint8_t {
  Foreground,
  Background,
  Controls,
  Undefined,
  DrawLine,
  SubLevel,
  FlowResults,
  Ducts,
  PressureResults,
  Errors,
  Highlight,
};
inline constexpr std::size_t kPaletteRoles = 11;
inline constexpr std::size_t kPaletteCount = 4;  // 0 "Default" (fixed), 1..3 user palettes

// Colour indexes into the colour table, one per role. The file admits 0..255; only 0..39 name a
// colour of the table, see colourOf.
struct Palette {
  std::array<std::uint8_t, kPaletteRoles> colours{};
  std::uint8_t operator[](PaletteRole role) const {
    return colours[static_cast<std::size_t>(role)];
  }
  std::uint8_t& operator[](PaletteRole role) { return colours[static_cast<std::size_t>(role)]; }
  bool operator==(const Palette&) const = default;
};

// The palette names shown to the user: "Default", "User Palette 1".."User Palette 3".
const std::array<const char*, kPaletteCount>& paletteNames();
const std::array<Palette, kPaletteCount>& defaultPalettes();

struct Rgb {
  std::uint8_t red, green, blue;
  bool operator==(const Rgb&) const = default;
};
inline constexpr std::size_t kColourTableSize = 40;
const std::array<Rgb, kColourTableSize>& colourTable();
// The colour of an index. Indexes past the table (the file admits up to 255) give the table's
// last colour rather than reading past it.
Rgb colourOf(unsigned index);

inline constexpr int kDefaultCellSize = 8;
inline constexpr std::array<int, 7> kAllCellSizes = {1, 2, 3, 4, 5, 8, 16};

struct Configuration {
  std::vector<int> cellSizes{kAllCellSizes.begin(), kAllCellSizes.end()};
  std::int16_t defaultUnitSystem = 0;  // 0 SI, 1 IP
  std::int16_t defaultFlowUnit = 0;    // 0..8, kg/s .. kg/h
  float defaultTemperature = 293.15f;  // kelvin
  std::int16_t temperatureUnit = 2;    // 0 K, 1 R, 2 C, 3 F
  std::string converterPath = "null";
  std::int16_t cellJump = 10;
  std::int16_t floatingStatus = 0;
  std::int16_t colourZones = 0;
  std::int16_t colourDucts = 0;
  std::uint8_t selectedPalette = 0;
  std::array<Palette, kPaletteCount> palettes = defaultPalettes();
  std::uint8_t resultLines = 1;  // 0 flow only, 1 pressure and flow, 2 pressure only
  std::int16_t timeJump = 10;
  std::int16_t maximizeAtStart = 0;

  // The drawing colours in use: a copy of the selected palette.
  Palette drawingColours = defaultPalettes()[0];

  // Copies the selected palette into the drawing colours (palette 0 when the selection is out
  // of range).
  void applyPalette();
  bool operator==(const Configuration&) const = default;
};

}  // namespace mz
