#pragma once
// "Building Check Problems": the rows of the commands' problems window, newest first; a click on
// one takes the SketchPad to its level and cell.

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

namespace mz {

class MainCommands;

class ProblemsDialog final : public QDialog {
 public:
  ProblemsDialog(MainCommands& commands, QWidget* parent);
  // Fills the list and sets the buttons from the problems window.
  void refresh();
  QListWidget* list() const { return list_; }
  QPushButton* rerunButton() const { return rerun_; }
  QPushButton* runButton() const { return run_; }

 protected:
  void done(int result) override;

 private:
  MainCommands& commands_;
  QListWidget* list_ = nullptr;
  QPushButton* rerun_ = nullptr;
  QPushButton* run_ = nullptr;
};

}  // namespace mz
