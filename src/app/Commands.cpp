#include "app/Commands.h"

#include <functional>

namespace mz {

namespace {

using Kind = MenuItem::Kind;

MenuItem item(int command, std::string text, std::string key = {}) {
  return {Kind::Command, command, std::move(text), std::move(key), {}};
}
MenuItem separator() {
  return {Kind::Separator, 0, {}, {}, {}};
}
MenuItem submenu(std::string text, std::vector<MenuItem> items) {
  return {Kind::Submenu, 0, std::move(text), {}, std::move(items)};
}

std::vector<MenuItem> makeMenuBar() {
  return {
      submenu("File",
              {
                  item(cmd::kNewProject, "New Project"),
                  item(cmd::kOpenProject, "Open Project...", "Ctrl+O"),
                  item(cmd::kSaveProject, "Save Project", "Ctrl+S"),
                  item(cmd::kSaveProjectAs, "Save Project As..."),
                  separator(),
                  item(cmd::kProjectDescription, "Project Description..."),
                  item(cmd::kSaveBitmap, "Save SketchPad to .BMP File..."),
                  separator(),
                  {Kind::RecentProjects, 0, "Recent Projects", {}, {}},
                  submenu("Open Project Input Files",
                          {
                              item(4148, "Weather File (.WTH)"),
                              item(4146, "Outdoor Contaminant File (.CTM)"),
                              item(4149, "WPC File (.WPC)"),
                              item(4134, "Continuous Values File (.CVF)"),
                              item(4145, "Discrete Values File (.DVF)"),
                              item(4147, "Path Location Data File (.PLD)"),
                          }),
                  submenu("Open Project Result Files",
                          {
                              item(4153, "Age of Air (.AGE)"),
                              item(4152, "Air Change Rate (.ACH)"),
                              item(4159, "Contaminant Box-Whisker (.CBW)"),
                              item(4160, "Contaminant Summary (.CSM)"),
                              item(4163, "MulzonW Log (.LOG)"),
                              item(4161, "MulzonX Log (.XLOG)"),
                              item(4155, "Controls Log (.LOG)"),
                              item(4150, "Duct Balance (.BAL)"),
                              item(4154, "Exposure Results (.EBW)"),
                              item(4151, "Validation Test (.VAL)"),
                          }),
                  separator(),
                  item(cmd::kExit, "Exit"),
              }),
      submenu("Edit",
              {
                  item(cmd::kCut, "Cut", "Ctrl+X"),
                  item(cmd::kCopy, "Copy", "Ctrl+C"),
                  item(cmd::kPaste, "Paste", "Ctrl+V"),
                  item(cmd::kDelete, "Delete", "Del"),
                  item(cmd::kDeleteNetwork, "Delete Network", "Ctrl+Del"),
                  separator(),
                  item(cmd::kFind, "Find...", "Ctrl+F"),
                  item(cmd::kReplace, "Replace...", "Ctrl+R"),
              }),
      submenu("View",
              {
                  item(cmd::kNormalMode, "Normal Mode", "Alt+N"),
                  item(cmd::kResultsMode, "Results Mode", "Alt+R"),
                  item(cmd::kWindPressureMode, "Wind Pressure Mode", "Alt+W"),
                  submenu("Wind Pressure Type",
                          {
                              item(cmd::kWindUserSet, "User Set"),
                              item(cmd::kWindWeatherFile, "Weather File"),
                              item(cmd::kWindWpc, "WPC"),
                          }),
                  separator(),
                  item(cmd::kResultsDisplay, "Results Display Window"),
                  item(cmd::kControlLinks, "Control Links", "Alt+L"),
                  submenu("Results Navigation",
                          {
                              item(cmd::kNextStep, "Next Time Step", "End"),
                              item(cmd::kPreviousStep, "Previous Time Step", "Home"),
                              item(cmd::kFirstStep, "First Time Step", "Ctrl+Home"),
                              item(cmd::kLastStep, "Last Time Step", "Ctrl+End"),
                              item(cmd::kJumpAhead, "Jump Ahead", "Shift+End"),
                              item(cmd::kJumpBack, "Jump Back", "Shift+Home"),
                              item(cmd::kGoToDateTime, "Go to Date/Time...", "Ctrl+G"),
                          }),
                  separator(),
                  item(cmd::kLargerIcons, "Larger Icons", "Ctrl+PgUp"),
                  item(cmd::kSmallerIcons, "Smaller Icons", "Ctrl+PgDwn"),
                  item(cmd::kSketchNavigator, "Sketch Navigator"),
                  item(cmd::kFloatingStatus, "Floating Status", "Ctrl+T"),
                  item(cmd::kColourDucts, "Color Ducts", "Ctrl+U"),
                  item(cmd::kColourZones, "Color Zones", "Ctrl+Z"),
                  item(cmd::kDuctColouring, "Duct Coloring...", "Alt+D"),
                  separator(),
                  item(cmd::kOptions, "Options..."),
              }),
      submenu("Level",
              {
                  item(cmd::kEditLevel, "Edit Level Data ...", "F8"),
                  item(cmd::kCopyLevel, "Copy Level"),
                  submenu("Paste Level",
                          {
                              item(cmd::kPasteLevelAbove, "Above current level"),
                              item(cmd::kPasteLevelBelow, "Below current level"),
                          }),
                  submenu("Insert Blank Level",
                          {
                              item(cmd::kInsertLevelAbove, "Above current level"),
                              item(cmd::kInsertLevelBelow, "Below current level"),
                          }),
                  item(cmd::kDeleteLevel, "Delete Level"),
                  separator(),
                  item(cmd::kRevealLevelBelow, "Reveal Level Below", "Ctrl+Shift+B"),
                  submenu("Go to",
                          {
                              item(cmd::kLevelAbove, "Level Above", "PgUp"),
                              item(cmd::kLevelBelow, "Level Below", "PgDwn"),
                              item(cmd::kTopLevel, "Top Level"),
                              item(cmd::kBottomLevel, "Bottom Level"),
                              item(cmd::kGoToLevel, "Level..."),
                          }),
                  separator(),
                  item(cmd::kCheckLevel, "Check Current Level"),
              }),
      submenu("Tools",
              {
                  item(cmd::kDrawWalls, "Draw Walls", "Ctrl+W"),
                  item(cmd::kDrawBoxes, "Draw Boxes", "Ctrl+B"),
                  item(cmd::kDrawDucts, "Draw Ducts", "Ctrl+D"),
                  item(cmd::kDrawLinks, "Draw Links", "Ctrl+L"),
                  submenu("Draw Icon",
                          {
                              item(cmd::kIconZone, "Zone", "Z"),
                              item(cmd::kIconAmbient, "Ambient", "A"),
                              item(cmd::kIconPhantom, "Phantom", "P"),
                              item(cmd::kIconFlowPath, "Flow Path", "F"),
                              item(cmd::kIconAhs, "Air Handling System", "H"),
                              item(cmd::kIconSupply, "Supply (Inlet)", "I"),
                              item(cmd::kIconReturn, "Return (Outlet)", "O"),
                              item(cmd::kIconSourceSink, "Source/Sink", "S"),
                              item(cmd::kIconExposure, "Exposure", "X"),
                              item(cmd::kIconAnnotation, "Annotation", "N"),
                          }),
                  separator(),
                  item(cmd::kDeleteByRegion, "Delete by Region"),
                  item(cmd::kDeleteByBox, "Delete by Box"),
                  item(cmd::kDeleteByCoordinates, "Delete by Coordinates..."),
              }),
      submenu(
          "Data",
          {
              item(4018, "Airflow Elements"),
              item(4020, "Duct Elements"),
              item(4055, "Wind Pressure Profiles"),
              submenu("Week Schedules", {item(4067, "Dimensionless"), item(4068, "Temperature")}),
              submenu("Day Schedules", {item(4069, "Dimensionless"), item(4070, "Temperature")}),
              item(4058, "Occupancy Schedules"),
              item(4017, "Contaminants"),
              item(4073, "Species"),
              item(4019, "Source/Sinks"),
              item(4056, "Filters"),
              item(4057, "Kinetic Reactions"),
              submenu("Controls",
                      {
                          item(4077, "Continuous Values File"),
                          item(4078, "Discrete Values File"),
                          item(cmd::kSuperElements, "Super Elements"),
                      }),
          }),
      submenu("Weather",
              {
                  item(4029, "Edit Weather Data...", "F7"),
                  item(4075, "Create WPC File ..."),
              }),
      submenu("Simulation",
              {
                  item(cmd::kRunSimulation, "Run Simulation"),
                  item(4024, "Create MulzonX Input File"),
                  item(4022, "Set Simulation Parameters...", "F4"),
                  separator(),
                  item(4052, "Plot Airflow Results..."),
                  item(4051, "Plot Contaminant Results..."),
                  item(4060, "Plot Exposure Results..."),
                  item(4038, "Export Results...", "F5"),
                  item(4054, "Generate Shaft Report"),
                  separator(),
                  item(4062, "Create TRNSYS Input File"),
              }),
      submenu("Help",
              {
                  item(cmd::kHelpContents, "Help Contents..."),
                  item(cmd::kAbout, "About", "Alt+?"),
              }),
  };
}

void collect(const std::vector<MenuItem>& items, std::vector<const MenuItem*>& out) {
  for (const MenuItem& i : items) {
    if (i.kind == Kind::Command) out.push_back(&i);
    if (i.kind == Kind::Submenu) collect(i.items, out);
  }
}

}  // namespace

const std::vector<MenuItem>& menuBar() {
  static const std::vector<MenuItem> menus = makeMenuBar();
  return menus;
}

std::vector<const MenuItem*> menuCommands() {
  std::vector<const MenuItem*> out;
  collect(menuBar(), out);
  return out;
}

const MenuItem* findMenuCommand(int command) {
  for (const MenuItem* i : menuCommands())
    if (i->command == command) return i;
  return nullptr;
}

std::vector<int> itemMenuCommands() {
  return {cmd::kIconZone,     cmd::kIconAmbient,    cmd::kIconPhantom, cmd::kIconFlowPath,
          cmd::kIconAhs,      cmd::kIconSupply,     cmd::kIconReturn,  cmd::kIconSourceSink,
          cmd::kIconExposure, cmd::kIconAnnotation, cmd::kCut,         cmd::kCopy,
          cmd::kPaste};
}

const std::vector<ToolButton>& toolbarButtons() {
  static const std::vector<ToolButton> buttons = {
      {1, cmd::kNewProject, "New Project File", ToolGroup::File},
      {2, cmd::kOpenProject, "Open Project", ToolGroup::File},
      {3, cmd::kSaveProject, "Save Project", ToolGroup::File},
      {4, cmd::kCut, "Cut", ToolGroup::Edit},
      {5, cmd::kCopy, "Copy selected item to clipboard", ToolGroup::Edit},
      {6, cmd::kPaste, "Paste item from clipboard", ToolGroup::Edit},
      {44, cmd::kFind, "Find", ToolGroup::Find},
      {45, cmd::kReplace, "Find and Replace", ToolGroup::Find},
      {8, cmd::kDrawWalls, "Draw Walls", ToolGroup::Draw},
      {9, cmd::kDrawBoxes, "Draw Boxes", ToolGroup::Draw},
      {10, cmd::kDrawDucts, "Draw Ducts", ToolGroup::Draw},
      {11, cmd::kDrawLinks, "Draw Controls", ToolGroup::Draw},
      {13, cmd::kDeleteByRegion, "Area Delete", ToolGroup::Delete},
      {12, cmd::kDeleteByBox, "Box Delete", ToolGroup::Delete},
      {14, cmd::kLevelAbove, "Move up one level", ToolGroup::Level},
      {15, cmd::kLevelBelow, "Move down one level", ToolGroup::Level},
      {43, cmd::kSmallerIcons, "Zoom SketchPad - Reduce cell size", ToolGroup::Zoom},
      {42, cmd::kLargerIcons, "Zoom SketchPad - Increase cell size", ToolGroup::Zoom},
  };
  return buttons;
}

int commandOfAlias(int id) {
  for (const ToolButton& b : toolbarButtons())
    if (b.id == id) return b.command;
  return id;
}

}  // namespace mz
