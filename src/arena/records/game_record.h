// The text record of one game and the picture of its final position.
#pragma once

#include <string>
#include <vector>

#include "arena/match/referee.h"

namespace tulvo::arena {

// A header of '#' lines (board size, both engines, result, number of opening
// moves), then one move per line as x,y,ms; opening moves have 0 ms.
std::string FormatRecord(const GameResult& game, const std::string& xEngine, const std::string& oEngine);

// "1-0 (five)", "0-1 (timeout: ...)" or "1/2-1/2 (full board)".
std::string ResultText(const GameResult& game);

// The final board with column and row numbers, the last move in upper case.
std::string FormatFinalBoard(const GameResult& game);

// "game-0007.txt" for schedule number 6 and extension "txt".
std::string RecordFileName(int number, const char* extension = "txt");

// The highest number among the records (game-NNNN.txt, .psq or .sgf) in a folder
// holding these file names, 0 when there are none. A new match numbers its records
// after it, so that it never overwrites an earlier match's games.
int LastRecordNumber(const std::vector<std::string>& names);

}  // namespace tulvo::arena
