#include "NavigatorWindow.h"

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>

#include "SketchPadWidget.h"
#include "app/WndProc.h"

namespace mz {

class NavigatorWindow::Picture final : public QWidget {
 public:
  explicit Picture(NavigatorWindow& owner) : owner_(owner) {}
  QSize sizeHint() const override {
    const SketchPad& pad = owner_.commands_.pad();
    return {pad.columns(), pad.rows()};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    const SketchPad& pad = owner_.commands_.pad();
    RenderScene scene = owner_.commands_.scene();
    scene.cellSize = 1;
    scene.cursor.reset();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::gray);
    painter.drawImage(0, 0, indexedImage(renderGrid(pad, scene)));
    // The part of the grid the SketchPad window shows, framed in inverting ink.
    const ViewState& view = owner_.commands_.view();
    const QRect shown(view.origin.column, view.origin.row,
                      std::min(view.visibleColumns, pad.columns() - view.origin.column),
                      std::min(view.visibleRows, pad.rows() - view.origin.row));
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(shown.adjusted(1, 1, -1, -1));
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() != Qt::LeftButton) return;
    const QPoint cell = owner_.cellAt(event->position().toPoint());
    owner_.commands_.goToCell({cell.y(), cell.x()});
    if (owner_.focusBack) owner_.focusBack();
  }

 private:
  NavigatorWindow& owner_;
};

NavigatorWindow::NavigatorWindow(MainCommands& commands, QWidget* parent)
    : QDialog(parent, Qt::Tool), commands_(commands) {
  setObjectName("SketchNavigator");
  setWindowTitle("Sketch Navigator");
  picture_ = new Picture(*this);
  scroll_ = new QScrollArea;
  scroll_->setWidget(picture_);
  scroll_->setFrameShape(QFrame::NoFrame);
  // Outside the grid the window is grey, also when it is larger than the grid.
  QPalette outside = scroll_->viewport()->palette();
  outside.setColor(QPalette::Window, Qt::gray);
  scroll_->viewport()->setPalette(outside);
  scroll_->viewport()->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  refresh();
}

QPoint NavigatorWindow::cellAt(QPoint p) const {
  const SketchPad& pad = commands_.pad();
  return {std::clamp(p.x(), 1, std::max(1, pad.columns() - 2)),
          std::clamp(p.y(), 1, std::max(1, pad.rows() - 2))};
}

void NavigatorWindow::done(int result) {
  if (commands_.view().navigator) commands_.dispatchCommand(cmd::kSketchNavigator);
  QDialog::done(result);
}

void NavigatorWindow::refresh() {
  const QSize grid = picture_->sizeHint();
  if (picture_->size() != grid) {
    picture_->resize(grid);
    resize(std::min(grid.width() + 4, 280), std::min(grid.height() + 4, 350));
  }
  picture_->update();
}

}  // namespace mz
