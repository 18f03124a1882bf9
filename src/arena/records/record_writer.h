// Writing a finished game's records into the records folder.
#pragma once

#include <string>
#include <vector>

#include "arena/match/referee.h"
#include "arena/records/record_formats.h"

namespace tulvo::arena {

// "" when the records folder exists or can be made and a file can be written into
// it; otherwise one line saying why not.
std::string RecordsFolderProblem(const std::string& folder);

// The last record number among the folder's files (a device or a folder of a
// record's name is no record); -1 with error set when the folder cannot be read.
int LastRecordInFolder(const std::string& folder, std::string& error);

// Writes the game's records as record number (from 0) in the chosen formats; the
// paths written. A record that cannot be written throws ArenaFault, naming the file.
std::vector<std::string> WriteRecords(const std::string& folder, const RecordFormats& formats, int number,
                                      const GameResult& game, const std::string& x, const std::string& o);

}  // namespace tulvo::arena
