// The in-memory platform: a small file table with exact names and optional faults.
#include "platform/platform_memory.h"

#include <algorithm>
#include <map>
#include <set>

namespace tulvo {

namespace {

struct OpenFile {
  std::string name;
  size_t position = 0;
};

std::vector<std::string> arguments;
std::string executablePath = "tulvo.exe";
UtcTimeOfDay clock = {0, 0, 0, 0};
std::map<std::string, std::string> files;
std::set<std::string> brokenFiles;
std::map<FileHandle, OpenFile> openFiles;
FileHandle nextHandle = 1;
std::string console;

OpenFile* Find(FileHandle file) {
  auto it = openFiles.find(file);
  return it == openFiles.end() ? nullptr : &it->second;
}

bool IsBroken(const std::string& name) { return brokenFiles.count(name) != 0; }

// Files in a folder are kept under "folder/name".
std::string PathIn(const char* folder, const char* name) {
  return folder[0] == '\0' ? std::string(name) : std::string(folder) + "/" + name;
}

FileHandle Open(const std::string& name) {
  openFiles[nextHandle] = {name, 0};
  return nextHandle++;
}

}  // namespace

void MemoryPlatformReset() {
  arguments.clear();
  executablePath = "tulvo.exe";
  clock = {0, 0, 0, 0};
  files.clear();
  brokenFiles.clear();
  openFiles.clear();
  nextHandle = 1;
  console.clear();
}

void MemoryPlatformSetArguments(const std::vector<std::string>& list) { arguments = list; }
void MemoryPlatformSetExecutablePath(const std::string& path) { executablePath = path; }
void MemoryPlatformSetClock(UtcTimeOfDay time) { clock = time; }
void MemoryPlatformSetFile(const std::string& name, const std::string& bytes) { files[name] = bytes; }
void MemoryPlatformRemoveFile(const std::string& name) { files.erase(name); }
bool MemoryPlatformHasFile(const std::string& name) { return files.count(name) != 0; }
std::string MemoryPlatformFile(const std::string& name) { return files.count(name) ? files[name] : std::string(); }
void MemoryPlatformBreakFile(const std::string& name) { brokenFiles.insert(name); }
std::string MemoryPlatformConsole() { return console; }

void PlatformStart(int, char**) {}
int PlatformArgumentCount() { return int(arguments.size()); }
const char* PlatformArgument(int index) { return arguments[size_t(index)].c_str(); }
const char* PlatformExecutablePath() { return executablePath.c_str(); }
UtcTimeOfDay PlatformUtcTime() { return clock; }
void PlatformWriteConsole(const char* bytes, int count) { console.append(bytes, size_t(count)); }
void PlatformExit(int code) { throw PlatformExitSignal{code}; }

FileHandle PlatformOpenExisting(const char* folder, const char* name) {
  const std::string path = PathIn(folder, name);
  if (files.count(path) == 0 || IsBroken(path)) return kNoFile;
  return Open(path);
}

int64_t PlatformFileSize(FileHandle file) {
  OpenFile* open = Find(file);
  return open == nullptr ? -1 : int64_t(files[open->name].size());
}

int PlatformReadFile(FileHandle file, void* buffer, int count) {
  OpenFile* open = Find(file);
  if (open == nullptr || IsBroken(open->name)) return -1;
  const std::string& bytes = files[open->name];
  size_t available = bytes.size() > open->position ? bytes.size() - open->position : 0;
  size_t taken = std::min(available, size_t(count));
  bytes.copy(static_cast<char*>(buffer), taken, open->position);
  open->position += taken;
  return int(taken);
}

int PlatformWriteFile(FileHandle file, const void* bytes, int count) {
  OpenFile* open = Find(file);
  if (open == nullptr || IsBroken(open->name)) return -1;
  files[open->name].append(static_cast<const char*>(bytes), size_t(count));
  return count;
}

bool PlatformCloseFile(FileHandle file) {
  OpenFile* open = Find(file);
  bool ok = open != nullptr && !IsBroken(open->name);
  openFiles.erase(file);
  return ok;
}

FileHandle PlatformCreateFile(const char* folder, const char* name) {
  const std::string path = PathIn(folder, name);
  if (IsBroken(path)) return kNoFile;
  files[path].clear();
  return Open(path);
}

bool PlatformStandardOutputIsTerminal() { return false; }

// The working directory, and every folder that holds a file.
bool PlatformIsFolder(const char* path) {
  const std::string prefix = std::string(path) + "/";
  if (prefix == "./") return true;
  return std::any_of(files.begin(), files.end(),
                     [&prefix](const auto& file) { return file.first.starts_with(prefix); });
}

size_t PlatformLastFolderSeparator(std::string_view path) { return path.rfind('/'); }

}  // namespace tulvo
