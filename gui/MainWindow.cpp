#include "MainWindow.h"

#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

#include "QtUi.h"
#include "SketchPadWidget.h"
#include "app/Session.h"
#include "app/WindowSize.h"

namespace mz {

MainWindow::MainWindow(Session& session, QtUi& ui)
    : session_(session), ui_(ui), columns_(kDefaultGridColumns), rows_(kDefaultGridRows) {
  setObjectName("MULZONW3");
  setProjectTitle({});

  QMenu* file = menuBar()->addMenu("&File");
  QAction* exit = file->addAction("E&xit");
  connect(exit, &QAction::triggered, this, &QWidget::close);

  status_ = new QLabel("Ready");
  level_ = new QLabel;
  statusBar()->addWidget(status_, 1);
  statusBar()->addWidget(level_, 1);
  ui_.setStatusLabel(status_);

  sketch_ = new SketchPadWidget(session_.config);
  sketch_->setGrid(session_.cellSize, columns_, rows_);
  scroll_ = new QScrollArea;
  scroll_->setWidget(sketch_);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setCentralWidget(scroll_);

  const WindowSize size = initialWindowSize(session_.cellSize, columns_, rows_);
  resize(size.width, size.height);
}

MainWindow::~MainWindow() {
  ui_.setStatusLabel(nullptr);
}

void MainWindow::setProjectTitle(const QString& projectName) {
  setWindowTitle("MULZONW3 - " + (projectName.isEmpty() ? QString("(untitled)") : projectName));
}

void MainWindow::showAtStart() {
  if (session_.config.maximizeAtStart == 1) {
    showMaximized();
    return;
  }
  sizeToGrid();
  show();
}

void MainWindow::sizeToGrid() {
  GridFit fit;
  fit.cellSize = session_.cellSize;
  fit.columns = columns_;
  fit.rows = rows_;
  fit.menuBarHeight = menuBar()->sizeHint().height();
  const QRect frame = frameGeometry();
  const QRect client = geometry();
  fit.frame = {frame.width() - client.width(), frame.height() - client.height()};
  const QScreen* where = screen();
  const QRect area = where ? where->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
  fit.workArea = {area.left(), area.top(), area.width(), area.height()};
  fit.left = frame.left();
  fit.top = frame.top();
  const WindowSize outer = sizeMainWindowToGrid(fit);
  resize(outer.width - fit.frame.width, outer.height - fit.frame.height);
}

}  // namespace mz
