#include "app/CnfgDlg.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "app/FileHeader.h"
#include "app/TextFile.h"
#include "app/Version.h"
#include "elements/Units.h"
#include "foundation/FileOps.h"
#include "foundation/Formats.h"
#include "foundation/Heap.h"
#include "foundation/Utils.h"

namespace mz {

namespace {

constexpr double kLowestTemperature = 286.05;   // K
constexpr double kHighestTemperature = 306.25;  // K
// A line of the converter path holds up to 260 characters.
constexpr std::size_t kPathLineSize = 262;
constexpr long kMaxWord = 32767;

// The twelve palette lines of the file: eleven roles and the unused cursor colour before the
// highlight.
constexpr std::size_t kPaletteLines = 12;
constexpr std::size_t kCursorLine = 10;

// The file's role order for the twelve lines; the cursor line has no role.
constexpr std::array<PaletteRole, kPaletteLines - 1> kRoleOfLine = {
    PaletteRole::Foreground,  PaletteRole::Background, PaletteRole::Controls,
    PaletteRole::Undefined,   PaletteRole::DrawLine,   PaletteRole::SubLevel,
    PaletteRole::FlowResults, PaletteRole::Ducts,      PaletteRole::PressureResults,
    PaletteRole::Errors,      PaletteRole::Highlight};

constexpr std::array<std::string_view, kPaletteLines> kPaletteComments = {
    "foreground",   "background", "controls",         "undefined", "draw line", "sublevel",
    "flow results", "ducts",      "pressure results", "errors",    "cursor",    "highlight"};

constexpr std::array<std::string_view, kPaletteLines> kColourMessages = {
    "Invalid foreground color value: ",
    "Invalid background color value: ",
    "Invalid control color value: ",
    "Invalid undefined color value: ",
    "Invalid draw line color value: ",
    "Invalid sub level color value: ",
    "Invalid flow results color value: ",
    "Invalid duct color value: ",
    "Invalid pressure results color value: ",
    "Invalid error color value: ",
    "",
    "Invalid highlight color value: "};

PaletteRole roleOfLine(std::size_t line) {
  return kRoleOfLine[line < kCursorLine ? line : line - 1];
}

// The reading of one file, kept together so that every report names CnfgDlg.
class ConfigurationReader {
 public:
  ConfigurationReader(Configuration& config, ErrorReporter& reporter)
      : config_(config), reporter_(reporter), reader_(reporter) {}

  void read(const std::filesystem::path& path) {
    if (!fileExists(path) || !reader_.open(path)) return;
    const auto version =
        readFileHeader(reader_, reporter_, "ConfigFile", "Bad configuration file: ", path);
    if (!version) return;
    if (!readCellSizes()) return;
    readUnits();
    readTemperature();
    if (*version >= 2) {
      if (!readConverterPath()) return;
      readRanged<std::int16_t>(config_.cellJump, Word::Signed, 1, kMaxWord,
                               "Invalid cell jump: ", 10);
    }
    if (*version >= 4)
      readFlag(config_.floatingStatus, "Invalid floating status bar on/off value: ");
    if (*version >= 5) {
      readFlag(config_.colourZones, "Invalid zone coloring on/off value: ");
      readFlag(config_.colourDucts, "Invalid duct coloring on/off value: ");
      readRanged<std::uint8_t>(config_.selectedPalette, Word::Unsigned, 0, kPaletteCount - 1,
                               "Invalid selected palette: ", 0);
      for (std::size_t p = 1; p < kPaletteCount; ++p) readPalette(config_.palettes[p]);
      readRanged<std::uint8_t>(config_.resultLines, Word::Unsigned, 0, 2,
                               "Invalid result lines on/off value: ", 1);
      readRanged<std::int16_t>(config_.timeJump, Word::Signed, 2, kMaxWord,
                               "Invalid time jump value: ", 10);
      readFlag(config_.maximizeAtStart, "Invalid maximize at startup value: ");
    }
  }

 private:
  void invalid(std::string_view text, long value) {
    reporter_.report(Severity::Error, {text, std::to_string(value)});
  }

  bool readCellSizes() {
    const int count = reader_.readShort();
    if (count < 1 || count > static_cast<int>(kAllCellSizes.size())) {
      invalid("Invalid number of fonts: ", count);
      return false;
    }
    // Each size must be one of the present list, in its order.
    std::vector<int> sizes;
    auto from = config_.cellSizes.begin();
    for (int i = 0; i < count; ++i) {
      const int size = reader_.readShort();
      from = std::find(from, config_.cellSizes.end(), size);
      if (from == config_.cellSizes.end()) {
        reporter_.report(Severity::Error, {"Invalid font sizes"});
        return false;
      }
      ++from;
      sizes.push_back(size);
    }
    if (std::find(sizes.begin(), sizes.end(), kDefaultCellSize) == sizes.end()) {
      reporter_.report(Severity::Error, {"8x8 font required"});
      return false;
    }
    config_.cellSizes = std::move(sizes);
    return true;
  }

  void readUnits() {
    readRanged(config_.defaultUnitSystem, Word::Signed, 0, 1, "Invalid units #: ");
    readRanged(config_.defaultFlowUnit, Word::Signed, 0, 8, "Invalid flow units #: ");
  }

  void readTemperature() {
    const float value = reader_.readFloat();
    const std::int16_t unit = reader_.readShort();
    const auto converted = temperatureToKelvin(value, unit);
    if (!converted) {
      invalid("Invalid temperature units #: ", unit);
      return;
    }
    // Compared at the precision the value is kept in, so that the bounds written as they are
    // count as inside.
    const float kelvin = *converted;
    if (kelvin >= static_cast<float>(kLowestTemperature) &&
        kelvin <= static_cast<float>(kHighestTemperature)) {
      config_.defaultTemperature = kelvin;
      config_.temperatureUnit = unit;
    } else {
      reporter_.report(Severity::Error,
                       {"Unusual zone temperature ", cformat("%g", value), " [K] not used"});
    }
  }

  // The path is the next line that is neither empty nor begins with a blank, cut at its
  // comment. False when the data ends first: nothing follows to be read.
  bool readConverterPath() {
    std::string line;
    for (;;) {
      if (!reader_.readToken(line, ReadMode::NextLine, kPathLineSize)) return false;
      if (!line.empty() && line.front() != ' ' && line.front() != '\t') break;
    }
    config_.converterPath = stripComment(line);
    return true;
  }

  // The file's integers are signed or unsigned 16-bit words; a negative unsigned word is out
  // of range.
  enum class Word { Signed, Unsigned };

  // Takes a value in lo..hi; any other is reported with its message and gives the fallback, or
  // leaves the field as it was when there is none.
  template <typename Field>
  void readRanged(Field& field, Word word, long lo, long hi, std::string_view message,
                  std::optional<Field> fallback = std::nullopt) {
    const long value =
        word == Word::Signed ? long{reader_.readShort()} : long{reader_.readUShort()};
    if (value >= lo && value <= hi) {
      field = static_cast<Field>(value);
      return;
    }
    invalid(message, value);
    if (fallback) field = *fallback;
  }

  void readFlag(std::int16_t& flag, std::string_view message) {
    readRanged<std::int16_t>(flag, Word::Unsigned, 0, 1, message, 0);
  }

  void readPalette(Palette& palette) {
    for (std::size_t line = 0; line < kPaletteLines; ++line) {
      if (line == kCursorLine) {
        reader_.readUShort();
        continue;
      }
      readRanged(palette[roleOfLine(line)], Word::Unsigned, 0, 255, kColourMessages[line]);
    }
  }

  Configuration& config_;
  ErrorReporter& reporter_;
  TokenReader reader_;
};

}  // namespace

void readConfiguration(Configuration& config, ErrorReporter& reporter,
                       const std::filesystem::path& path) {
  ConfigurationReader(config, reporter).read(path);
  config.applyPalette();
}

std::string formatConfiguration(const Configuration& c) {
  std::string out;
  auto line = [&out](std::string text) {
    out += text;
    out += '\n';
  };
  line(cformat("ConfigFile MulzonW %s   ! file type identification", kCurrentVersion.data()));
  line("! anything after an exclamation mark is treated as a comment.");
  line("! number of fonts, N, followed by N valid font sizes in increasing order.");
  line("! 7  1 2 3 4 5 8 16  ! all valid sizes; size 8 is required.");
  line("! 6  1 2 3 5 8 16 -or- 5  1 2 4 8 16  are good choices.");
  line("! if the size 1 font crashes the program, remove it.");
  std::string sizes = cformat("  %d ", static_cast<int>(c.cellSizes.size()));
  for (int size : c.cellSizes) sizes += cformat(" %d", size);
  line(sizes + "  ! selected fonts.");
  line(cformat("  %d     ! default units: 0 = SI, 1 = IP.", c.defaultUnitSystem));
  line(cformat("  %d     ! default flow units: 0 = kg/s, 1 = scfm, 2 = sL/s, 3 = sm3/s,",
               c.defaultFlowUnit));
  line("        !   4 = sm3/h, 5 = lb/s, 6 = sft3/h, 7 = sL/min, 8 = kg/h.");
  line(cformat(" %g %d  ! default zone temperatures in units:",
               static_cast<double>(kelvinToTemperature(c.defaultTemperature, c.temperatureUnit)
                                       .value_or(c.defaultTemperature)),
               c.temperatureUnit));
  line("        !   0 = K, 1 = R, 2 = C, 3 = F.");
  // An empty path would make the reader skip this line and the ones after it.
  line((c.converterPath.empty() ? std::string("null") : c.converterPath) +
       " ! EWC to WPC converter");
  line(cformat("  %d     ! cell jump", c.cellJump));
  line(cformat("  %d     ! floating status on/off", c.floatingStatus));
  line(cformat("  %d     ! zone coloring on/off", c.colourZones));
  line(cformat("  %d     ! duct coloring on/off", c.colourDucts));
  line(cformat("  %d     ! selected palette", c.selectedPalette));
  for (std::size_t p = 1; p < kPaletteCount; ++p) {
    for (std::size_t l = 0; l < kPaletteLines; ++l) {
      const int value = l == kCursorLine ? 0 : c.palettes[p][roleOfLine(l)];
      line(cformat(" %d     ! ", value) + std::string(kPaletteComments[l]));
    }
  }
  line(cformat("  %d     ! result lines ", c.resultLines));
  line(cformat("  %d     ! time jump", c.timeJump));
  line(cformat("  %d     ! maximize at start", c.maximizeAtStart));
  return out;
}

bool writeConfiguration(const Configuration& config, ErrorReporter& reporter,
                        const std::filesystem::path& path) {
  if (replaceFileContents(path, formatConfiguration(config))) return true;
  reporter.report(Severity::Error, {"Could not open MULZON.CFG."});
  return false;
}

}  // namespace mz
