// Stop requests on POSIX systems: SIGINT and SIGTERM handlers that do only what a
// handler may.
#include <signal.h>
#include <unistd.h>

#include <atomic>

#include "platform/process_channel.h"
#include "platform/stop_requests.h"

namespace tulvo {

namespace {

std::atomic<int> request{0};

// The request is noted before the children end, so that a game their end cuts short
// is known to have been stopped.
void OnStopSignal(int signal) {
  int first = 0;
  bool again = !request.compare_exchange_strong(first, signal);
  EndAllChildProcesses();
  if (again) _exit(128 + signal);
}

}  // namespace

void WatchStopRequests() {
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

int StopRequest() { return request.load(); }

const char* StopRequestName(int request) { return request == SIGTERM ? "SIGTERM" : "SIGINT"; }

}  // namespace tulvo
