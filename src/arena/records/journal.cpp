// The journal of a match: one JSON line per event, appended as the match goes.
#include "arena/records/journal.h"

#include <cstdio>
#include <set>

#include "arena/records/game_record.h"

namespace tulvo::arena {

std::string Fingerprint(const Json& settings) {
  uint64_t hash = 14695981039346656037ull;
  for (char c : settings.Text()) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

static JsonArray Strings(const std::vector<std::string>& texts) { return JsonArray(texts.begin(), texts.end()); }

std::string HeadLine(const JournalHead& head) {
  JsonObject schedule{
      {"games", head.scheduled}, {"pairs", head.pairs}, {"pairings", head.pairings}, {"openings", head.openings}};
  JsonObject line{{"event", "match"},    {"version", head.version},     {"fingerprint", head.fingerprint},
                  {"shard", head.shard}, {"schedule", schedule},        {"settings", head.settings},
                  {"run", head.run},     {"directory", head.directory}, {"arguments", Strings(head.arguments)}};
  return Json(line).Text() + "\n";
}

static const char* OutcomeName(Outcome outcome) {
  return outcome == Outcome::kXWins ? "x" : outcome == Outcome::kOWins ? "o" : "draw";
}

std::string GameLine(const JournalGame& game) {
  const GameResult& result = game.result;
  JsonArray moves;
  for (const PlayedMove& move : result.moves) moves.push_back(JsonArray{move.point.x, move.point.y, move.ms});
  std::string score = ResultText(result);
  JsonObject line{{"event", "game"},
                  {"game", game.job.number + 1},
                  {"pair", game.job.pair},
                  {"pairing", game.job.pairing},
                  {"first_is_x", game.job.firstIsX},
                  {"opening", game.job.opening},
                  {"x", game.x},
                  {"o", game.o},
                  {"result", score.substr(0, score.find(' '))},
                  {"outcome", OutcomeName(result.outcome)},
                  {"reason", EndReasonName(result.reason)},
                  {"detail", result.detail},
                  {"opening_moves", result.openingMoves},
                  {"moves", moves},
                  {"ms", result.wallMs},
                  {"records", Strings(game.records)}};
  return Json(line).Text() + "\n";
}

std::string EndLine(const std::string& completion, int games) {
  return Json(JsonObject{{"event", "end"}, {"completion", completion}, {"games", games}}).Text() + "\n";
}

namespace {

// Reads the fields of one line; the first missing or wrong field is the fault.
class LineReader {
 public:
  explicit LineReader(const Json& line) : line_(line) {}

  int Integer(const char* key, int64_t low, int64_t high) {
    std::optional<int64_t> value = line_[key].Integer(low, high);
    if (!value) Fault(key);
    return int(value.value_or(low));
  }
  bool Flag(const char* key) {
    const bool* value = line_[key].Bool();
    if (value == nullptr) Fault(key);
    return value != nullptr && *value;
  }
  std::string Text(const char* key) {
    const std::string* value = line_[key].String();
    if (value == nullptr) Fault(key);
    return value == nullptr ? "" : *value;
  }
  std::vector<std::string> Texts(const char* key) {
    std::vector<std::string> texts;
    const JsonArray* items = line_[key].Array();
    for (size_t i = 0; items != nullptr && i < items->size(); i++) {
      const std::string* text = (*items)[i].String();
      if (text == nullptr) items = nullptr;
      if (text != nullptr) texts.push_back(*text);
    }
    if (items == nullptr) Fault(key);
    return texts;
  }
  void Fault(const std::string& fault) {
    if (fault_.empty()) fault_ = fault;
  }
  const std::string& fault() const { return fault_; }

 private:
  const Json& line_;
  std::string fault_;
};

JournalHead ReadHead(const Json& line, std::string& fault) {
  LineReader reader(line);
  JournalHead head;
  if (reader.Text("event") != "match") reader.Fault("event");
  head.version = reader.Text("version");
  head.fingerprint = reader.Text("fingerprint");
  head.shard = line["shard"];
  head.settings = line["settings"];
  head.run = line["run"];
  head.directory = reader.Text("directory");
  head.arguments = reader.Texts("arguments");
  LineReader schedule(line["schedule"]);
  head.scheduled = schedule.Integer("games", 0, 100000000);
  head.pairs = schedule.Integer("pairs", 0, 100000000);
  head.pairings = schedule.Integer("pairings", 1, 100000);
  head.openings = schedule.Integer("openings", 1, 100000000);
  LineReader settings(line["settings"]);
  head.side = settings.Integer("size", 15, 20);
  if (!schedule.fault().empty()) reader.Fault("schedule " + schedule.fault());
  if (!settings.fault().empty()) reader.Fault("settings " + settings.fault());
  fault = reader.fault();
  return head;
}

std::optional<Outcome> OutcomeNamed(const std::string& name) {
  for (Outcome outcome : {Outcome::kXWins, Outcome::kOWins, Outcome::kDraw}) {
    if (name == OutcomeName(outcome)) return outcome;
  }
  return std::nullopt;
}

std::optional<EndReason> EndReasonNamed(const std::string& name) {
  for (int r = 0; r < kEndReasons; r++) {
    if (name == EndReasonName(EndReason(r))) return EndReason(r);
  }
  return std::nullopt;
}

// The moves, replayed on a board of the head's side: cells on the board and empty.
bool ReadMoves(const Json& moves, GameResult& result) {
  const JsonArray* items = moves.Array();
  if (items == nullptr) return false;
  for (const Json& item : *items) {
    const JsonArray* move = item.Array();
    if (move == nullptr || move->size() != 3) return false;
    auto x = (*move)[0].Integer(0, 19), y = (*move)[1].Integer(0, 19), ms = (*move)[2].Integer(0, INT32_MAX);
    if (!x || !y || !ms) return false;
    Point point{int(*x), int(*y)};
    if (!result.board.Contains(point) || result.board.At(point) != kCellEmpty) return false;
    result.board.Place(point);
    result.moves.push_back({point, int(*ms)});
  }
  return true;
}

JournalGame ReadGame(const Json& line, const JournalHead& head, std::string& fault) {
  LineReader reader(line);
  JournalGame game{{}, {Outcome::kDraw, EndReason::kFive, "", 0, {}, ArenaBoard(head.side)}, "", "", {}};
  game.job.number = reader.Integer("game", 1, head.scheduled) - 1;
  game.job.pair = reader.Integer("pair", 0, head.pairs - 1);
  game.job.pairing = reader.Integer("pairing", 0, head.pairings - 1);
  game.job.firstIsX = reader.Flag("first_is_x");
  game.job.opening = reader.Integer("opening", 0, head.openings - 1);
  game.x = reader.Text("x");
  game.o = reader.Text("o");
  std::optional<Outcome> outcome = OutcomeNamed(reader.Text("outcome"));
  std::optional<EndReason> reason = EndReasonNamed(reader.Text("reason"));
  if (!outcome) reader.Fault("outcome");
  if (!reason) reader.Fault("reason");
  game.result.outcome = outcome.value_or(Outcome::kDraw);
  game.result.reason = reason.value_or(EndReason::kFive);
  game.result.detail = reader.Text("detail");
  game.result.openingMoves = reader.Integer("opening_moves", 0, 400);
  game.result.wallMs = reader.Integer("ms", 0, INT32_MAX);
  if (!ReadMoves(line["moves"], game.result)) reader.Fault("moves");
  game.records = reader.Texts("records");
  if (reader.fault().empty() && !(game.job == ScheduledJob(game.job.number, head.pairings, head.openings)))
    reader.Fault("place in the schedule");
  fault = reader.fault();
  return game;
}

}  // namespace

static std::string TextOf(const Json& value) { return value.String() ? *value.String() : ""; }

// What is wrong with line number (from 0) of the journal so far, or "". Lines of an
// event this reader does not know are passed over, so that later versions may add
// some.
static std::string ReadLine(const std::string& text, int number, Journal& journal, std::set<int>& seen) {
  std::string fault;
  std::optional<Json> line = ParseJson(text, fault);
  if (!line) return fault;
  std::string event = TextOf((*line)["event"]);
  if (number == 0) {
    journal.head = ReadHead(*line, fault);
  } else if (event == "game") {
    journal.games.push_back(ReadGame(*line, journal.head, fault));
    if (fault.empty() && !seen.insert(journal.games.back().job.number).second)
      return "game " + std::to_string(journal.games.back().job.number + 1) + " is in the journal twice";
  } else if (event == "end") {
    journal.complete = true;
    journal.completion = TextOf((*line)["completion"]);
  } else if (event.empty()) {
    fault = "event";
  }
  return fault.empty() ? "" : "its " + fault + " is missing or wrong";
}

std::optional<Journal> ReadJournal(const std::string& text, std::string& error) {
  Journal journal;
  std::set<int> seen;
  int number = 0;
  for (size_t start = 0; start < text.size(); number++) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      journal.torn = true;
      break;
    }
    std::string fault = ReadLine(text.substr(start, end - start), number, journal, seen);
    if (!fault.empty()) {
      error = "line " + std::to_string(number + 1) + (number == 0 ? " is no match line: " : " is no journal line: ") +
              fault;
      return std::nullopt;
    }
    start = end + 1;
    journal.wholeBytes = start;
  }
  if (number == 0) {
    error = "it holds no whole line";
    return std::nullopt;
  }
  return journal;
}

}  // namespace tulvo::arena
