// The platform modules' interface: command line, clock, console, protocol files, exit,
// and the few questions the tools ask about the terminal and folders. One
// implementation per target system is linked into each program (POSIX, Windows, or the
// in-memory one of the tests); no other code includes a system header. The engine
// calls none of it: the programs do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tulvo {

struct UtcTimeOfDay {
  int hour;
  int minute;
  int second;
  int millisecond;
};

using FileHandle = intptr_t;
constexpr FileHandle kNoFile = -1;

// Hands the process's own view of its start to the platform (ignored where the
// platform asks the system instead).
void PlatformStart(int argc, char** argv);

int PlatformArgumentCount();  // arguments after the program name
const char* PlatformArgument(int index);
const char* PlatformExecutablePath();
UtcTimeOfDay PlatformUtcTime();
void PlatformWriteConsole(const char* bytes, int count);
[[noreturn]] void PlatformExit(int code);

// Protocol files in a folder ("" for the working directory), found by name as the
// manager's system would find them. Every call reports failure instead of raising it.
FileHandle PlatformOpenExisting(const char* folder, const char* name);  // read and write access
int64_t PlatformFileSize(FileHandle file);                              // -1 on failure
int PlatformReadFile(FileHandle file, void* buffer, int count);         // -1 on failure
int PlatformWriteFile(FileHandle file, const void* bytes, int count);   // -1 on failure
bool PlatformCloseFile(FileHandle file);
FileHandle PlatformCreateFile(const char* folder, const char* name);  // create, or truncate, for writing

// Whether standard output shows colours: a terminal, or on Windows a console that takes
// terminal escape sequences (switched on by the call; where the console refuses them,
// the answer is no).
bool PlatformStandardOutputIsTerminal();
bool PlatformIsFolder(const char* path);
// Where the folder part of path ends: its last folder separator ('/', and on Windows
// '\\' too), or npos.
size_t PlatformLastFolderSeparator(std::string_view path);

}  // namespace tulvo
