// mulzonw: the desktop program.

#include <QApplication>
#include <clocale>
#include <string>

#include "CloseSignals.h"
#include "MainWindow.h"
#include "QtUi.h"
#include "app/Environment.h"
#include "app/Mulzon.h"
#include "app/Prjinout.h"
#include "app/Session.h"

int main(int argc, char** argv) {
  mz::blockCloseSignals();
  QApplication app(argc, argv);
  // Qt takes the user's locale; numbers in files are always written and read the "C" way.
  std::setlocale(LC_NUMERIC, "C");

  mz::QtUi ui;
  mz::Session session(ui);
  mz::startSession(session, mz::Environment::current());

  int code = 0;
  {
    mz::ProjectLife life(session);
    mz::MainWindow window(session, ui, life);
    mz::CloseSignals closeSignals(window);
    // QApplication has taken out its own options; the rest of the command line names the
    // project, blanks included.
    std::string project;
    for (int i = 1; i < argc; ++i) project += (i > 1 ? " " : "") + std::string(argv[i]);
    if (!project.empty())
      window.commands().openProjectFile(mz::projectFromCommandLine(session, project).projectPath);
    window.showAtStart();
    code = app.exec();
    life.releaseProject();
  }
  mz::shutDown(session);
  return code;
}
