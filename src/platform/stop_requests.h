// Requests from outside to stop the program: SIGINT and SIGTERM, on Windows Ctrl-C,
// Ctrl-Break and the closing of the console. Once they are watched, the first
// request does not end the program: it ends every child process (and makes new ones
// fail to start), and the program asks StopRequest whether to stop. A second
// request ends the program at once, its children first, with status 128 + the
// request's signal number.
#pragma once

namespace tulvo {

void WatchStopRequests();
// 0 while no request came; then its signal number: 2 for SIGINT (and Ctrl-C), 15
// for SIGTERM.
int StopRequest();
// "SIGINT" or "SIGTERM" for those numbers.
const char* StopRequestName(int request);

}  // namespace tulvo
