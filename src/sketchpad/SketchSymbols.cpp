#include "sketchpad/SketchSymbols.h"

#include <array>
#include <bit>
#include <string>

#include "foundation/Heap.h"
#include "sketchpad/SketchLayers.h"

namespace mz {

namespace {

constexpr std::array<std::uint16_t, 256> makeTable() {
  std::array<std::uint16_t, 256> t{};
  t[5] = t[6] = t[7] = 0x0020;
  t[11] = 0x000A;
  t[12] = 0x0005;
  t[14] = 0x0016;
  t[15] = 0x001C;
  t[16] = 0x0019;
  t[17] = 0x0013;
  t[18] = 0x0017;
  t[19] = 0x001E;
  t[20] = 0x001D;
  t[21] = 0x001B;
  t[22] = 0x001F;
  for (int c : {23, 24, 25, 27, 28, 29, 30, 31, 128, 129, 130}) t[c] = 0x0040;
  t[42] = 0x8000;
  t[131] = t[132] = 0x0800;
  t[133] = 0x0080;
  t[143] = 0x000A;
  t[144] = 0x0005;
  t[145] = 0x010A;
  t[146] = 0x0105;
  t[147] = 0x0106;
  t[148] = 0x010C;
  t[149] = 0x0109;
  t[150] = 0x0103;
  t[151] = 0x010F;
  t[154] = t[156] = 0x0305;
  t[155] = t[157] = 0x030A;
  for (int c = 158; c <= 164; ++c) t[c] = 0x0500;
  t[168] = 0x000A;
  t[169] = 0x0005;
  t[170] = 0x100A;
  t[171] = 0x1005;
  t[172] = 0x1006;
  t[173] = 0x100C;
  t[174] = 0x1009;
  t[175] = 0x1003;
  t[176] = 0x100F;
  t[177] = t[181] = 0x1004;
  t[178] = t[182] = 0x1008;
  t[179] = t[183] = 0x1001;
  t[180] = t[184] = 0x1002;
  for (int c = 185; c <= 189; ++c) t[c] = 0x1000;
  return t;
}

constexpr std::array<std::uint16_t, 256> kFlags = makeTable();

constexpr std::array<std::uint8_t, 16> kWallByBits = {0, 0,  0,  17, 0,  12, 14, 18,
                                                      0, 16, 11, 21, 15, 20, 19, 22};

}  // namespace

std::uint16_t symbolFlags(std::uint8_t code) {
  return kFlags[code];
}

bool isWallCode(std::uint8_t code) {
  return code >= 11 && code <= 22 && kFlags[code] != 0;
}

bool isPathIcon(std::uint8_t code) {
  return (code >= 23 && code <= 25) || (code >= 27 && code <= 31);
}

std::uint8_t wallCodeForBits(int bits) {
  return kWallByBits[static_cast<unsigned>(bits) & 0x0F];
}

int nextDirection(const Layer<std::uint8_t>& layer, int row, int column, int moved,
                  ErrorReporter& reporter) {
  if (moved != dir::kUp && moved != dir::kRight && moved != dir::kDown && moved != dir::kLeft)
    reporter.fatal({"No direction: ", std::to_string(moved)});
  const int entry = dir::opposite(moved);
  const int bits = directionBits(layer.at(row, column));
  if ((bits & entry) == 0) return 0;
  const int rest = bits & ~entry;
  return std::popcount(static_cast<unsigned>(rest)) == 1 ? rest : 0;
}

}  // namespace mz
