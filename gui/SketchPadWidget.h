#pragma once
// The SketchPad window: shows the renderer's picture of the visible cells and hands keys,
// clicks, mouse moves and the wheel to the main window's logic.

#include <QImage>
#include <QWidget>
#include <functional>

#include "sketchpad/Output.h"

namespace mz {

class MainCommands;

// The colour table as Qt colours, for pictures of colour-table indexes.
QList<QRgb> qtColourTable();
// A renderer buffer as an indexed image (the pixels are copied).
QImage indexedImage(const PixelBuffer& buffer);

class SketchPadWidget final : public QWidget {
 public:
  SketchPadWidget(MainCommands& commands, QWidget* parent = nullptr);

  // The grid at the current cell size: the size the window is fitted to.
  QSize sizeHint() const override;
  // The cell under a point of the widget.
  CellPos cellAt(QPoint point) const;
  // The right-click item menu, shown by the main window.
  std::function<void(QPoint)> itemMenuRequested;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  MainCommands& commands_;
  // Wheel turns not yet worth a whole cell (fine-grained wheels send small steps).
  QPoint wheelRest_;
};

}  // namespace mz
