#pragma once
// A ui port for tests: it records every notice, question, beep and status text in order and
// answers questions and file choosers from a script given in advance.

#include <deque>
#include <string>
#include <vector>

#include "ui/UiPort.h"

namespace mz {

struct UiEvent {
  enum class Kind { Message, YesNo, YesNoCancel, OpenFile, SaveFile, Beep, Status };
  Kind kind;
  std::string caption;  // the message caption; "Question" for questions; the title of choosers
  std::string text;
  MessageIcon icon = MessageIcon::Information;
  bool operator==(const UiEvent&) const = default;
};

class ScriptedUi final : public UiPort {
 public:
  // Queue the answers of the next questions, in order.
  void answer(Answer a) { answers_.push_back(a); }
  void answerFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

  void showMessage(std::string_view caption, MessageIcon icon, std::string_view text) override;
  bool askYesNo(std::string_view text) override;
  Answer askYesNoCancel(std::string_view text) override;
  std::optional<std::string> chooseOpenFile(const FileRequest& request) override;
  std::optional<std::string> chooseSaveFile(const FileRequest& request) override;
  void beep() override;
  void setStatusText(std::string_view text) override;

  const std::vector<UiEvent>& events() const { return events_; }
  // Only the events of one kind, for tests that look at messages alone.
  std::vector<UiEvent> eventsOf(UiEvent::Kind kind) const;
  int beeps() const;
  // Questions asked when the script had no answer left (each answered No, or nothing chosen).
  int unanswered() const { return unanswered_; }
  bool scriptUsedUp() const { return answers_.empty() && files_.empty(); }
  void clear();

 private:
  Answer next();

  std::vector<UiEvent> events_;
  std::deque<Answer> answers_;
  std::deque<std::optional<std::string>> files_;
  int unanswered_ = 0;
};

}  // namespace mz
