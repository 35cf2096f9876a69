#pragma once
// The Sketch Navigator: the whole grid at one pixel per cell with a frame around the part the
// SketchPad window shows; a click moves the SketchPad's cursor there.

#include <QDialog>
#include <QScrollArea>
#include <functional>

namespace mz {

class MainCommands;

class NavigatorWindow final : public QDialog {
 public:
  NavigatorWindow(MainCommands& commands, QWidget* parent);
  // The cell a click at a point of the picture names, within the editable area.
  QPoint cellAt(QPoint picturePoint) const;
  void refresh();
  // Where the keyboard focus returns after a click.
  std::function<void()> focusBack;

 protected:
  // Closed from its own frame or with Escape: the SketchPad's view takes it as switched off.
  void done(int result) override;

 private:
  class Picture;
  MainCommands& commands_;
  QScrollArea* scroll_ = nullptr;
  Picture* picture_ = nullptr;
};

}  // namespace mz
