#pragma once
// The SketchPad area: the grid of cells at the current cell size, in the drawing colours.

#include <QWidget>

namespace mz {

struct Configuration;

class SketchPadWidget final : public QWidget {
 public:
  explicit SketchPadWidget(const Configuration& config, QWidget* parent = nullptr);
  // Sizes the area to columns x rows cells of cellSize pixels.
  void setGrid(int cellSize, int columns, int rows);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Configuration& config_;
};

}  // namespace mz
