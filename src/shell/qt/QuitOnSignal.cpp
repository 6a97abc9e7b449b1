#include "shell/qt/QuitOnSignal.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace remont {
namespace {

int g_signal_fd[2] = {-1, -1};

// Only what is safe in a signal handler: one byte into the pipe.
void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t n = write(g_signal_fd[0], &byte, 1);
}

}  // namespace

void QuitOnTerminationSignals() {
  if (g_signal_fd[0] >= 0) return;
  if (socketpair(AF_UNIX, SOCK_STREAM, 0, g_signal_fd) != 0) return;
  auto* notifier = new QSocketNotifier(g_signal_fd[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char byte;
    [[maybe_unused]] const ssize_t n = read(g_signal_fd[1], &byte, 1);
    QCoreApplication::quit();
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &action, nullptr);
}

}  // namespace remont
