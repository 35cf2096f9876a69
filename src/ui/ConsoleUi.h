#pragma once
// The ui port of the command-line tool: notices go to a stream (standard error) as
// "CAPTION: text", questions take one fixed answer chosen on the command line.

#include <iosfwd>

#include "ui/UiPort.h"

namespace mz {

class ConsoleUi final : public UiPort {
 public:
  // questionAnswer: how every question is answered; Cancel makes Yes/No questions answer No.
  explicit ConsoleUi(std::ostream& out, Answer questionAnswer = Answer::No);

  void showMessage(std::string_view caption, MessageIcon icon, std::string_view text) override;
  bool askYesNo(std::string_view text) override;
  Answer askYesNoCancel(std::string_view text) override;
  std::optional<std::string> chooseOpenFile(const FileRequest& request) override;
  std::optional<std::string> chooseSaveFile(const FileRequest& request) override;
  void beep() override;
  void setStatusText(std::string_view text) override;

 private:
  std::ostream& out_;
  Answer answer_;
};

}  // namespace mz
