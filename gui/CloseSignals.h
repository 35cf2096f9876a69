#pragma once
// SIGTERM and SIGINT as a request to close the main window, so that ending the session or
// pressing Ctrl+C in the terminal runs the same orderly end as the Exit command.

#include <QObject>
#include <QSocketNotifier>
#include <memory>

class QWidget;

namespace mz {

// Keeps the two signals from ending the process abruptly. Call before the QApplication is made,
// so that every thread it starts inherits the blocked signals.
void blockCloseSignals();

class CloseSignals final : public QObject {
 public:
  // Closes window when one of the blocked signals arrives.
  explicit CloseSignals(QWidget& window);
  ~CloseSignals() override;

 private:
  void drain();

  QWidget& window_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace mz
