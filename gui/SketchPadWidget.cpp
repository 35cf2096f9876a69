#include "SketchPadWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/Configuration.h"
#include "app/WndProc.h"

namespace mz {

QList<QRgb> qtColourTable() {
  QList<QRgb> table;
  for (const Rgb& c : colourTable()) table.push_back(qRgb(c.red, c.green, c.blue));
  // Indexes past the table show its last colour.
  while (table.size() < 256) table.push_back(table.back());
  return table;
}

QImage indexedImage(const PixelBuffer& buffer) {
  QImage image(buffer.width, buffer.height, QImage::Format_Indexed8);
  image.setColorTable(qtColourTable());
  for (int y = 0; y < buffer.height; ++y)
    std::copy_n(
        &buffer.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(buffer.width)],
        buffer.width, image.scanLine(y));
  return image;
}

SketchPadWidget::SketchPadWidget(MainCommands& commands, QWidget* parent)
    : QWidget(parent), commands_(commands) {
  setObjectName("SketchPadWindow");
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize SketchPadWidget::sizeHint() const {
  const int s = commands_.cellSize();
  return {s * commands_.pad().columns(), s * commands_.pad().rows()};
}

CellPos SketchPadWidget::cellAt(QPoint point) const {
  const int s = std::max(1, commands_.cellSize());
  const CellPos origin = commands_.view().origin;
  // Rounded down, so that a point left of or above the window names the cell there.
  auto cells = [s](int pixels) { return pixels >= 0 ? pixels / s : -((s - 1 - pixels) / s); };
  return {origin.row + cells(point.y()), origin.column + cells(point.x())};
}

void SketchPadWidget::paintEvent(QPaintEvent*) {
  const int s = std::max(1, commands_.cellSize());
  // Whole cells and the partly visible ones at the right and bottom edges.
  const int rows = height() / s + 1;
  const int columns = width() / s + 1;
  const RenderScene scene = commands_.scene();
  const PixelBuffer buffer =
      renderView(commands_.pad(), scene, commands_.view().origin, rows, columns);
  QPainter painter(this);
  const QColor background = qtColourTable()[scene.palette.background];
  painter.fillRect(rect(), background);
  painter.drawImage(0, 0, indexedImage(buffer));
}

void SketchPadWidget::resizeEvent(QResizeEvent*) {
  commands_.setViewport(width(), height());
}

void SketchPadWidget::keyPressEvent(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Up:
      commands_.key(SketchKey::Up, shift, ctrl);
      break;
    case Qt::Key_Down:
      commands_.key(SketchKey::Down, shift, ctrl);
      break;
    case Qt::Key_Left:
      commands_.key(SketchKey::Left, shift, ctrl);
      break;
    case Qt::Key_Right:
      commands_.key(SketchKey::Right, shift, ctrl);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      commands_.key(SketchKey::Enter, shift, ctrl);
      break;
    case Qt::Key_Escape:
      commands_.key(SketchKey::Escape, shift, ctrl);
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

void SketchPadWidget::mousePressEvent(QMouseEvent* event) {
  const CellPos cell = cellAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    commands_.leftClick(cell);
  } else if (event->button() == Qt::RightButton) {
    if (commands_.rightClick(cell) && itemMenuRequested)
      itemMenuRequested(event->globalPosition().toPoint());
  }
}

void SketchPadWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) commands_.doubleClick(cellAt(event->position().toPoint()));
}

void SketchPadWidget::mouseMoveEvent(QMouseEvent* event) {
  commands_.mouseMove(cellAt(event->position().toPoint()));
}

void SketchPadWidget::wheelEvent(QWheelEvent* event) {
  // Three cells per notch of 120; Shift turns the vertical wheel sideways.
  constexpr int kPerCell = 40;
  QPoint delta = event->angleDelta();
  if (event->modifiers() & Qt::ShiftModifier) delta = {delta.y() + delta.x(), 0};
  wheelRest_ += delta;
  const int rows = wheelRest_.y() / kPerCell;
  const int columns = wheelRest_.x() / kPerCell;
  wheelRest_ -= QPoint(columns * kPerCell, rows * kPerCell);
  if (rows != 0 || columns != 0) commands_.scrollBy(-rows, -columns);
  event->accept();
}

}  // namespace mz
