// The rules that read a level from a command-line argument or a program's name.
#include <tulvo/file_protocol.h>

#include <cstddef>
#include <cstdint>

namespace tulvo {

namespace {

// The level a character names, or -1 when it names none ('0'..'6' only).
int LevelOfCharacter(char c) {
  uint8_t value = uint8_t(uint8_t(c) - '0');
  return value <= kMaxLevel ? value : -1;
}

int LevelOrDefault(int level) { return level < 0 ? kDefaultLevel : level; }

size_t LengthWithin(const char* text, size_t limit) {
  size_t length = 0;
  while (length < limit && text[length] != '\0') length++;
  return length;
}

bool EndsWithExe(const char* path, size_t length) {
  if (length < 4) return false;
  const char* ending = path + length - 4;
  for (int i = 0; i < 4; i++) {
    char c = ending[i] >= 'A' && ending[i] <= 'Z' ? char(ending[i] - 'A' + 'a') : ending[i];
    if (c != ".exe"[i]) return false;
  }
  return true;
}

}  // namespace

int LevelOfArgument(const char* argument) {
  // A missing second character reads as '-', which names no level.
  if (argument[0] == '\0' || argument[1] == '\0') return -1;
  return LevelOfCharacter(argument[1]);
}

int LevelOfFileProgramPath(const char* path) {
  size_t length = LengthWithin(path, 255);
  if (length <= 4) return kDefaultLevel;
  return LevelOrDefault(LevelOfCharacter(path[length - 5]));
}

int LevelOfPipeProgramPath(const char* path) {
  size_t length = LengthWithin(path, SIZE_MAX);
  if (EndsWithExe(path, length)) length -= 4;
  if (length == 0) return kDefaultLevel;
  return LevelOrDefault(LevelOfCharacter(path[length - 1]));
}

}  // namespace tulvo
