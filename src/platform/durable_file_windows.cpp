// Durable appends on Windows: writes at the end of the file, then FlushFileBuffers.
#include <windows.h>

#include "platform/durable_file.h"

namespace tulvo {

namespace {

class WindowsAppendFile : public AppendFile {
 public:
  explicit WindowsAppendFile(HANDLE file) : file_(file) {}
  ~WindowsAppendFile() override { CloseHandle(file_); }

  bool Append(const std::string& bytes) override {
    for (size_t sent = 0; sent < bytes.size();) {
      DWORD written = 0;
      if (!WriteFile(file_, bytes.data() + sent, DWORD(bytes.size() - sent), &written, nullptr) || written == 0)
        return false;
      sent += written;
    }
    return FlushFileBuffers(file_) != 0;
  }

 private:
  HANDLE file_;
};

}  // namespace

std::unique_ptr<AppendFile> OpenAppendFile(const std::filesystem::path& path, std::string& error) {
  HANDLE file = CreateFileW(path.wstring().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = "cannot open " + path.string() + " for appending: error " + std::to_string(GetLastError());
    return nullptr;
  }
  return std::make_unique<WindowsAppendFile>(file);
}

}  // namespace tulvo
