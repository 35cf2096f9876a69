#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "SketchFixture.h"
#include "sketchpad/Bitmap.h"
#include "sketchpad/Output.h"
#include "sketchpad/SketchGlyphs.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {
namespace {

using test::SketchFixture;
using Bytes = std::array<std::uint8_t, 8>;

// One letter per palette role, so pictures read as text.
RenderPalette letters() {
  RenderPalette p;
  p.foreground = 'F';
  p.background = '.';
  p.controls = 'C';
  p.undefined = 'U';
  p.drawLine = 'D';
  p.subLevel = 'S';
  p.ducts = 'K';
  p.errors = 'E';
  p.highlight = 'H';
  return p;
}

std::string picture(const Bytes& rows, char on, char off) {
  std::string out;
  for (const std::uint8_t b : rows) {
    for (int x = 0; x < 8; ++x) out += (b & (0x80 >> x)) ? on : off;
    out += '\n';
  }
  return out;
}

std::string text(const PixelBuffer& b) {
  std::string out;
  for (int y = 0; y < b.height; ++y) {
    for (int x = 0; x < b.width; ++x) out += static_cast<char>(b.at(x, y));
    out += '\n';
  }
  return out;
}

TEST(GlyphFonts, TellingGlyphsOfSizeEight) {
  const struct {
    std::uint8_t code;
    Bytes bytes;
  } cases[] = {
      {5, {0xFF, 0x81, 0xBD, 0xBD, 0xBD, 0xBD, 0x81, 0xFF}},
      {6, {0xFF, 0x81, 0xBD, 0xA5, 0xA5, 0xBD, 0x81, 0xFF}},
      {7, {0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF}},
      {11, {0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00}},
      {12, {0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18, 0x18}},
      {22, {0x18, 0x18, 0x18, 0xFF, 0xFF, 0x18, 0x18, 0x18}},
      {23, {0x18, 0x3C, 0x7E, 0xE7, 0xE7, 0x7E, 0x3C, 0x18}},
      {143, {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00}},
      {158, {0x24, 0x7E, 0xC3, 0x42, 0x42, 0xC3, 0x7E, 0x24}},
      {162, {0xFF, 0xA5, 0xFF, 0xA5, 0xA5, 0xFF, 0xA5, 0xFF}},
      {168, {0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}},
      {185, {0x08, 0x7E, 0x42, 0x5A, 0xDB, 0x42, 0x7E, 0x08}},
  };
  const GlyphFont& font = glyphFont(8);
  for (const auto& c : cases) {
    std::string drawn;
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) drawn += font[c.code].bit(x, y) ? '#' : '.';
      drawn += '\n';
    }
    EXPECT_EQ(drawn, picture(c.bytes, '#', '.')) << "code " << int(c.code);
  }
}

// Every line symbol reaches exactly the sides it connects to from size 3 up, so walls, ducts and
// links of different connection directions differ (a one-pixel line in a cell of two always
// touches a side); size 16 doubles the size 8 design and size 1 is one pixel.
TEST(GlyphFonts, LineSymbolsReachTheirSidesAtEverySize) {
  for (const int s : {3, 4, 5, 8, 16}) {
    const GlyphFont& font = glyphFont(s);
    for (int code = 11; code <= 184; ++code) {
      const auto c = static_cast<std::uint8_t>(code);
      const bool line = isWallCode(c) || (code >= 143 && code <= 151) || (code >= 168);
      if (!line || directionBits(c) == 0) continue;
      const Glyph& g = font[c];
      auto edge = [&](int d) {
        for (int i = 0; i < s; ++i) {
          const int x = d == dir::kLeft ? 0 : d == dir::kRight ? s - 1 : i;
          const int y = d == dir::kUp ? 0 : d == dir::kDown ? s - 1 : i;
          if (g.bit(x, y)) return true;
        }
        return false;
      };
      for (const int d : dir::kOrder)
        EXPECT_EQ(edge(d), (directionBits(c) & d) != 0) << "size " << s << " code " << code;
    }
  }
  for (int code = 0; code <= 189; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        ASSERT_EQ(glyphFont(16)[c].bit(x, y), glyphFont(8)[c].bit(x / 2, y / 2));
    EXPECT_EQ(glyphFont(1)[c].rows[0], glyphFont(8)[c].empty() ? 0 : 1);
  }
}

// The icon codes of each layer, every one a kind of its own, and the line symbols drawn in the
// same layer (for the icons, the walls they hide).
struct LayerCodes {
  const char* layer;
  std::vector<std::uint8_t> icons;
  std::vector<std::uint8_t> lines;
};

std::vector<std::uint8_t> codeRange(int first, int last) {
  std::vector<std::uint8_t> codes;
  for (int c = first; c <= last; ++c) codes.push_back(static_cast<std::uint8_t>(c));
  return codes;
}

const std::vector<LayerCodes>& layerCodes() {
  static const std::vector<LayerCodes> layers = {
      {"Sketch",
       {5, 6, 7, 23, 24, 25, 27, 28, 29, 30, 31, 42, 128, 129, 130, 131, 132, 133},
       {11, 12, 14, 15, 16, 17, 18, 19, 20, 21, 22}},
      {"Ducts", codeRange(154, 164), codeRange(143, 151)},
      {"Links", codeRange(181, 189), codeRange(168, 180)},
  };
  return layers;
}

std::string drawing(const Glyph& g, int s) {
  std::string out;
  for (int y = 0; y < s; ++y) {
    for (int x = 0; x < s; ++x) out += g.bit(x, y) ? '#' : '.';
    out += '/';
  }
  return out;
}

void expectDistinct(int s, const std::vector<std::uint8_t>& codes, const char* what) {
  const GlyphFont& font = glyphFont(s);
  for (std::size_t i = 0; i < codes.size(); ++i)
    for (std::size_t j = i + 1; j < codes.size(); ++j)
      EXPECT_NE(font[codes[i]], font[codes[j]])
          << what << " at size " << s << ": " << int(codes[i]) << " and " << int(codes[j])
          << " both " << drawing(font[codes[i]], s);
}

// Within a layer every icon kind, fan and segment direction has a glyph of its own from size 3
// up, and no icon looks like a line symbol of its layer; at sizes 8 and 16 the icons of all
// layers differ from each other as well.
TEST(GlyphFonts, IconKindsDifferFromSizeThree) {
  const struct {
    int size;
    bool acrossLayers;
  } sizes[] = {{3, false}, {4, false}, {5, false}, {8, true}, {16, true}};
  for (const auto& size : sizes) {
    const GlyphFont& font = glyphFont(size.size);
    std::vector<std::uint8_t> all;
    for (const LayerCodes& layer : layerCodes()) {
      expectDistinct(size.size, layer.icons, layer.layer);
      for (const std::uint8_t icon : layer.icons)
        for (const std::uint8_t line : layer.lines)
          EXPECT_NE(font[icon], font[line])
              << layer.layer << " at size " << size.size << ": icon " << int(icon)
              << " drawn as line " << int(line) << ", " << drawing(font[icon], size.size);
      all.insert(all.end(), layer.icons.begin(), layer.icons.end());
    }
    if (size.acrossLayers) expectDistinct(size.size, all, "all layers");
  }
}

// At size 2 the main kinds of the Sketch layer still differ: zone, phantom, ambient, flow path,
// air-handling system, source/sink and exposure.
TEST(GlyphFonts, MainIconKindsDifferAtSizeTwo) {
  expectDistinct(2, {5, 6, 7, 23, 130, 133, 131}, "main kinds");
}

// Fans and duct-segment icons show their flow direction at every size from 3 up, and a
// segment icon stands out from the plain duct it sits on.
TEST(GlyphFonts, FlowDirectionsShowFromSizeThree) {
  const std::vector<std::uint8_t> fans = {28, 29, 30, 31};
  const std::vector<std::uint8_t> segments = {154, 155, 156, 157};
  for (const int s : {3, 4, 5, 8, 16}) {
    const GlyphFont& font = glyphFont(s);
    for (const auto& codes : {fans, segments})
      for (std::size_t i = 0; i < codes.size(); ++i)
        for (std::size_t j = i + 1; j < codes.size(); ++j)
          EXPECT_NE(font[codes[i]], font[codes[j]])
              << "size " << s << ": " << int(codes[i]) << " " << int(codes[j]);
    // 154 and 156 sit on vertical ducts, 155 and 157 on horizontal ones.
    for (const std::uint8_t code : segments) {
      const std::uint8_t run = (code == 154 || code == 156) ? 144 : 143;
      EXPECT_NE(font[code], font[run]) << "size " << s << ": " << int(code);
      // The segment keeps the duct going through the cell.
      const Glyph& g = font[code];
      for (const int d : {dir::kUp, dir::kDown, dir::kLeft, dir::kRight}) {
        if ((directionBits(run) & d) == 0) continue;
        bool reaches = false;
        for (int i = 0; i < s; ++i) {
          const int x = d == dir::kLeft ? 0 : d == dir::kRight ? s - 1 : i;
          const int y = d == dir::kUp ? 0 : d == dir::kDown ? s - 1 : i;
          reaches = reaches || (g.bit(x, y) && font[run].bit(x, y));
        }
        EXPECT_TRUE(reaches) << "size " << s << ": " << int(code) << " side " << d;
      }
    }
  }
}

// A bend of a duct keeps the duct open: the inner line stops where it meets its partner.
TEST(GlyphFonts, DuctBendsRunRoundTheCorner) {
  const GlyphFont& font = glyphFont(8);
  auto drawn = [&](std::uint8_t code) {
    std::string out;
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) out += font[code].bit(x, y) ? '#' : '.';
      out += '\n';
    }
    return out;
  };
  EXPECT_EQ(drawn(147),
            "........\n"
            "........\n"
            "..######\n"
            "..#.....\n"
            "..#.....\n"
            "..#..###\n"
            "..#..#..\n"
            "..#..#..\n");
  // The other three bends are its mirror images.
  const struct {
    std::uint8_t code;
    bool mirrorX;
    bool mirrorY;
  } mirrors[] = {{148, true, false}, {149, true, true}, {150, false, true}};
  for (const auto& m : mirrors)
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        EXPECT_EQ(font[m.code].bit(x, y),
                  font[147].bit(m.mirrorX ? 7 - x : x, m.mirrorY ? 7 - y : y))
            << int(m.code) << " at " << x << "," << y;
}

// No symbol that has a picture vanishes at a small cell size.
TEST(GlyphFonts, EveryPictureStaysVisibleAtEverySize) {
  for (const int s : kGlyphSizes)
    for (int code = 0; code <= 189; ++code) {
      const auto c = static_cast<std::uint8_t>(code);
      EXPECT_EQ(glyphFont(s)[c].empty(), glyphFont(8)[c].empty())
          << "size " << s << " code " << code;
    }
}

struct RenderFixture : SketchFixture {
  RenderScene scene;
  RenderFixture() {
    scene.palette = letters();
    load("grid 5 8\n");
  }
  // The one cell as text, drawn at size 8.
  std::string cell(int row, int column) {
    PixelBuffer b(8, 8, '?');
    renderCells(pad, scene, {row, column}, {row, column, 1, 1}, b);
    return text(b);
  }
};

TEST(Renderer, CellRulesPixelForPixel) {
  const Bytes zone = {0xFF, 0x81, 0xBD, 0xBD, 0xBD, 0xBD, 0x81, 0xFF};
  const Bytes wall = {0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00};
  const Bytes duct = {0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00};
  const Bytes link = {0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00};
  const Bytes none{};
  using Setup = std::function<void(RenderFixture&)>;
  auto icon = [](std::uint8_t code, int number) {
    return [=](RenderFixture& f) {
      f.pad.current().sketch.at(2, 3) = code;
      f.pad.current().paths.at(2, 3) = number;
    };
  };
  auto both = [](Setup a, Setup b) {
    return [=](RenderFixture& f) {
      a(f);
      b(f);
    };
  };
  const Setup wallRun = [](RenderFixture& f) { f.pad.current().walls.at(2, 3) = 11; };
  const Setup ductRun = [](RenderFixture& f) {
    f.pad.current().ducts.at(2, 3) = 143;
    f.pad.current().paths.at(2, 3) = 4;
  };
  const Setup linkRun = [](RenderFixture& f) {
    f.pad.current().links.at(2, 3) = 168;
    f.pad.current().ctrls.at(2, 3) = 1;
  };
  const Setup subWall = [](RenderFixture& f) {
    f.pad.setHasSubLevel(true);
    f.pad.sub().walls.at(2, 3) = 11;
  };
  const struct {
    const char* name;
    Setup setup;
    std::string expected;
  } cases[] = {
      {"zone with record", icon(5, 3), picture(zone, 'F', '.')},
      {"ambient icon", icon(7, -1),
       picture({0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF}, 'F', '.')},
      {"zone without record", icon(5, 0), picture(zone, 'U', '.')},
      {"undefined zone", icon(5, -2), picture(zone, 'U', '.')},
      {"wall", wallRun, picture(wall, 'F', '.')},
      {"icon hides the wall", both(wallRun, icon(23, 2)),
       picture({0x18, 0x3C, 0x7E, 0xE7, 0xE7, 0x7E, 0x3C, 0x18}, 'F', '.')},
      {"wall being drawn", both(wallRun, [](RenderFixture& f) { f.pad.mark(2, 3); }),
       picture(wall, 'F', 'D')},
      {"error colour",
       [](RenderFixture& f) { f.pad.colours().at(2, 3) = f.pad.drawingColours().error; },
       picture(none, 'F', 'E')},
      {"selected", [](RenderFixture& f) { f.pad.selection().at(2, 3) = 1; },
       picture(none, 'F', 'H')},
      {"duct", ductRun, picture(duct, 'K', '.')},
      {"duct without segment",
       both(ductRun, [](RenderFixture& f) { f.pad.current().paths.at(2, 3) = 0; }),
       picture(duct, 'U', '.')},
      {"duct in its own colour",
       both(ductRun,
            [](RenderFixture& f) {
              f.scene.colourDucts = true;
              f.scene.ductColours = {-1, -1, -1, -1, 'Q'};
            }),
       picture(duct, 'Q', '.')},
      {"duct colours on, none set",
       both(ductRun, [](RenderFixture& f) { f.scene.colourDucts = true; }),
       picture(duct, 'K', '.')},
      {"links hidden", linkRun, picture(none, 'F', '.')},
      {"links shown", both(linkRun, [](RenderFixture& f) { f.scene.showLinks = true; }),
       picture(link, 'C', '.')},
      {"link without node",
       both(linkRun,
            [](RenderFixture& f) {
              f.scene.showLinks = true;
              f.pad.current().ctrls.at(2, 3) = 0;
            }),
       picture(link, 'U', '.')},
      {"level below hidden", subWall, picture(none, 'F', '.')},
      {"level below shown", both(subWall, [](RenderFixture& f) { f.scene.showSubLevel = true; }),
       picture(wall, 'S', '.')},
      {"level below's links, with the current level's hidden",
       [](RenderFixture& f) {
         f.pad.setHasSubLevel(true);
         f.pad.sub().links.at(2, 3) = 168;
         f.scene.showSubLevel = true;
       },
       picture(link, 'S', '.')},
      {"level below under the current icon",
       both(both(subWall, icon(5, 3)), [](RenderFixture& f) { f.scene.showSubLevel = true; }),
       [&] {
         std::string p = picture(wall, 'S', '.');
         const std::string z = picture(zone, 'F', '.');
         for (std::size_t i = 0; i < p.size(); ++i)
           if (z[i] == 'F') p[i] = 'F';
         return p;
       }()},
      {"zone colour",
       [](RenderFixture& f) {
         f.scene.colourZones = true;
         f.pad.current().zones.at(2, 3) = 2;
         f.scene.zoneColours = {-1, 'A', 'Z'};
       },
       picture(none, 'F', 'Z')},
      {"zone colours off",
       [](RenderFixture& f) {
         f.pad.current().zones.at(2, 3) = 2;
         f.scene.zoneColours = {-1, 'A', 'Z'};
       },
       picture(none, 'F', '.')},
      {"cursor inverted",
       both(icon(5, 3),
            [](RenderFixture& f) {
              f.scene.cursor = CellPos{2, 3};
            }),
       picture(zone, '.', 'F')},
      {"cursor on a drawn cell",
       both(wallRun,
            [](RenderFixture& f) {
              f.pad.mark(2, 3);
              f.scene.cursor = CellPos{2, 3};
            }),
       picture(wall, '.', 'F')},
  };
  for (const auto& c : cases) {
    RenderFixture f;
    c.setup(f);
    EXPECT_EQ(f.cell(2, 3), c.expected) << c.name;
  }
}

TEST(Renderer, HighlightFillsTheEightCellsAroundTheMarkedOne) {
  RenderFixture f;
  f.scene.cellSize = 1;
  f.scene.highlight = CellPos{2, 3};
  f.pad.current().walls.at(1, 2) = 11;
  const PixelBuffer b = renderGrid(f.pad, f.scene);
  EXPECT_EQ(text(b),
            "FFFFF...\n"
            "..FHH...\n"
            "..H.H...\n"
            "..HHH...\n"
            "........\n");
}

TEST(Renderer, ViewPlacesCellsFromItsOriginAndLeavesCellsPastTheGridBlank) {
  RenderFixture f;
  f.scene.cellSize = 2;
  f.pad.current().sketch.at(3, 6) = 5;
  f.pad.current().paths.at(3, 6) = 1;
  f.pad.current().walls.at(4, 7) = 22;
  const PixelBuffer b = renderView(f.pad, f.scene, {3, 6}, 3, 3);
  EXPECT_EQ(b.width, 6);
  EXPECT_EQ(b.height, 6);
  EXPECT_EQ(text(b),
            "FF....\n"
            "FF....\n"
            "..FF..\n"
            "..F...\n"
            "......\n"
            "......\n");
}

TEST(Renderer, WholeDefaultGridAtSizeSixteen) {
  SketchFixture f;
  f.load("grid 58 66\n");
  RenderScene scene;
  scene.cellSize = 16;
  const PixelBuffer b = renderGrid(f.pad, scene);
  EXPECT_EQ(b.width, 1056);
  EXPECT_EQ(b.height, 928);
}

std::uint32_t le(const std::string& s, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i)
    v = (v << 8) | static_cast<std::uint8_t>(s[at + static_cast<std::size_t>(i)]);
  return v;
}

TEST(Bitmap, HeaderAndPixelsByteForByte) {
  // 3 x 2 pixels: rows of 6 bytes padded to 8, stored bottom row first.
  PixelBuffer b(3, 2, 0);
  b.at(0, 0) = 1;
  b.at(2, 1) = 2;
  b.at(1, 1) = 9;  // past the table: its last colour
  const std::array<std::array<std::uint8_t, 3>, 3> colours = {
      {{0, 0, 0}, {255, 0, 0}, {8, 16, 255}}};
  const std::string f = bmpBytes(b, colours);
  ASSERT_EQ(f.size(), 14u + 40u + 16u);
  EXPECT_EQ(f.substr(0, 2), "BM");
  EXPECT_EQ(le(f, 2, 4), 70u);   // file size
  EXPECT_EQ(le(f, 6, 4), 0u);    // reserved
  EXPECT_EQ(le(f, 10, 4), 54u);  // pixel offset
  EXPECT_EQ(le(f, 14, 4), 40u);  // info header size
  EXPECT_EQ(le(f, 18, 4), 3u);
  EXPECT_EQ(le(f, 22, 4), 2u);
  EXPECT_EQ(le(f, 26, 2), 1u);   // planes
  EXPECT_EQ(le(f, 28, 2), 16u);  // bits per pixel
  EXPECT_EQ(le(f, 30, 4), 0u);   // uncompressed
  EXPECT_EQ(le(f, 34, 4), 16u);  // image bytes
  for (std::size_t at = 38; at < 54; at += 4) EXPECT_EQ(le(f, at, 4), 0u) << at;
  const std::uint32_t red = 0x1F << 10;
  const std::uint32_t other = (1u << 10) | (2u << 5) | 0x1F;
  // Bottom row (y = 1) first: black, last colour, colour 2, padding.
  EXPECT_EQ(le(f, 54, 2), 0u);
  EXPECT_EQ(le(f, 56, 2), other);
  EXPECT_EQ(le(f, 58, 2), other);
  EXPECT_EQ(le(f, 60, 2), 0u);
  EXPECT_EQ(le(f, 62, 2), red);
  EXPECT_EQ(le(f, 64, 2), 0u);
  EXPECT_EQ(le(f, 66, 4), 0u);
}

TEST(Bitmap, SizesOfTheDefaultGridAtSizeSixteen) {
  EXPECT_EQ(bmpRowBytes(1056), 2112u);
  EXPECT_EQ(bmpRowBytes(1), 4u);
  EXPECT_EQ(bmpRowBytes(2), 4u);
  EXPECT_EQ(bmpRowBytes(3), 8u);
  EXPECT_EQ(bmpFileBytes(1056, 928), 54u + 2112u * 928u);
}

TEST(Bitmap, WritesTheFileAndRemovesAFailedOne) {
  test::TempDir dir;
  PixelBuffer b(2, 2, 0);
  const std::array<std::array<std::uint8_t, 3>, 1> colours = {{{255, 255, 255}}};
  const auto path = dir.path() / "pad.bmp";
  ASSERT_TRUE(writeBmp(path, b, colours));
  EXPECT_EQ(test::readFile(path), bmpBytes(b, colours));
  EXPECT_FALSE(writeBmp(dir.path() / "missing" / "pad.bmp", b, colours));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing" / "pad.bmp"));
  // A target that cannot be opened as a file is not removed.
  const auto folder = dir.path() / "folder.bmp";
  std::filesystem::create_directory(folder);
  EXPECT_FALSE(writeBmp(folder, b, colours));
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

}  // namespace
}  // namespace mz
