#pragma once
// The glyph fonts of the cell symbols: for every cell size a square bit pattern per code, set
// bits drawn in the glyph's colour.

#include <array>
#include <cstdint>

namespace mz {

inline constexpr int kGlyphSizes[] = {1, 2, 3, 4, 5, 8, 16};
inline constexpr int kMaxGlyphSize = 16;

// One glyph: row y (0 at the top) has bit x set when pixel x (0 at the left) is drawn.
struct Glyph {
  std::array<std::uint16_t, kMaxGlyphSize> rows{};
  bool bit(int x, int y) const { return ((rows[static_cast<std::size_t>(y)] >> x) & 1U) != 0; }
  bool empty() const;
  bool operator==(const Glyph&) const = default;
};

// The glyphs of one cell size for codes 0 to 255 (codes past 189 and codes without a symbol are
// empty).
struct GlyphFont {
  int size = 0;
  std::array<Glyph, 256> glyphs{};
  const Glyph& operator[](std::uint8_t code) const { return glyphs[code]; }
};

// The font of a cell size; a size that is none of kGlyphSizes gets the nearest smaller one's.
const GlyphFont& glyphFont(int size);

}  // namespace mz
