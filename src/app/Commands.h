#pragma once
// The main window's command set: command numbers, the menu bar with its texts and shortcut
// keys, and the toolbar with its button numbers and tooltips.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mz {

namespace cmd {
inline constexpr int kNewProject = 100;
inline constexpr int kOpenProject = 101;
inline constexpr int kSaveProject = 102;
inline constexpr int kSaveProjectAs = 103;
inline constexpr int kExit = 106;
inline constexpr int kProjectDescription = 251;
inline constexpr int kSaveBitmap = 4074;
inline constexpr int kCut = 201;
inline constexpr int kCopy = 202;
inline constexpr int kPaste = 203;
inline constexpr int kDelete = 4030;
inline constexpr int kDeleteNetwork = 4116;
inline constexpr int kFind = 204;
inline constexpr int kReplace = 205;
inline constexpr int kNormalMode = 300;
inline constexpr int kResultsMode = 301;
inline constexpr int kWindPressureMode = 302;
inline constexpr int kWindUserSet = 4122;
inline constexpr int kWindWeatherFile = 4121;
inline constexpr int kWindWpc = 4120;
inline constexpr int kResultsDisplay = 4061;
inline constexpr int kControlLinks = 4071;
inline constexpr int kNextStep = 4034;
inline constexpr int kPreviousStep = 4035;
inline constexpr int kFirstStep = 4037;
inline constexpr int kLastStep = 4036;
inline constexpr int kJumpAhead = 4111;
inline constexpr int kJumpBack = 4112;
inline constexpr int kGoToDateTime = 4113;
inline constexpr int kLargerIcons = 252;
inline constexpr int kSmallerIcons = 253;
inline constexpr int kSketchNavigator = 4165;
inline constexpr int kFloatingStatus = 285;
inline constexpr int kColourDucts = 294;
inline constexpr int kColourZones = 4088;
inline constexpr int kDuctColouring = 293;
inline constexpr int kOptions = 4053;
inline constexpr int kEditLevel = 401;
inline constexpr int kCopyLevel = 403;
inline constexpr int kPasteLevelAbove = 406;
inline constexpr int kPasteLevelBelow = 407;
inline constexpr int kInsertLevelAbove = 404;
inline constexpr int kInsertLevelBelow = 405;
inline constexpr int kDeleteLevel = 402;
inline constexpr int kRevealLevelBelow = 400;
inline constexpr int kLevelAbove = 408;
inline constexpr int kLevelBelow = 409;
inline constexpr int kTopLevel = 410;
inline constexpr int kBottomLevel = 411;
inline constexpr int kGoToLevel = 412;
inline constexpr int kCheckLevel = 4027;
inline constexpr int kDrawWalls = 4011;
inline constexpr int kDrawBoxes = 4012;
inline constexpr int kDrawDucts = 4015;
inline constexpr int kDrawLinks = 4014;
inline constexpr int kIconZone = 4040;
inline constexpr int kIconPhantom = 4041;
inline constexpr int kIconAmbient = 4042;
inline constexpr int kIconFlowPath = 4043;
inline constexpr int kIconAhs = 4044;
inline constexpr int kIconSupply = 4045;
inline constexpr int kIconReturn = 4046;
inline constexpr int kIconSourceSink = 4047;
inline constexpr int kIconExposure = 4048;
inline constexpr int kIconAnnotation = 4049;
inline constexpr int kDeleteByRegion = 4099;
inline constexpr int kDeleteByBox = 4097;
inline constexpr int kDeleteByCoordinates = 4102;
inline constexpr int kSuperElements = 257;
inline constexpr int kRunSimulation = 4026;
inline constexpr int kHelpContents = 900;
inline constexpr int kAbout = 904;
inline constexpr int kFirstRecent = 70;
inline constexpr int kLastRecent = 79;
inline constexpr int kNoRecent = 4106;
}  // namespace cmd

// One entry of the menu bar: a command, a separator, a submenu, or the place of the
// recent-projects entries (rebuilt each time the menu opens).
struct MenuItem {
  enum class Kind { Command, Separator, Submenu, RecentProjects };
  Kind kind = Kind::Command;
  int command = 0;
  std::string text;
  std::string key;  // as shown: "Ctrl+O", "Del", "Ctrl+PgUp", "Alt+?", "Z"
  std::vector<MenuItem> items;
};

// The menu bar, in menu order: File, Edit, View, Level, Tools, Data, Weather, Simulation, Help.
const std::vector<MenuItem>& menuBar();

// Every command entry of the menus, depth first.
std::vector<const MenuItem*> menuCommands();
const MenuItem* findMenuCommand(int command);

// The right-click item menu of normal mode.
std::vector<int> itemMenuCommands();

enum class ToolGroup { File, Edit, Find, Draw, Delete, Level, Zoom };

struct ToolButton {
  int id = 0;  // the button's own number, an alias of `command`
  int command = 0;
  std::string tooltip;
  ToolGroup group = ToolGroup::File;
};

// The toolbar, left to right; a new group begins a new section.
const std::vector<ToolButton>& toolbarButtons();

// The command of a toolbar number (itself for anything else).
int commandOfAlias(int id);

}  // namespace mz
