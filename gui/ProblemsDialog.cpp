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
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) commands_.goToProblem(static_cast<std::size_t>(row));
  });
  refresh();
}

void ProblemsDialog::refresh() {
  const QSignalBlocker quiet(list_);
  list_->clear();
  for (const LocatedProblem& p : commands_.problems())
    list_->addItem(QString::fromStdString(p.text));
  // The building check and the simulation are commands of their own, not yet in the program.
  rerun_->setEnabled(false);
  run_->setEnabled(commands_.problems().empty() &&
                   commands_.commandState(cmd::kRunSimulation).enabled);
}

void ProblemsDialog::done(int result) {
  commands_.clearHighlight();
  QDialog::done(result);
}

}  // namespace mz
