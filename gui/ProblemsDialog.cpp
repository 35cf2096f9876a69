#include "ProblemsDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/WndProc.h"

namespace mz {

ProblemsDialog::ProblemsDialog(MainCommands& commands, QWidget* parent)
    : QDialog(parent, Qt::Tool), commands_(commands) {
  setObjectName("BuildingCheckProblems");
  setWindowTitle("Building Check Problems");
  setModal(false);
  list_ = new QListWidget;
  list_->setWordWrap(true);
  auto* close = new QPushButton("Close");
  rerun_ = new QPushButton("Rerun Building Check");
  run_ = new QPushButton("Run Simulation");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(close);
  buttons->addWidget(rerun_);
  buttons->addWidget(run_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
  resize(420, 300);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(rerun_, &QPushButton::clicked, this, [this] { commands_.rerunBuildingCheck(); });
  connect(run_, &QPushButton::clicked, this, [this] { commands_.runSimulationFromProblems(); });
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    commands_.goToProblem(static_cast<std::size_t>(list_->row(item)));
  });
  refresh();
}

void ProblemsDialog::refresh() {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (const std::string& text : commands_.problemsWindow().rows())
    list_->addItem(QString::fromStdString(text));
  run_->setEnabled(commands_.runSimulationEnabled());
}

void ProblemsDialog::done(int result) {
  QDialog::done(result);
  // Closing by the window frame or Escape ends the window as "Close" does.
  if (commands_.problemsWindow().isOpen()) commands_.closeProblems();
}

}  // namespace mz
