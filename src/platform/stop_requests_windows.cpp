// Stop requests on Windows: a console control handler, which the system calls on a
// thread of its own, for Ctrl-C, Ctrl-Break and the closing of the console. They all
// count as SIGINT.
#include <windows.h>

#include <atomic>

#include "platform/process_channel.h"
#include "platform/stop_requests.h"

namespace tulvo {

namespace {

constexpr int kInterrupt = 2;  // SIGINT's number, for the exit status 130
std::atomic<int> request{0};

BOOL WINAPI OnControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) return FALSE;
  // The request is noted before the children end, so that a game their end cuts
  // short is known to have been stopped.
  int first = 0;
  bool again = !request.compare_exchange_strong(first, kInterrupt);
  EndAllChildProcesses();
  if (again) ExitProcess(128 + kInterrupt);
  return TRUE;
}

}  // namespace

void WatchStopRequests() { SetConsoleCtrlHandler(OnControl, TRUE); }

int StopRequest() { return request.load(); }

const char* StopRequestName(int request) { return request == 15 ? "SIGTERM" : "SIGINT"; }

}  // namespace tulvo
