#include "ui/ConsoleUi.h"

#include <ostream>

namespace mz {

namespace {

// Message texts carry their own leading blank and line ends; the console shows one tidy line.
std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\n')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\n')) text.remove_suffix(1);
  return text;
}

}  // namespace

ConsoleUi::ConsoleUi(std::ostream& out, Answer questionAnswer)
    : out_(out), answer_(questionAnswer) {}

void ConsoleUi::showMessage(std::string_view caption, MessageIcon, std::string_view text) {
  out_ << caption << ": " << trimmed(text) << '\n';
  out_.flush();
}

bool ConsoleUi::askYesNo(std::string_view text) {
  const bool yes = answer_ == Answer::Yes;
  out_ << "Question: " << trimmed(text) << (yes ? " [Yes]" : " [No]") << '\n';
  return yes;
}

Answer ConsoleUi::askYesNoCancel(std::string_view text) {
  static constexpr std::string_view kNames[] = {" [Yes]", " [No]", " [Cancel]"};
  out_ << "Question: " << trimmed(text) << kNames[static_cast<int>(answer_)] << '\n';
  return answer_;
}

std::optional<std::string> ConsoleUi::chooseOpenFile(const FileRequest&) {
  return std::nullopt;
}

std::optional<std::string> ConsoleUi::chooseSaveFile(const FileRequest&) {
  return std::nullopt;
}

void ConsoleUi::beep() {}

void ConsoleUi::setStatusText(std::string_view) {}

}  // namespace mz
