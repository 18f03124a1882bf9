// Files that keep what is appended to them across any stop of the program: each
// append is on the disk before it returns.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace tulvo {

class AppendFile {
 public:
  virtual ~AppendFile() = default;
  // Appends bytes with one write and flushes them to the disk; false when either
  // fails.
  virtual bool Append(const std::string& bytes) = 0;
};

// Opens path for appending, creating it when missing (and then making its name in
// the folder durable too); nullptr with error set to why it cannot.
std::unique_ptr<AppendFile> OpenAppendFile(const std::filesystem::path& path, std::string& error);

}  // namespace tulvo
