#include "CloseSignals.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <QWidget>

namespace mz {

namespace {
sigset_t closeSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  return set;
}
}  // namespace

void blockCloseSignals() {
  const sigset_t set = closeSignalSet();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

CloseSignals::CloseSignals(QWidget& window) : window_(window) {
  const sigset_t set = closeSignalSet();
  fd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd_ < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
}

CloseSignals::~CloseSignals() {
  notifier_.reset();
  if (fd_ >= 0) ::close(fd_);
}

void CloseSignals::drain() {
  signalfd_siginfo info;
  while (::read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
  }
  window_.close();
}

}  // namespace mz
