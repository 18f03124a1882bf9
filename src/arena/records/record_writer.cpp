// Writing a finished game's records into the records folder.
#include "arena/records/record_writer.h"

#include <filesystem>
#include <fstream>

#include "arena/match/arena_fault.h"
#include "arena/records/game_record.h"

namespace tulvo::arena {

// A record that cannot be written is the arena's fault: it stops the match.
static void WriteRecord(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out) throw ArenaFault("cannot write the record " + path.string());
}

std::vector<std::string> WriteRecords(const std::string& folder, const RecordFormats& formats, int number,
                                      const GameResult& game, const std::string& x, const std::string& o) {
  std::filesystem::path directory(folder);
  std::vector<std::string> written;
  auto write = [&](const char* extension, const std::string& text) {
    std::filesystem::path path = directory / RecordFileName(number, extension);
    WriteRecord(path, text);
    written.push_back(path.generic_string());
  };
  if (formats.text) write("txt", FormatRecord(game, x, o));
  if (formats.psq) write("psq", FormatPsq(game, x, o));
  if (formats.sgf) write("sgf", FormatSgf(game, x, o));
  return written;
}

std::string RecordsFolderProblem(const std::string& folder) {
  std::error_code made;
  if (!std::filesystem::create_directories(folder, made) && made)
    return "cannot create the records folder " + folder + ": " + made.message();
  std::filesystem::path probe = std::filesystem::path(folder) / ".tulvo-arena-write-check";
  std::ofstream out(probe, std::ios::binary | std::ios::trunc);
  out << "records\n";
  out.close();
  bool written = bool(out);
  std::error_code ignored;
  std::filesystem::remove(probe, ignored);
  return written ? "" : "cannot write into the records folder " + folder;
}

int LastRecordInFolder(const std::string& folder, std::string& error) {
  std::error_code fault;
  std::vector<std::string> names;
  for (std::filesystem::directory_iterator entry(folder, fault), end; !fault && entry != end; entry.increment(fault)) {
    std::error_code kind;
    if (entry->is_regular_file(kind)) names.push_back(entry->path().filename().string());
  }
  if (fault) error = "cannot use " + folder + " for records: " + fault.message();
  return fault ? -1 : LastRecordNumber(names);
}

}  // namespace tulvo::arena
