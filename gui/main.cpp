// mulzonw: the desktop program.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("MULZONW3 - (untitled)");
  window.show();
  return app.exec();
}
