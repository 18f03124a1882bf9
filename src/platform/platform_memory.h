// An in-memory platform for tests, fuzzing and in-process front ends: files live in
// a table, the clock and command line are set by the caller, and PlatformExit
// throws instead of ending the process, so a fatal exit can be observed and survived.
#pragma once

#include <tulvo/platform.h>

#include <string>
#include <vector>

namespace tulvo {

struct PlatformExitSignal {
  int code;
};

// Forgets every file, argument, console byte and open handle; clock 00:00:00.000.
void MemoryPlatformReset();
void MemoryPlatformSetArguments(const std::vector<std::string>& arguments);
void MemoryPlatformSetExecutablePath(const std::string& path);
void MemoryPlatformSetClock(UtcTimeOfDay time);
void MemoryPlatformSetFile(const std::string& name, const std::string& bytes);
void MemoryPlatformRemoveFile(const std::string& name);
bool MemoryPlatformHasFile(const std::string& name);
std::string MemoryPlatformFile(const std::string& name);
// Makes every open, read or close of the named file fail from now on.
void MemoryPlatformBreakFile(const std::string& name);
std::string MemoryPlatformConsole();

}  // namespace tulvo
