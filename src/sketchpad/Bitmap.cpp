#include "sketchpad/Bitmap.h"

#include <fstream>
#include <system_error>

namespace mz {

namespace {

void put16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

std::uint32_t bmpRowBytes(int width) {
  return (static_cast<std::uint32_t>(width) * 2U + 3U) / 4U * 4U;
}

std::uint64_t bmpFileBytes(int width, int height) {
  return kBmpHeaderBytes +
         static_cast<std::uint64_t>(bmpRowBytes(width)) * static_cast<std::uint64_t>(height);
}

std::string bmpBytes(const PixelBuffer& buffer, BitmapColours colours) {
  const std::uint32_t row = bmpRowBytes(buffer.width);
  const auto image = static_cast<std::uint32_t>(row * static_cast<std::uint32_t>(buffer.height));
  std::string out;
  out.reserve(kBmpHeaderBytes + image);
  // File header.
  out += "BM";
  put32(out, kBmpHeaderBytes + image);
  put32(out, 0);
  put32(out, kBmpHeaderBytes);
  // Info header.
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(buffer.width));
  put32(out, static_cast<std::uint32_t>(buffer.height));
  put16(out, 1);   // planes
  put16(out, 16);  // bits per pixel
  put32(out, 0);   // no compression
  put32(out, image);
  put32(out, 0);  // pixels per metre, across and down
  put32(out, 0);
  put32(out, 0);  // colours used: none listed
  put32(out, 0);  // colours important: all
  for (int y = buffer.height - 1; y >= 0; --y) {
    for (int x = 0; x < buffer.width; ++x) {
      std::uint32_t pixel = 0;
      if (!colours.empty()) {
        const std::size_t i = std::min<std::size_t>(buffer.at(x, y), colours.size() - 1);
        const auto& rgb = colours[i];
        pixel = (static_cast<std::uint32_t>(rgb[0] >> 3) << 10) |
                (static_cast<std::uint32_t>(rgb[1] >> 3) << 5) |
                static_cast<std::uint32_t>(rgb[2] >> 3);
      }
      put16(out, pixel);
    }
    out.append(row - static_cast<std::uint32_t>(buffer.width) * 2U, '\0');
  }
  return out;
}

bool writeBmp(const std::filesystem::path& path, const PixelBuffer& buffer, BitmapColours colours) {
  const std::string bytes = bmpBytes(buffer, colours);
  bool written = false;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    // A target that cannot be opened is left alone: only a file begun here is removed.
    if (!file) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    written = static_cast<bool>(file);
  }
  if (!written) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
  }
  return written;
}

}  // namespace mz
