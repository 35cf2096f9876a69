#include "sketchpad/SketchGlyphs.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "sketchpad/SketchSymbols.h"

namespace mz {

namespace {

// An 8 x 8 design: one byte per row from the top, the most significant bit on the left.
using Design = std::array<std::uint8_t, 8>;

enum class Stroke { None, Wall, Duct, Link };

Stroke strokeOf(std::uint8_t code) {
  if (isWallCode(code)) return Stroke::Wall;
  if ((code >= 143 && code <= 151) || (code >= 154 && code <= 157)) return Stroke::Duct;
  if (code >= 168 && code <= 184) return Stroke::Link;
  return Stroke::None;
}

void set(Design& d, int x, int y) {
  d[static_cast<std::size_t>(y)] |= static_cast<std::uint8_t>(0x80U >> x);
}

// Lines from the middle of the cell out to the sides named by the direction bits, at the given
// offsets across the line (two for walls and duct walls, one for links).
template <typename Put>
void strokeLines(Put put, int s, int bits, const std::vector<int>& across, int inner, int outer) {
  for (const int a : across) {
    if (bits & dir::kUp)
      for (int y = 0; y <= outer; ++y) put(a, y);
    if (bits & dir::kDown)
      for (int y = inner; y < s; ++y) put(a, y);
    if (bits & dir::kLeft)
      for (int x = 0; x <= outer; ++x) put(x, a);
    if (bits & dir::kRight)
      for (int x = inner; x < s; ++x) put(x, a);
  }
}

bool isCorner(int bits) {
  const int vertical = bits & (dir::kUp | dir::kDown);
  const int horizontal = bits & (dir::kLeft | dir::kRight);
  return (vertical == dir::kUp || vertical == dir::kDown) &&
         (horizontal == dir::kLeft || horizontal == dir::kRight);
}

// A duct of two parallel lines (at offsets lo and hi) that bends: the outer line runs round the
// bend and the inner one stops where it meets its partner, so the duct stays open.
template <typename Put>
void ductBend(Put put, int s, int bits, int lo, int hi) {
  const bool down = (bits & dir::kDown) != 0;
  const bool right = (bits & dir::kRight) != 0;
  auto horizontal = [&](int y, int from) {
    if (right)
      for (int x = from; x < s; ++x) put(x, y);
    else
      for (int x = 0; x <= from; ++x) put(x, y);
  };
  auto vertical = [&](int x, int from) {
    if (down)
      for (int y = from; y < s; ++y) put(x, y);
    else
      for (int y = 0; y <= from; ++y) put(x, y);
  };
  const int outerRow = down ? lo : hi;
  const int outerColumn = right ? lo : hi;
  const int innerRow = down ? hi : lo;
  const int innerColumn = right ? hi : lo;
  horizontal(outerRow, outerColumn);
  vertical(outerColumn, outerRow);
  horizontal(innerRow, innerColumn);
  vertical(innerColumn, innerRow);
}

Design strokeDesign(Stroke stroke, int bits) {
  Design d{};
  auto put = [&d](int x, int y) { set(d, x, y); };
  switch (stroke) {
    case Stroke::Wall:
      strokeLines(put, 8, bits, {3, 4}, 3, 4);
      break;
    case Stroke::Duct:
      if (isCorner(bits))
        ductBend(put, 8, bits, 2, 5);
      else
        strokeLines(put, 8, bits, {2, 5}, 2, 5);
      break;
    case Stroke::Link:
      strokeLines(put, 8, bits, {4}, 4, 4);
      break;
    case Stroke::None:
      break;
  }
  return d;
}

// A design turned a quarter to the right (clockwise).
Design rotated(const Design& d) {
  Design out{};
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (d[static_cast<std::size_t>(7 - x)] & (0x80U >> y)) set(out, x, y);
  return out;
}

Design turned(Design d, int quarters) {
  for (int i = 0; i < quarters; ++i) d = rotated(d);
  return d;
}

Design orWith(Design a, const Design& b) {
  for (std::size_t i = 0; i < 8; ++i) a[i] |= b[i];
  return a;
}

// The designs of the symbols that are pictures rather than lines; the arrows are drawn
// pointing up and turned for the other directions.
constexpr Design kFanUp = {0x18, 0x3C, 0x7E, 0xFF, 0x3C, 0x3C, 0x3C, 0x3C};
constexpr Design kSegmentUp = {0x24, 0x3C, 0x7E, 0xFF, 0x24, 0x24, 0x24, 0x24};
constexpr Design kArrowUp = {0x00, 0x18, 0x3C, 0x7E, 0x18, 0x18, 0x00, 0x00};
constexpr Design kJunction = {0x24, 0x7E, 0xC3, 0x42, 0x42, 0xC3, 0x7E, 0x24};
constexpr Design kTerminal = {0xFF, 0xA5, 0xFF, 0xA5, 0xA5, 0xFF, 0xA5, 0xFF};
constexpr Design kNode = {0x08, 0x7E, 0x42, 0x5A, 0xDB, 0x42, 0x7E, 0x08};

Design pictureDesign(std::uint8_t code) {
  switch (code) {
    case 5:
      return {0xFF, 0x81, 0xBD, 0xBD, 0xBD, 0xBD, 0x81, 0xFF};
    case 6:
      return {0xFF, 0x81, 0xBD, 0xA5, 0xA5, 0xBD, 0x81, 0xFF};
    case 7:
      return {0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF};
    case 23:
      return {0x18, 0x3C, 0x7E, 0xE7, 0xE7, 0x7E, 0x3C, 0x18};
    case 24:
      return {0x00, 0x00, 0x18, 0x24, 0x24, 0x18, 0x00, 0x00};
    case 25:
      return {0x00, 0x18, 0x3C, 0x66, 0x66, 0x3C, 0x18, 0x00};
    case 27:
      return {0x3C, 0x7E, 0xFF, 0xE7, 0xE7, 0xFF, 0x7E, 0x3C};
    case 28:
      return turned(kFanUp, 1);
    case 29:
      return turned(kFanUp, 3);
    case 30:
      return kFanUp;
    case 31:
      return turned(kFanUp, 2);
    case 42:
      return {0x00, 0xC6, 0xE6, 0xF6, 0xDE, 0xCE, 0xC6, 0x00};
    case 128:
      return {0x3C, 0x42, 0x99, 0xBD, 0xBD, 0x99, 0x42, 0x3C};
    case 129:
      return {0x3C, 0x42, 0xA5, 0x99, 0x99, 0xA5, 0x42, 0x3C};
    case 130:
      return {0xFF, 0xC3, 0xA5, 0x99, 0x99, 0xA5, 0xC3, 0xFF};
    case 131:
      return {0x18, 0x18, 0x00, 0x7E, 0x18, 0x18, 0x24, 0x42};
    case 132:
      return {0x18, 0x18, 0x00, 0xFF, 0x18, 0x3C, 0x66, 0xC3};
    case 133:
      return {0x92, 0x54, 0x38, 0xFE, 0x38, 0x54, 0x92, 0x00};
    case 154:
      return kSegmentUp;
    case 155:
      return turned(kSegmentUp, 1);
    case 156:
      return turned(kSegmentUp, 2);
    case 157:
      return turned(kSegmentUp, 3);
    case 158:
      return kJunction;
    case 159:
      return orWith(kJunction, kArrowUp);
    case 160:
      return orWith(kJunction, turned(kArrowUp, 2));
    case 161:
      return orWith(kJunction, orWith(kArrowUp, turned(kArrowUp, 2)));
    case 162:
      return kTerminal;
    case 163:
      return orWith({0xFF, 0x81, 0xFF, 0x81, 0x81, 0xFF, 0x81, 0xFF}, kArrowUp);
    case 164:
      return orWith({0xFF, 0x81, 0xFF, 0x81, 0x81, 0xFF, 0x81, 0xFF}, turned(kArrowUp, 2));
    case 185:
      return kNode;
    case 186:
      return {0x08, 0x7E, 0x42, 0x42, 0xC3, 0x42, 0x7E, 0x08};
    case 187:
      return {0x08, 0x7E, 0x66, 0x5A, 0xDB, 0x66, 0x7E, 0x08};
    case 188:
      return {0x08, 0x7E, 0x5A, 0x42, 0xDB, 0x5A, 0x7E, 0x08};
    case 189:
      return {0x08, 0x7E, 0x7E, 0x7E, 0xFF, 0x7E, 0x7E, 0x08};
    // The letters of the ambient label in row 0.
    case 'A':
      return {0x18, 0x24, 0x42, 0x42, 0x7E, 0x42, 0x42, 0x00};
    case 'm':
      return {0x00, 0x00, 0xEC, 0x92, 0x92, 0x92, 0x92, 0x00};
    case 'b':
      return {0x40, 0x40, 0x5C, 0x62, 0x42, 0x62, 0x5C, 0x00};
    case 't':
      return {0x20, 0x20, 0x78, 0x20, 0x20, 0x24, 0x18, 0x00};
    default:
      return {};
  }
}

Design design8(std::uint8_t code) {
  if (code >= 154 && code <= 157) return pictureDesign(code);
  const Stroke stroke = strokeOf(code);
  if (stroke == Stroke::None) return pictureDesign(code);
  Design d = strokeDesign(stroke, directionBits(code));
  // Link ends: the half line to the node, with a dot where it stops.
  if (code >= 181 && code <= 184) d = orWith(d, {0, 0, 0, 0x18, 0x18, 0, 0, 0});
  return d;
}

bool designBit(const Design& d, int x, int y) {
  return (d[static_cast<std::size_t>(y)] & (0x80U >> x)) != 0;
}

Glyph fromDesign(const Design& d) {
  Glyph g;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (designBit(d, x, y))
        g.rows[static_cast<std::size_t>(y)] |= static_cast<std::uint16_t>(1U << x);
  return g;
}

Glyph doubled(const Design& d) {
  Glyph g;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      if (designBit(d, x / 2, y / 2))
        g.rows[static_cast<std::size_t>(y)] |= static_cast<std::uint16_t>(1U << x);
  return g;
}

// The symbols that are pictures, drawn by hand for the small cell sizes: a design per code with
// its sizes 2, 3, 4 and 5 side by side, '#' a set pixel, '.' a clear one, top row first. Each keeps
// the picture of the code's 8 x 8 design as far as the pixels allow, and from size 3 up no two
// kinds of one layer share a design and no icon looks like a line of its layer. Where two
// pictures shrink to the same few pixels, one keeps the picture and the other takes a related
// shape:
//  - zone, phantom, ambient: a filled square, a square with a hole, an empty frame; at sizes 3
//    and 4 the frame with a hole is the phantom's, so the ambient keeps the frame's corners;
//  - flow paths hide the wall they sit on and must not look like a piece of it: the small
//    opening is a dot, the path without element its diamond with a hole, and at sizes 3 and 4
//    the standard and large openings are two jambs and two bars;
//  - supply, return and air-handling system at sizes 3 and 4: the sides of the ring, the cross,
//    and the top and bottom of the box with the middle of its cross;
//  - junctions are outlines and terminals solid (a grille at size 5); one with a duct up
//    points up, one with a duct down points down, one with both is a diamond;
//  - the super node and its sub-nodes differ by their insides at size 5 and take shapes of
//    their own at sizes 3 and 4.
// At size 2 the fans draw as plain paths, the duct-segment icons as their duct and the other
// duct and control icons as filled squares.
struct SmallDesign {
  std::uint8_t code;
  std::array<std::string_view, 5> rows;
};

constexpr int kSmallSizes[] = {2, 3, 4, 5};
constexpr std::size_t kSmallOffset[] = {0, 3, 7, 12};  // column of each size in a row
constexpr std::size_t kSmallRowLength = 17;

// clang-format off
constexpr SmallDesign kSmallDesigns[] = {
    // zone: framed, filled square
    {5, {"## ### #### #####",
         "## ### #### #####",
         "   ### #### #####",
         "       #### #####",
         "            #####"}},
    // phantom zone: framed square with a hollow centre
    {6, {"## ### #### #####",
         "#. #.# #..# #.#.#",
         "   ### #..# ##.##",
         "       #### #.#.#",
         "            #####"}},
    // ambient: empty frame
    {7, {"#. #.# #..# #####",
         ".# ... .... #...#",
         "   #.# .... #...#",
         "       #..# #...#",
         "            #####"}},
    // flow path without element: diamond with a hole
    {23, {".# .#. .##. ..#..",
          "#. #.# #..# .###.",
          "   .#. #..# ##.##",
          "       .##. .###.",
          "            ..#.."}},
    // small opening: small ring
    {24, {".# ... .... .....",
          "#. .#. .##. ..#..",
          "   ... .##. .#.#.",
          "       .... ..#..",
          "            ....."}},
    // standard opening: ring
    {25, {".# .#. .##. .....",
          "#. ... .... .###.",
          "   .#. .... .#.#.",
          "       .##. .###.",
          "            ....."}},
    // large opening: large ring
    {27, {".# ### #### .###.",
          "#. ... .... #####",
          "   ### .... ##.##",
          "       #### #####",
          "            .###."}},
    // fan, positive flow to the right: arrow
    {28, {".# .#. ..#. ..#..",
          "#. ..# #### ####.",
          "   .#. #### #####",
          "       ..#. ####.",
          "            ..#.."}},
    // fan, positive flow to the left
    {29, {".# .#. .#.. ..#..",
          "#. #.. #### .####",
          "   .#. #### #####",
          "       .#.. .####",
          "            ..#.."}},
    // fan, positive flow up
    {30, {".# .#. .##. ..#..",
          "#. #.# #### .###.",
          "   ... .##. #####",
          "       .##. .###.",
          "            .###."}},
    // fan, positive flow down
    {31, {".# ... .##. .###.",
          "#. #.# .##. .###.",
          "   .#. #### #####",
          "       .##. .###.",
          "            ..#.."}},
    // annotation: the letter N
    {42, {"#. ##. #..# #...#",
          "## #.# ##.# ##..#",
          "   #.# #.## #.#.#",
          "       #..# #..##",
          "            #...#"}},
    // supply point: ring with a dot
    {128, {".. ... .... .###.",
           "#. #.# #..# #...#",
           "   ... #..# #.#.#",
           "       .... #...#",
           "            .###."}},
    // return point: ring with a cross
    {129, {".# #.# #..# .###.",
           ".. .#. .##. ##.##",
           "   #.# .##. #.#.#",
           "       #..# ##.##",
           "            .###."}},
    // simple air-handling system: box with a cross
    {130, {".. ### #### #####",
           "## .#. .##. ##.##",
           "   ### .##. #.#.#",
           "       #### ##.##",
           "            #####"}},
    // exposure: a person
    {131, {".# .#. .##. ..#..",
           ".# ### #### .###.",
           "   #.# .##. ..#..",
           "       #..# .#.#.",
           "            .#.#."}},
    // second exposure code: a person with arms and legs spread
    {132, {".# .#. .##. ..#..",
           ".# ### #### #####",
           "   ### .##. ..#..",
           "       #### .#.#.",
           "            #...#"}},
    // source/sink: star
    {133, {".. #.# #..# #.#.#",
           ".# ### #### .###.",
           "   #.# #### #####",
           "       #..# .###.",
           "            #.#.#"}},
    // duct-segment icons: the duct with an arrowhead; flow up
    {154, {"#. ### .#.. .#.#.",
           "#. .#. #.#. .###.",
           "   .#. .#.. #####",
           "       .#.. .#.#.",
           "            .#.#."}},
    // flow to the right
    {155, {"## ..# ..#. ..#..",
           ".. ### ##.# #####",
           "   ..# ..#. ..##.",
           "       .... #####",
           "            ..#.."}},
    // flow down
    {156, {"#. .#. .#.. .#.#.",
           "#. .#. .#.. .#.#.",
           "   ### #.#. #####",
           "       .#.. .###.",
           "            .#.#."}},
    // flow to the left
    {157, {"## #.. .#.. ..#..",
           ".. ### #.## #####",
           "   #.. .#.. .##..",
           "       .... #####",
           "            ..#.."}},
    // junction: ring
    {158, {"## ### #### .###.",
           "## #.# #..# #...#",
           "   ### #..# #...#",
           "       #### #...#",
           "            .###."}},
    // junction with a duct up
    {159, {"## .#. .##. ..#..",
           "## #.# #..# .#.#.",
           "   ### #..# #...#",
           "       #### #...#",
           "            .###."}},
    // junction with a duct down
    {160, {"## ### #### .###.",
           "## #.# #..# #...#",
           "   .#. #..# #...#",
           "       .##. .#.#.",
           "            ..#.."}},
    // junction with ducts up and down
    {161, {"## .#. .##. ..#..",
           "## #.# #..# .#.#.",
           "   .#. #..# #...#",
           "       .##. .#.#.",
           "            ..#.."}},
    // terminal: grille
    {162, {"## ### #### #####",
           "## ### #### #.#.#",
           "   ### #### #####",
           "       #### #.#.#",
           "            #####"}},
    // terminal with a duct up
    {163, {"## .#. .##. ..#..",
           "## ### #### .###.",
           "   ### #### #####",
           "       #### #.#.#",
           "            #####"}},
    // terminal with a duct down
    {164, {"## ### #### #####",
           "## ### #### #.#.#",
           "   .#. #### #####",
           "       .##. .###.",
           "            ..#.."}},
    // control node: frame with a centre dot
    {185, {"## ### .##. #####",
           "## ### #### #...#",
           "   ### #### #.#.#",
           "       .##. #...#",
           "            #####"}},
    // phantom control node: empty frame
    {186, {"## ### #### #####",
           "## #.# #..# #...#",
           "   ### #..# #...#",
           "       #### #...#",
           "            #####"}},
    // super node: frame with a cross inside
    {187, {"## .#. .##. #####",
           "## #.# #..# ##.##",
           "   .#. #..# #.#.#",
           "       .##. ##.##",
           "            #####"}},
    // output sub-node: frame with a bar down the middle
    {188, {"## ### #### #####",
           "## .#. .##. #.#.#",
           "   ### .##. #.#.#",
           "       #### #.#.#",
           "            #####"}},
    // input sub-node: filled frame
    {189, {"## #.# #### #####",
           "## ### #### #####",
           "   #.# #### #####",
           "       #### #####",
           "            #####"}},
};
// clang-format on

// Every row holds each size's pixels at its column, blanks where a size has no such row, and a
// blank between sizes; a misaligned design fails to compile.
constexpr bool wellFormed(const SmallDesign& d) {
  for (std::size_t y = 0; y < d.rows.size(); ++y) {
    const std::string_view row = d.rows[y];
    if (row.size() != kSmallRowLength) return false;
    for (std::size_t i = 0; i < std::size(kSmallSizes); ++i) {
      const auto s = static_cast<std::size_t>(kSmallSizes[i]);
      for (std::size_t x = 0; x < s; ++x) {
        const char c = row[kSmallOffset[i] + x];
        if (y < s ? (c != '#' && c != '.') : c != ' ') return false;
      }
      if (i + 1 < std::size(kSmallSizes) && row[kSmallOffset[i] + s] != ' ') return false;
    }
  }
  return true;
}

static_assert(std::all_of(std::begin(kSmallDesigns), std::end(kSmallDesigns), wellFormed));
static_assert([] {
  for (std::size_t i = 0; i < std::size(kSmallDesigns); ++i)
    for (std::size_t j = i + 1; j < std::size(kSmallDesigns); ++j)
      if (kSmallDesigns[i].code == kSmallDesigns[j].code) return false;
  return true;
}());

const SmallDesign* smallDesign(std::uint8_t code) {
  const auto* found = std::find_if(std::begin(kSmallDesigns), std::end(kSmallDesigns),
                                   [code](const SmallDesign& d) { return d.code == code; });
  return found == std::end(kSmallDesigns) ? nullptr : found;
}

Glyph fromSmallDesign(const SmallDesign& d, int s) {
  const auto size = std::find(std::begin(kSmallSizes), std::end(kSmallSizes), s);
  const std::size_t offset = kSmallOffset[size - std::begin(kSmallSizes)];
  Glyph g;
  for (std::size_t y = 0; y < static_cast<std::size_t>(s); ++y) {
    const std::string_view pixels = d.rows[y].substr(offset, static_cast<std::size_t>(s));
    for (std::size_t x = 0; x < pixels.size(); ++x)
      if (pixels[x] == '#') g.rows[y] |= static_cast<std::uint16_t>(1U << x);
  }
  return g;
}

// Small sizes, for a picture without a design of its own (the letters of the ambient label):
// the 8 x 8 design sampled on a grid that keeps its outer rows and columns, so frames stay frames.
Glyph shrunk(const Design& d, int s) {
  Glyph g;
  auto sample = [s](int i) { return (i * 7 * 2 + (s - 1)) / (2 * (s - 1)); };
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x)
      if (designBit(d, sample(x), sample(y)))
        g.rows[static_cast<std::size_t>(y)] |= static_cast<std::uint16_t>(1U << x);
  return g;
}

// When the sampling loses every pixel, each block of the 8 x 8 design that has any pixel set is
// shown, so no picture disappears.
Glyph blocks(const Design& d, int s) {
  Glyph g;
  for (int y = 0; y < s; ++y)
    for (int x = 0; x < s; ++x)
      for (int dy = y * 8 / s; dy < (y + 1) * 8 / s; ++dy)
        for (int dx = x * 8 / s; dx < (x + 1) * 8 / s; ++dx)
          if (designBit(d, dx, dy))
            g.rows[static_cast<std::size_t>(y)] |= static_cast<std::uint16_t>(1U << x);
  return g;
}

bool isLinkEnd(std::uint8_t code) {
  return code >= 177 && code <= 180;
}
bool isSensorEnd(std::uint8_t code) {
  return code >= 181 && code <= 184;
}

// Small sizes: lines stay lines, one pixel wide through the middle; walls keep two pixels at
// size 4 and duct walls their two lines at size 5. A sensor end carries a dot where the link
// stops; at size 3 that dot is the middle pixel, so there a plain link end stops short of it.
Glyph strokeGlyph(std::uint8_t code, int s) {
  const Stroke stroke = strokeOf(code);
  const int bits = directionBits(code);
  Glyph g;
  const int m = (s - 1) / 2;
  std::vector<int> across{m};
  if (stroke == Stroke::Duct && s == 5) across = {1, 3};
  if (stroke == Stroke::Wall && s == 4) across = {1, 2};
  const int inner = across.front();
  const int outer = across.back();
  auto put = [&g](int x, int y) {
    g.rows[static_cast<std::size_t>(y)] |= static_cast<std::uint16_t>(1U << x);
  };
  if (across.size() == 2 && stroke == Stroke::Duct && isCorner(bits))
    ductBend(put, s, bits, inner, outer);
  else
    strokeLines(put, s, bits, across, inner, outer);
  if (isLinkEnd(code) && s == 3)
    g.rows[static_cast<std::size_t>(m)] &= static_cast<std::uint16_t>(~(1U << m));
  if (isSensorEnd(code) && s == 4)
    for (int y = 1; y <= 2; ++y)
      for (int x = 1; x <= 2; ++x) put(x, y);
  if (isSensorEnd(code) && s == 5) {
    for (int i = 1; i <= 3; ++i) {
      put(i, 2);
      put(2, i);
    }
  }
  return g;
}

GlyphFont makeFont(int s) {
  GlyphFont font;
  font.size = s;
  for (int code = 0; code <= 189; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    const Design d = design8(c);
    Glyph& g = font.glyphs[c];
    if (s == 8) {
      g = fromDesign(d);
    } else if (s == 16) {
      g = doubled(d);
    } else if (s == 1) {
      if (fromDesign(d) != Glyph{}) g.rows[0] = 1;
    } else if (const SmallDesign* small = smallDesign(c)) {
      g = fromSmallDesign(*small, s);
    } else if (strokeOf(c) != Stroke::None) {
      g = strokeGlyph(c, s);
    } else {
      g = shrunk(d, s);
      if (g.empty()) g = blocks(d, s);
    }
  }
  return font;
}

}  // namespace

bool Glyph::empty() const {
  return std::all_of(rows.begin(), rows.end(), [](std::uint16_t r) { return r == 0; });
}

const GlyphFont& glyphFont(int size) {
  static const std::array<GlyphFont, 7> fonts = {makeFont(1), makeFont(2), makeFont(3), makeFont(4),
                                                 makeFont(5), makeFont(8), makeFont(16)};
  std::size_t i = 0;
  while (i + 1 < fonts.size() && fonts[i + 1].size <= size) ++i;
  return fonts[i];
}

}  // namespace mz
