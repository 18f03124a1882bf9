// The platform on Windows: the process's command line, module path, clock, console
// and files straight from the Win32 API. File names ignore letter case natively.
#include <fcntl.h>
#include <io.h>
#include <tulvo/platform.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/command_line.h"

namespace tulvo {

static std::vector<std::string> words;  // program name, then the arguments
static char modulePath[32768];          // room for the longest path Windows allows

// The C runtime's own argc and argv are not used: the arguments are split from the
// command line the process was started with, and the path is the module's own.
// Standard input and output carry bytes unchanged, as on POSIX systems: no CR added
// before LF, and a Ctrl-Z byte read is data, not the end of input.
void PlatformStart(int, char**) {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  words = SplitWindowsCommandLine(GetCommandLineA());
  DWORD length = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
  if (length >= sizeof modulePath) length = 0;
  modulePath[length] = '\0';
}

int PlatformArgumentCount() { return words.empty() ? 0 : int(words.size()) - 1; }

const char* PlatformArgument(int index) { return words[size_t(index) + 1].c_str(); }

const char* PlatformExecutablePath() { return modulePath; }

UtcTimeOfDay PlatformUtcTime() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

void PlatformWriteConsole(const char* bytes, int count) {
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  while (count > 0) {
    DWORD written = 0;
    if (!WriteFile(console, bytes, DWORD(count), &written, nullptr) || written == 0) return;
    bytes += written;
    count -= int(written);
  }
}

void PlatformExit(int code) { ExitProcess(UINT(code)); }

// Others may keep reading or writing the file while it is open here: a manager that
// has not yet closed its own handle does not make the run fail.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE;

// The path of name in folder ("" for the working directory).
static std::string PathIn(const char* folder, const char* name) {
  std::string path = folder;
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '\\';
  return path + name;
}

// Only a disk file opens: reading a pipe or a device could wait for ever.
FileHandle PlatformOpenExisting(const char* folder, const char* name) {
  HANDLE file = CreateFileA(PathIn(folder, name).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kNoFile;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return kNoFile;
  }
  return reinterpret_cast<FileHandle>(file);
}

static HANDLE Native(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

int64_t PlatformFileSize(FileHandle file) {
  DWORD high = 0;
  SetLastError(NO_ERROR);  // a size whose low half is all ones is told from failure by the error
  DWORD low = GetFileSize(Native(file), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return -1;
  return int64_t((uint64_t(high) << 32) | low);
}

int PlatformReadFile(FileHandle file, void* buffer, int count) {
  char* next = static_cast<char*>(buffer);
  int total = 0;
  while (total < count) {
    DWORD got = 0;
    if (!ReadFile(Native(file), next + total, DWORD(count - total), &got, nullptr)) return -1;
    if (got == 0) break;
    total += int(got);
  }
  return total;
}

int PlatformWriteFile(FileHandle file, const void* bytes, int count) {
  DWORD written = 0;
  if (!WriteFile(Native(file), bytes, DWORD(count), &written, nullptr)) return -1;
  return int(written);
}

bool PlatformCloseFile(FileHandle file) { return CloseHandle(Native(file)) != 0; }

FileHandle PlatformCreateFile(const char* folder, const char* name) {
  HANDLE file = CreateFileA(PathIn(folder, name).c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(file);
}

bool PlatformStandardOutputIsTerminal() {
  HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (!GetConsoleMode(console, &mode)) return false;
  return SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

bool PlatformIsFolder(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

size_t PlatformLastFolderSeparator(std::string_view path) { return path.find_last_of("/\\"); }

}  // namespace tulvo
