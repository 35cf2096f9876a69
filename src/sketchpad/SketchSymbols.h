#pragma once
// The cell symbols of the SketchPad: the one-byte IconKind codes, their 16-bit property words
// and the direction bits shared by walls, ducts and links.

#include <cstdint>

namespace mz {

class ErrorReporter;
template <class T>
class Layer;

// Direction bits of a property word; also the four directions a trace moves in.
namespace dir {
inline constexpr int kUp = 0x01;
inline constexpr int kRight = 0x02;
inline constexpr int kDown = 0x04;
inline constexpr int kLeft = 0x08;
inline constexpr int kAll = 0x0F;
// The opposite side: the side through which a move in `d` enters the next cell.
constexpr int opposite(int d) {
  return ((d << 2) | (d >> 2)) & kAll;
}
constexpr int rowStep(int d) {
  return d == kUp ? -1 : d == kDown ? 1 : 0;
}
constexpr int columnStep(int d) {
  return d == kLeft ? -1 : d == kRight ? 1 : 0;
}
inline constexpr int kOrder[4] = {kUp, kRight, kDown, kLeft};
}  // namespace dir

// Flags of the property word above the direction bits.
namespace flag {
inline constexpr std::uint16_t kWallNode = 0x0010;
inline constexpr std::uint16_t kZoneType = 0x0020;
inline constexpr std::uint16_t kFlow = 0x0040;
inline constexpr std::uint16_t kSourceSink = 0x0080;
inline constexpr std::uint16_t kStoredDuct = 0x0100;
inline constexpr std::uint16_t kDuctSegment = 0x0200;
inline constexpr std::uint16_t kJunction = 0x0400;
inline constexpr std::uint16_t kExposure = 0x0800;
inline constexpr std::uint16_t kStoredControl = 0x1000;
inline constexpr std::uint16_t kAnnotation = 0x8000;
}  // namespace flag

// The IconKind codes that the code names; the table in SketchSymbols.cpp has them all.
namespace icon {
inline constexpr std::uint8_t kZone = 5;
inline constexpr std::uint8_t kPhantom = 6;
inline constexpr std::uint8_t kAmbient = 7;
inline constexpr std::uint8_t kWallHorizontal = 11;
inline constexpr std::uint8_t kWallVertical = 12;
inline constexpr std::uint8_t kWallCross = 22;
inline constexpr std::uint8_t kPath = 23;
inline constexpr std::uint8_t kPathSmall = 24;
inline constexpr std::uint8_t kPathStandard = 25;
inline constexpr std::uint8_t kPathLarge = 27;
inline constexpr std::uint8_t kFanRight = 28;
inline constexpr std::uint8_t kFanLeft = 29;
inline constexpr std::uint8_t kFanUp = 30;
inline constexpr std::uint8_t kFanDown = 31;
inline constexpr std::uint8_t kAnnotation = 42;
inline constexpr std::uint8_t kSupply = 128;
inline constexpr std::uint8_t kReturn = 129;
inline constexpr std::uint8_t kAhs = 130;
inline constexpr std::uint8_t kExposure = 131;
inline constexpr std::uint8_t kExposure2 = 132;
inline constexpr std::uint8_t kSourceSink = 133;
inline constexpr std::uint8_t kDuctHorizontal = 143;
inline constexpr std::uint8_t kDuctVertical = 144;
inline constexpr std::uint8_t kDuctRightOfJunction = 145;
inline constexpr std::uint8_t kDuctBelowJunction = 146;
inline constexpr std::uint8_t kDuctCrossing = 151;
inline constexpr std::uint8_t kSegmentUp = 154;
inline constexpr std::uint8_t kSegmentRight = 155;
inline constexpr std::uint8_t kSegmentDown = 156;
inline constexpr std::uint8_t kSegmentLeft = 157;
inline constexpr std::uint8_t kLinkHorizontal = 168;
inline constexpr std::uint8_t kLinkVertical = 169;
inline constexpr std::uint8_t kLinkRightOfNode = 170;
inline constexpr std::uint8_t kLinkBelowNode = 171;
}  // namespace icon

// The property word of a code; 0 for codes without flags (inert letters, unused codes).
std::uint16_t symbolFlags(std::uint8_t code);
inline int directionBits(std::uint8_t code) {
  return symbolFlags(code) & dir::kAll;
}
inline bool hasFlag(std::uint8_t code, std::uint16_t f) {
  return (symbolFlags(code) & f) != 0;
}
// Any wall symbol (runs and nodes, 11 to 22).
bool isWallCode(std::uint8_t code);
// A flow-path icon proper (23 to 25, 27 to 31), without the AHS icons.
bool isPathIcon(std::uint8_t code);

// The wall code for the four neighbour bits of a cell; 0 for fewer than two connections.
std::uint8_t wallCodeForBits(int bits);

// The tracing step: the direction to continue in after moving by `moved` into (row, column),
// or 0 when the trace ends there. A `moved` other than the four directions is fatal.
int nextDirection(const Layer<std::uint8_t>& layer, int row, int column, int moved,
                  ErrorReporter& reporter);

}  // namespace mz
