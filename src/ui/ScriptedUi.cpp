#include "ui/ScriptedUi.h"

#include <algorithm>

namespace mz {

void ScriptedUi::showMessage(std::string_view caption, MessageIcon icon, std::string_view text) {
  events_.push_back({UiEvent::Kind::Message, std::string(caption), std::string(text), icon});
}

Answer ScriptedUi::next() {
  if (answers_.empty()) {
    ++unanswered_;
    return Answer::No;
  }
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

bool ScriptedUi::askYesNo(std::string_view text) {
  events_.push_back({UiEvent::Kind::YesNo, "Question", std::string(text), MessageIcon::Question});
  return next() == Answer::Yes;
}

Answer ScriptedUi::askYesNoCancel(std::string_view text) {
  events_.push_back(
      {UiEvent::Kind::YesNoCancel, "Question", std::string(text), MessageIcon::Question});
  return next();
}

namespace {

std::optional<std::string> takeFile(std::deque<std::optional<std::string>>& files,
                                    int& unanswered) {
  if (files.empty()) {
    ++unanswered;
    return std::nullopt;
  }
  auto path = std::move(files.front());
  files.pop_front();
  return path;
}

}  // namespace

std::optional<std::string> ScriptedUi::chooseOpenFile(const FileRequest& request) {
  events_.push_back({UiEvent::Kind::OpenFile, request.title, request.initialPath});
  return takeFile(files_, unanswered_);
}

std::optional<std::string> ScriptedUi::chooseSaveFile(const FileRequest& request) {
  events_.push_back({UiEvent::Kind::SaveFile, request.title, request.initialPath});
  return takeFile(files_, unanswered_);
}

void ScriptedUi::beep() {
  events_.push_back({UiEvent::Kind::Beep, "", ""});
}

void ScriptedUi::setStatusText(std::string_view text) {
  events_.push_back({UiEvent::Kind::Status, "", std::string(text)});
}

std::vector<UiEvent> ScriptedUi::eventsOf(UiEvent::Kind kind) const {
  std::vector<UiEvent> out;
  std::copy_if(events_.begin(), events_.end(), std::back_inserter(out),
               [kind](const UiEvent& e) { return e.kind == kind; });
  return out;
}

int ScriptedUi::beeps() const {
  return static_cast<int>(std::count_if(events_.begin(), events_.end(), [](const UiEvent& e) {
    return e.kind == UiEvent::Kind::Beep;
  }));
}

void ScriptedUi::clear() {
  events_.clear();
  answers_.clear();
  files_.clear();
  unanswered_ = 0;
}

}  // namespace mz
