#include "MainWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>

#include "NavigatorWindow.h"
#include "ProblemsDialog.h"
#include "QtUi.h"
#include "SketchPadWidget.h"
#include "ToolbarIcons.h"
#include "app/RecentProjects.h"
#include "app/Session.h"
#include "app/Version.h"
#include "app/WindowSize.h"

namespace mz {

namespace {

// The shortcut as Qt reads it; the menus show the program's own spelling.
QKeySequence keyOf(const std::string& key) {
  QString text = QString::fromStdString(key);
  text.replace("PgDwn", "PgDown");
  return QKeySequence::fromString(text, QKeySequence::PortableText);
}

bool checkable(int command) {
  switch (command) {
    case cmd::kNormalMode:
    case cmd::kResultsMode:
    case cmd::kWindPressureMode:
    case cmd::kWindUserSet:
    case cmd::kWindWeatherFile:
    case cmd::kWindWpc:
    case cmd::kResultsDisplay:
    case cmd::kControlLinks:
    case cmd::kSketchNavigator:
    case cmd::kFloatingStatus:
    case cmd::kColourDucts:
    case cmd::kColourZones:
    case cmd::kRevealLevelBelow:
    case cmd::kDrawWalls:
    case cmd::kDrawBoxes:
    case cmd::kDrawDucts:
    case cmd::kDrawLinks:
    case cmd::kDeleteByRegion:
    case cmd::kDeleteByBox:
      return true;
    default:
      return false;
  }
}

// Short button names, shown where a picture cannot be; the numbers and tooltips come from the
// command table.
QString buttonLabel(int id) {
  switch (id) {
    case 1:
      return "New";
    case 2:
      return "Open";
    case 3:
      return "Save";
    case 4:
      return "Cut";
    case 5:
      return "Copy";
    case 6:
      return "Paste";
    case 44:
      return "Find";
    case 45:
      return "Repl";
    case 8:
      return "Walls";
    case 9:
      return "Boxes";
    case 10:
      return "Ducts";
    case 11:
      return "Links";
    case 13:
      return "Area";
    case 12:
      return "Box";
    case 14:
      return "Up";
    case 15:
      return "Down";
    case 43:
      return "-";
    case 42:
      return "+";
    default:
      return QString::number(id);
  }
}

}  // namespace

MainWindow::MainWindow(Session& session, QtUi& ui, ProjectLife& life)
    : session_(session), ui_(ui), life_(life) {
  setObjectName("MULZONW3");
  commands_ = std::make_unique<MainCommands>(session_, life_, static_cast<WindowPort&>(*this));

  status_ = new QLabel("Ready");
  level_ = new QLabel;
  statusBar()->addWidget(status_, 1);
  statusBar()->addWidget(level_, 1);
  ui_.setStatusLabel(status_);

  sketch_ = new SketchPadWidget(*commands_);
  sketch_->itemMenuRequested = [this](QPoint where) { showItemMenu(where); };
  horizontal_ = new QScrollBar(Qt::Horizontal);
  vertical_ = new QScrollBar(Qt::Vertical);
  auto* area = new QWidget;
  auto* grid = new QGridLayout(area);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(sketch_, 0, 0);
  grid->addWidget(vertical_, 0, 1);
  grid->addWidget(horizontal_, 1, 0);
  setCentralWidget(area);
  auto scrolled = [this] {
    if (!updatingScrollBars_) commands_->scrollTo({vertical_->value(), horizontal_->value()});
  };
  connect(horizontal_, &QScrollBar::valueChanged, this, scrolled);
  connect(vertical_, &QScrollBar::valueChanged, this, scrolled);

  buildMenus();
  buildToolbar();

  navigator_ = new NavigatorWindow(*commands_, this);
  navigator_->focusBack = [this] {
    activateWindow();
    sketch_->setFocus();
  };
  problems_ = new ProblemsDialog(*commands_, this);

  const WindowSize size =
      initialWindowSize(session_.cellSize, life_.pad().columns(), life_.pad().rows());
  resize(size.width, size.height);
  sketch_->setFocus();
  projectReplaced();
}

MainWindow::~MainWindow() {
  ui_.setStatusLabel(nullptr);
}

QAction* MainWindow::action(int command) const {
  const auto it = actions_.find(command);
  return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::toolAction(int button) const {
  const auto it = toolActions_.find(button);
  return it == toolActions_.end() ? nullptr : it->second;
}

void MainWindow::addMenuItems(QMenu* menu, const std::vector<MenuItem>& items) {
  for (const MenuItem& item : items) {
    switch (item.kind) {
      case MenuItem::Kind::Separator:
        menu->addSeparator();
        break;
      case MenuItem::Kind::Submenu:
        addMenuItems(menu->addMenu(QString::fromStdString(item.text)), item.items);
        break;
      case MenuItem::Kind::RecentProjects:
        recentMenu_ = menu->addMenu(QString::fromStdString(item.text));
        connect(recentMenu_, &QMenu::aboutToShow, this, [this] { rebuildRecentMenu(); });
        break;
      case MenuItem::Kind::Command: {
        // The text after the tab is shown as it stands, so the menus spell the keys the
        // program's way ("Ctrl+PgDwn") while Qt binds its own name for them.
        QString text = QString::fromStdString(item.text);
        if (!item.key.empty()) text += '\t' + QString::fromStdString(item.key);
        QAction* a = menu->addAction(text);
        if (!item.key.empty()) {
          a->setShortcut(keyOf(item.key));
          a->setShortcutContext(Qt::WindowShortcut);
        }
        a->setCheckable(checkable(item.command));
        const int id = item.command;
        connect(a, &QAction::triggered, this, [this, id] {
          commands_->dispatchCommand(id);
          refresh();
        });
        actions_[id] = a;
        break;
      }
    }
  }
  connect(menu, &QMenu::aboutToShow, this, [this] { refresh(); });
}

void MainWindow::buildMenus() {
  for (const MenuItem& top : mz::menuBar())
    addMenuItems(QMainWindow::menuBar()->addMenu(QString::fromStdString(top.text)), top.items);
  // The three modes as one radio group.
  auto* modes = new QActionGroup(this);
  for (const int id : {cmd::kNormalMode, cmd::kResultsMode, cmd::kWindPressureMode})
    modes->addAction(actions_[id]);
}

void MainWindow::buildToolbar() {
  toolbar_ = addToolBar("Toolbar");
  toolbar_->setObjectName("Toolbar");
  toolbar_->setMovable(false);
  toolbar_->setIconSize(QSize(16, 16));
  std::optional<ToolGroup> group;
  for (const ToolButton& b : toolbarButtons()) {
    if (group && *group != b.group) toolbar_->addSeparator();
    group = b.group;
    QAction* a = toolbar_->addAction(toolbarIcon(b.id), buttonLabel(b.id));
    a->setToolTip(QString::fromStdString(b.tooltip));
    a->setCheckable(checkable(b.command));
    const int id = b.id;
    connect(a, &QAction::triggered, this, [this, id] {
      commands_->dispatchCommand(id);
      refresh();
    });
    toolActions_[b.id] = a;
  }
}

void MainWindow::rebuildRecentMenu() {
  recentMenu_->clear();
  const QFontMetrics metrics(recentMenu_->font());
  const TextWidth width = [&metrics](std::string_view text) {
    return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<int>(text.size())));
  };
  for (const MenuEntry& entry : recentMenuEntries(session_.recent, width)) {
    QAction* a = recentMenu_->addAction(QString::fromStdString(entry.text));
    a->setEnabled(entry.enabled && commands_->commandState(entry.command).enabled);
    const int id = entry.command;
    connect(a, &QAction::triggered, this, [this, id] {
      commands_->dispatchCommand(id);
      refresh();
    });
  }
}

void MainWindow::showItemMenu(QPoint where) {
  QMenu menu(this);
  const std::vector<std::pair<int, const char*>> entries = {
      {cmd::kIconZone, "Zone"},
      {cmd::kIconAmbient, "Ambient"},
      {cmd::kIconPhantom, "Phantom"},
      {cmd::kIconFlowPath, "Flow Path"},
      {cmd::kIconAhs, "Air Handling System"},
      {cmd::kIconSupply, "Supply"},
      {cmd::kIconReturn, "Return"},
      {cmd::kIconSourceSink, "Source/Sink"},
      {cmd::kIconExposure, "Exposure"},
      {cmd::kIconAnnotation, "Annotation"},
      {cmd::kCut, "Cut"},
      {cmd::kCopy, "Copy"},
      {cmd::kPaste, "Paste"},
  };
  for (const auto& [id, text] : entries) {
    if (id == cmd::kCut) menu.addSeparator();
    QAction* a = menu.addAction(text);
    a->setEnabled(commands_->commandState(id).enabled);
    a->setData(id);
  }
  if (QAction* chosen = menu.exec(where)) {
    commands_->dispatchCommand(chosen->data().toInt());
    refresh();
  }
}

void MainWindow::refresh() {
  for (const auto& [id, state] : commands_->updateMenus()) {
    QAction* a = action(id);
    if (!a) continue;
    a->setEnabled(state.enabled);
    if (a->isCheckable()) a->setChecked(state.checked);
  }
  for (const ToolButton& b : toolbarButtons()) {
    const CommandState state = commands_->buttonState(b);
    QAction* a = toolAction(b.id);
    a->setEnabled(state.enabled);
    if (a->isCheckable()) a->setChecked(state.checked);
  }
  for (QAction* top : QMainWindow::menuBar()->actions())
    if (QMenu* menu = top->menu()) enableSubmenus(*menu);
  level_->setText(QString::fromStdString(commands_->levelText()));
  updateScrollBars();
}

bool MainWindow::enableSubmenus(QMenu& menu) {
  bool any = false;
  for (QAction* a : menu.actions()) {
    if (a->isSeparator()) continue;
    if (QMenu* sub = a->menu(); sub && sub != recentMenu_) a->setEnabled(enableSubmenus(*sub));
    any = any || a->isEnabled();
  }
  return any;
}

void MainWindow::updateScrollBars() {
  const ViewState& view = commands_->view();
  const SketchPad& pad = life_.pad();
  updatingScrollBars_ = true;
  horizontal_->setRange(0, std::max(0, pad.columns() - view.visibleColumns));
  horizontal_->setPageStep(std::max(1, view.visibleColumns));
  horizontal_->setValue(view.origin.column);
  vertical_->setRange(0, std::max(0, pad.rows() - view.visibleRows));
  vertical_->setPageStep(std::max(1, view.visibleRows));
  vertical_->setValue(view.origin.row);
  updatingScrollBars_ = false;
}

void MainWindow::repaint() {
  sketch_->update();
  if (navigator_ && navigator_->isVisible()) navigator_->refresh();
  refresh();
}

void MainWindow::titleChanged() {
  setWindowTitle(QString::fromStdString(commands_->title()));
}

void MainWindow::waitCursor(bool on) {
  if (on)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::restoreOverrideCursor();
}

void MainWindow::projectReplaced() {
  titleChanged();
  sketch_->updateGeometry();
  commands_->setViewport(sketch_->width(), sketch_->height());
  if (navigator_) navigator_->refresh();
  if (problems_) problems_->refresh();
  repaint();
}

void MainWindow::closeWindow() {
  close();
}

std::optional<int> MainWindow::chooseLevel(const std::vector<std::string>& names, int current) {
  QStringList items;
  for (const std::string& n : names) items << QString::fromStdString(n);
  bool ok = false;
  const QString chosen =
      QInputDialog::getItem(this, "Go to Level", "Level:", items, current, false, &ok);
  if (!ok) return std::nullopt;
  return static_cast<int>(items.indexOf(chosen));
}

void MainWindow::showProblems() {
  problems_->refresh();
  if (!problems_->isVisible()) placeBeside(*problems_);
  problems_->show();
  problems_->raise();
}

void MainWindow::refreshProblems() {
  problems_->refresh();
}

void MainWindow::hideProblems() {
  problems_->hide();
}

void MainWindow::showNavigator(bool shown) {
  if (!shown) {
    navigator_->hide();
    return;
  }
  navigator_->refresh();
  placeBeside(*navigator_);
  navigator_->show();
}

void MainWindow::showAbout() {
  QMessageBox::about(
      this, "About",
      QString::fromUtf8(kProgramTitle.data(), static_cast<int>(kProgramTitle.size())));
}

bool MainWindow::openDocument(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void MainWindow::placeBeside(QWidget& tool) {
  const QRect frame = frameGeometry();
  const QSize size = tool.frameGeometry().size();
  const QScreen* here = screen();
  const QRect area = here ? here->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
  // At the right edge when it fits on this monitor, else at the left edge, else on the
  // neighbouring monitor.
  QRect target = area;
  int x = frame.right() + 1;
  if (x + size.width() > area.right() + 1) {
    x = frame.left() - size.width();
    if (x < area.left()) {
      const QScreen* neighbour = nullptr;
      for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->availableGeometry();
        if (s != here && (g.left() > area.right() || g.right() < area.left())) {
          neighbour = s;
          if (g.left() > area.right()) break;  // the one on the right first
        }
      }
      if (neighbour) {
        target = neighbour->availableGeometry();
        x = target.left() > area.right() ? target.left() : target.right() + 1 - size.width();
      } else {
        x = std::max(area.left(), area.right() + 1 - size.width());
      }
    }
  }
  // Level with the SketchPad window's top, raised to keep the bottom on the monitor.
  const int top = sketch_->mapToGlobal(QPoint(0, 0)).y();
  const int y = std::min(top, target.bottom() + 1 - size.height());
  tool.move(x, std::max(target.top(), y));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (commands_->closeRequested()) {
    navigator_->hide();
    problems_->hide();
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::showAtStart() {
  if (session_.config.maximizeAtStart == 1) {
    showMaximized();
    return;
  }
  sizeToGrid();
  show();
  activateWindow();
}

void MainWindow::sizeToGrid() {
  GridFit fit;
  fit.cellSize = session_.cellSize;
  fit.columns = life_.pad().columns();
  fit.rows = life_.pad().rows();
  fit.menuBarHeight =
      QMainWindow::menuBar()->sizeHint().height() + (toolbar_ ? toolbar_->sizeHint().height() : 0);
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
