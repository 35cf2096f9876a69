// mulzonw: the desktop program.

#include <QApplication>
#include <QFile>
#include <clocale>

#include "CloseSignals.h"
#include "MainWindow.h"
#include "QtUi.h"
#include "app/Environment.h"
#include "app/Mulzon.h"
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
    mz::MainWindow window(session, ui);
    mz::CloseSignals closeSignals(window);
    // The whole rest of the command line names the project, blanks included.
    const QStringList arguments = app.arguments().mid(1);
    if (!arguments.isEmpty())
      mz::projectFromCommandLine(session, QFile::encodeName(arguments.join(' ')).toStdString());
    window.showAtStart();
    code = app.exec();
  }
  mz::shutDown(session);
  return code;
}
