#include "quit_on_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>

namespace hexling {
namespace {

int signalSocket[2] = {-1, -1};

// Only what is safe in a signal handler: one write, read on the event loop.
void Forward(int) {
  const char byte = 1;
  [[maybe_unused]] const auto written = write(signalSocket[0], &byte, 1);
}

}  // namespace

void QuitOnTerminationSignals() {
  if (signalSocket[0] != -1 || socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0) return;
  auto* const notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [] {
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(signalSocket[1], &byte, 1);
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = Forward;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}

}  // namespace hexling
