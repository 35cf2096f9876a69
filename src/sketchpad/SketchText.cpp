#include "sketchpad/SketchText.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "foundation/Formats.h"
#include "sketchpad/SketchStore.h"
#include "sketchpad/SketchSymbols.h"

namespace mz {

namespace {

struct Letter {
  char letter;
  std::uint8_t code;
};

constexpr std::array<Letter, 20> kLetters = {{
    {'Z', 5},   {'P', 6},   {'A', 7},   {'F', 23},  {'o', 24}, {'D', 25},  {'W', 27},
    {'>', 28},  {'<', 29},  {'^', 30},  {'v', 31},  {'N', 42}, {'I', 128}, {'O', 129},
    {'H', 130}, {'X', 131}, {'Y', 132}, {'S', 133}, {'\0', 0}, {'\0', 0},
}};

std::optional<std::uint8_t> letterCode(char ch) {
  for (const Letter& l : kLetters)
    if (l.letter != '\0' && l.letter == ch) return l.code;
  return std::nullopt;
}

// Rank of an item within its cell in the stored order.
int layerRank(std::uint8_t code) {
  const std::uint16_t f = symbolFlags(code);
  if (f & flag::kWallNode) return 0;
  if (f & flag::kStoredDuct) return 1;
  if (f & flag::kStoredControl) return 2;
  return 3;
}

enum class CellKind { Empty, Wall, Node, Icon, FlowNumber };

struct TextCell {
  CellKind kind = CellKind::Empty;
  char ch = '.';
};

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

bool toInt(std::string_view s, long& value) {
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

bool fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

bool horizontalWall(const TextCell& t) {
  return t.kind == CellKind::Node || t.kind == CellKind::FlowNumber ||
         (t.kind == CellKind::Wall && t.ch == '-') ||
         (t.kind == CellKind::Icon && hasFlag(*letterCode(t.ch), flag::kFlow));
}

bool verticalWall(const TextCell& t) {
  return t.kind == CellKind::Node || t.kind == CellKind::FlowNumber ||
         (t.kind == CellKind::Wall && t.ch == '|') ||
         (t.kind == CellKind::Icon && hasFlag(*letterCode(t.ch), flag::kFlow));
}

}  // namespace

char iconLetter(std::uint8_t code) {
  for (const Letter& l : kLetters)
    if (l.letter != '\0' && l.code == code) return l.letter;
  return '\0';
}

std::optional<SketchText> parseSketchText(std::string_view text, std::string* error) {
  std::vector<std::string_view> lines = splitLines(text);
  while (!lines.empty() && words(lines.back()).empty()) lines.pop_back();
  SketchText out;
  std::vector<std::string_view> grid;
  std::vector<LevelItem> explicitItems;
  bool sized = false;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    const std::string_view line = lines[n];
    const std::vector<std::string_view> w = words(line);
    if (!w.empty() && w[0] == "grid" && n == 0) {
      long rows = 0;
      long columns = 0;
      if (w.size() != 3 || !toInt(w[1], rows) || !toInt(w[2], columns) || rows < 1 || columns < 1 ||
          rows > SketchPad::kMaxExtent || columns > SketchPad::kMaxExtent) {
        fail(error, "bad grid line: " + std::string(line));
        return std::nullopt;
      }
      out.rows = static_cast<int>(rows);
      out.columns = static_cast<int>(columns);
      sized = true;
    } else if (!w.empty() && w[0] == "@") {
      long v[4] = {};
      if (w.size() != 5 || !toInt(w[1], v[0]) || !toInt(w[2], v[1]) || !toInt(w[3], v[2]) ||
          !toInt(w[4], v[3]) || v[0] < 0 || v[0] > 32767 || v[1] < 0 || v[1] > 32767 || v[2] < 0 ||
          v[2] > 255) {
        fail(error, "bad item line: " + std::string(line));
        return std::nullopt;
      }
      explicitItems.push_back({static_cast<std::int16_t>(v[0]), static_cast<std::int16_t>(v[1]),
                               static_cast<std::uint8_t>(v[2]), static_cast<std::int32_t>(v[3])});
    } else {
      grid.push_back(line);
    }
  }
  if (!sized) {
    out.rows = static_cast<int>(grid.size());
    for (std::string_view g : grid) out.columns = std::max(out.columns, static_cast<int>(g.size()));
  }
  if (grid.size() > static_cast<std::size_t>(out.rows)) {
    fail(error, "the drawing has more rows than the grid");
    return std::nullopt;
  }

  std::vector<std::vector<TextCell>> cells(grid.size());
  std::vector<LevelItem> items;
  for (std::size_t r = 0; r < grid.size(); ++r) {
    const std::string_view g = grid[r];
    if (g.size() > static_cast<std::size_t>(out.columns)) {
      fail(error, cformat("row %zu is wider than the grid", r));
      return std::nullopt;
    }
    cells[r].resize(static_cast<std::size_t>(out.columns));
    for (std::size_t c = 0; c < g.size(); ++c) {
      const char ch = g[c];
      TextCell& t = cells[r][c];
      t.ch = ch;
      if (ch == '.' || ch == ' ') {
        t.kind = CellKind::Empty;
      } else if (ch == '-' || ch == '|') {
        t.kind = CellKind::Wall;
      } else if (ch == '+') {
        t.kind = CellKind::Node;
      } else if (const std::optional<std::uint8_t> code = letterCode(ch)) {
        t.kind = CellKind::Icon;
        std::size_t e = c + 1;
        if (e + 1 < g.size() && g[e] == '-' && g[e + 1] >= '0' && g[e + 1] <= '9') ++e;
        while (e < g.size() && g[e] >= '0' && g[e] <= '9') ++e;
        long number = 0;
        if (e > c + 1 && !toInt(g.substr(c + 1, e - c - 1), number)) {
          fail(error, cformat("bad number at row %zu, col %zu", r, c));
          return std::nullopt;
        }
        items.push_back({static_cast<std::int16_t>(r), static_cast<std::int16_t>(c), *code,
                         static_cast<std::int32_t>(number)});
        const CellKind numberKind =
            hasFlag(*code, flag::kFlow) ? CellKind::FlowNumber : CellKind::Empty;
        for (std::size_t k = c + 1; k < e; ++k) cells[r][k] = {numberKind, g[k]};
        c = e - 1;
      } else {
        fail(error, cformat("unknown character '%c' at row %zu, col %zu", ch, r, c));
        return std::nullopt;
      }
    }
  }
  for (std::size_t r = 0; r < cells.size(); ++r)
    for (std::size_t c = 0; c < cells[r].size(); ++c) {
      if (cells[r][c].kind != CellKind::Node) continue;
      int bits = 0;
      if (r > 0 && c < cells[r - 1].size() && verticalWall(cells[r - 1][c])) bits |= dir::kUp;
      if (c + 1 < cells[r].size() && horizontalWall(cells[r][c + 1])) bits |= dir::kRight;
      if (r + 1 < cells.size() && verticalWall(cells[r + 1][c])) bits |= dir::kDown;
      if (c > 0 && horizontalWall(cells[r][c - 1])) bits |= dir::kLeft;
      const std::uint8_t code = wallCodeForBits(bits);
      if (code == 0 || code == icon::kWallHorizontal || code == icon::kWallVertical) {
        fail(error, cformat("wall node at row %zu, col %zu is not a corner, tee or cross", r, c));
        return std::nullopt;
      }
      items.push_back({static_cast<std::int16_t>(r), static_cast<std::int16_t>(c), code, 0});
    }
  for (const LevelItem& e : explicitItems) {
    const auto same = std::find_if(items.begin(), items.end(), [&](const LevelItem& i) {
      return i.row == e.row && i.column == e.column && layerRank(i.code) == layerRank(e.code);
    });
    if (same != items.end())
      *same = e;
    else
      items.push_back(e);
  }
  std::stable_sort(items.begin(), items.end(), [](const LevelItem& a, const LevelItem& b) {
    if (a.row != b.row) return a.row < b.row;
    if (a.column != b.column) return a.column < b.column;
    return layerRank(a.code) < layerRank(b.code);
  });
  out.items = std::move(items);
  return out;
}

namespace {

std::string drawing(const LevelLayers& l, const std::vector<LevelItem>& items, bool inlineNumbers,
                    std::string& extra) {
  const int rows = l.walls.rows();
  const int columns = l.walls.columns();
  std::vector<std::string> text(static_cast<std::size_t>(rows),
                                std::string(static_cast<std::size_t>(columns), '.'));
  for (int r = 1; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      const std::uint8_t w = l.walls.at(r, c);
      if (w == icon::kWallHorizontal) text[r][c] = '-';
      if (w == icon::kWallVertical) text[r][c] = '|';
    }
  std::vector<bool> numberPlaced(items.size(), false);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const LevelItem& it = items[i];
    if (hasFlag(it.code, flag::kWallNode)) {
      text[it.row][it.column] = '+';
      continue;
    }
    const char letter = iconLetter(it.code);
    if (letter != '\0' && layerRank(it.code) == 3) text[it.row][it.column] = letter;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    const LevelItem& it = items[i];
    if (layerRank(it.code) != 3 || iconLetter(it.code) == '\0' || it.number == 0 || !inlineNumbers)
      continue;
    const std::string digits = std::to_string(it.number);
    std::string& row = text[it.row];
    const std::size_t from = static_cast<std::size_t>(it.column) + 1;
    // After a flow icon on a horizontal wall the digits stand on the wall; otherwise on empty
    // cells.
    const char under =
        hasFlag(it.code, flag::kFlow) && from < row.size() && row[from] == '-' ? '-' : '.';
    bool fits = from + digits.size() <= row.size();
    for (std::size_t k = 0; fits && k < digits.size(); ++k) fits = row[from + k] == under;
    if (!fits) continue;
    for (std::size_t k = 0; k < digits.size(); ++k) row[from + k] = digits[k];
    numberPlaced[i] = true;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    const LevelItem& it = items[i];
    const bool drawn = hasFlag(it.code, flag::kWallNode) ||
                       (layerRank(it.code) == 3 && iconLetter(it.code) != '\0' &&
                        (it.number == 0 || numberPlaced[i]));
    if (!drawn) extra += cformat("@ %d %d %d %d\n", it.row, it.column, it.code, it.number);
  }
  std::string out = cformat("grid %d %d\n", rows, columns);
  for (const std::string& line : text) out += line + "\n";
  return out;
}

}  // namespace

std::string printLevel(const SketchPad& pad, SketchCopy copy) {
  const LevelLayers& l = pad.layers(copy);
  const std::vector<LevelItem> items = levelItems(l);
  // Numbers are written beside their icons where they fit; when that would change how the text
  // reads back, every number is given on an item line instead.
  for (const bool inlineNumbers : {true, false}) {
    std::string extra;
    std::string out = drawing(l, items, inlineNumbers, extra) + extra;
    const std::optional<SketchText> back = parseSketchText(out);
    if (!inlineNumbers || (back && back->items == items)) return out;
  }
  return {};
}

std::string printZoneMap(const SketchPad& pad, SketchCopy copy) {
  const Layer<std::int32_t>& z = pad.layers(copy).zones;
  std::string out;
  for (int r = 0; r < z.rows(); ++r) {
    for (int c = 0; c < z.columns(); ++c) {
      const int v = z.at(r, c);
      char ch = '*';
      if (v == zonemap::kWall)
        ch = '#';
      else if (v == zonemap::kAmbient)
        ch = '.';
      else if (v == zonemap::kUndefined)
        ch = '?';
      else if (v >= 0 && v <= 9)
        ch = static_cast<char>('0' + v);
      else if (v >= 10 && v <= 35)
        ch = static_cast<char>('a' + v - 10);
      else if (v >= 36 && v <= 61)
        ch = static_cast<char>('A' + v - 36);
      out += ch;
    }
    out += '\n';
  }
  return out;
}

}  // namespace mz
