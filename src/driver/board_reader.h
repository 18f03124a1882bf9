// The input half of the file protocol: plocha.dat (the board) and tah.dat (the side
// to move).
#pragma once

#include <cstdint>

constexpr int kMaxBoardFileSize = 447;

extern const char kMessageBoardNotLoaded[];
extern const char kMessageBadBoardSize[];
extern const char kMessageLineTooLong[];
extern const char kMessageTooManyLines[];
extern const char kMessageFilesNotLoaded[];

// Reads both files, fills the position and prepares the candidates, or ends the run
// through FatalExit with the message of the first fault.
void ReadBoardFiles();
// ReadBoardFiles with the board taken from the file boardName (the messages still
// name plocha.dat); without readSide tah.dat is not opened and the caller sets
// sideToMove.
void ReadPositionFiles(const char* boardName, bool readSide);
// Parses board text into the position (resetting it first); a malformed line ends
// the run through FatalExit.
void ParseBoard(const uint8_t* bytes, int count);
