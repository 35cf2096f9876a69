#include "QtUi.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace mz {

namespace {

QString qtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Report texts carry a leading blank and line ends that a box does not need.
QString boxText(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\n')) text.remove_prefix(1);
  while (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  return qtText(text);
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Error:
      break;
  }
  return QMessageBox::Critical;
}

int ask(std::string_view text, QMessageBox::StandardButtons buttons) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Question"), boxText(text), buttons,
                  QApplication::activeWindow());
  return box.exec();
}

QStringList nameFilters(const FileRequest& request) {
  QStringList filters;
  for (const FileFilter& f : request.filters) {
    QString label = qtText(f.label);
    // Qt takes the patterns from the parentheses of the label.
    if (!label.contains('(')) {
      QStringList patterns;
      for (const std::string& p : f.patterns) patterns << qtText(p);
      label += " (" + patterns.join(' ') + ")";
    }
    filters << label;
  }
  return filters;
}

std::optional<std::string> chooseFile(const FileRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(QApplication::activeWindow(), qtText(request.title),
                     qtText(request.initialPath));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  const QStringList filters = nameFilters(request);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(qtText(request.defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace

void QtUi::showMessage(std::string_view caption, MessageIcon icon, std::string_view text) {
  QMessageBox box(boxIcon(icon), qtText(caption), boxText(text), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

bool QtUi::askYesNo(std::string_view text) {
  return ask(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtUi::askYesNoCancel(std::string_view text) {
  switch (ask(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

std::optional<std::string> QtUi::chooseOpenFile(const FileRequest& request) {
  return chooseFile(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtUi::chooseSaveFile(const FileRequest& request) {
  return chooseFile(request, QFileDialog::AcceptSave);
}

void QtUi::beep() {
  QApplication::beep();
}

void QtUi::setStatusText(std::string_view text) {
  if (statusLabel_) statusLabel_->setText(qtText(text));
}

}  // namespace mz
