#include "app/CnfgDlg.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "elements/Units.h"
#include "support/TestSupport.h"

namespace mz {
namespace {

using test::Diagnostics;
using test::TempDir;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

// The file as written for the defaults, line by line.
constexpr const char* kDefaultFile =
    "ConfigFile MulzonW 3.0   ! file type identification\n"
    "! anything after an exclamation mark is treated as a comment.\n"
    "! number of fonts, N, followed by N valid font sizes in increasing order.\n"
    "! 7  1 2 3 4 5 8 16  ! all valid sizes; size 8 is required.\n"
    "! 6  1 2 3 5 8 16 -or- 5  1 2 4 8 16  are good choices.\n"
    "! if the size 1 font crashes the program, remove it.\n"
    "  7  1 2 3 4 5 8 16  ! selected fonts.\n"
    "  0     ! default units: 0 = SI, 1 = IP.\n"
    "  0     ! default flow units: 0 = kg/s, 1 = scfm, 2 = sL/s, 3 = sm3/s,\n"
    "        !   4 = sm3/h, 5 = lb/s, 6 = sft3/h, 7 = sL/min, 8 = kg/h.\n"
    " 20 2  ! default zone temperatures in units:\n"
    "        !   0 = K, 1 = R, 2 = C, 3 = F.\n"
    "null ! EWC to WPC converter\n"
    "  10     ! cell jump\n"
    "  0     ! floating status on/off\n"
    "  0     ! zone coloring on/off\n"
    "  0     ! duct coloring on/off\n"
    "  0     ! selected palette\n"
    " 2     ! foreground\n"
    " 0     ! background\n"
    " 12     ! controls\n"
    " 7     ! undefined\n"
    " 5     ! draw line\n"
    " 13     ! sublevel\n"
    " 17     ! flow results\n"
    " 22     ! ducts\n"
    " 4     ! pressure results\n"
    " 39     ! errors\n"
    " 0     ! cursor\n"
    " 23     ! highlight\n"
    " 13     ! foreground\n"
    " 39     ! background\n"
    " 15     ! controls\n"
    " 33     ! undefined\n"
    " 30     ! draw line\n"
    " 36     ! sublevel\n"
    " 23     ! flow results\n"
    " 26     ! ducts\n"
    " 29     ! pressure results\n"
    " 2     ! errors\n"
    " 0     ! cursor\n"
    " 8     ! highlight\n"
    " 12     ! foreground\n"
    " 0     ! background\n"
    " 28     ! controls\n"
    " 2     ! undefined\n"
    " 18     ! draw line\n"
    " 10     ! sublevel\n"
    " 39     ! flow results\n"
    " 24     ! ducts\n"
    " 19     ! pressure results\n"
    " 39     ! errors\n"
    " 0     ! cursor\n"
    " 32     ! highlight\n"
    "  1     ! result lines \n"
    "  10     ! time jump\n"
    "  0     ! maximize at start\n";

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// The default file with some of its lines (numbered from 1) replaced.
std::string defaultFileWith(std::initializer_list<std::pair<int, std::string>> changes) {
  std::vector<std::string> lines = linesOf(kDefaultFile);
  for (const auto& [number, text] : changes) lines.at(number - 1) = text;
  return joined(lines);
}

struct Reading {
  Configuration config;
  std::vector<std::string> messages;
  std::string log;
  int errors = 0;
};

Reading readText(const std::string& text) {
  TempDir dir;
  test::writeFile(dir / "Mulzon.cfg", text);
  Diagnostics d;
  LogFile log;
  log.open(dir / "test.log");
  d.reporter.setLog(&log);
  Reading r;
  readConfiguration(r.config, d.reporter, dir / "Mulzon.cfg");
  log.close();
  r.messages = d.messages();
  r.log = test::readFile(dir / "test.log");
  r.errors = d.reporter.errorCount();
  return r;
}

TEST(ConfigurationFile, DefaultsAreWrittenLineByLine) {
  EXPECT_EQ(formatConfiguration(Configuration{}), kDefaultFile);
}

TEST(ConfigurationFile, WrittenFileReadsBackEqual) {
  Configuration c;
  c.cellSizes = {1, 2, 4, 8, 16};
  c.defaultUnitSystem = 1;
  c.defaultFlowUnit = 7;
  c.temperatureUnit = 3;
  c.defaultTemperature = *temperatureToKelvin(70, 3);
  c.converterPath = "/opt/ewc/ewc2wpc";
  c.cellJump = 3;
  c.floatingStatus = 1;
  c.colourZones = 1;
  c.colourDucts = 1;
  c.selectedPalette = 2;
  c.palettes[2][PaletteRole::Ducts] = 200;
  c.palettes[3][PaletteRole::Highlight] = 0;
  c.resultLines = 2;
  c.timeJump = 25;
  c.maximizeAtStart = 1;
  c.applyPalette();

  TempDir dir;
  Diagnostics d;
  ASSERT_TRUE(writeConfiguration(c, d.reporter, dir / "Mulzon.cfg"));
  Configuration back;
  readConfiguration(back, d.reporter, dir / "Mulzon.cfg");
  EXPECT_THAT(d.messages(), IsEmpty());
  EXPECT_NEAR(back.defaultTemperature, c.defaultTemperature, 1e-3);
  back.defaultTemperature = c.defaultTemperature;
  EXPECT_EQ(back, c);
  EXPECT_EQ(back.drawingColours, c.palettes[2]);
}

TEST(ConfigurationFile, EmptyConverterPathIsWrittenAsNullSoTheLinesAfterItSurvive) {
  Configuration c;
  c.converterPath.clear();
  c.cellJump = 4;
  c.maximizeAtStart = 1;
  const Reading r = readText(formatConfiguration(c));
  EXPECT_THAT(r.messages, IsEmpty());
  EXPECT_EQ(r.config.converterPath, "null");
  EXPECT_EQ(r.config.cellJump, 4);
  EXPECT_EQ(r.config.maximizeAtStart, 1);
}

TEST(ConfigurationFile, UnwritableFileIsACountedError) {
  TempDir dir;
  Diagnostics d;
  EXPECT_FALSE(writeConfiguration(Configuration{}, d.reporter, dir / "missing" / "Mulzon.cfg"));
  EXPECT_THAT(d.messages(), ElementsAre("Could not open MULZON.CFG."));
  EXPECT_EQ(d.reporter.errorCount(), 1);
}

TEST(ConfigurationFile, MissingFileKeepsDefaultsSilently) {
  TempDir dir;
  Diagnostics d;
  Configuration c;
  readConfiguration(c, d.reporter, dir / "Mulzon.cfg");
  EXPECT_EQ(c, Configuration{});
  EXPECT_TRUE(d.ui.events().empty());
}

TEST(ConfigurationFile, ReportsNameTheConfigurationModuleInTheLog) {
  const Reading r = readText(defaultFileWith({{8, "  5     ! units"}}));
  EXPECT_THAT(r.log, ::testing::MatchesRegex("ERROR  \\(file CnfgDlg, line [0-9]+\\)\n"
                                             " Invalid units #: 5\n"));
}

struct BadValue {
  const char* name;
  int line;
  std::string text;
  std::string message;
};

class ConfigurationValue : public ::testing::TestWithParam<BadValue> {};

TEST_P(ConfigurationValue, IsRefusedWithItsMessageAndTheDefaultKept) {
  const Reading r = readText(defaultFileWith({{GetParam().line, GetParam().text}}));
  EXPECT_THAT(r.messages, ElementsAre(GetParam().message));
  EXPECT_EQ(r.errors, 1);
  EXPECT_EQ(r.config, Configuration{});
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ConfigurationValue,
    ::testing::Values(
        BadValue{"Units", 8, "  2", "Invalid units #: 2"},
        BadValue{"FlowUnits", 9, "  9", "Invalid flow units #: 9"},
        BadValue{"TemperatureUnit", 11, " 20 4", "Invalid temperature units #: 4"},
        BadValue{"UnusualTemperature", 11, " 40 2", "Unusual zone temperature 40 [K] not used"},
        BadValue{"UnusualKelvin", 11, " 286 0", "Unusual zone temperature 286 [K] not used"},
        BadValue{"CellJump", 14, "  0", "Invalid cell jump: 0"},
        BadValue{"FloatingStatus", 15, "  2", "Invalid floating status bar on/off value: 2"},
        BadValue{"ZoneColouring", 16, "  3", "Invalid zone coloring on/off value: 3"},
        BadValue{"DuctColouring", 17, "  7", "Invalid duct coloring on/off value: 7"},
        BadValue{"SelectedPalette", 18, "  4", "Invalid selected palette: 4"},
        BadValue{"Foreground", 19, " 256", "Invalid foreground color value: 256"},
        BadValue{"Background", 20, " 300", "Invalid background color value: 300"},
        BadValue{"Controls", 21, " 1000", "Invalid control color value: 1000"},
        BadValue{"Undefined", 22, " 256", "Invalid undefined color value: 256"},
        BadValue{"DrawLine", 23, " 256", "Invalid draw line color value: 256"},
        BadValue{"SubLevel", 24, " 256", "Invalid sub level color value: 256"},
        BadValue{"FlowResults", 25, " 256", "Invalid flow results color value: 256"},
        BadValue{"Ducts", 26, " 256", "Invalid duct color value: 256"},
        BadValue{"PressureResults", 27, " 256", "Invalid pressure results color value: 256"},
        BadValue{"Errors", 28, " 256", "Invalid error color value: 256"},
        BadValue{"Highlight", 30, " 256", "Invalid highlight color value: 256"},
        BadValue{"ThirdPaletteHighlight", 54, " 999", "Invalid highlight color value: 999"},
        BadValue{"ResultLines", 55, "  3", "Invalid result lines on/off value: 3"},
        BadValue{"TimeJump", 56, "  1", "Invalid time jump value: 1"},
        BadValue{"Maximize", 57, "  2", "Invalid maximize at startup value: 2"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ConfigurationFile, BadValueFallsBackWhereAFallbackIsGiven) {
  // Values that differ from the default before the bad line, so that the fallback shows.
  Configuration start;
  start.cellJump = 5;
  start.timeJump = 30;
  start.resultLines = 2;
  start.maximizeAtStart = 1;
  std::vector<std::string> lines = linesOf(formatConfiguration(start));
  lines[13] = "  -4";
  lines[54] = "  9";
  lines[55] = "  0";
  lines[56] = "  5";
  const Reading r = readText(joined(lines));
  EXPECT_EQ(r.config.cellJump, 10);
  EXPECT_EQ(r.config.resultLines, 1);
  EXPECT_EQ(r.config.timeJump, 10);
  EXPECT_EQ(r.config.maximizeAtStart, 0);
  EXPECT_THAT(r.messages,
              ElementsAre("Invalid cell jump: -4", "Invalid result lines on/off value: 9",
                          "Invalid time jump value: 0", "Invalid maximize at startup value: 5"));
}

TEST(ConfigurationFile, NegativeOnOffValueIsOutOfRange) {
  const Reading r = readText(defaultFileWith({{16, "  -1"}}));
  EXPECT_EQ(r.config.colourZones, 0);
  ASSERT_FALSE(r.messages.empty());
  EXPECT_TRUE(r.messages.back().starts_with("Invalid zone coloring on/off value: "));
}

TEST(ConfigurationFile, ColourIndexesPastTheTableAreReadButLookUpSafely) {
  Configuration c;
  c.selectedPalette = 1;
  c.palettes[1][PaletteRole::Background] = 255;
  const Reading r = readText(formatConfiguration(c));
  EXPECT_THAT(r.messages, IsEmpty());
  EXPECT_EQ(r.config.drawingColours[PaletteRole::Background], 255);
  EXPECT_EQ(colourOf(r.config.drawingColours[PaletteRole::Background]), colourOf(39));
  EXPECT_EQ(colourOf(40), (Rgb{255, 255, 255}));
  EXPECT_EQ(colourOf(3), (Rgb{255, 65, 227}));
}

struct CellSizeLine {
  const char* name;
  std::string line;
  std::vector<int> sizes;
  std::vector<std::string> messages;
};

class CellSizesLine : public ::testing::TestWithParam<CellSizeLine> {};

TEST_P(CellSizesLine, IsAcceptedOrEndsTheReading) {
  // A later line that differs from the default shows whether the reading went on.
  const Reading r = readText(defaultFileWith({{7, GetParam().line}, {8, "  1"}}));
  EXPECT_THAT(r.messages, ElementsAreArray(GetParam().messages));
  EXPECT_EQ(r.config.cellSizes, GetParam().sizes);
  EXPECT_EQ(r.config.defaultUnitSystem, GetParam().messages.empty() ? 1 : 0);
}

const std::vector<int> kAll = {1, 2, 3, 4, 5, 8, 16};

INSTANTIATE_TEST_SUITE_P(
    Cases, CellSizesLine,
    ::testing::Values(
        CellSizeLine{"Five", "  5  1 2 4 8 16", {1, 2, 4, 8, 16}, {}},
        CellSizeLine{"OnlyEight", "  1  8", {8}, {}},
        CellSizeLine{"NotIncreasing", "  3  8 4 16", kAll, {"Invalid font sizes"}},
        CellSizeLine{"Repeated", "  2  8 8", kAll, {"Invalid font sizes"}},
        CellSizeLine{"UnknownSize", "  2  6 8", kAll, {"Invalid font sizes"}},
        CellSizeLine{"NoEight", "  3  1 2 4", kAll, {"8x8 font required"}},
        CellSizeLine{"ZeroCount", "  0", kAll, {"Invalid number of fonts: 0"}},
        CellSizeLine{"EightCount", "  8  1 2 3 4 5 8 16 16", kAll, {"Invalid number of fonts: 8"}}),
    [](const auto& p) { return std::string(p.param.name); });

struct Header {
  const char* name;
  std::string first;
};

class ConfigurationHeader : public ::testing::TestWithParam<Header> {};

TEST_P(ConfigurationHeader, IsRejectedAndEveryDefaultKept) {
  const Reading r = readText(defaultFileWith({{1, GetParam().first}, {8, "  1"}}));
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_TRUE(r.messages[0].starts_with("Bad configuration file: "));
  EXPECT_TRUE(r.messages[0].ends_with("Mulzon.cfg"));
  EXPECT_EQ(r.messages[1], "Invalid header data: " + GetParam().first);
  EXPECT_EQ(r.errors, 1);  // the warning is not counted
  EXPECT_EQ(r.config, Configuration{});
}

INSTANTIATE_TEST_SUITE_P(Cases, ConfigurationHeader,
                         ::testing::Values(Header{"FirstVersion", "ConfigFile MulzonW 1.0   ! old"},
                                           Header{"UnknownVersion", "ConfigFile MulzonW 2.5"},
                                           Header{"WrongType", "RecentProjectsFile MulzonW 3.0"},
                                           Header{"WrongProgram", "ConfigFile Mulzon 3.0"},
                                           Header{"Truncated", "ConfigFile"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(ConfigurationFile, OlderVersionHoldsOnlyItsFields) {
  // A 2.2 file ends with the converter path and the cell jump.
  std::vector<std::string> lines = linesOf(kDefaultFile);
  lines.resize(14);
  lines[0] = "ConfigFile MulzonW 2.2   ! file type identification";
  lines[12] = "/usr/bin/ewc2wpc   ! EWC to WPC converter";
  lines[13] = "  4     ! cell jump";
  const Reading r = readText(joined(lines));
  EXPECT_THAT(r.messages, IsEmpty());
  EXPECT_EQ(r.config.converterPath, "/usr/bin/ewc2wpc");
  EXPECT_EQ(r.config.cellJump, 4);
  EXPECT_EQ(r.config.floatingStatus, 0);
  EXPECT_EQ(r.config.maximizeAtStart, 0);
  EXPECT_EQ(r.config.palettes, defaultPalettes());
}

TEST(ConfigurationFile, VersionTwoZeroFileHasNoConverterPath) {
  std::vector<std::string> lines = linesOf(kDefaultFile);
  lines.resize(12);
  lines[0] = "ConfigFile MulzonW 2.0";
  lines[10] = " 21 2";
  const Reading r = readText(joined(lines));
  EXPECT_THAT(r.messages, IsEmpty());
  EXPECT_NEAR(r.config.defaultTemperature, 294.15, 1e-4);
  EXPECT_EQ(r.config.converterPath, "null");
}

TEST(ConfigurationFile, ConverterPathSearchEndsAtTheEndOfTheFile) {
  // Only blank-led lines follow the temperature: the search for the path stops at the end of
  // the data and nothing after it is reported.
  std::vector<std::string> lines = linesOf(kDefaultFile);
  lines.resize(12);
  lines.push_back("   ");
  lines.push_back("");
  const Reading r = readText(joined(lines));
  EXPECT_THAT(r.messages, IsEmpty());
  EXPECT_EQ(r.config, Configuration{});
}

TEST(ConfigurationFile, ConverterPathSkipsEmptyAndBlankLedLines) {
  const Reading r = readText(defaultFileWith({{13, "\n\n  indented\n/opt/x y/conv  ! note"}}));
  EXPECT_THAT(r.messages, IsEmpty());
  EXPECT_EQ(r.config.converterPath, "/opt/x y/conv");
  EXPECT_EQ(r.config.cellJump, 10);
}

TEST(ConfigurationFile, TemperatureIsReadInItsUnitAndKeptInKelvin) {
  const Reading c = readText(defaultFileWith({{11, " 20 2"}}));
  EXPECT_NEAR(c.config.defaultTemperature, 293.15, 1e-4);
  const Reading f = readText(defaultFileWith({{11, " 75.2 3"}}));
  EXPECT_THAT(f.messages, IsEmpty());
  EXPECT_NEAR(f.config.defaultTemperature, 297.15, 1e-3);
  EXPECT_EQ(f.config.temperatureUnit, 3);
  // The bounds 286.05 K and 306.25 K are both inside.
  EXPECT_THAT(readText(defaultFileWith({{11, " 306.25 0"}})).messages, IsEmpty());
  EXPECT_THAT(readText(defaultFileWith({{11, " 286.05 0"}})).messages, IsEmpty());
  EXPECT_THAT(readText(defaultFileWith({{11, " 306.3 0"}})).messages,
              ElementsAre("Unusual zone temperature 306.3 [K] not used"));
}

}  // namespace
}  // namespace mz
