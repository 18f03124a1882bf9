// The platform on POSIX systems. Protocol files are found as a system whose file
// names ignore letter case would find them: the exact name first, else the first
// directory entry (in byte order) equal to it ignoring ASCII case.
#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <tulvo/platform.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tulvo {

static int argumentCount = 0;
static char** arguments = nullptr;

#ifdef MADV_POPULATE_WRITE
// The ends of the program's zero-initialised data, from the linker.
extern "C" char __bss_start[], _end[];

// Maps the program's zero-initialised data (the file program's engine state, a dozen pages)
// in one call. A run touches nearly all of it, and on virtual machines a first-touch
// page fault can cost several microseconds each, more than the whole search. A kernel
// without the call just leaves it to the faults.
static void PrefaultState() {
  const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
  const uintptr_t start = uintptr_t(__bss_start) & ~(page - 1);
  madvise(reinterpret_cast<void*>(start), uintptr_t(_end) - start, MADV_POPULATE_WRITE);
}
#else
static void PrefaultState() {}
#endif

void PlatformStart(int argc, char** argv) {
  argumentCount = argc > 1 ? argc - 1 : 0;
  arguments = argv;
  PrefaultState();
}

int PlatformArgumentCount() { return argumentCount; }

const char* PlatformArgument(int index) { return arguments[index + 1]; }

// The path the program was started under, so that a copy or link named tulvo3.exe
// selects its level.
const char* PlatformExecutablePath() { return arguments != nullptr && arguments[0] != nullptr ? arguments[0] : ""; }

UtcTimeOfDay PlatformUtcTime() {
  using namespace std::chrono;
  auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  auto ofDay = sinceEpoch % (24LL * 60 * 60 * 1000);
  if (ofDay < 0) ofDay += 24LL * 60 * 60 * 1000;
  int ms = int(ofDay);
  return {ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
}

void PlatformWriteConsole(const char* bytes, int count) {
  while (count > 0) {
    ssize_t written = write(STDOUT_FILENO, bytes, size_t(count));
    if (written <= 0) return;
    bytes += written;
    count -= int(written);
  }
}

void PlatformExit(int code) { _exit(code); }

static bool SameIgnoringCase(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; a++, b++) {
    char ca = (*a >= 'A' && *a <= 'Z') ? char(*a + 32) : *a;
    char cb = (*b >= 'A' && *b <= 'Z') ? char(*b + 32) : *b;
    if (ca != cb) return false;
  }
  return *a == *b;
}

// The path of name in folder ("" for the working directory).
static void JoinPath(const char* folder, const char* name, char* path, size_t room) {
  const size_t length = strlen(folder);
  if (length == 0)
    snprintf(path, room, "%s", name);
  else
    snprintf(path, room, "%s%s%s", folder, folder[length - 1] == '/' ? "" : "/", name);
}

// Writes into found the path under which folder holds name; false when it holds none.
static bool FindProtocolFile(const char* folder, const char* name, char* found, size_t room) {
  struct stat info;
  JoinPath(folder, name, found, room);
  if (lstat(found, &info) == 0) return true;
  DIR* directory = opendir(folder[0] == '\0' ? "." : folder);
  if (directory == nullptr) return false;
  char best[256];
  bool any = false;
  while (struct dirent* entry = readdir(directory)) {
    if (!SameIgnoringCase(entry->d_name, name)) continue;
    if (any && strcmp(entry->d_name, best) >= 0) continue;
    snprintf(best, sizeof best, "%s", entry->d_name);
    any = true;
  }
  closedir(directory);
  if (any) JoinPath(folder, best, found, room);
  return any;
}

// Only a regular file opens (and the open itself never waits): reading a FIFO or a
// device could block for ever or never end.
FileHandle PlatformOpenExisting(const char* folder, const char* name) {
  char found[4096];
  if (!FindProtocolFile(folder, name, found, sizeof found)) return kNoFile;
  int fd = open(found, O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return kNoFile;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return kNoFile;
  }
  return fd;
}

int64_t PlatformFileSize(FileHandle file) {
  struct stat info;
  if (fstat(int(file), &info) != 0) return -1;
  return int64_t(info.st_size);
}

int PlatformReadFile(FileHandle file, void* buffer, int count) {
  int total = 0;
  while (total < count) {
    ssize_t got = read(int(file), static_cast<char*>(buffer) + total, size_t(count - total));
    if (got < 0) return -1;
    if (got == 0) break;
    total += int(got);
  }
  return total;
}

int PlatformWriteFile(FileHandle file, const void* bytes, int count) {
  ssize_t written = write(int(file), bytes, size_t(count));
  return written < 0 ? -1 : int(written);
}

bool PlatformCloseFile(FileHandle file) { return close(int(file)) == 0; }

FileHandle PlatformCreateFile(const char* folder, const char* name) {
  char found[4096];
  if (!FindProtocolFile(folder, name, found, sizeof found)) JoinPath(folder, name, found, sizeof found);
  int fd = open(found, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  return fd < 0 ? kNoFile : fd;
}

bool PlatformStandardOutputIsTerminal() { return isatty(STDOUT_FILENO) == 1; }

bool PlatformIsFolder(const char* path) {
  struct stat info;
  return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

size_t PlatformLastFolderSeparator(std::string_view path) { return path.rfind('/'); }

}  // namespace tulvo
