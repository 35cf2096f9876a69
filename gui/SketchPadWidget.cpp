#include "SketchPadWidget.h"

#include <QPainter>

#include "app/Configuration.h"

namespace mz {

namespace {
QColor qtColour(unsigned index) {
  const Rgb c = colourOf(index);
  return QColor(c.red, c.green, c.blue);
}
}  // namespace

SketchPadWidget::SketchPadWidget(const Configuration& config, QWidget* parent)
    : QWidget(parent), config_(config) {
  setObjectName("SketchPadWindow");
}

void SketchPadWidget::setGrid(int cellSize, int columns, int rows) {
  setFixedSize(cellSize * columns, cellSize * rows);
}

void SketchPadWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), qtColour(config_.drawingColours[PaletteRole::Background]));
}

}  // namespace mz
