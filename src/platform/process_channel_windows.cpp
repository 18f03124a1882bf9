// Engine processes on Windows: CreateProcess into a job object (so that ending an
// engine ends what it started), anonymous pipes, waits with a deadline, and
// scratch folders under the temporary folder.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <mutex>

#include "platform/command_line.h"
#include "platform/process_channel.h"
#include "platform/stopwatch.h"

namespace tulvo {

namespace {

std::string ErrorText(DWORD code) {
  char text[256] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                                sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n' || text[length - 1] == '.')) length--;
  std::string message(text, length);
  return message.empty() ? "error " + std::to_string(code) : message;
}

std::string LastErrorText() { return ErrorText(GetLastError()); }

void CloseOnce(HANDLE& handle) {
  if (handle != nullptr && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  handle = nullptr;
}

// A program path with a slash or backslash that is not absolute is taken relative
// to the arena's own folder, even when the engine runs elsewhere.
std::string ProgramPath(const std::string& program) {
  std::filesystem::path path(program);
  if (program.find_first_of("/\\") == std::string::npos || !path.is_relative()) return program;
  return std::filesystem::absolute(path).string();
}

ProcessEnd EndOf(DWORD code) {
  if (code >= 0xC0000000u) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08lX", static_cast<unsigned long>(code));
    return {false, -1, std::string("crashed with exception ") + hex};
  }
  return {code == 0, int(code), "exited with code " + std::to_string(code)};
}

class WindowsProcess;

// The children still running, so that a program that stops can end them all; the
// console's control handler calls EndAllChildProcesses on a thread of its own.
std::mutex registry;
std::vector<WindowsProcess*> live;
bool ending = false;

class WindowsProcess : public ChildProcess {
 public:
  WindowsProcess(HANDLE process, HANDLE job, HANDLE toChild, HANDLE fromChild)
      : process_(process), job_(job), toChild_(toChild), fromChild_(fromChild) {}
  ~WindowsProcess() override {
    {
      std::lock_guard lock(registry);
      std::erase(live, this);
    }
    Kill();
    CloseOnce(toChild_);
    CloseOnce(fromChild_);
    CloseOnce(job_);
    CloseOnce(process_);
  }

  bool Write(const std::string& bytes) override {
    for (size_t sent = 0; sent < bytes.size();) {
      DWORD written = 0;
      if (!WriteFile(toChild_, bytes.data() + sent, DWORD(bytes.size() - sent), &written, nullptr) || written == 0)
        return false;
      sent += written;
    }
    return true;
  }

  void CloseInput() override { CloseOnce(toChild_); }

  // Anonymous pipes cannot be waited on: the pipe is looked into every
  // millisecond, and the wait between looks ends early when the process exits.
  ReadStatus Read(std::string& output, int timeoutMs) override {
    Stopwatch clock;
    for (;;) {
      DWORD available = 0;
      if (!PeekNamedPipe(fromChild_, nullptr, 0, nullptr, &available, nullptr)) return ReadStatus::kClosed;
      if (available > 0) {
        char buffer[4096];
        DWORD got = 0;
        if (!ReadFile(fromChild_, buffer, available < sizeof buffer ? available : sizeof buffer, &got, nullptr))
          return ReadStatus::kClosed;
        output.append(buffer, got);
        return ReadStatus::kData;
      }
      if (clock.LeftOf(timeoutMs) <= 0) return ReadStatus::kTimedOut;
      WaitForSingleObject(process_, 1);
    }
  }

  std::optional<ProcessEnd> WaitForExit(int timeoutMs) override {
    if (!end_ && WaitForSingleObject(process_, DWORD(timeoutMs > 0 ? timeoutMs : 0)) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process_, &code);
      end_ = EndOf(code);
    }
    return end_;
  }

  // Ends the whole job, also when the process itself has already exited, or the
  // process alone where it could not join one.
  void Kill() override {
    Terminate();
    if (end_) return;
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 10000);
    end_ = ProcessEnd{false, -1, "ended by the arena"};
  }

  // Ends the job, or the process alone where it has none, without waiting.
  void Terminate() {
    if (job_ != nullptr) TerminateJobObject(job_, 1);
    if (job_ == nullptr) TerminateProcess(process_, 1);
  }

 private:
  HANDLE process_;
  HANDLE job_;  // nullptr when the process could not be put into a job of its own
  HANDLE toChild_;
  HANDLE fromChild_;
  std::optional<ProcessEnd> end_;
};

// The standard handles a new process gets; the parent's ends of the pipes stay
// non-inheritable, so that no other engine keeps them open.
struct ChildHandles {
  HANDLE input = nullptr, output = nullptr, error = nullptr;  // the child's
  HANDLE toChild = nullptr, fromChild = nullptr;              // the arena's ends
  ~ChildHandles() {
    for (HANDLE* handle : {&input, &output, &error, &toChild, &fromChild}) CloseOnce(*handle);
  }
};

HANDLE OpenNullDevice(DWORD access) {
  HANDLE device = CreateFileA("NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (device == INVALID_HANDLE_VALUE) throw SystemFault("cannot open the null device: " + LastErrorText());
  return device;
}

void MakeHandles(bool pipes, ChildHandles& handles) {
  handles.error = OpenNullDevice(GENERIC_WRITE);
  if (!pipes) {
    handles.input = OpenNullDevice(GENERIC_READ);
    handles.output = OpenNullDevice(GENERIC_WRITE);
    return;
  }
  if (!CreatePipe(&handles.input, &handles.toChild, nullptr, 0) ||
      !CreatePipe(&handles.fromChild, &handles.output, nullptr, 0)) {
    throw SystemFault("cannot create pipes for an engine: " + LastErrorText());
  }
}

// A job that ends its processes when its last handle closes; nullptr when the
// system refuses one.
HANDLE MakeJob() {
  HANDLE job = CreateJobObjectA(nullptr, nullptr);
  if (job == nullptr) return nullptr;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  return job;
}

// Only the handles of the process being created may be inheritable while it is
// created: games started at once take turns here.
std::mutex creating;

// 0, or the error that stopped CreateProcess.
DWORD Create(std::string line, const std::filesystem::path& directory, ChildHandles& handles,
             PROCESS_INFORMATION& started) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = handles.input;
  startup.hStdOutput = handles.output;
  startup.hStdError = handles.error;
  std::string folder = directory.string();
  std::lock_guard lock(creating);
  for (HANDLE handle : {handles.input, handles.output, handles.error})
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
  bool created = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                                folder.empty() ? nullptr : folder.c_str(), &startup, &started) != 0;
  DWORD error = created ? 0 : GetLastError();
  for (HANDLE handle : {handles.input, handles.output, handles.error})
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, 0);
  return error;
}

}  // namespace

std::unique_ptr<ChildProcess> StartChildProcess(const std::vector<std::string>& command,
                                                const std::filesystem::path& directory, bool pipes,
                                                std::string& failure) {
  if (std::lock_guard lock(registry); ending) {
    failure = "cannot start " + command[0] + ": the program is stopping";
    return nullptr;
  }
  ChildHandles handles;
  MakeHandles(pipes, handles);
  std::vector<std::string> words = command;
  words[0] = ProgramPath(words[0]);
  PROCESS_INFORMATION started{};
  if (DWORD error = Create(JoinWindowsCommandLine(words), directory, handles, started)) {
    failure = "cannot start " + command[0] + ": " + ErrorText(error);
    return nullptr;
  }
  HANDLE job = MakeJob();
  if (job != nullptr && !AssignProcessToJobObject(job, started.hProcess)) CloseOnce(job);
  ResumeThread(started.hThread);
  CloseHandle(started.hThread);
  auto process = std::make_unique<WindowsProcess>(started.hProcess, job, handles.toChild, handles.fromChild);
  handles.toChild = handles.fromChild = nullptr;  // now the process object's
  std::lock_guard lock(registry);
  live.push_back(process.get());
  if (ending) process->Terminate();
  return process;
}

// Under the temporary folder, named after this process and a running count.
std::filesystem::path MakeScratchFolder(const std::string& prefix) {
  static std::atomic<unsigned> count{0};
  char base[MAX_PATH + 1];
  DWORD length = GetTempPathA(sizeof base, base);
  if (length == 0 || length > MAX_PATH) throw SystemFault("cannot find the temporary folder: " + LastErrorText());
  for (int attempt = 0; attempt < 100; attempt++) {
    std::string name = prefix + "-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(count++);
    std::filesystem::path folder = std::filesystem::path(base) / name;
    if (CreateDirectoryA(folder.string().c_str(), nullptr)) return folder;
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      throw SystemFault("cannot create a scratch folder " + folder.string() + ": " + LastErrorText());
    }
  }
  throw SystemFault(std::string("cannot create a scratch folder under ") + base + ": all names are taken");
}

// A crashing engine ends at once instead of waiting on an error dialog; engines
// inherit this error mode.
void PrepareChildProcesses() { SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX); }

void EndAllChildProcesses() {
  std::lock_guard lock(registry);
  ending = true;
  for (WindowsProcess* process : live) process->Terminate();
}

std::string ShellCommandLine(const std::vector<std::string>& words) { return JoinWindowsCommandLine(words); }

// A console that takes the escape sequence the progress line uses.
bool StandardErrorIsTerminal() {
  HANDLE console = GetStdHandle(STD_ERROR_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(console, &mode)) return false;
  return SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

}  // namespace tulvo
