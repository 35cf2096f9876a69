#pragma once
// The main window: title, menu, status bar and the SketchPad area.

#include <QLabel>
#include <QMainWindow>
#include <QScrollArea>

namespace mz {

struct Session;
class QtUi;
class SketchPadWidget;

class MainWindow final : public QMainWindow {
 public:
  MainWindow(Session& session, QtUi& ui);
  ~MainWindow() override;

  // "MULZONW3 - " with the project name, or "(untitled)" without one.
  void setProjectTitle(const QString& projectName);
  // Shows the window maximized when the configuration asks for it, otherwise sized to the grid.
  void showAtStart();
  // Resizes the window to the SketchPad grid within its screen's work area.
  void sizeToGrid();

  QLabel* statusLabel() const { return status_; }
  QLabel* levelLabel() const { return level_; }
  SketchPadWidget* sketchPad() const { return sketch_; }

 private:
  Session& session_;
  QtUi& ui_;
  QLabel* status_ = nullptr;
  QLabel* level_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  SketchPadWidget* sketch_ = nullptr;
  int columns_;
  int rows_;
};

}  // namespace mz
