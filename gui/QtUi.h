#pragma once
// The desktop program's ui port: message boxes, file dialogs, the system beep and the first
// part of the main window's status bar.

#include <QLabel>
#include <QPointer>

#include "ui/UiPort.h"

namespace mz {

class QtUi final : public UiPort {
 public:
  void showMessage(std::string_view caption, MessageIcon icon, std::string_view text) override;
  bool askYesNo(std::string_view text) override;
  Answer askYesNoCancel(std::string_view text) override;
  std::optional<std::string> chooseOpenFile(const FileRequest& request) override;
  std::optional<std::string> chooseSaveFile(const FileRequest& request) override;
  void beep() override;
  void setStatusText(std::string_view text) override;

  // Where status texts go; reports before the main window exists have no status bar yet.
  void setStatusLabel(QLabel* label) { statusLabel_ = label; }

 private:
  QPointer<QLabel> statusLabel_;
};

}  // namespace mz
