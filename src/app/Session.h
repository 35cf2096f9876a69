#pragma once
// The program-wide state of one run: the ui port, the log and reporter, the memory totals, the
// configuration, the recent projects and the program's files. The desktop program and the
// command-line tool each make one; tests make a fresh one per case.

#include <filesystem>

#include "app/Configuration.h"
#include "app/Folders.h"
#include "app/RecentProjects.h"
#include "foundation/Heap.h"
#include "ui/UiPort.h"

namespace mz {

struct Session {
  explicit Session(UiPort& port) : ui(port), reporter(port, &log) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  UiPort& ui;
  LogFile log;
  ErrorReporter reporter;
  MemoryTotals memory;
  Configuration config;
  RecentProjects recent;
  ProgramFiles files;
  std::filesystem::path startDirectory;  // relative paths given by the user start here
  int cellSize = kDefaultCellSize;
};

}  // namespace mz
