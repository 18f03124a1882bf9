// Durable appends on POSIX systems: O_APPEND writes, then fsync.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/durable_file.h"

namespace tulvo {

namespace {

class PosixAppendFile : public AppendFile {
 public:
  explicit PosixAppendFile(int fd) : fd_(fd) {}
  ~PosixAppendFile() override { close(fd_); }

  bool Append(const std::string& bytes) override {
    for (size_t sent = 0; sent < bytes.size();) {
      ssize_t written = write(fd_, bytes.data() + sent, bytes.size() - sent);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      sent += size_t(written);
    }
    return fsync(fd_) == 0;
  }

 private:
  int fd_;
};

// A new file's name is durable once its folder is flushed too.
void SyncFolderOf(const std::filesystem::path& path) {
  std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

std::unique_ptr<AppendFile> OpenAppendFile(const std::filesystem::path& path, std::string& error) {
  bool existed = access(path.c_str(), F_OK) == 0;
  int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = "cannot open " + path.string() + " for appending: " + std::strerror(errno);
    return nullptr;
  }
  if (!existed) SyncFolderOf(path);
  return std::make_unique<PosixAppendFile>(fd);
}

}  // namespace tulvo
