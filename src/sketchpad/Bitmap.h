#pragma once
// The SketchPad bitmap file: a Windows BMP of 16 bits per pixel (5 bits per colour, the top bit
// clear), bottom-up rows padded to four bytes, without a colour table.

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "sketchpad/Output.h"

namespace mz {

class ErrorReporter;

// The red, green and blue of each colour-table index the buffer uses.
using BitmapColours = std::span<const std::array<std::uint8_t, 3>>;

inline constexpr std::uint32_t kBmpHeaderBytes = 14 + 40;

// Bytes of one padded pixel row and of the whole file.
std::uint32_t bmpRowBytes(int width);
std::uint64_t bmpFileBytes(int width, int height);

// The file's bytes. Indexes past the colour table take its last colour.
std::string bmpBytes(const PixelBuffer& buffer, BitmapColours colours);

// Writes the file; on failure the partial file is removed and false returned.
bool writeBmp(const std::filesystem::path& path, const PixelBuffer& buffer, BitmapColours colours);

}  // namespace mz
