#pragma once
// Drawings shared by the SketchPad benchmarks, in the text notation.

#include <string>
#include <vector>

namespace mz::bench {

// Rooms of 7 x 5 cells on the wall lattice, each with its numbered zone icon.
inline std::string roomsDrawing(int rows, int columns) {
  std::vector<std::string> text(static_cast<std::size_t>(rows),
                                std::string(static_cast<std::size_t>(columns), '.'));
  const int lastRow = 1 + ((rows - 3) / 6) * 6;
  const int lastColumn = 1 + ((columns - 3) / 8) * 8;
  int zone = 0;
  for (int r = 1; r <= lastRow; ++r)
    for (int c = 1; c <= lastColumn; ++c) {
      const bool wallRow = (r - 1) % 6 == 0;
      const bool wallColumn = (c - 1) % 8 == 0;
      if (wallRow && wallColumn)
        text[r][c] = '+';
      else if (wallRow)
        text[r][c] = '-';
      else if (wallColumn)
        text[r][c] = '|';
      else if ((r - 1) % 6 == 2 && (c - 1) % 8 == 2 && r + 3 <= lastRow) {
        const std::string icon = "Z" + std::to_string(++zone);
        text[r].replace(static_cast<std::size_t>(c), icon.size(), icon);
        c += static_cast<int>(icon.size()) - 1;
      }
    }
  std::string out = "grid " + std::to_string(rows) + " " + std::to_string(columns) + "\n";
  for (const std::string& line : text) out += line + "\n";
  return out;
}

}  // namespace mz::bench
