// The journal of a match: one JSON line per event, appended as the match goes, so
// that a stopped match can go on and its results can be read without playing.
// The first line describes the match, then comes one line per finished game, and a
// last line says that the match (or its shard) is complete.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arena/match/referee.h"
#include "arena/match/schedule.h"
#include "arena/records/json.h"

namespace tulvo::arena {

// The journal's first line.
struct JournalHead {
  std::string version;                 // the tulvo version that started the match
  std::string fingerprint;             // of settings: equal settings, equal fingerprint
  Json shard;                          // which part of the schedule this journal plays; null: all of it
  std::vector<std::string> arguments;  // the command line's options and engines, as given
  std::string directory;               // the folder the match ran in, where paths start
  Json settings;                       // everything that changes what is played
  Json run;                            // how it is played: jobs, records folder, first record number
  // The whole schedule: its games, game pairs, pairings and openings.
  int scheduled = 0;
  int pairs = 0;
  int pairings = 0;
  int openings = 0;
  int side = 15;  // the board's, from settings
};

// One finished game.
struct JournalGame {
  GameJob job;
  GameResult result;
  std::string x;  // the labels of the engines that played X and O
  std::string o;
  std::vector<std::string> records;  // the record files written for it
};

// A journal as read back: its head, its games in the order they finished, whether
// it is complete, and what was left out.
struct Journal {
  JournalHead head;
  std::vector<JournalGame> games;
  bool complete = false;
  std::string completion;  // the last line's reason: "schedule" or "sprt"
  // A last line without its line end is torn (the writer was killed while writing
  // it): it is left out, and wholeBytes is the length of the lines before it.
  bool torn = false;
  size_t wholeBytes = 0;
};

// 16 hexadecimal digits of a 64-bit FNV-1a hash of the settings' text.
std::string Fingerprint(const Json& settings);

// The lines, each ended by LF.
std::string HeadLine(const JournalHead& head);
std::string GameLine(const JournalGame& game);
// completion is "schedule" (every game of the schedule or shard is played) or
// "sprt" (the test decided); games counts the journal's games.
std::string EndLine(const std::string& completion, int games);

// The journal in text, or nullopt with error naming the line and what is wrong
// with it. A first line that is no match line, or a game that names no game of the
// schedule, pairing or opening, is refused.
std::optional<Journal> ReadJournal(const std::string& text, std::string& error);

}  // namespace tulvo::arena
